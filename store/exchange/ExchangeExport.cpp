#include "store/exchange/ExchangeExport.h"

#include "platform/TestPause.h"
#include "store/exchange/ExchangeFile.h"
#include "store/Tables.h"

#include <QFileInfo>

namespace volmira::store::exchange {

namespace {

// The airports to write go into a temporary table, so that each kind of row is
// one query joined to it, sorted by the list's order, instead of four queries
// per airport.
constexpr const char *kCreateList =
    "CREATE TEMP TABLE IF NOT EXISTS ExportList (ord INTEGER PRIMARY KEY, ICAO TEXT UNIQUE COLLATE NOCASE)";

// The rows of a table whose airports are on the list, by list position and
// then in the order they were added, each after its list position.
template <typename Row>
const char *listedRows(const Table<Row> &table, const char *order) {
    static const std::string sql = "SELECT l.ord, " + table.columnList("t") + " FROM temp.ExportList l JOIN " +
                                   table.name() + " t ON t.ICAO = l.ICAO ORDER BY " + order;
    return sql.c_str();
}

// One kind of row, walked alongside the airports: the rows of list position
// `ord` are written right after that airport's record.
template <typename Row>
class KindCursor {
public:
    KindCursor(Database &db, const Table<Row> &table)
        : table_(table), s_(db.prepare(listedRows(table, "l.ord, t.id"))) {
        s_.reset();
        more_ = s_.next();
    }

    int writeRowsOf(long long ord, recordfile::Writer &writer) {
        int written = 0;
        while (more_ && s_.int64(0) <= ord) {
            if (s_.int64(0) == ord) {
                writer.write(exchange::recordOf(table_.read(s_, 1)));
                ++written;
            }
            more_ = s_.next();
        }
        return written;
    }

    [[nodiscard]] QString error() const { return s_.error(); }

private:
    const Table<Row> &table_;
    Statement &s_;
    bool more_ = false;
};

platform::Result<> fillList(Database &db, const QStringList &icaos) {
    if (platform::Result<> created = db.exec(kCreateList); !created) return created;
    if (platform::Result<> emptied = db.exec("DELETE FROM temp.ExportList"); !emptied) return emptied;
    // An airport named twice is written once: the import refuses a file that holds it twice.
    Statement &insert = db.prepare("INSERT OR IGNORE INTO temp.ExportList (ICAO) VALUES (?)");
    for (const QString &icao : icaos)
        if (platform::Result<> added = insert.reset().bind(1, icao).run(); !added) return added;
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

    Transaction tx(db, Transaction::Kind::Read);  // the list and the reads see one state of the database
    if (platform::Result<> listed = fillList(db, icaos); !listed) return failed(listed.error());

    recordfile::Writer writer(path, exchange::fields());
    if (platform::Result<> opened = writer.open(); !opened) return platform::Failure{opened.error()};
    Statement &airports = db.prepare(listedRows(arptTable(), "l.ord"));
    airports.reset();
    KindCursor frequencies(db, acomTable());
    KindCursor approaches(db, ilsTable());
    KindCursor runways(db, rwyTable());
    KindCursor notes(db, myInfoTable());
    while (airports.next()) {
        const long long ord = airports.int64(0);
        writer.write(exchange::recordOf(arptTable().read(airports, 1)));
        ++result.airports;
        result.records += 1 + frequencies.writeRowsOf(ord, writer) +
                          approaches.writeRowsOf(ord, writer) +
                          runways.writeRowsOf(ord, writer) +
                          notes.writeRowsOf(ord, writer);
    }
    for (const QString &error : {airports.error(), frequencies.error(),
                                 approaches.error(), runways.error(), notes.error()})
        if (!error.isEmpty()) return failed(error);
    // No airport found: the writer is dropped, which leaves an older file as it was.
    if (result.airports == 0) return result;
    // Every record is in the temporary file, the old file still in place.
    platform::pauseForTest("VOLMIRA_EXPORT_PAUSE", "Export", "commit");
    if (platform::Result<> committed = writer.commit(); !committed) return platform::Failure{committed.error()};
    return result;
}

}  // namespace volmira::store::exchange
