#include "editing/AirportEntry.h"

#include "browser/AirportBlock.h"
#include "editing/NumberText.h"
#include "store/Coordinates.h"
#include "store/IcaoCode.h"
#include "store/Length.h"
#include "store/RunwayText.h"
#include "store/TextWidth.h"

#include <cmath>

namespace volmira::editing {

namespace {

constexpr int kCircuitMaximum = 19;
constexpr int kCodeMaximum = 4;

EntryFailure titled(const QString &text, int box) { return {text, kApplicationTitle.toString(), box}; }
EntryFailure dataError(const QString &text) { return {text, kDataErrorTitle.toString(), kNoBox}; }

// Feet from the elevation box and its unit: feet as typed, metres converted
// and cut to the whole part. Empty when not a number or out of bounds.
std::optional<double> elevationFeet(const QString &text, const QString &unit) {
    std::optional<double> value = readNumber(text);
    if (!value) return std::nullopt;
    if (unit != QLatin1String("ft")) *value = std::trunc(store::Length::metres(*value).inFeet());
    if (*value < kLowestElevationFeet || *value > kHighestElevationFeet) return std::nullopt;
    return *value + 0.0;
}

// The variation's magnitude: a number 0..180 without sign.
std::optional<double> variation(const QString &text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('-')) || trimmed.startsWith(QLatin1Char('+'))) return std::nullopt;
    const std::optional<double> value = readNumber(trimmed);
    if (!value || *value > kMaxVariation) return std::nullopt;
    return value;
}

// A coordinate box's text with blanks around dropped and a decimal comma as a
// point, when it is degrees and minutes: degreeDigits digits of degrees, two of
// minutes below 60, one decimal, at most maxDegrees in all.
std::optional<QString> coordinateText(const QString &text, int degreeDigits, int maxDegrees) {
    QString plain = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    if (plain.size() != degreeDigits + 4 || plain[degreeDigits + 2] != QLatin1Char('.')) return std::nullopt;
    for (qsizetype i = 0; i < plain.size(); ++i)
        if (i != degreeDigits + 2 && !store::isAsciiDigit(plain[i])) return std::nullopt;
    const int degrees = plain.left(degreeDigits).toInt();
    const int minuteTenths = plain.mid(degreeDigits, 2).toInt() * 10 + plain.right(1).toInt();
    if (minuteTenths >= 600 || degrees * 600 + minuteTenths > maxDegrees * 600) return std::nullopt;
    return plain;
}

// Box texts of one COORDINATES half, "4907.1 N": the text and its hemisphere.
struct Half {
    QString text;
    QChar hemisphere;
};

std::optional<Half> splitHalf(const QString &half) {
    const QString trimmed = half.trimmed();
    if (trimmed.size() < 2) return std::nullopt;
    return Half{trimmed.chopped(1).trimmed(), trimmed.back().toUpper()};
}

}  // namespace

Checked<AirportEntry> Checkinfo(const AirportTexts &texts, const DuplicateQuery &duplicate,
                                const AirportTexts &openedWith) {
    const QString &circuit = texts.tAPT[kCircuitBox];
    if (store::textWidth(circuit) > kCircuitMaximum && circuit != openedWith.tAPT[kCircuitBox])
        return titled(QStringLiteral("Fehler PR"), kCircuitBox);

    AirportEntry entry;
    if (texts.newAirport) {
        platform::Result<QString> code = store::checkedIcaoCode(texts.tAPT[kCodeBox]);
        if (texts.tAPT[kCodeBox].size() > kCodeMaximum || !code) return titled(QStringLiteral("Fehler ICAO"), kCodeBox);
        entry.ICAO = std::move(code).value();
    }

    const std::optional<double> elevation = elevationFeet(texts.tAPT[kElevationBox], texts.cmbftm);
    if (!elevation) return titled(QStringLiteral(" Fehler ELEV"), kElevationBox);
    const std::optional<double> magnitude = variation(texts.tAPT[kVariationBox]);
    if (!magnitude) return titled(QStringLiteral(" Fehler VAR"), kVariationBox);
    if (!readNumber(texts.tCoord[0])) return titled(QStringLiteral(" Fehler coord0"), kNoBox);
    if (!readNumber(texts.tCoord[1])) return titled(QStringLiteral(" Fehler coord1"), kNoBox);
    const std::optional<QString> latitude = coordinateText(texts.tCoord[0], 2, 90);
    if (!latitude) return dataError(QStringLiteral("Bitte Breitengrad im Format XXXXX.X eingeben. Bsp: 3340.7"));
    const std::optional<QString> longitude = coordinateText(texts.tCoord[1], 3, 180);
    if (!longitude) return dataError(QStringLiteral("Bitte Längengrad im Format XXXXXX.X eingeben. Bsp: 00840.7"));

    if (texts.newAirport) {
        const platform::Result<bool> stored = duplicate(entry.ICAO);
        if (!stored) return titled(stored.error(), kNoBox);
        if (*stored)
            return dataError(QStringLiteral("Für den ICAO Code - ") + texts.tAPT[kCodeBox] +
                             QStringLiteral(" existiert schon ein Flughafen. Bitte Daten überprüfen"));
    }

    entry.Name = texts.tAPT[kNameBox];
    entry.PR = circuit;
    entry.COORDINATES = *latitude + QLatin1Char(' ') + texts.cmbNS + QStringLiteral(" / ") + *longitude +
                        QLatin1Char(' ') + texts.cmbEW;
    entry.WGS_DLAT = store::degreesFromText(*latitude).value_or(0);
    entry.WGS_DLONG = store::degreesFromText(*longitude).value_or(0);
    entry.ELEV = *elevation;
    entry.MAG_VAR = texts.cmbVar == QLatin1String("E") ? *magnitude : -*magnitude + 0.0;
    entry.Type = texts.chkVLP ? QStringLiteral("VLP") : QStringLiteral("SLP");
    return entry;
}

Checked<AirportTexts> airportTexts(const store::ArptRow &row) {
    const qsizetype slash = row.COORDINATES.indexOf(QLatin1Char('/'));
    const std::optional<Half> north = splitHalf(row.COORDINATES.left(slash));
    const std::optional<Half> east = splitHalf(row.COORDINATES.mid(slash + 1));
    if (slash < 0 || !north || !east) return titled(QStringLiteral("Fehler in Koordinaten"), kNoBox);

    AirportTexts texts;
    const double variationValue = row.MAG_VAR.value_or(0);
    texts.tAPT = {row.ICAO, boxText(row.MAG_VAR ? std::optional(std::abs(variationValue)) : std::nullopt), row.Name,
                  boxText(row.ELEV), row.PR};
    texts.cmbVar = variationValue >= 0 ? QStringLiteral("E") : QStringLiteral("W");
    texts.tCoord = {north->text, east->text};
    texts.cmbNS = north->hemisphere == QLatin1Char('N') ? QStringLiteral("N") : QStringLiteral("S");
    texts.cmbEW = east->hemisphere == QLatin1Char('E') ? QStringLiteral("E") : QStringLiteral("W");
    const bool vlp = browser::schemeForType(row.Type) == browser::ColourScheme::Vlp;
    texts.chkVLP = vlp;
    texts.chkSLP = !vlp;
    texts.newAirport = false;
    return texts;
}

AirportTexts newAirportTexts() {
    AirportTexts texts;
    texts.newAirport = true;
    return texts;
}

}  // namespace volmira::editing
