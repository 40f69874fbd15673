#include "store/shipped/ExtractRules.h"

#include "store/Length.h"
#include "store/ValueRanges.h"
#include "store/RunwayText.h"

#include <QSet>

#include <cmath>

namespace volmira::store::shipped::extract {

namespace {

// First words of the paved surfaces, as the extract spells them: codes (ASP,
// CON, PEM, BIT, ...), codes with a condition (ASPH-G, CONC-F) and free text
// in several languages (Asphalt, Asfalto, Beton, Tarmac, Sealed, Paved).
// Single letters B and A are the Australian and Baltic codes for bitumen and
// asphalt; the mixed entries such as ASP/GRS name the main surface first.
const QSet<QString> &hardWords() {
    static const QSet<QString> words{
        QStringLiteral("A"),         QStringLiteral("APSH"),      QStringLiteral("ASHP"),
        QStringLiteral("ASHPALT"),   QStringLiteral("ASP"),       QStringLiteral("ASPH"),
        QStringLiteral("ASPHALT"),   QStringLiteral("ASPHALTE"),  QStringLiteral("ASFALT"),
        QStringLiteral("ASFALTO"),   QStringLiteral("B"),         QStringLiteral("BETON"),
        QStringLiteral("BIT"),       QStringLiteral("BITUM"),     QStringLiteral("BITUMEN"),
        QStringLiteral("BITUMINOUS"), QStringLiteral("BRI"),      QStringLiteral("BRICK"),
        QStringLiteral("CEM"),       QStringLiteral("CEMENT"),    QStringLiteral("CHIPSEAL"),
        QStringLiteral("COM"),       QStringLiteral("COMPOSITE"), QStringLiteral("CON"),
        QStringLiteral("CONC"),      QStringLiteral("CONCRETE"),  QStringLiteral("COP"),
        QStringLiteral("MAC"),       QStringLiteral("MACADAM"),   QStringLiteral("PAVED"),
        QStringLiteral("PAVEMENT"),  QStringLiteral("PAVING"),    QStringLiteral("PEM"),
        QStringLiteral("PER"),       QStringLiteral("PSP"),       QStringLiteral("SEALED"),
        QStringLiteral("TAR"),       QStringLiteral("TARMAC"),
    };
    return words;
}

// The first word of letters, passing over words that say nothing ("Surface paved").
QString firstWord(const QString &text) {
    qsizetype i = 0;
    for (;;) {
        while (i < text.size() && !text[i].isLetter()) ++i;
        const qsizetype start = i;
        while (i < text.size() && text[i].isLetter()) ++i;
        const QString word = text.mid(start, i - start);
        if (word != QLatin1String("SURFACE")) return word;
    }
}

// The true heading of the low end: its own, else the high end's turned round.
std::optional<double> lowEndTrueHeading(const RunwaySource &source) {
    if (const std::optional<double> low = number(source.leHeadingTrue)) return *low;
    if (const std::optional<double> high = number(source.heHeadingTrue)) return *high - 180.0;
    return std::nullopt;
}

}  // namespace

std::optional<double> number(const QString &text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> metresFromFeet(double feet) {
    // Beyond any runway or mountain; keeps the conversion to int defined.
    if (!std::isfinite(feet) || std::abs(feet) > 1e7) return std::nullopt;
    return int(std::lround(Length::feet(feet).inMetres()));
}

bool isPossibleElevation(double feet) { return kElevationFeetRange.holds(feet); }

bool isHardSurface(const QString &surface) { return hardWords().contains(firstWord(surface.toUpper())); }

std::optional<QString> usableDesignator(const QString &ident) {
    const QString text = ident.trimmed().toUpper();
    qsizetype digits = 0;
    while (digits < text.size() && isAsciiDigit(text[digits])) ++digits;
    if (digits < 1 || digits > 2) return std::nullopt;
    const QString suffix = text.mid(digits);
    if (!suffix.isEmpty() && suffix != QLatin1String("L") && suffix != QLatin1String("R") &&
        suffix != QLatin1String("C"))
        return std::nullopt;
    const int runwayNumber = text.left(digits).toInt();
    if (runwayNumber < 1 || runwayNumber > 36) return std::nullopt;
    return QStringLiteral("%1").arg(runwayNumber, 2, 10, QLatin1Char('0')) + suffix;
}

bool isHelipadIdent(const QString &ident) {
    const QString text = ident.trimmed().toUpper();
    return text.startsWith(u'H') || text.contains(QLatin1String("PAD"));
}

int wholeHeading(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    return int(std::lround(d));
}

QString airportType(const AirportSource &source) {
    const bool large = source.type == QLatin1String("large_airport") || source.type == QLatin1String("medium_airport");
    return large || source.scheduledService == QLatin1String("yes") ? QStringLiteral("VLP") : QStringLiteral("SLP");
}

RunwayConversion convertRunway(const RunwaySource &source, std::optional<double> declination) {
    RunwayConversion result;
    const std::optional<QString> lowDesignator = usableDesignator(source.leIdent);
    const std::optional<QString> highDesignator = usableDesignator(source.heIdent);
    if (!lowDesignator && !highDesignator && (isHelipadIdent(source.leIdent) || isHelipadIdent(source.heIdent))) {
        result.skip = RunwaySkip::Helipad;
        return result;
    }
    const std::optional<double> lengthFt = number(source.lengthFt);
    const std::optional<double> widthFt = number(source.widthFt);
    const auto impossible = [](const std::optional<double> &feet) { return feet && (*feet < 0 || !metresFromFeet(*feet)); };
    if (impossible(lengthFt) || impossible(widthFt)) {
        result.skip = RunwaySkip::OutOfRange;
        return result;
    }
    const std::optional<int> length = lengthFt ? metresFromFeet(*lengthFt) : std::nullopt;
    if (!length || *length < 1) {
        result.skip = RunwaySkip::Length;
        return result;
    }

    const std::optional<double> trueHeading = lowEndTrueHeading(source);
    const std::optional<int> magneticHeading = trueHeading && declination
                                                   ? std::optional<int>(wholeHeading(*trueHeading - *declination))
                                                   : std::nullopt;

    std::optional<RunwayEnds> ends;
    if (lowDesignator)
        ends = runwayEnds(*lowDesignator);
    else if (highDesignator)
        ends = runwayEnds(*highDesignator);
    else if (magneticHeading) {
        const int runwayNumber = int(std::lround(*magneticHeading / 10.0));
        ends = runwayEnds(QString::number(runwayNumber == 0 ? 36 : runwayNumber));
    }
    if (!ends) {
        result.skip = RunwaySkip::Designator;
        return result;
    }

    // The low designator's number stands in for a heading the data lacks.
    const int heading = magneticHeading ? *magneticHeading : ends->RwyLow.left(2).toInt() * 10;
    RwyRow &row = result.row;
    row.RWY = ends->RWY;
    row.RwyLow = ends->RwyLow;
    row.RwyHigh = ends->RwyHigh;
    row.RWYHDG = runwayHeadings(QString::number(heading)).value_or(QString());
    row.Length = *length;
    const std::optional<int> width = widthFt ? metresFromFeet(*widthFt) : std::nullopt;
    if (width && *width >= 1) row.Width = *width;
    row.SURFACE = isHardSurface(source.surface) ? 0 : 1;
    return result;
}

FrequencyConversion convertFrequency(const QString &type, const QString &description, const QString &megahertz) {
    FrequencyConversion result;
    const std::optional<double> value = number(megahertz);
    if (!value) {
        result.skip = FrequencySkip::NoValue;
        return result;
    }
    // Judged as written, with three decimals: 0.0004 would show as 0.000.
    const double kilohertz = std::round(*value * 1000.0);
    if (kilohertz <= 0 || kilohertz >= 1e6) {
        result.skip = FrequencySkip::OutOfRange;
        return result;
    }
    const QString name = description.trimmed().isEmpty() ? type.trimmed() : description.trimmed();
    result.row.Name = name.toUpper();
    result.row.FREQ = QString::number(kilohertz / 1000.0, 'f', 3);
    return result;
}

}  // namespace volmira::store::shipped::extract
