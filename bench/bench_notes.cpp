// Notes and categories on a copy of the shipped database holding a 2 KB RTF
// note in "Kontakt" at every airport: the lookup with notes and marks, and a
// category renamed and deleted at every airport, each beside the bare
// statements it rests on, measured in the same run; and the printed list's
// contact notes of the ED airports with the index of format 2 and without it.
#include "bench/ShippedCopy.h"
#include "browser/AirportLookup.h"
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/NoteIndex.h"
#include "store/NoteSearch.h"
#include "store/NoteText.h"
#include "store/ReportStatements.h"
#include "store/Rtf.h"
#include "store/Statements.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace volmira;

namespace {

// About 2 KB of RTF: lines with bold and coloured words and a tab.
QString twoKilobyteNote() {
    for (int lines = 1;; ++lines) {
        store::NoteBuilder note;
        for (int line = 0; line < lines; ++line) {
            note.add(QStringLiteral("Zeile %1: Tankstelle ").arg(line), false, {});
            note.add(QStringLiteral("Müller"), true, {});
            note.add(QStringLiteral("\tJet A1, AvGas 100LL "), false, platform::Rgb{255, 0, 0});
            note.add(QStringLiteral("Mo-Fr 08-18 Uhr"), false, platform::Rgb{0, 0, 255});
            note.endParagraph();
        }
        if (const QString rtf = store::writeRtf(note.finish()); rtf.size() >= 2048) return rtf;
    }
}

void check(int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE) std::abort();
}

// A bare connection on the benchmark's file, for the raw statements and the setting up.
struct Raw {
    sqlite3 *db = nullptr;

    explicit Raw(const QString &path) {
        check(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr));
        check(sqlite3_exec(db, store::key::kRawKeyPragma, nullptr, nullptr, nullptr));
        check(store::addCollations(db));
    }
    sqlite3_stmt *prepare(const char *sql) {
        sqlite3_stmt *s = nullptr;
        check(sqlite3_prepare_v2(db, sql, -1, &s, nullptr));
        return s;
    }
    // Binds the texts, steps through every row and reads every column.
    static void run(sqlite3_stmt *s, const char *first, const char *second = nullptr) {
        sqlite3_reset(s);
        sqlite3_bind_text(s, 1, first, -1, SQLITE_STATIC);
        if (second) sqlite3_bind_text(s, 2, second, -1, SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(s); ++c) benchmark::DoNotOptimize(sqlite3_column_text(s, c));
        check(rc);
    }
    void exec(const char *sql) { check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr)); }
};

struct Fixture : bench::ShippedCopy {
    std::unique_ptr<Raw> raw;
    QByteArray note = twoKilobyteNote().toUtf8();
    QByteArray plain = store::printInfo(store::readRtf(twoKilobyteNote())).toUtf8();

