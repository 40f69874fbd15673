#pragma once

#include <QByteArray>
#include <QString>

namespace volmira::test {

// Writes a file, replacing it; a failure fails the test.
void writeFile(const QString &path, const QByteArray &bytes);

// The bytes of a file, or "(keine Datei)" when it cannot be read.
QByteArray readFile(const QString &path);

// A SHA-256 of the file, for files too large to compare in a failure message.
QByteArray fileHash(const QString &path);

}  // namespace volmira::test
