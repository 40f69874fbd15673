#include "editing/AirportEntry.h"

#include "platform/NumberText.h"
#include "store/Coordinates.h"
#include "store/IcaoCode.h"
#include "store/Length.h"
#include "store/RunwayText.h"
#include "store/TextWidth.h"

#include <cmath>

namespace volmira::editing {

using platform::boxText;
using platform::readNumber;

namespace {

constexpr int kCircuitMaximum = 19;
constexpr int kCodeMaximum = 4;

EntryFailure titled(const QString &text, int box, bool noNumber = false) {
    return {text, kApplicationTitle.toString(), box, noNumber};
}
EntryFailure dataError(const QString &text) { return {text, kDataErrorTitle.toString(), kNoBox}; }

// ELEV and MAG_VAR are whole numbers once stored: a typed fraction is rounded
// here, a half to the even neighbour as the window rounds, so that the window,
// the export and the printed list show the same value.
double whole(double value) { return std::nearbyint(value) + 0.0; }

// Whole feet from the elevation box and its unit: feet rounded, metres
// converted and cut to the whole part; else the box's refusal. The bounds
// apply to what was typed.
std::variant<double, EntryFailure> elevationFeet(const QString &text, const QString &unit) {
    const QString message = QStringLiteral(" Fehler ELEV");
    const std::optional<double> value = readNumber(text);
    if (!value) return titled(message, kElevationBox, true);
    const double feet = unit == QLatin1String("ft") ? *value : std::trunc(store::Length::metres(*value).inFeet());
    if (feet < kLowestElevationFeet || feet > kHighestElevationFeet) return titled(message, kElevationBox);
    return whole(feet);
}

// The variation's whole magnitude: a number 0..180 without sign; else the
// box's refusal.
std::variant<double, EntryFailure> variation(const QString &text) {
    const QString message = QStringLiteral(" Fehler VAR");
    const QString trimmed = text.trimmed();
    const std::optional<double> value = readNumber(trimmed);
    if (!value) return titled(message, kVariationBox, true);
    const bool hasSign = trimmed.startsWith(QLatin1Char('-')) || trimmed.startsWith(QLatin1Char('+'));
    if (hasSign || *value > kMaxVariation) return titled(message, kVariationBox);
    return whole(*value);
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

// Box texts of one COORDINATES half, "4907.1 N": the text and its hemisphere
// as the dialog's list names it.
struct Half {
    QString text;
    QString hemisphere;
};

// The half split off its hemisphere letter, in any letter case: one of
// `letters`, or "O" (Ost) for "E". Nothing for any other letter.
std::optional<Half> splitHalf(const QString &half, QLatin1StringView letters) {
    const QString trimmed = half.trimmed();
    if (trimmed.size() < 2) return std::nullopt;
    QChar letter = trimmed.back().toUpper();
    if (letter == QLatin1Char('O') && letters.contains(QLatin1Char('E'))) letter = QLatin1Char('E');
    if (!letters.contains(letter)) return std::nullopt;
    return Half{trimmed.chopped(1).trimmed(), QString(letter)};
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

    const std::variant<double, EntryFailure> elevation = elevationFeet(texts.tAPT[kElevationBox], texts.cmbftm);
    if (const auto *refused = std::get_if<EntryFailure>(&elevation)) return *refused;
    const std::variant<double, EntryFailure> magnitude = variation(texts.tAPT[kVariationBox]);
    if (const auto *refused = std::get_if<EntryFailure>(&magnitude)) return *refused;
    if (!readNumber(texts.tCoord[0])) return titled(QStringLiteral(" Fehler coord0"), kNoBox, true);
    if (!readNumber(texts.tCoord[1])) return titled(QStringLiteral(" Fehler coord1"), kNoBox, true);
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
    entry.ELEV = std::get<double>(elevation);
    entry.MAG_VAR = texts.cmbVar == QLatin1String("E") ? std::get<double>(magnitude) : -std::get<double>(magnitude) + 0.0;
    entry.Type = texts.chkVLP ? QStringLiteral("VLP") : QStringLiteral("SLP");
    return entry;
}

Checked<AirportTexts> airportTexts(const store::ArptRow &row) {
    const qsizetype slash = row.COORDINATES.indexOf(QLatin1Char('/'));
    const std::optional<Half> north = splitHalf(row.COORDINATES.left(slash), QLatin1StringView("NS"));
    const std::optional<Half> east = splitHalf(row.COORDINATES.mid(slash + 1), QLatin1StringView("EW"));
    if (slash < 0 || !north || !east) return titled(QStringLiteral("Fehler in Koordinaten"), kNoBox);

    AirportTexts texts;
    const double variationValue = row.MAG_VAR.value_or(0);
    texts.tAPT = {row.ICAO, boxText(row.MAG_VAR ? std::optional(std::abs(variationValue)) : std::nullopt), row.Name,
                  boxText(row.ELEV), row.PR};
    texts.cmbVar = variationValue >= 0 ? QStringLiteral("E") : QStringLiteral("W");
    texts.tCoord = {north->text, east->text};
    texts.cmbNS = north->hemisphere;
    texts.cmbEW = east->hemisphere;
    const bool vlp = store::isVlpType(row.Type);
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
