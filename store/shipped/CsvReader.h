#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <vector>

class QIODevice;

namespace volmira::store::shipped {

// Reads comma-separated text (RFC 4180: fields in double quotes may hold
// commas, line breaks and "" for a quote) record by record, with the columns
// named by the header line. Errors are German and name the file and the line.
class CsvReader {
public:
    // The device must be open for reading; the name is what messages show.
    CsvReader(QIODevice &device, QString fileName);

    // Reads the header line and checks that it names every required column.
    [[nodiscard]] platform::Result<> readHeader(std::initializer_list<const char *> required = {});

    // Index of a header column, -1 when the header lacks it.
    [[nodiscard]] int column(const char *name) const;

    // Steps to the next record; false at the end of the file or on an error
    // (then error() is not empty).
    [[nodiscard]] bool next();
    [[nodiscard]] const QString &error() const { return error_; }

    // Field of the current record, trimmed of surrounding blanks; "" for a column
    // the header lacks.
    [[nodiscard]] QString field(int column) const;

    // Line on which the current record starts, 1 for the header.
    [[nodiscard]] int line() const { return recordLine_; }
    [[nodiscard]] const QString &fileName() const { return fileName_; }

    // "Datei X, Zeile N: " + text, for callers that find fault with a record.
    [[nodiscard]] QString fault(const QString &text) const;

private:
    bool readRecord();
    bool readLine(QByteArray &line);

    QIODevice &device_;
    QString fileName_;
    std::vector<QByteArray> header_;
    std::vector<QByteArray> fields_;
    int nextLine_ = 1;
    int recordLine_ = 0;
    QString error_;
};

}  // namespace volmira::store::shipped
