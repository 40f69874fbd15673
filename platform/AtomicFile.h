#pragma once

#include "platform/Result.h"
#include "platform/SystemError.h"

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace volmira::platform {

// Replaces a file so that it holds either its old content or the whole new
// one. The bytes go to a temporary file beside the target; every write is
// checked, the data are flushed and synced to the disk, and only then the
// temporary file takes the target's name. A target that exists but is not a
// regular file (a folder, a pipe, a device) is refused, never replaced.
// Failures name the file and say what happened in German.
class AtomicFile {
public:
    explicit AtomicFile(const QString &path);
    ~AtomicFile();  // abandons the temporary file unless committed
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    Result<> open();
    // After the first failure further writes do nothing; commit() reports it.
    void write(QByteArrayView bytes);
    Result<> commit();

private:
    void fail(int error);

    QSaveFile file_;
    QString name_;
    QString error_;
    bool open_ = false;
};

// The whole content at once.
Result<> writeFileAtomically(const QString &path, QByteArrayView bytes);
// A copy of `from` under `to`, complete or not at all.
Result<> copyFileAtomically(const QString &from, const QString &to);
// Gives the file `from` the name `to` in the same folder unless something of
// that name exists: false then, and `from` stays as it is. Never replaces.
Result<bool> renameWithoutReplacing(const QString &from, const QString &to);

}  // namespace volmira::platform
