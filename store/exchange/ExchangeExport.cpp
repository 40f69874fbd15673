#include "store/exchange/ExchangeExport.h"

#include "store/exchange/ExchangeFile.h"
#include "store/RowReaders.h"

#include <QFileInfo>

namespace volmira::store::exchange {

namespace {

// The airports to write go into a temporary table, so that each kind of row is
// one query joined to it, sorted by the list's order, instead of four queries
// per airport.
constexpr const char *kCreateList =
    "CREATE TEMP TABLE IF NOT EXISTS ExportList (ord INTEGER PRIMARY KEY, ICAO TEXT UNIQUE COLLATE NOCASE)";

constexpr const char *kAirports =
    "SELECT l.ord, a.ICAO, a.Name, a.COORDINATES, a.WGS_DLAT, a.WGS_DLONG, a.ELEV, a.PR, a.MAG_VAR, a.RwyALen, "
    "a.RwyGLen, a.Type, a.Date, a.Time, a.LastDate, a.LastKat "
    "FROM temp.ExportList l JOIN ARPT a ON a.ICAO = l.ICAO ORDER BY l.ord";
constexpr const char *kFrequencies =
    "SELECT l.ord, t.id, t.ICAO, t.Name, t.FREQ, t.Date, t.Time "
    "FROM temp.ExportList l JOIN ACOM t ON t.ICAO = l.ICAO ORDER BY l.ord, t.id";
constexpr const char *kApproaches =
    "SELECT l.ord, t.id, t.ICAO, t.RWY, t.ILS_FREQ, t.ILS_IDENT, t.ILS_GS, t.OM_FREQ, t.OM_IDENT, t.Date, t.Time "
    "FROM temp.ExportList l JOIN ILS t ON t.ICAO = l.ICAO ORDER BY l.ord, t.id";
constexpr const char *kRunways =
    "SELECT l.ord, t.id, t.ICAO, t.RWY, t.RwyLow, t.RwyHigh, t.RWYHDG, t.SLOPE, t.Length, t.Width, t.SURFACE, "
    "t.Date, t.Time FROM temp.ExportList l JOIN RWY t ON t.ICAO = l.ICAO ORDER BY l.ord, t.id";
constexpr const char *kNotes =
    "SELECT l.ord, t.id, t.ICAO, t.Category, t.MyInfo, t.PrintInfo, t.Date, t.Time "
    "FROM temp.ExportList l JOIN MyInfo t ON t.ICAO = l.ICAO ORDER BY l.ord, t.id";

// One kind of row, walked alongside the airports: the rows of list position
// `ord` are written right after that airport's record.
class KindCursor {
public:
    KindCursor(Database &db, const char *sql) : s_(db.prepare(sql)) {
        s_.reset();
        more_ = s_.next();
    }

    template <typename ReadRow, typename ToRecord>
    int writeRowsOf(long long ord, recordfile::Writer &writer, ReadRow read, ToRecord toRecord) {
        int written = 0;
        while (more_ && s_.int64(0) <= ord) {
            if (s_.int64(0) == ord) {
                writer.write(toRecord(read(s_, 1)));
                ++written;
            }
            more_ = s_.next();
        }
        return written;
    }

    [[nodiscard]] QString error() const { return s_.failed() ? s_.error() : QString(); }

private:
    Statement &s_;
    bool more_ = false;
};

QString fillList(Database &db, const QStringList &icaos) {
    if (QString error = db.exec(kCreateList); !error.isEmpty()) return error;
    if (QString error = db.exec("DELETE FROM temp.ExportList"); !error.isEmpty()) return error;
    // An airport named twice is written once: the import refuses a file that holds it twice.
    Statement &insert = db.prepare("INSERT OR IGNORE INTO temp.ExportList (ICAO) VALUES (?)");
    for (const QString &icao : icaos)
        if (QString error = insert.reset().bind(1, icao).run(); !error.isEmpty()) return error;
    return {};
}

}  // namespace

platform::Result<ExportCounts> exportAirports(AirportStore &store, const QStringList &icaos, const QString &path) {
    Database &db = store.database();
    ExportCounts result;
    const QString name = QFileInfo(path).fileName();
    auto failed = [&](const QString &detail) {
        return platform::Failure{
            QStringLiteral("Die Exportdatei %1 konnte nicht geschrieben werden: %2").arg(name, detail)};
    };

    Transaction tx(db);  // the list and the reads see one state of the database
    if (QString error = fillList(db, icaos); !error.isEmpty()) return failed(error);

    recordfile::Writer writer(path, exchange::fields());
    if (QString error = writer.open(); !error.isEmpty()) return platform::Failure{error};
    Statement &airports = db.prepare(kAirports);
    airports.reset();
    KindCursor frequencies(db, kFrequencies), approaches(db, kApproaches), runways(db, kRunways),
        notes(db, kNotes);
    while (airports.next()) {
        const long long ord = airports.int64(0);
        writer.write(exchange::airportRecord(readAirport(airports, 1)));
        ++result.airports;
        result.records += 1 + frequencies.writeRowsOf(ord, writer, readFrequency, exchange::frequencyRecord) +
                          approaches.writeRowsOf(ord, writer, readApproach, exchange::approachRecord) +
                          runways.writeRowsOf(ord, writer, readRunway, exchange::runwayRecord) +
                          notes.writeRowsOf(ord, writer, readNote, exchange::noteRecord);
    }
    for (const QString &error : {airports.failed() ? airports.error() : QString(), frequencies.error(),
                                 approaches.error(), runways.error(), notes.error()})
        if (!error.isEmpty()) return failed(error);
    // No airport found: the writer is dropped, which leaves an older file as it was.
    if (result.airports == 0) return result;
    if (QString error = writer.commit(); !error.isEmpty()) return platform::Failure{error};
    return result;
}

}  // namespace volmira::store::exchange
