#include "platform/RegularFile.h"

#include "platform/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volmira::platform {

Result<std::unique_ptr<QFile>> openRegularFile(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    // Without O_NONBLOCK a FIFO with no writer holds the open until one comes.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Failure{systemErrorText(errno)};
    struct stat status {};
    QString refusal;
    if (::fstat(fd, &status) != 0)
        refusal = systemErrorText(errno);
    else if (S_ISDIR(status.st_mode))
        refusal = systemErrorText(EISDIR);
    else if (!S_ISREG(status.st_mode))
        refusal = notAFileText();
    // A regular file reads the same either way; the flag goes so that reads
    // wait for a slow medium as they should.
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refusal = systemErrorText(errno);
    if (!refusal.isEmpty()) {
        ::close(fd);
        return Failure{refusal};
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure{systemErrorText(0)};
    }
    return file;
}

}  // namespace volmira::platform
