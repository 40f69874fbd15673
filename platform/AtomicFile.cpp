#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>

#include <unistd.h>

namespace volmira::platform {

namespace {

// errno right after a failed call; Qt keeps it, but gives only English text.
int lastError() { return errno; }

QString cannotWrite(const QString &name, const QString &reason) {
    return QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(name, reason);
}

}  // namespace

AtomicFile::AtomicFile(const QString &path) : file_(path), name_(QFileInfo(path).fileName()) {}

AtomicFile::~AtomicFile() {
    if (open_) file_.cancelWriting();
}

void AtomicFile::fail(int error) {
    if (error_.isEmpty()) error_ = cannotWrite(name_, systemErrorText(error));
}

Result<> AtomicFile::open() {
    const QFileInfo target(file_.fileName());
    // A pipe or a device would be replaced by a regular file of that name.
    if (target.exists() && !target.isFile())
        return Failure{cannotWrite(name_, QStringLiteral("Unter diesem Namen steht keine gewöhnliche Datei, "
                                                         "sondern ein Ordner, eine Pipe oder ein Gerät."))};
    errno = 0;
    // Unbuffered: no bytes wait in a buffer whose failed flush could go unseen.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(lastError());
        return Failure{error_};
    }
    open_ = true;
    return {};
}

void AtomicFile::write(QByteArrayView bytes) {
    if (!open_ || !error_.isEmpty() || bytes.isEmpty()) return;
    errno = 0;
    if (file_.write(bytes.data(), bytes.size()) != bytes.size()) fail(lastError());
}

Result<> AtomicFile::commit() {
    if (!open_) return Failure{error_.isEmpty() ? cannotWrite(name_, QStringLiteral("Sie wurde nicht geöffnet.")) : error_};
    errno = 0;
    if (error_.isEmpty() && !file_.flush()) fail(lastError());
    // Some file systems report a full disk only when the data reach it.
    if (error_.isEmpty() && ::fsync(file_.handle()) != 0) fail(lastError());
    if (!error_.isEmpty()) {
        file_.cancelWriting();
        (void)file_.commit();  // removes the temporary file; the target stays as it was
        open_ = false;
        return Failure{error_};
    }
    open_ = false;
    errno = 0;
    if (!file_.commit()) {
        fail(lastError());
        return Failure{error_};
    }
    return {};
}

Result<> writeFileAtomically(const QString &path, QByteArrayView bytes) {
    AtomicFile file(path);
    if (Result<> opened = file.open(); !opened) return opened;
    file.write(bytes);
    return file.commit();
}

Result<> copyFileAtomically(const QString &from, const QString &to) {
    QFile source(from);
    errno = 0;
    if (!source.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                           .arg(QFileInfo(from).fileName(), systemErrorText(lastError()))};
    AtomicFile copy(to);
    if (Result<> opened = copy.open(); !opened) return opened;
    constexpr qint64 kChunk = 1 << 20;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (;;) {
        errno = 0;
        const qint64 read = source.read(chunk.data(), kChunk);
        if (read < 0)
            return Failure{QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                               .arg(QFileInfo(from).fileName(), systemErrorText(lastError()))};
        if (read == 0) break;
        copy.write(QByteArrayView(chunk.constData(), read));
    }
    return copy.commit();
}

Result<bool> renameWithoutReplacing(const QString &from, const QString &to) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) return false;
    // A file system without the no-replace rename: a second name fails just as
    // surely on an existing one, and the first is then dropped.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return true;
    }
    if (errno == EEXIST) return false;
    return Failure{cannotWrite(QFileInfo(to).fileName(), systemErrorText(lastError()))};
}

}  // namespace volmira::platform
