#pragma once

#include "support/Files.h"

#include <QDir>
#include <QFileInfo>

namespace volmira::test {

// Makes the entries below the folder: a name ending in '/' a folder, any other an empty file.
inline void makeTree(const QString &folder, const QStringList &entries) {
    for (const QString &entry : entries) {
        const QString path = QDir(folder).filePath(entry);
        QDir().mkpath(entry.endsWith(u'/') ? path : QFileInfo(path).path());
        if (!entry.endsWith(u'/')) writeFile(path, {});
    }
}

}  // namespace volmira::test
