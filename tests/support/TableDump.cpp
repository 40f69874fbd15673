#include "support/TableDump.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>

namespace volmira::test {

QStringList dumpTable(store::Database &db, const QString &table, const QStringList &leaveOut) {
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sql = ("SELECT * FROM " + table).toUtf8();
    if (sqlite3_prepare_v2(db.handle(), sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) return {"FEHLER " + table};
    QStringList rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            if (leaveOut.contains(QString::fromUtf8(sqlite3_column_name(stmt, c)))) continue;
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_NULL: values << QStringLiteral("∅"); break;
            case SQLITE_INTEGER: values << QString::number(sqlite3_column_int64(stmt, c)); break;
            case SQLITE_FLOAT: values << QString::number(sqlite3_column_double(stmt, c), 'g', 17); break;
            default:
                values << '"' + QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)),
                                                  sqlite3_column_bytes(stmt, c)) + '"';
            }
        }
        rows << table + ": " + values.join(u'|');
    }
    sqlite3_finalize(stmt);
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList dumpAirportData(store::Database &db) {
    QStringList all;
    all << dumpTable(db, "ARPT", {"NameKey"});
    for (const char *table : {"RWY", "ACOM", "ILS", "MyInfo", "MAPDATA"}) all << dumpTable(db, table, {"id"});
    all << dumpTable(db, "Version");
    return all;
}

}  // namespace volmira::test
