// libFuzzer target for the record file reader: arbitrary bytes as a file,
// every row read until the end or the first error, and every row taken apart
// as an exchange record the way the update import does; the same bytes read as
// an update history and listed by day as the About window lists it.
#include "app/AboutInfo.h"
#include "store/exchange/ExchangeFile.h"
#include "store/recordfile/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira;
using namespace volmira::store;
using namespace volmira::store::recordfile;

namespace {

void takeApart(const exchange::ColumnMap &map, const Row &row) {
    const QString kind = exchange::kindOf(map, row);
    (void)exchange::airportKey(map, row);
    int cut = 0;
    if (kind == exchange::kAirportKind) (void)exchange::rowOf<ArptRow>(map, row, cut);
    else if (kind == exchange::kFrequencyKind) (void)exchange::rowOf<AcomRow>(map, row, cut);
    else if (kind == exchange::kApproachKind) (void)exchange::rowOf<IlsRow>(map, row, cut);
    else if (kind == exchange::kRunwayKind) (void)exchange::rowOf<RwyRow>(map, row, cut);
    else (void)exchange::rowOf<MyInfoRow>(map, row, cut);
}

// Every row under exactly one day, the days ascending and distinct, the
// rows without a date last.
void listByDay(const QByteArray &bytes) {
    platform::Result<std::vector<exchange::HistoryEntry>> history = exchange::readUpdateHistoryBytes(bytes, "fuzz.xml");
    if (!history) return;
    const std::size_t rows = history->size();
    const std::vector<app::UpdateDay> days = app::groupByDay(std::move(history).value());
    std::size_t listed = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const app::UpdateDay &day = days[i];
        if (day.rows.empty() || day.text.isEmpty()) std::abort();
        if (!day.day.isValid() && i + 1 != days.size()) std::abort();
        if (i > 0 && day.day.isValid() && !(days[i - 1].day < day.day)) std::abort();
        for (const exchange::HistoryEntry &entry : day.rows) {
            const QDate date = entry.Date ? entry.Date->date : QDate();
            if ((date.isValid() ? date : QDate()) != day.day) std::abort();
        }
        listed += day.rows.size();
    }
    if (listed != rows) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader reader;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    listByDay(bytes);
    if (!reader.openBytes(bytes, QStringLiteral("fuzz.xml")).error().isEmpty()) return 0;
    for (const FieldDef &field : reader.fields())
        if (reader.fieldIndex(field.name) < 0) std::abort();
    const exchange::ColumnMap map(reader);
    Row row;
    while (reader.next(row)) {
        if (row.size() != reader.fields().size()) std::abort();
        takeApart(map, row);
    }
    // A reader that stopped stays stopped.
    if (reader.next(row)) std::abort();
    return 0;
}
