// libFuzzer target for the record file reader: arbitrary bytes as a file,
// every row read until the end or the first error.
#include "store/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira::store::recordfile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader reader;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!reader.openBytes(bytes, QStringLiteral("fuzz.xml")).isEmpty()) return 0;
    for (const FieldDef &field : reader.fields())
        if (reader.fieldIndex(field.name) < 0) std::abort();
    Row row;
    while (reader.next(row)) {
        if (row.size() != reader.fields().size()) std::abort();
    }
    // A reader that stopped stays stopped.
    if (reader.next(row)) std::abort();
    return 0;
}
