// libFuzzer target for the settings notation of Apt.crm and dbs.crm: any bytes
// read as a settings file. What was read, written as we write it, must read
// back as the same values, and a whole number must print as it stood.
#include "store/WriteNotation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira::store;

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<WrittenValue> values = readWrittenValues(bytes);
    require(readWrittenValues(writtenLines(values)) == values);
    for (const WrittenValue &value : values) {
        if (const std::optional<qint64> number = value.integer()) {
            require(!value.quoted);
            require(bareNumber(*number).integer() == number);
        }
    }
    return 0;
}
