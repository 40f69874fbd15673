#include "support/TableDump.h"

#include "store/NoteIndex.h"
#include "store/Schema.h"
#include "store/SearchNames.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>

#include <gtest/gtest.h>

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
    all << dumpTable(db, "ARPT", {"NameKey", "SortKey"});
    for (const char *table : {"RWY", "ACOM", "ILS", "MyInfo", "MAPDATA"}) all << dumpTable(db, table, {"id"});
    all << dumpTable(db, "Version");
    return all;
}

namespace {

QStringList texts(store::Database &db, const char *sql) {
    const auto rows = db.prepare(sql).allRows([](const store::Statement &row) { return row.text(0); });
    return rows ? QStringList(rows->begin(), rows->end()) : QStringList{rows.error()};
}

void exec(store::Database &db, const QByteArray &sql) { ASSERT_EQ(db.exec(sql.constData()).error(), "") << sql.data(); }

}  // namespace

QStringList dumpFile(store::Database &db) {
    QStringList all = texts(db, "SELECT type || ' ' || name || ': ' || sql FROM sqlite_master ORDER BY name");
    for (const QString &table : texts(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))
        all << dumpTable(db, table);
    return all;
}

void writeFormatFile(const QString &path, int format, bool passworded) {
    QFile::remove(path);
    store::Database db;
    ASSERT_TRUE(db.open(path, store::Database::Mode::Create).ok());
    const QString folder = QStringLiteral(VOLMIRA_SOURCE_DIR "/tests/data/schema/");
    if (format < store::kSchemaVersion) {
        // Their indexes and triggers go with the tables, a virtual table's own tables with it.
        for (const QString &table : texts(db, "SELECT name FROM sqlite_master WHERE type = 'table'"))
            exec(db, "DROP TABLE IF EXISTS " + table.toUtf8());
        // The first format is kept as its program created it; every later one
        // is the one before it and its step.
        int stored = format;
        while (!QFile::exists(folder + QStringLiteral("format%1.sql").arg(stored))) --stored;
        exec(db, readFile(folder + QStringLiteral("format%1.sql").arg(stored)));
        for (const store::SchemaStep &step : store::schemaSteps())
            if (step.from >= stored && step.from < format) {
                exec(db, step.sql);
                if (step.fill) { ASSERT_EQ(step.fill(db).error(), "") << step.name; }
            }
        exec(db, "PRAGMA user_version = " + QByteArray::number(format));
    }
    exec(db, readFile(folder + "rows.sql"));
    // The rows come in by SQL: a format with the notes' search index gets their entries as the program's writes would.
    if (texts(db, "SELECT name FROM sqlite_master WHERE name = 'NoteSearch'") == QStringList{"NoteSearch"}) {
        ASSERT_EQ(store::indexAllNotes(db).error(), "");
    }
    // So do the airports' search words, which the program writes with their names.
    if (texts(db, "SELECT name FROM sqlite_master WHERE name = 'SearchName'") == QStringList{"SearchName"}) {
        ASSERT_EQ(store::fillNameWords(db).error(), "");
    }
    // And the sort keys of the names.
    if (texts(db, "SELECT count(*) FROM sqlite_master WHERE name = 'ARPT' AND sql LIKE '%SortKey%'") == QStringList{"1"})
        exec(db, "UPDATE ARPT SET SortKey = german_key(Name)");
    if (passworded) exec(db, "PRAGMA rekey = 'kestrel52-118';");
    if (format > store::kSchemaVersion) exec(db, "PRAGMA user_version = " + QByteArray::number(format));
}

}  // namespace volmira::test
