#pragma once

#include "editing/Entry.h"
#include "editing/FieldLengths.h"
#include "store/Rows.h"

#include <QString>

#include <array>

// The checks of the frequency dialog frmChangeCom.
namespace volmira::editing {

inline constexpr int kComBoxCount = 2;

// tCom(0) "ATC Name" takes 28 characters, tCom(1) "Frequenz" 32.
inline constexpr std::array<BoxLimit, kComBoxCount> kComLimits{{{u"ATC Name", 28}, {u"Frequenz", 32}}};

struct ComTexts {
    std::array<QString, kComBoxCount> tCom;
};

// A checked frequency, named like the ACOM columns it fills.
struct ComEntry {
    QString Name;  // as typed
    QString FREQ;  // as typed
};

// The field-length check over both boxes (see fieldLengthFailure; openedWith
// holds what a change opened the dialog with, nothing for an add).
[[nodiscard]] Checked<ComEntry> ValidateCom(const ComTexts &texts, const ComTexts &openedWith = {});

// The dialog filled from a stored frequency (no value gives an empty box).
[[nodiscard]] ComTexts comTexts(const store::AcomRow &row);

}  // namespace volmira::editing
