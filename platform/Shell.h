#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The desktop: opening a link in the user's programs and starting another
// program, behind an interface so that tests record instead of opening.
namespace volmira::platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Hands a web address or a "mailto:" link to the desktop; false when it could not.
    [[nodiscard]] virtual bool openUrl(const QString &url) = 0;
    // Starts the program by its path, never through a shell, and does not wait
    // for it; false when it is missing or could not be started.
    [[nodiscard]] virtual bool startDetached(const QString &program, const QStringList &arguments,
                                             const QString &workingFolder) = 0;
};

// Records what would have been opened or started and answers as the test sets.
class FakeShell final : public Shell {
public:
    struct Started {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    [[nodiscard]] bool openUrl(const QString &url) override {
        opened.push_back(url);
        return openSucceeds;
    }
    [[nodiscard]] bool startDetached(const QString &program, const QStringList &arguments,
                                     const QString &workingFolder) override {
        started.push_back({program, arguments, workingFolder});
        return startSucceeds;
    }

    std::vector<QString> opened;
    std::vector<Started> started;
    bool openSucceeds = true;
    bool startSucceeds = true;
};

}  // namespace volmira::platform
