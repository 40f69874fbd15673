#pragma once

#include "platform/Shell.h"

namespace volmira::platform {

// The desktop's link opener (QDesktopServices) and QProcess::startDetached.
class DesktopShell final : public Shell {
public:
    [[nodiscard]] bool openUrl(const QString &url) override;
    [[nodiscard]] bool startDetached(const QString &program, const QStringList &arguments,
                                     const QString &workingFolder) override;
};

}  // namespace volmira::platform
