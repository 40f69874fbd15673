#pragma once

#include "editing/Entry.h"
#include "editing/FieldLengths.h"
#include "store/Rows.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The checks of the approach dialog frmChangeApproach and the match of its
// runway against the airport's runways.
namespace volmira::editing {

inline constexpr int kApproachBoxCount = 6;

// tApproach(0) to tApproach(5), ten characters each.
inline constexpr std::array<BoxLimit, kApproachBoxCount> kApproachLimits{
    {{u"Rwy", 10}, {u"ILS-Freq", 10}, {u"ILS-Ident", 10}, {u"ILS-GS", 10}, {u"OM-Freq", 10}, {u"OM-Ident", 10}}};

struct ApproachTexts {
    std::array<QString, kApproachBoxCount> tApproach;
};

// A checked approach, named like the ILS columns it fills.
struct ApproachEntry {
    QString RWY;        // upper case, blanks around dropped
    QString ILS_FREQ;   // as typed
    QString ILS_IDENT;  // upper case
    QString ILS_GS;     // as typed
    QString OM_FREQ;    // as typed
    QString OM_IDENT;   // upper case
};

// The runway, blanks around dropped, must begin with two digits or be one
// digit, else "Die Landebahn wurde falsch eingegeben. Bitte Daten überprüfen."
// (title "Datenfehler", box 0); then the field-length check over the six boxes
// (see fieldLengthFailure; openedWith holds what a change opened the dialog
// with, nothing for an add).
[[nodiscard]] Checked<ApproachEntry> ValidateApproach(const ApproachTexts &texts,
                                                      const ApproachTexts &openedWith = {});

// The dialog filled from a stored approach (no value gives an empty box).
[[nodiscard]] ApproachTexts approachTexts(const store::IlsRow &row);

// The first of the airport's runways the approach's runway names: its RWY
// (upper case, blanks around dropped) equal to the row's RwyHigh or, failing
// that, its RwyLow, exact text. Empty when none does ("9" does not name "09").
[[nodiscard]] std::optional<std::size_t> matchingRunway(const ApproachEntry &entry,
                                                        const std::vector<store::RwyRow> &runways);

// The question when no runway matches (title "Datenfehler", Yes stores the
// approach all the same): "Die Landebahn ( 27L ) wurde nicht gefunden. Soll der
// Anflug trotzdem hinzugefügt werden ? ".
[[nodiscard]] QString unknownRunwayQuestion(const ApproachEntry &entry);

}  // namespace volmira::editing
