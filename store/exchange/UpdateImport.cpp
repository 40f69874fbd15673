#include "store/exchange/UpdateImport.h"

#include "platform/AtomicFile.h"
#include "platform/TestPause.h"
#include "store/DateText.h"
#include "store/IcaoCode.h"
#include "store/exchange/DuplicateRows.h"
#include "store/exchange/ExchangeFile.h"
#include "store/exchange/PendingHistory.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace volmira::store::exchange {

namespace {

using exchange::ColumnMap;

// The crash tests stop the import at a stage with VOLMIRA_IMPORT_PAUSE.
void pauseForTest(const char *stage) { platform::pauseForTest("VOLMIRA_IMPORT_PAUSE", "Import", stage); }

// The name the messages give each kind.
QString kindName(QStringView kind) {
    return kind == exchange::kAirportKind ? QStringLiteral("APT") : kind.toString();
}

QString dataError(QStringView kind, long long row, const QString &detail) {
    return QStringLiteral("Datenfehler bei %1 (Datensatz %2): %3").arg(kindName(kind)).arg(row).arg(detail);
}

// One pass over the file's records, in file order, reading every column or
// only those of the airports' keys. The first pass reads the file into `bytes`; the second
// goes over the same bytes, so both see one content whatever happens to the
// file meanwhile. The callback gets the column map, the record and its
// number; it returns an error text to stop the pass.
template <typename OnRecord>
QString eachRecord(const QString &path, QByteArray &bytes, bool keysOnly, OnRecord onRecord,
                   qint64 *ignoredValues = nullptr) {
    recordfile::Reader reader;
    const platform::Result<> opened =
        bytes.isNull() ? reader.open(path) : reader.openBytes(bytes, QFileInfo(path).fileName());
    if (!opened) return opened.error();
    if (bytes.isNull()) bytes = reader.bytes();
    const ColumnMap map(reader);
    if (!map.hasKind())
        return QStringLiteral("Die Update-Datei %1 hat keine Spalte dataType.").arg(QFileInfo(path).fileName());
    if (keysOnly) reader.readOnly(exchange::airportKeyFields(map));
    recordfile::Row row;
    long long number = 0;
    while (reader.next(row))
        if (QString error = onRecord(map, row, ++number); !error.isEmpty()) return error;
    if (ignoredValues) *ignoredValues = reader.ignoredValues();
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

Record convert(const ColumnMap &map, const recordfile::Row &row, int &cutTexts) {
    Record record;
    record.kind = exchange::kindOf(map, row);
    const QString &k = record.kind;
    if (k == exchange::kAirportKind) take(record, exchange::rowOf<ArptRow>(map, row, cutTexts));
    else if (k == exchange::kFrequencyKind) take(record, exchange::rowOf<AcomRow>(map, row, cutTexts));
    else if (k == exchange::kApproachKind) take(record, exchange::rowOf<IlsRow>(map, row, cutTexts));
    else if (k == exchange::kRunwayKind) take(record, exchange::rowOf<RwyRow>(map, row, cutTexts));
    else if (k == exchange::kNoteKind) take(record, exchange::rowOf<MyInfoRow>(map, row, cutTexts));
    return record;
}

// A damaged database is not imported into, and its copy must not replace the
// last good backup.
QString checkIntact(Database &db) {
    const QString damaged = QStringLiteral("Die Datendatei %1 ist beschädigt; das Update wird nicht eingespielt.")
                                .arg(QFileInfo(db.path()).fileName());
    Statement &check = db.prepare("PRAGMA quick_check");
    const platform::Result<std::optional<QString>> verdict =
        check.firstRow([](const Statement &row) { return row.text(0); });
    if (!verdict) return verdict.error();  // a damaged file already says so
    return verdict->value_or(QString()) == QStringLiteral("ok") ? QString() : damaged;
}

// Copies the database beside itself before the import changes it; the copy
// takes the backup's name only once it is complete.
QString backUp(const QString &databasePath) {
    const QString backup = databasePath + QStringLiteral(".bak");
    const platform::Result<> copied = platform::copyFileAtomically(databasePath, backup);
    if (copied) return {};
    return QStringLiteral("Die Sicherungskopie %1 kann nicht angelegt werden. %2")
        .arg(QFileInfo(backup).fileName(), copied.error());
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
    QString setVersion();
    ImportCounts counts;
    std::vector<HistoryEntry> imported;

private:
    QString insert(const Record &record, long long number);
    QString addNote(const MyInfoRow &note);
    template <typename Row>
    bool skipped(const Row &row);
    bool hasAirport(const QString &icao);
    void rememberRowsOf(const QString &icao);
    void noteDate(const QString &stored);

    AirportStore &store_;
    Database &db_;
    const ImportRequest &request_;
    long long lastNoteBefore_ = 0;
    QByteArray bytes_;                  // the file, read once for both passes
    QSet<QString> fileAirports_;        // upper case
    QHash<QString, bool> knownAirports_;  // airports not in the file: in the database?
    QString readError_;                   // a failed read of hasAirport, reported by the caller
    DuplicateRows rows_;
    QDate newest_;  // the newest Date stamp of the imported records
};

// A first pass collects the file's airports before anything changes: their
// rows of the other kinds are removed before any record is appended, wherever
// in the file the airport record stands. The other records are checked while
// they are appended; a bad one rolls the whole import back.
QString Import::collectAirports() {
    QString error = eachRecord(request_.file, bytes_, true, [&](const ColumnMap &map, const recordfile::Row &row,
                                                             long long n) {
        if (exchange::kindOf(map, row) != exchange::kAirportKind) return QString();
        // Only the code and the name here; the whole record is checked when it is appended.
        const exchange::AirportKey airport = exchange::airportKey(map, row);
        if (airport.ICAO.trimmed().isEmpty())
            return dataError(exchange::kAirportKind, n, exchange::kNoCodeMessage.toString());
        const platform::Result<QString> code = checkedIcaoCode(airport.ICAO);
        if (!code) return dataError(exchange::kAirportKind, n, code.error());
        if (fileAirports_.contains(*code))
            return dataError(exchange::kAirportKind, n,
                             QStringLiteral("der Flughafen %1 steht mehr als einmal in der Datei.").arg(*code));
        fileAirports_.insert(*code);
        imported.push_back({*code, airport.Name, std::nullopt});
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
        if (platform::Result<> done = db_.exec(sql); !done) return done.error();
    Statement &add = db_.prepare("INSERT INTO temp.ImportAirports (ICAO) VALUES (?)");
    for (const HistoryEntry &airport : imported)
        if (platform::Result<> added = add.reset().bind(1, airport.ICAO).run(); !added) return added.error();
    for (const char *sql : {"DELETE FROM RWY WHERE ICAO IN (SELECT ICAO FROM temp.ImportAirports)",
                            "DELETE FROM ACOM WHERE ICAO IN (SELECT ICAO FROM temp.ImportAirports)",
                            "DELETE FROM ILS WHERE ICAO IN (SELECT ICAO FROM temp.ImportAirports)"})
        if (platform::Result<> removed = db_.exec(sql); !removed) return removed.error();
    Statement &lastNote = db_.prepare("SELECT coalesce(max(id), 0) FROM MyInfo");
    const platform::Result<std::optional<long long>> last =
        lastNote.firstRow([](const Statement &row) { return row.int64(0); });
    if (!last) return last.error();
    lastNoteBefore_ = last->value_or(0);
    counts.airportsReplaced = int(imported.size());
    return {};
}

bool Import::hasAirport(const QString &icao) {
    if (fileAirports_.contains(icao)) return true;
    const auto known = knownAirports_.constFind(icao);
    if (known != knownAirports_.cend()) return *known;
    const platform::Result<std::optional<ArptRow>> airport = store_.reads.airportByIcao(icao);
    if (!airport) {
        readError_ = airport.error();
        return false;
    }
    const bool found = airport->has_value();
    knownAirports_.insert(icao, found);
    // Rows are added beside the ones it holds: those count as had.
    if (found) rememberRowsOf(icao);
    return found;
}

void Import::rememberRowsOf(const QString &icao) {
    auto remember = [&](auto rows) {
        if (!rows) readError_ = rows.error();
        else
            for (const auto &row : *rows) (void)rows_.seen(row);
    };
    remember(store_.reads.runways(icao));
    remember(store_.reads.frequencies(icao));
    remember(store_.reads.approaches(icao));
    remember(store_.notes.ofAirport(icao));
}

// Rows of an airport that is nowhere, and rows the airport has already, are
// left out and counted.
template <typename Row>
bool Import::skipped(const Row &row) {
    const bool known = hasAirport(row.ICAO);
    if (!readError_.isEmpty()) return true;  // the caller reports it
    if (!known) {
        ++counts.withoutAirport;
        return true;
    }
    if (rows_.seen(row)) {
        ++counts.duplicates;
        return true;
    }
    noteDate(row.Date);
    return false;
}

void Import::noteDate(const QString &stored) {
    const QDate day = parseStoredDate(stored);
    if (day.isValid() && (!newest_.isValid() || day > newest_)) newest_ = day;
}

QString Import::addNote(const MyInfoRow &note) {
    Statement &held = db_.prepare("SELECT 1 FROM MyInfo WHERE ICAO = ? AND Category IS ? COLLATE UNICASE AND id <= ? LIMIT 1");
    held.reset().bind(1, note.ICAO).bind(2, note.Category).bind(3, lastNoteBefore_);
    const platform::Result<std::optional<bool>> found = held.firstRow([](const Statement &) { return true; });
    if (!found) return found.error();
    if (*found) {
        ++counts.notesSkipped;
        return {};
    }
    if (skipped(note)) return readError_;
    ++counts.notesAdded;
    return store_.notes.insert(note).error();
}

QString Import::insert(const Record &record, long long number) {
    QString error;
    if (const auto *airport = std::get_if<ArptRow>(&record.row)) {
        noteDate(airport->Date);
        error = store_.edits.replaceAirport(*airport).error();
    } else if (const auto *frequency = std::get_if<AcomRow>(&record.row)) {
        if (skipped(*frequency)) return readError_;
        error = store_.edits.insertFrequency(*frequency).error();
        ++counts.frequencies;
    } else if (const auto *approach = std::get_if<IlsRow>(&record.row)) {
        if (skipped(*approach)) return readError_;
        error = store_.edits.insertApproach(*approach).error();
        ++counts.approaches;
    } else if (const auto *runway = std::get_if<RwyRow>(&record.row)) {
        if (skipped(*runway)) return readError_;
        error = store_.edits.insertRunway(*runway).error();
        ++counts.runways;
    } else if (const auto *note = std::get_if<MyInfoRow>(&record.row)) {
        error = addNote(*note);
    } else {
        ++counts.unknownRows;
    }
    return error.isEmpty() ? QString() : dataError(record.kind, number, error);
}

QString Import::append() {
    std::size_t appended = 0;
    return eachRecord(
        request_.file, bytes_, false,
        [&](const ColumnMap &map, const recordfile::Row &row, long long n) {
            const Record record = convert(map, row, counts.cutTexts);
            if (!record.error.isEmpty()) return dataError(record.kind, n, record.error);
            if (std::holds_alternative<ArptRow>(record.row) && ++appended == imported.size() / 2 + 1)
                pauseForTest("appending");
            return insert(record, n);
        },
        &counts.ignoredValues);
}

// The data version, or else the newest stamp of the imported records, becomes
// the database version, never going back; the history rows carry it.
QString Import::setVersion() {
    QString version = request_.dataVersion;
    bool write = !version.isEmpty();
    if (!write) {
        const platform::Result<std::optional<VersionRow>> read = store_.lists.version();
        if (!read) return read.error();
        const std::optional<VersionRow> &current = *read;
        const QDate before = current ? parseStoredDate(current->DatabaseVersion) : QDate();
        write = newest_.isValid() && (!before.isValid() || newest_ > before);
        version = write ? defaultDateText(newest_) : current ? current->DatabaseVersion : QString();
    }
    if (write)
        if (platform::Result<> written = store_.edits.setDatabaseVersion(version); !written) return written.error();
    const QDate day = parseStoredDate(version);
    for (HistoryEntry &entry : imported)
        entry.Date = day.isValid() ? std::optional(recordfile::DateTime{day, QTime(0, 0)}) : std::nullopt;
    return {};
}

}  // namespace

platform::Result<ImportOutcome> importUpdate(AirportStore &store, const ImportRequest &request,
                                             const ImportProgress &progress) {
    auto report = [&](int percent) {
        if (progress) progress(percent);
    };
    auto failed = [](const QString &error) { return platform::Failure{error}; };
    Database &db = store.database();
    report(kImportStarted);
    PendingHistory pending(db, request.dataFolder);
    if (platform::Result<> finished = pending.finishEarlier(); !finished) return failed(finished.error());
    platform::Result<std::vector<HistoryEntry>> read = readUpdateHistory(pending.historyPath());
    if (!read) return failed(read.error());
    std::vector<HistoryEntry> history = std::move(read).value();
    if (!QFileInfo(request.file).isFile())
        return failed(QStringLiteral("Die Update-Datei %1 wurde nicht gefunden.").arg(request.file));
    report(kImportFileOpened);

    Import import(store, request);
    if (QString error = import.collectAirports(); !error.isEmpty()) return failed(error);
    report(kImportFileChecked);

    // The check reads every page; in the large cache they stay for the import.
    LargePageCache cache(db);
    if (QString error = checkIntact(db); !error.isEmpty()) return failed(error);
    if (QString error = backUp(db.path()); !error.isEmpty()) return failed(error);
    pauseForTest("backup");
    {
        Transaction tx(db);
        if (!tx.started()) return failed(db.lastError());
        if (QString error = import.removeAirportRows(); !error.isEmpty()) return failed(error);
        report(kImportAirportsRemoved);
        pauseForTest("removed");
        if (QString error = import.append(); !error.isEmpty()) return failed(error);
        if (QString error = import.setVersion(); !error.isEmpty()) return failed(error);
        history.insert(history.end(), import.imported.begin(), import.imported.end());
        if (platform::Result<> written = pending.write(history); !written) return failed(written.error());
        pauseForTest("commit");
        if (platform::Result<> committed = tx.commit(); !committed) return failed(committed.error());
    }
    ImportOutcome outcome{import.counts, {}};
    pauseForTest("history");
    if (platform::Result<> placed = pending.putInPlace(); !placed)
        outcome.warning = QStringLiteral("Das Update wurde eingespielt; die Update-Historie wird beim nächsten "
                                         "Import nachgetragen. ") +
                          placed.error();
    report(kImportDone);
    return outcome;
}

}  // namespace volmira::store::exchange
