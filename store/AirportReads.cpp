#include "store/AirportReads.h"

#include "store/Statements.h"
#include "store/Tables.h"
#include "store/TextKeys.h"

#include <QSet>


namespace volmira::store {

using platform::Result;

namespace {

// Runs a query bound to one ICAO code and reads every row with the reader.
template <typename Reader>
auto rowsOf(Database &db, const std::string &sql, const QString &icao, Reader read) {
    Statement &s = db.prepare(sql.c_str());
    s.bind(1, icao);
    return s.allRows(read);
}

// The highest code point: every name that starts with a prefix sorts below prefix + this.
const QString kAfterEverything = QString::fromUcs4(U"\U0010FFFF");

// The list is for picking: past the names themselves, each further kind of
// hit adds at most this many rows, in the order of the names matched. A
// letter or two would otherwise list every "Airport" of the world.
constexpr int kMoreHits = 100;

// A row of kNamePrefix or kSearchNamePrefix.
FoundAirport foundAirport(const Statement &row, NameSource source) {
    return FoundAirport{row.text(0), row.text(1), row.text(2), row.text(3), source};
}

}  // namespace

Result<std::optional<ArptRow>> AirportReads::airportByIcao(const QString &icao) {
    Statement &s = db_.prepare(sql::kAirportByIcao.c_str());
    s.bind(1, icao);
    return s.firstRow([](const Statement &row) { return arptTable().read(row); });
}

Result<std::optional<QString>> AirportReads::icaoForIata(const QString &iata) {
    Statement &s = db_.prepare("SELECT ICAO FROM AirportCode WHERE IATA = ? LIMIT 1");
    s.bind(1, iata);
    return s.firstRow([](const Statement &row) { return row.text(0); });
}

Result<std::vector<RwyRow>> AirportReads::runways(const QString &icao) {
    return rowsOf(db_, sql::kRunways, icao, [](const Statement &s) { return rwyTable().read(s); });
}

Result<std::vector<AcomRow>> AirportReads::frequencies(const QString &icao) {
    return rowsOf(db_, sql::kFrequencies, icao, [](const Statement &s) { return acomTable().read(s); });
}

Result<std::vector<IlsRow>> AirportReads::approaches(const QString &icao) {
    return rowsOf(db_, sql::kApproaches, icao, [](const Statement &s) { return ilsTable().read(s); });
}

Result<std::vector<ChangeStamp>> AirportReads::changeStamps(const QString &icao) {
    return rowsOf(db_, sql::kChangeStamps, icao,
                  [](const Statement &s) { return ChangeStamp{s.text(1), s.text(2), s.text(3)}; });
}

Result<std::vector<FoundAirport>> AirportReads::findByName(const QString &prefix) {
    const Result<bool> searchNames = db_.hasTable("SearchName");
    if (!searchNames) return platform::Failure{searchNames.error()};
    return namesBeginning(prefix, *searchNames);
}

Result<std::vector<FoundAirport>> AirportReads::namesBeginning(const QString &prefix, bool searchNames, int first,
                                                               int count) {
    const QString key = foldName(prefix);
    Statement &s = db_.prepare(searchNames ? sql::kNamePrefix.c_str() : sql::kNamePrefixWithoutCity.c_str());
    s.bind(1, key).bind(2, key + kAfterEverything).bind(3, count).bind(4, first);
    return s.allRows([](const Statement &row) { return foundAirport(row, NameSource::Name); });
}

Result<std::vector<FoundAirport>> AirportReads::findAirports(const QString &text) {
    Result<Page> all = findAirports(text, 0, -1);
    if (!all) return platform::Failure{all.error()};
    return std::move(all->rows);
}

Result<AirportReads::Page> AirportReads::findAirports(const QString &text, int first, int count) {
    // A file of an older format, read as it is, has only the names.
    const Result<bool> searchNames = db_.hasTable("SearchName");
    if (!searchNames) return platform::Failure{searchNames.error()};
    // A row more than asked for tells whether the names go on.
    Result<std::vector<FoundAirport>> names = namesBeginning(text, *searchNames, first, count < 0 ? -1 : count + 1);
    if (!names) return platform::Failure{names.error()};
    Page page{std::move(*names)};
    if (count >= 0 && int(page.rows.size()) > count) {
        page.rows.pop_back();
        return page;
    }
    page.last = true;
    if (text.trimmed().isEmpty() || !*searchNames) return page;
    const bool anyName = first > 0 || !page.rows.empty();
    const QString key = germanSortKey(text), name = foldName(text);
    QSet<QString> listed;
    const auto more = [&](NameSource from, NameSource to) -> Result<> {
        Statement &s = db_.prepare(sql::kSearchNamePrefix.c_str());
        s.bind(1, key).bind(2, key + kAfterEverything).bind(3, int(from)).bind(4, int(to)).bind(5, kMoreHits);
        s.bind(6, name).bind(7, name + kAfterEverything);
        const Result<std::vector<FoundAirport>> rows =
            s.allRows([](const Statement &row) { return foundAirport(row, NameSource(row.integer(4))); });
        if (!rows) return platform::Failure{rows.error()};
        for (const FoundAirport &hit : *rows)
            if (!listed.contains(hit.ICAO.toUpper())) {
                listed.insert(hit.ICAO.toUpper());
                page.rows.push_back(hit);
            }
        return {};
    };
    if (!anyName)
        if (Result<> places = more(NameSource::City, NameSource::OtherName); !places)
            return platform::Failure{places.error()};
    if (Result<> words = more(NameSource::Word, NameSource::Word); !words) return platform::Failure{words.error()};
    return page;
}

Result<std::vector<NameHit>> AirportReads::namesOf(const QStringList &icaos) {
    if (icaos.isEmpty()) return std::vector<NameHit>{};
    // One placeholder per code: the statement is cached for each count.
    QString sql = QStringLiteral("SELECT Name, ICAO FROM ARPT WHERE ICAO IN (?");
    sql += QStringLiteral(",?").repeated(icaos.size() - 1) + u')';
    Statement &s = db_.prepare(sql.toUtf8().constData());
    for (qsizetype i = 0; i < icaos.size(); ++i) s.bind(int(i + 1), icaos[i]);
    return s.allRows([](const Statement &row) { return NameHit{row.text(0), row.text(1)}; });
}

}  // namespace volmira::store
