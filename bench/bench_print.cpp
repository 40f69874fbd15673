// The printed airport list on the full shipped database: its preparation for
// the largest prefix (SS, 506 airports, no runway condition: selection, one
// read per table, RwyRoute emptied, refilled and read back) beside the raw
// SQLCipher statements doing the same in the same run; and the database
// manager's "Flughafenliste drucken" on ED until the preview has painted page 1.
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "browser/ui/frmAirport.h"
#include "manager/ReportPreparation.h"
#include "manager/ui/frmDatabase.h"
#include "platform/Dialogs.h"
#include "store/DatabaseKey.h"
#include "store/ManagerStatements.h"
#include "store/ReportStatements.h"

#include <sqlcipher/sqlite3.h>

#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Transfer.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace volmira;

namespace {

const store::AirportFilter kEvery{store::SurfaceFilter::Off, store::TypeFilter::Any, 0};

struct Fixture : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    platform::ScriptedTransfer transfer;
    platform::FakeShell shell;
    platform::SystemClock clock;
    std::unique_ptr<browser::frmAirport> browser;
    sqlite3 *raw = nullptr;  // a second, bare connection

    Fixture() {
        sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(raw, store::key::kRawKeyPragma, nullptr, nullptr, nullptr);
        sqlite3_busy_timeout(raw, 5000);
    }
    ~Fixture() { sqlite3_close_v2(raw); }
    sqlite3_stmt *prepare(const std::string &sql) const {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) std::abort();
        return s;
    }
};

std::unique_ptr<Fixture> theFixture;

Fixture &fixture() {
    if (!theFixture) theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

// Steps through every row, reading every column in its own type.
void readAll(sqlite3_stmt *s) {
    while (sqlite3_step(s) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(s); ++c) {
            if (sqlite3_column_type(s, c) == SQLITE_INTEGER) benchmark::DoNotOptimize(sqlite3_column_int64(s, c));
            else if (sqlite3_column_type(s, c) == SQLITE_FLOAT) benchmark::DoNotOptimize(sqlite3_column_double(s, c));
            else benchmark::DoNotOptimize(sqlite3_column_text(s, c));
        }
    sqlite3_reset(s);
}

void bindRange(sqlite3_stmt *s) {
    sqlite3_bind_text(s, 1, "SS", -1, SQLITE_STATIC);
    sqlite3_bind_text(s, 2, "SS\xF4\x8F\xBF\xBF", -1, SQLITE_STATIC);
}

void PreparationSS(benchmark::State &state) {
    std::size_t count = 0;
    for (auto _ : state) {
        auto report = manager::prepareReport(fixture().db, QStringLiteral("SS"), kEvery);
        if (!report) state.SkipWithError("preparation failed");
        count = report->size();
    }
    state.counters["airports"] = double(count);
}
BENCHMARK(PreparationSS)->Unit(benchmark::kMillisecond);

void PreparationSSRawSql(benchmark::State &state) {
    Fixture &f = fixture();
    const auto report = manager::prepareReport(f.db, QStringLiteral("SS"), kEvery);
    if (!report) std::abort();
    // The rows' texts as UTF-8, bound as they stand.
    std::vector<std::vector<QByteArray>> rows;
    for (const store::RwyRouteRow &r : manager::routeRows(*report))
        rows.push_back({QByteArray::number(r.Index), r.ICAO.toUtf8(), r.Name.toUtf8(), r.aType.toUtf8(),
                        r.ELEV.toUtf8(), r.PR.toUtf8(), r.Coord.toUtf8(), r.Var.toUtf8(), r.Frequenzen.toUtf8(),
                        r.RWY.toUtf8(), r.ILS.toUtf8(), r.OM.toUtf8(), r.Length.toUtf8(), r.Width.toUtf8(),
                        r.Type.toUtf8(), r.Kontakt.toUtf8()});
    sqlite3_stmt *selection = f.prepare(store::sql::airportList(kEvery.surface, kEvery.type));
    std::vector<sqlite3_stmt *> reads;
    for (const std::string *sql : {&store::sql::kReportRunways, &store::sql::kReportApproaches,
                                   &store::sql::kReportFrequencies, &store::sql::kReportContacts})
        reads.push_back(f.prepare(*sql));
    sqlite3_stmt *clear = f.prepare(store::sql::kClearRwyRoute);
    sqlite3_stmt *left = f.prepare(store::sql::kRwyRouteCount);
    sqlite3_stmt *fill = f.prepare(store::sql::kFillRwyRoute);
    sqlite3_stmt *readBack = f.prepare(store::sql::kReadRwyRoute);
    bindRange(selection);
    for (sqlite3_stmt *s : reads) bindRange(s);
    sqlite3_bind_text(reads.back(), 3, "Kontakt", -1, SQLITE_STATIC);
    for (auto _ : state) {
        sqlite3_exec(f.raw, "BEGIN", nullptr, nullptr, nullptr);
        readAll(selection);
        for (sqlite3_stmt *s : reads) readAll(s);
        sqlite3_step(clear);
        sqlite3_reset(clear);
        readAll(left);
        for (const std::vector<QByteArray> &row : rows) {
            sqlite3_bind_int(fill, 1, row[0].toInt());
            for (int c = 1; c < int(row.size()); ++c)
                sqlite3_bind_text(fill, c + 1, row[c].constData(), int(row[c].size()), SQLITE_STATIC);
            sqlite3_step(fill);
            sqlite3_reset(fill);
        }
        readAll(readBack);
        sqlite3_exec(f.raw, "COMMIT", nullptr, nullptr, nullptr);
    }
    for (sqlite3_stmt *s : reads) sqlite3_finalize(s);
    for (sqlite3_stmt *s : {selection, clear, left, fill, readBack}) sqlite3_finalize(s);
}
BENCHMARK(PreparationSSRawSql)->Unit(benchmark::kMillisecond);

// Closes the preview once it is shown and its first page painted.
class PreviewCloser final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (auto *preview = qobject_cast<QPrintPreviewDialog *>(watched); preview && event->type() == QEvent::Show)
            QTimer::singleShot(0, preview, [preview] {
                QApplication::processEvents();
                preview->reject();
            });
        return QObject::eventFilter(watched, event);
    }
};

void PrintWindowED(benchmark::State &state) {
    Fixture &f = fixture();
    f.browser = std::make_unique<browser::frmAirport>(*f.airports, f.dialogs, f.dir.path());
    f.browser->load();
    f.browser->showAirportByIcao(QStringLiteral("EDDF"));
    manager::frmDatabase window(*f.airports, f.dialogs,
                                manager::SendServices{f.transfer, f.shell, f.clock, manager::configuredSendSettings()},
                                f.dir.path(), *f.browser);
    window.resize(1100, 650);
    window.show();
    window.activate();
    PreviewCloser closer;
    qApp->installEventFilter(&closer);
    for (auto _ : state) window.cmdPrint->click();
    qApp->removeEventFilter(&closer);
    if (!f.dialogs.shown.empty()) state.SkipWithError("a message was shown");
}
BENCHMARK(PrintWindowED)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theFixture); }
