#include "browser/NightSetting.h"

#include "store/WriteNotation.h"

namespace volmira::browser {

bool readNightView(const QString &path) {
    const std::optional<QList<store::WrittenValue>> values = store::readWrittenFile(path);
    if (!values || values->isEmpty()) return false;
    const std::optional<qint64> on = values->front().integer();
    return on && *on == 1;
}

platform::Result<> writeNightView(const QString &path, bool on) {
    return store::writeWrittenFile(path, {store::bareNumber(on ? 1 : 0)});
}

}  // namespace volmira::browser