    Fixture() {
        raw = std::make_unique<Raw>(path);
        addNotes("Kontakt");
        // The notes' search index as the upgrade step builds it, and "PPR" in a
        // second note at every 40th airport, stored as the note panel stores it.
        store::Transaction tx(db);
        if (!store::indexAllNotes(db).ok()) std::abort();
        const auto codes = db.prepare("SELECT ICAO FROM ARPT WHERE rowid % 40 = 0").allRows([](const store::Statement &row) {
            return row.text(0);
        });
        if (!codes) std::abort();
        for (const QString &icao : *codes)
            if (!airports->notes.save(icao, "Allgemein", "{\\rtf1 Tel. Turm\\par Nur nach PPR 24h\\par}", "").ok())
                std::abort();
        if (!tx.commit().ok()) std::abort();
    }
    // A note in the category at every airport, and the category when it is missing.
    void addNotes(const char *category) {
        raw->exec("BEGIN");
        sqlite3_stmt *s = raw->prepare("INSERT INTO MyInfo (ICAO, Category, MyInfo, PrintInfo, Date, Time) "
                                       "SELECT ICAO, ?1, ?2, ?3, '2026-01-01', '10:00:00' FROM ARPT");
        sqlite3_bind_text(s, 1, category, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 2, note.constData(), int(note.size()), SQLITE_STATIC);
        sqlite3_bind_text(s, 3, plain.constData(), int(plain.size()), SQLITE_STATIC);
        check(sqlite3_step(s));
        sqlite3_finalize(s);
        s = raw->prepare("INSERT INTO MyCategory (Category) SELECT ?1 WHERE NOT EXISTS "
                         "(SELECT 1 FROM MyCategory WHERE Category = ?1)");
        Raw::run(s, category);
        sqlite3_finalize(s);
        raw->exec("COMMIT");
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

const char *const kAirports[] = {"EDDF", "EDHN", "KJFK", "YSSY", "LFPG", "EGLL", "EDLE", "LOWW"};

void LookupWithNotes(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    const QDate day(2026, 6, 21);
    std::size_t i = 0;
    for (auto _ : state) {
        auto view = browser::lookupAirport(airports, QString::fromLatin1(kAirports[i++ % std::size(kAirports)]), day);
        if (!view || !*view || (*view)->notes.empty()) state.SkipWithError("airport or note missing");
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK(LookupWithNotes);

void LookupWithNotesRawSql(benchmark::State &state) {
    Raw &raw = *fixture().raw;
    static std::vector<sqlite3_stmt *> statements;
    if (statements.empty())
        for (const char *sql : {store::sql::kAirportByIcao.c_str(), store::sql::kRunways.c_str(),
                                store::sql::kFrequencies.c_str(), store::sql::kApproaches.c_str(),
                                store::sql::kChangeStamps, store::sql::kNotesOfAirport.c_str(),
                                store::sql::kCategoryMarks})
            statements.push_back(raw.prepare(sql));
    std::size_t i = 0;
    for (auto _ : state) {
        const char *icao = kAirports[i++ % std::size(kAirports)];
        raw.exec("BEGIN");
        for (sqlite3_stmt *s : statements) Raw::run(s, icao);
        raw.exec("COMMIT");
    }
}
BENCHMARK(LookupWithNotesRawSql);

// One rename of every airport's note per run, to "Kontakt's Info" and back in turn.
const std::pair<const char *, const char *> kRenames[] = {{"Kontakt", "Kontakt's Info"}, {"Kontakt's Info", "Kontakt"}};

void RenameCategory(benchmark::State &state) {
    store::NoteStore &notes = fixture().airports->notes;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto &[from, to] = kRenames[i++ % 2];
        if (const auto done = notes.renameCategory(from, to); !done || *done) state.SkipWithError("rename refused");
    }
}
BENCHMARK(RenameCategory)->Unit(benchmark::kMillisecond)->Iterations(4);

void RenameCategoryRawSql(benchmark::State &state) {
    Raw &raw = *fixture().raw;
    static sqlite3_stmt *notes = raw.prepare(store::sql::kRenameNotes);
    static sqlite3_stmt *category = raw.prepare(store::sql::kRenameCategory);
    static sqlite3_stmt *lastKat = raw.prepare(store::sql::kRenameLastKat);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto &[from, to] = kRenames[i++ % 2];
        raw.exec("BEGIN");
        Raw::run(notes, to, from);
        Raw::run(lastKat, to, from);
        Raw::run(category, to, from);
        raw.exec("COMMIT");
    }
}
BENCHMARK(RenameCategoryRawSql)->Unit(benchmark::kMillisecond)->Iterations(4);

// Each run deletes a category holding a note at every airport, added untimed.
void DeleteCategory(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        fixture().addNotes("Weg");
        state.ResumeTiming();
        if (const auto done = fixture().airports->notes.deleteCategory("Weg"); !done || *done)
            state.SkipWithError("delete refused");
    }
}
BENCHMARK(DeleteCategory)->Unit(benchmark::kMillisecond)->Iterations(3);

void DeleteCategoryRawSql(benchmark::State &state) {
    Raw &raw = *fixture().raw;
    static sqlite3_stmt *notes = raw.prepare(store::sql::kDeleteNotes);
    static sqlite3_stmt *category = raw.prepare(store::sql::kDeleteCategory);
    for (auto _ : state) {
        state.PauseTiming();
        fixture().addNotes("Weg");
        state.ResumeTiming();
        raw.exec("BEGIN");
        Raw::run(notes, "Weg");
        Raw::run(category, "Weg");
        raw.exec("COMMIT");
    }
}
BENCHMARK(DeleteCategoryRawSql)->Unit(benchmark::kMillisecond)->Iterations(3);

// The search window's query: a word in every note (19,231 hits, the first 101
// kept as the window keeps them) and one in 481 notes; beside the same
// statement on the bare connection, and the bare match of the index alone.
const char *const kSearches[] = {"tankst m\u00fcl", "PPR"};

void SearchNotes(benchmark::State &state) {
    const QString typed = QString::fromUtf8(kSearches[state.range(0)]);
    for (auto _ : state) {
        const auto hits = store::searchNotes(fixture().db, typed, QString(), 101);
        if (!hits || hits->empty()) state.SkipWithError("no hit");
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(SearchNotes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SearchNotesRawSql(benchmark::State &state) {
    Raw &raw = *fixture().raw;
    const QByteArray match =
        store::matchExpression(store::searchWords(QString::fromUtf8(kSearches[state.range(0)]))).toUtf8();
    static sqlite3_stmt *s = raw.prepare(store::sql::kSearchNotes);
    sqlite3_reset(s);
    sqlite3_bind_null(s, 2);
    sqlite3_bind_int(s, 3, 101);
    for (auto _ : state) Raw::run(s, match.constData());
}
BENCHMARK(SearchNotesRawSql)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SearchNotesBareMatch(benchmark::State &state) {
    Raw &raw = *fixture().raw;
    const QByteArray match =
        store::matchExpression(store::searchWords(QString::fromUtf8(kSearches[state.range(0)]))).toUtf8();
    static sqlite3_stmt *s = raw.prepare("SELECT docid FROM NoteSearch WHERE NoteSearch MATCH ?1");
    for (auto _ : state) Raw::run(s, match.constData());
}
BENCHMARK(SearchNotesBareMatch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The read of the printed list of ED as it runs, and as a file of format 1,
// which lacks MyInfo_Category_ICAO, runs it: every note of the category in the
// world taken through its index, those of ED sorted.
void ReportContacts(benchmark::State &state, bool format1) {
    Raw &raw = *fixture().raw;
    std::string sql = store::sql::kReportContacts;
    if (format1) sql.insert(sql.find(" WHERE"), " INDEXED BY MyInfo_Category");
    sqlite3_stmt *s = raw.prepare(sql.c_str());
    sqlite3_bind_text(s, 3, "Kontakt", -1, SQLITE_STATIC);
    for (auto _ : state) Raw::run(s, "ED", "EE");
    sqlite3_finalize(s);
}
BENCHMARK_CAPTURE(ReportContacts, Format2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportContacts, Format1, true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
