#pragma once

// Values, reading and the sample files of the record-file tests (header only:
// only the programs that use it link the record-file library).
#include "store/recordfile/RecordFile.h"

#include <vector>

namespace volmira::store::recordfile {
inline bool operator==(const FieldDef &a, const FieldDef &b) {
    return a.name == b.name && a.type == b.type && a.size == b.size && a.nullable == b.nullable;
}
}  // namespace volmira::store::recordfile

namespace volmira::test {

namespace rf = store::recordfile;

inline const QString kRecordFileSamples = QStringLiteral(VOLMIRA_SOURCE_DIR "/tests/data/recordfile/");

inline rf::Value text(const char *utf8) { return QString::fromUtf8(utf8); }
inline rf::Value date(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return rf::DateTime{QDate(y, m, d), QTime(h, mi, s)};
}
inline const rf::Value null;

// What a reader gave: the declared fields, the rows up to the first error, the error.
struct Records {
    std::vector<rf::FieldDef> fields;
    std::vector<rf::Row> rows;
    QString error;
};

// Reads to the end a reader whose opening said openError.
inline Records drain(rf::Reader &reader, const QString &openError) {
    Records read{reader.fields(), {}, openError};
    if (!openError.isEmpty()) return read;
    rf::Row row;
    while (reader.next(row)) read.rows.push_back(row);
    read.error = reader.error();
    return read;
}

inline Records readRecordFile(const QString &path) {
    rf::Reader reader;
    const QString error = reader.open(path).error();
    return drain(reader, error);
}

// The sample files as the data maker's library wrote them (with byte sizes of numbers
// and dates): history.xml, the update history, and exchange-min.xml, each value kind.
struct Sample {
    std::vector<rf::FieldDef> fields;
    std::vector<rf::Row> rows;
};

inline Sample historySample() {
    return {{{"ICAO", rf::FieldType::Text, 10, true},
             {"Name", rf::FieldType::Text, 100, true},
             {"Date", rf::FieldType::DateTime, 16, true}},
            {{text("EDDF"), text("Frankfurt/Main"), date(2010, 4, 21, 14, 30)},
             {text("EDFE"), null, date(2010, 4, 21, 14, 30, 5)},
             {text("EDFZ"), text(""), date(2010, 4, 22)},
             {text("EDXM"), text("Flugplatz Müller's Wiese"), date(2011, 6, 1, 8, 5, 9)}}};
}

inline Sample exchangeSample() {
    return {{{"ICAO", rf::FieldType::Text, 10, true},
             {"dataType", rf::FieldType::Text, 10, true},
             {"aName", rf::FieldType::Text, 100, true},
             {"aWGS_DLAT", rf::FieldType::Double, 8, true},
             {"aELEV", rf::FieldType::Integer, 4, true},
             {"aDate", rf::FieldType::DateTime, 16, true},
             {"mMyInfo", rf::FieldType::LongText, 1000, true}},
            {{text("EDFM"), text("ARPT"), text("Musterstadt"), 49.9863, qint64(364), date(2010, 4, 21), null},
             {text("EDFM"), text("MyInfo"), null, null, null, null,
              text("Tower: 08:00-20:00\r\n\tPPR <24h> & fuel 'AVGAS 100LL' \"only\"")}}};
}

}  // namespace volmira::test
