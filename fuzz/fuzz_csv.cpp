// libFuzzer target for the reader of the bundled airport data: arbitrary bytes
// as a CSV file, each field also fed through the rules that interpret it.
#include "store/Coordinates.h"
#include "store/shipped/CsvReader.h"
#include "store/shipped/ExtractRules.h"
#include "store/RunwayText.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

using namespace volmira::store;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader csv(buffer, QStringLiteral("fuzz.csv"));
    if (!csv.readHeader({}).error().isEmpty()) return 0;
    const int columns = csv.column("c") >= 0 ? 4 : 3;
    while (csv.next()) {
        for (int i = -1; i < columns; ++i) {
            const QString field = csv.field(i);
            DesignatorFault fault;
            (void)runwayEnds(field, &fault);
            (void)runwayHeadings(field);
            (void)degreesFromText(field);
            (void)extract::usableDesignator(field);
            (void)extract::isHardSurface(field);
            if (const std::optional<double> value = extract::number(field)) {
                (void)coordinatesText(*value, *value);
                (void)extract::wholeHeading(*value);
                (void)extract::metresFromFeet(*value);
            }
        }
        (void)extract::convertRunway({csv.field(0), csv.field(1), csv.field(2), csv.field(3), csv.field(4),
                                      csv.field(5), csv.field(6)},
                                     extract::number(csv.field(7)));
        (void)extract::convertFrequency(csv.field(0), csv.field(1), csv.field(2));
    }
    return 0;
}
