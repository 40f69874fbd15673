#pragma once

#include "platform/Result.h"

#include <QFile>
#include <QString>

#include <memory>

namespace volmira::platform {

// Opens a file the user named for reading, and only when it is a regular file.
// The open itself never waits: a FIFO, device or socket behind the name would
// hold open() or read() until another program acts. A failure is a German
// sentence saying why ("Der Name bezeichnet einen Ordner."), for the caller to
// put after the file's name.
[[nodiscard]] Result<std::unique_ptr<QFile>> openRegularFile(const QString &path);

}  // namespace volmira::platform
