// libFuzzer target for the rules of the four entry dialogs: the input, read as
// UTF-8 and cut at line breaks, is typed into every box; stored rows made of
// the same texts are opened as the dialogs open them. What a check accepts
// must keep the shape the rows promise, else the target aborts.
#include "editing/AirportEntry.h"
#include "editing/ApproachEntry.h"
#include "editing/ComEntry.h"
#include "editing/RunwayEntry.h"
#include "platform/NumberText.h"
#include "store/IcaoCode.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira;
using namespace volmira::editing;
using namespace volmira::platform;

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

bool matches(const QRegularExpression &pattern, const QString &text) { return pattern.match(text).hasMatch(); }

const QRegularExpression kEnd(QStringLiteral("\\A[0-9]{2}[LRC]?\\z"));
const QRegularExpression kHeadings(QStringLiteral("\\A[0-9]{3} / [0-9]{3}\\z"));
const QRegularExpression kCoordinates(QStringLiteral("\\A[0-9]{4}\\.[0-9] .* / [0-9]{5}\\.[0-9] .*\\z"));

// "07L / 25R", "09 / 27", "066 / 246": two ends, the high one 18 or 180 above.
void requireRunwayShape(const RunwayEntry &e) {
    require(matches(kEnd, e.RwyLow) && matches(kEnd, e.RwyHigh));
    require(e.RWY == e.RwyLow + QStringLiteral(" / ") + e.RwyHigh);
    require(e.RwyHigh.left(2).toInt() - e.RwyLow.left(2).toInt() == 18);
    require(matches(kHeadings, e.RWYHDG));
    require(e.RWYHDG.right(3).toInt() - e.RWYHDG.left(3).toInt() == 180 && e.RWYHDG.left(3).toInt() >= 1);
    require(e.Length >= 1 && e.Length <= kMaxRunwayMetres && e.Width >= 1 && e.Width <= kMaxRunwayMetres);
    require(e.SURFACE == 0 || e.SURFACE == 1);
}

void requireAirportShape(const AirportEntry &e, const AirportTexts &texts) {
    require(e.WGS_DLAT >= 0 && e.WGS_DLAT <= 90 && e.WGS_DLONG >= 0 && e.WGS_DLONG <= 180);
    require(e.ELEV >= kLowestElevationFeet && e.ELEV <= kHighestElevationFeet);
    require(e.MAG_VAR >= -kMaxVariation && e.MAG_VAR <= kMaxVariation);
    require(matches(kCoordinates, e.COORDINATES));
    require(e.Type == QLatin1String("VLP") || e.Type == QLatin1String("SLP"));
    if (texts.newAirport) require(store::checkedIcaoCode(e.ICAO).ok() && e.ICAO.size() <= 4);
}

void numbers(const QString &text) {
    if (const std::optional<double> value = readNumber(text)) {
        (void)hashFormat(*value);
        require(readNumber(boxText(*value)).has_value());
    }
    for (int box = 0; box < kRunwayBoxCount; ++box) (void)runwayPreview(RunwayBox(box), text);
}

void runway(const QStringList &f, bool grass) {
    const Checked<RunwayEntry> typed = checkRunway({{f[0], f[1], f[2], f[3], f[4]}, {}, grass});
    if (const auto *entry = std::get_if<RunwayEntry>(&typed)) requireRunwayShape(*entry);
    const std::optional<double> length = readNumber(f[3]);
    store::RwyRow stored{0, f[5], f[6], f[0], f[7], f[1], f[2], std::nullopt, std::nullopt, std::nullopt, f[8], f[9]};
    if (length && *length > -1e9 && *length < 1e9) stored.Length = stored.Width = stored.SURFACE = int(*length);
    const Checked<RunwayEntry> reopened = checkRunway(runwayTexts(stored));
    if (const auto *entry = std::get_if<RunwayEntry>(&reopened)) requireRunwayShape(*entry);
    const RunwayLengths lengths = runwayLengths({stored, stored});
    require(lengths.RwyALen >= 0 && lengths.RwyGLen >= 0);
    (void)stampTitle(f[8], f[9]);
}

void airport(const QStringList &f, bool flag) {
    const DuplicateQuery duplicate = [&](const QString &icao) -> platform::Result<bool> {
        if (icao == f[0]) return platform::Failure{QStringLiteral("Die Datenbank ist gesperrt.")};
        return flag;
    };
    AirportTexts texts = newAirportTexts();
    texts.tAPT = {f[0], f[1], f[2], f[3], f[4]};
    texts.tCoord = {f[5], f[6]};
    texts.cmbVar = f[7];
    texts.cmbftm = flag ? QStringLiteral("m") : QStringLiteral("ft");
    texts.cmbNS = f[8];
    texts.newAirport = !flag;
    const Checked<AirportEntry> typed = Checkinfo(texts, duplicate);
    if (const auto *entry = std::get_if<AirportEntry>(&typed)) requireAirportShape(*entry, texts);

    store::ArptRow stored;
    stored.ICAO = f[0];
    stored.COORDINATES = f[9];
    stored.ELEV = readNumber(f[3]);
    stored.MAG_VAR = readNumber(f[1]);
    stored.PR = f[4];
    stored.Type = f[2];
    const Checked<AirportTexts> opened = airportTexts(stored);
    if (const auto *reopened = std::get_if<AirportTexts>(&opened)) {
        const Checked<AirportEntry> saved = Checkinfo(*reopened, duplicate, *reopened);
        if (const auto *entry = std::get_if<AirportEntry>(&saved)) requireAirportShape(*entry, *reopened);
    }
}

void frequencyAndApproach(const QStringList &f) {
    const ComTexts com{{f[0], f[1]}};
    (void)ValidateCom(com, comTexts({0, f[2], f[3], f[4], f[5], f[6]}));
    const ApproachTexts typed{{f[0], f[1], f[2], f[3], f[4], f[5]}};
    const ApproachTexts stored = approachTexts({0, f[6], f[7], f[8], f[9], f[0], f[1], f[2], f[3], f[4]});
    const Checked<ApproachEntry> checked = ValidateApproach(typed, stored);
    if (const auto *entry = std::get_if<ApproachEntry>(&checked)) {
        require(entry->RWY.size() >= 1 && entry->RWY[0].isDigit());
        std::vector<store::RwyRow> runways(1);
        runways[0].RwyLow = f[6];
        runways[0].RwyHigh = entry->RWY;
        require(matchingRunway(*entry, runways) == std::optional<std::size_t>(0));
        (void)unknownRunwayQuestion(*entry);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const bool flag = data[0] & 1;
    QStringList fields = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1).split(u'\n');
    while (fields.size() < 10) fields.append(fields.size() % 2 ? QString() : fields.first());
    for (const QString &field : fields) numbers(field);
    runway(fields, flag);
    airport(fields, flag);
    frequencyAndApproach(fields);
    return 0;
}
