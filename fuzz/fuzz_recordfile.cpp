// libFuzzer target for the record file reader: arbitrary bytes as a file,
// every row read until the end or the first error, and every row taken apart
// as an exchange record the way the update import does.
#include "store/exchange/ExchangeFile.h"
#include "store/recordfile/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira::store;
using namespace volmira::store::recordfile;

namespace {

void takeApart(const exchange::ColumnMap &map, const Row &row) {
    const QString kind = exchange::kindOf(map, row);
    (void)exchange::airportKey(map, row);
    int cut = 0;
    if (kind == exchange::kAirportKind) (void)exchange::toAirport(map, row, cut);
    else if (kind == exchange::kFrequencyKind) (void)exchange::toFrequency(map, row, cut);
    else if (kind == exchange::kApproachKind) (void)exchange::toApproach(map, row, cut);
    else if (kind == exchange::kRunwayKind) (void)exchange::toRunway(map, row, cut);
    else (void)exchange::toNote(map, row, cut);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader reader;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
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
