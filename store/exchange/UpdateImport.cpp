#include "store/exchange/UpdateImport.h"

#include "store/DateText.h"
#include "store/exchange/ExchangeFile.h"
#include "store/exchange/UpdateHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace volmira::store::exchange {

namespace {

using exchange::ColumnMap;

// Lets the crash tests stop the import at a stage and kill it there: with
// VOLMIRA_IMPORT_PAUSE set to the stage's name the process announces the stage
// on stderr and waits to be killed.
void pauseForTest(const char *stage) {
    static const QByteArray wanted = qgetenv("VOLMIRA_IMPORT_PAUSE");
    if (wanted.isEmpty() || wanted != stage) return;
    std::fprintf(stderr, "Import angehalten: %s\n", stage);
    std::fflush(stderr);
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

// The name the messages give each kind.
QString kindName(QStringView kind) {
    return kind == exchange::kAirportKind ? QStringLiteral("APT") : kind.toString();
}

QString dataError(QStringView kind, long long row, const QString &detail) {
    return QStringLiteral("Datenfehler bei %1 (Datensatz %2): %3").arg(kindName(kind)).arg(row).arg(detail);
}

// One pass over the file's records, in file order, reading the columns named
// (all when none are). The callback gets the column map, the record and its
// number; it returns an error text to stop the pass.
template <typename OnRecord>
QString eachRecord(const QString &path, std::initializer_list<exchange::Column> columns, OnRecord onRecord) {
    recordfile::Reader reader;
    if (QString error = reader.open(path); !error.isEmpty()) return error;
    const ColumnMap map(reader);
    if (!map.hasKind())
        return QStringLiteral("Die Update-Datei %1 hat keine Spalte dataType.").arg(QFileInfo(path).fileName());
    if (columns.size() > 0) reader.readOnly(map.fieldsOf(columns));
    recordfile::Row row;
    long long number = 0;
    while (reader.next(row))
        if (QString error = onRecord(map, row, ++number); !error.isEmpty()) return error;
    return reader.error();
}

// The records of the file as table rows; a record that does not fit is the error.
struct Record {
    QString kind;
    std::variant<std::monostate, ArptRow, AcomRow, IlsRow, RwyRow, MyInfoRow> row;
    QString error;
};

template <typename Row>
void take(Record &record, exchange::Converted<Row> converted) {
    if (auto *error = std::get_if<QString>(&converted))
        record.error = *error;
    else
        record.row = std::move(std::get<Row>(converted));
}

Record convert(const ColumnMap &map, const recordfile::Row &row) {
    Record record;
    record.kind = exchange::kindOf(map, row);
    const QString &k = record.kind;
    if (k == exchange::kAirportKind) take(record, exchange::toAirport(map, row));
    else if (k == exchange::kFrequencyKind) take(record, exchange::toFrequency(map, row));
    else if (k == exchange::kApproachKind) take(record, exchange::toApproach(map, row));
    else if (k == exchange::kRunwayKind) take(record, exchange::toRunway(map, row));
    else if (k == exchange::kNoteKind) take(record, exchange::toNote(map, row));
    return record;
}

// Copies the database beside itself before the import changes it, under a
// temporary name first so that a half copy never replaces the last good one.
QString backUp(const QString &databasePath) {
    const QString backup = databasePath + QStringLiteral(".bak");
    const QString partial = backup + QStringLiteral(".neu");
    QFile::remove(partial);
    std::error_code failed;
    if (!QFile::copy(databasePath, partial) ||
        (std::filesystem::rename(partial.toStdString(), backup.toStdString(), failed), failed)) {
        QFile::remove(partial);
        return QStringLiteral("Die Sicherungskopie %1 kann nicht angelegt werden.").arg(QFileInfo(backup).fileName());
    }
    return {};
}

// An import rewrites most pages of the database. A page cache of 32 MB (the
// shipped database is 8 MB) keeps them from being decrypted again and again;
// the usual cache is restored afterwards.
class LargePageCache {
public:
    explicit LargePageCache(Database &db) : db_(db) { (void)db_.exec("PRAGMA cache_size = -32768"); }
    ~LargePageCache() { (void)db_.exec("PRAGMA cache_size = -2000"); }
    LargePageCache(const LargePageCache &) = delete;
    LargePageCache &operator=(const LargePageCache &) = delete;

private:
    Database &db_;
};

class Import {
public:
    Import(AirportStore &store, const ImportRequest &request) : store_(store), db_(store.database()), request_(request) {}

    QString collectAirports();
    QString removeAirportRows();
    QString append();
    ImportCounts counts;
    std::vector<HistoryEntry> imported;

private:
    QString insert(const Record &record, long long number);
    QString addNote(const MyInfoRow &note);

    AirportStore &store_;
    Database &db_;
    const ImportRequest &request_;
    long long lastNoteBefore_ = 0;
};

// A first pass collects the file's airports before anything changes: their
// rows of the other kinds are removed before any record is appended, wherever
// in the file the airport record stands. The other records are checked while
// they are appended; a bad one rolls the whole import back.
QString Import::collectAirports() {
    QSet<QString> codes;
    const QDate version = parseStoredDate(request_.dataVersion);
    const auto keyColumns = {exchange::ICAO, exchange::dataType, exchange::aName};
    QString error = eachRecord(request_.file, keyColumns, [&](const ColumnMap &map, const recordfile::Row &row,
                                                             long long n) {
        if (exchange::kindOf(map, row) != exchange::kAirportKind) return QString();
        // Only the code and the name here; the whole record is checked when it is appended.
        const exchange::AirportKey airport = exchange::airportKey(map, row);
        if (airport.ICAO.trimmed().isEmpty())
            return dataError(exchange::kAirportKind, n, exchange::kNoCodeMessage.toString());
        if (codes.contains(airport.ICAO.toUpper()))
            return dataError(exchange::kAirportKind, n,
                             QStringLiteral("der Flughafen %1 steht mehr als einmal in der Datei.").arg(airport.ICAO));
        codes.insert(airport.ICAO.toUpper());
        std::optional<recordfile::DateTime> stamp;
        if (version.isValid()) stamp = recordfile::DateTime{version, QTime(0, 0)};
        imported.push_back({airport.ICAO, airport.Name, stamp});
        return QString();
    });
    if (!error.isEmpty()) return error;
    if (imported.empty())
        return QStringLiteral("Die Update-Datei %1 enthält keine Flughäfen.").arg(QFileInfo(request_.file).fileName());
    return {};
}

// Removes the runways, frequencies and approaches of the file's airports; their
// notes and map links stay. The airport rows themselves are overwritten in
// place when appended, which keeps the note category each airport showed last.
QString Import::removeAirportRows() {
    for (const char *sql : {"CREATE TEMP TABLE IF NOT EXISTS ImportAirports (ICAO TEXT COLLATE NOCASE PRIMARY KEY)",
                            "DELETE FROM temp.ImportAirports"})
        if (QString error = db_.exec(sql); !error.isEmpty()) return error;
    Statement &add = db_.prepare("INSERT INTO temp.ImportAirports (ICAO) VALUES (?)");
    for (const HistoryEntry &airport : imported)
        if (QString error = add.reset().bind(1, airport.ICAO).run(); !error.isEmpty()) return error;
    for (const char *sql : {"DELETE FROM RWY WHERE ICAO IN (SELECT ICAO FROM temp.ImportAirports)",
                            "DELETE FROM ACOM WHERE ICAO IN (SELECT ICAO FROM temp.ImportAirports)",
                            "DELETE FROM ILS WHERE ICAO IN (SELECT ICAO FROM temp.ImportAirports)"})
        if (QString error = db_.exec(sql); !error.isEmpty()) return error;
    Statement &lastNote = db_.prepare("SELECT coalesce(max(id), 0) FROM MyInfo");
    const platform::Result<std::optional<long long>> last =
        lastNote.firstRow([](const Statement &row) { return row.int64(0); });
    if (!last) return last.error();
    lastNoteBefore_ = last->value_or(0);
    counts.airportsReplaced = int(imported.size());
    return {};
}

QString Import::addNote(const MyInfoRow &note) {
    Statement &held = db_.prepare("SELECT 1 FROM MyInfo WHERE ICAO = ? AND Category IS ? AND id <= ? LIMIT 1");
    held.reset().bind(1, note.ICAO).bind(2, note.Category).bind(3, lastNoteBefore_);
    const platform::Result<std::optional<bool>> found = held.firstRow([](const Statement &) { return true; });
    if (!found) return found.error();
    if (*found) {
        ++counts.notesSkipped;
        return {};
    }
    ++counts.notesAdded;
    return store_.notes.insert(note);
}

QString Import::insert(const Record &record, long long number) {
    QString error;
    if (const auto *airport = std::get_if<ArptRow>(&record.row)) {
        error = store_.edits.replaceAirport(*airport);
    } else if (const auto *frequency = std::get_if<AcomRow>(&record.row)) {
        error = store_.edits.insertFrequency(*frequency);
        ++counts.frequencies;
    } else if (const auto *approach = std::get_if<IlsRow>(&record.row)) {
        error = store_.edits.insertApproach(*approach);
        ++counts.approaches;
    } else if (const auto *runway = std::get_if<RwyRow>(&record.row)) {
        error = store_.edits.insertRunway(*runway);
        ++counts.runways;
    } else if (const auto *note = std::get_if<MyInfoRow>(&record.row)) {
        error = addNote(*note);
    } else {
        ++counts.unknownRows;
    }
    return error.isEmpty() ? QString() : dataError(record.kind, number, error);
}

QString Import::append() {
    const QString changed = QStringLiteral("Die Update-Datei %1 hat sich während des Imports verändert.")
                                .arg(QFileInfo(request_.file).fileName());
    std::size_t appended = 0;
    QString error = eachRecord(request_.file, {}, [&](const ColumnMap &map, const recordfile::Row &row, long long n) {
        const Record record = convert(map, row);
        if (!record.error.isEmpty()) return dataError(record.kind, n, record.error);
        // The airports must be those whose rows were removed, in the same order.
        if (const auto *airport = std::get_if<ArptRow>(&record.row)) {
            if (appended >= imported.size() ||
                imported[appended].ICAO.compare(airport->ICAO, Qt::CaseInsensitive) != 0)
                return changed;
            if (++appended == imported.size() / 2 + 1) pauseForTest("appending");
        }
        return insert(record, n);
    });
    if (!error.isEmpty()) return error;
    return appended == imported.size() ? QString() : changed;
}

}  // namespace

ImportResult importUpdate(AirportStore &store, const ImportRequest &request, const ImportProgress &progress) {
    auto report = [&](int percent) {
        if (progress) progress(percent);
    };
    ImportResult result;
    auto failed = [&](const QString &error) {
        result.error = error;
        return result;
    };
    report(kImportStarted);
    const QString historyPath = QDir(request.dataFolder).filePath(QString::fromLatin1(kUpdateHistoryFile));
    std::vector<HistoryEntry> history;
    if (QString error = readUpdateHistory(historyPath, history); !error.isEmpty()) return failed(error);
    if (!QFileInfo(request.file).isFile())
        return failed(QStringLiteral("Die Update-Datei %1 wurde nicht gefunden.").arg(request.file));
    report(kImportFileOpened);

    Import import(store, request);
    if (QString error = import.collectAirports(); !error.isEmpty()) return failed(error);
    report(kImportFileChecked);

    if (QString error = backUp(store.database().path()); !error.isEmpty()) return failed(error);
    pauseForTest("backup");
    {
        LargePageCache cache(store.database());
        Transaction tx(store.database());
        if (!tx.started()) return failed(store.database().lastError());
        if (QString error = import.removeAirportRows(); !error.isEmpty()) return failed(error);
        report(kImportAirportsRemoved);
        pauseForTest("removed");
        if (QString error = import.append(); !error.isEmpty()) return failed(error);
        if (!request.dataVersion.isEmpty())
            if (QString error = store.edits.setDatabaseVersion(request.dataVersion); !error.isEmpty())
                return failed(error);
        pauseForTest("commit");
        if (QString error = tx.commit(); !error.isEmpty()) return failed(error);
    }
    result.counts = import.counts;
    pauseForTest("history");
    history.insert(history.end(), import.imported.begin(), import.imported.end());
    if (QString error = writeUpdateHistory(historyPath, history); !error.isEmpty())
        result.warning = QStringLiteral("Das Update wurde eingespielt, aber die Update-Historie nicht gespeichert: ") + error;
    report(kImportDone);
    return result;
}

}  // namespace volmira::store::exchange
