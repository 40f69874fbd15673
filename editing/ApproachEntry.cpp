#include "editing/ApproachEntry.h"

#include "store/RunwayText.h"

namespace volmira::editing {

namespace {

// Two digits first, or one digit alone: "09L", "27", "9".
bool namesRunwayNumber(const QString &runway) {
    if (runway.isEmpty() || !store::isAsciiDigit(runway[0])) return false;
    return runway.size() == 1 || store::isAsciiDigit(runway[1]);
}

}  // namespace

Checked<ApproachEntry> ValidateApproach(const ApproachTexts &texts, const ApproachTexts &openedWith) {
    const QString runway = texts.tApproach[0].trimmed().toUpper();
    if (!namesRunwayNumber(runway))
        return EntryFailure{QStringLiteral("Die Landebahn wurde falsch eingegeben. Bitte Daten überprüfen."),
                            kDataErrorTitle.toString(), 0};
    if (std::optional<EntryFailure> failure =
            fieldLengthFailure(kApproachLimits, texts.tApproach, openedWith.tApproach))
        return *std::move(failure);
    const auto &t = texts.tApproach;
    return ApproachEntry{runway, t[1], t[2].toUpper(), t[3], t[4], t[5].toUpper()};
}

ApproachTexts approachTexts(const store::IlsRow &row) {
    return {{row.RWY, row.ILS_FREQ, row.ILS_IDENT, row.ILS_GS, row.OM_FREQ, row.OM_IDENT}};
}

std::optional<std::size_t> matchingRunway(const ApproachEntry &entry, const std::vector<store::RwyRow> &runways) {
    const QString runway = entry.RWY.trimmed().toUpper();
    for (std::size_t i = 0; i < runways.size(); ++i)
        if (runway == runways[i].RwyHigh || runway == runways[i].RwyLow) return i;
    return std::nullopt;
}

QString unknownRunwayQuestion(const ApproachEntry &entry) {
    return QStringLiteral("Die Landebahn ( %1 ) wurde nicht gefunden. Soll der Anflug trotzdem hinzugefügt werden ? ")
        .arg(entry.RWY.trimmed());
}

}  // namespace volmira::editing
