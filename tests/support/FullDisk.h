#pragma once

#include <QString>
#include <QTemporaryDir>

namespace volmira::test {

// A small file system (tmpfs) on a temporary folder, which fill() leaves without a free
// byte. Mounting needs root; otherwise mounted() is false and the test skips.
class FullDisk {
public:
    explicit FullDisk(qint64 bytes = 256 * 1024);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    [[nodiscard]] bool mounted() const { return mounted_; }
    [[nodiscard]] static QString skipReason() {
        return "A small file system can only be mounted as root; a file size limit tests the write failure instead.";
    }
    [[nodiscard]] QString path() const { return dir_.path(); }
    [[nodiscard]] QString filePath(const QString &name) const { return dir_.filePath(name); }
    void fill() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

}  // namespace volmira::test
