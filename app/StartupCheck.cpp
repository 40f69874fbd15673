#include "app/StartupCheck.h"

namespace volmira::app {

void StartupCheck::start(const QString &programVersion, const QString &databaseVersion) {
    if (started_) return;
    started_ = true;
    using Answer = platform::Result<platform::OnlineVersionTexts>;
    background_.run<Answer>([this](const std::atomic<bool> &abort) { return source_.fetch(abort); },
                            [this, programVersion, databaseVersion](const Answer &answer) {
                                result_ = checkVersions(programVersion, databaseVersion, answer);
                                answered_ = true;
                                emit answered();
                            });
}

}  // namespace volmira::app
