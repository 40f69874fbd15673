#include "support/FullDisk.h"

#include <QFile>

#include <sys/mount.h>
#include <unistd.h>

namespace volmira::test {

FullDisk::FullDisk(qint64 bytes) {
    const QByteArray options = "size=" + QByteArray::number(bytes);
    mounted_ = ::geteuid() == 0 &&
               ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

FullDisk::~FullDisk() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void FullDisk::fill() const {
    QFile filler(dir_.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // The last partial block.
    while (filler.write("x", 1) == 1) {
    }
}

}  // namespace volmira::test
