#pragma once

#include "platform/Result.h"
#include "store/MapStore.h"

#include <QString>

#include <array>

// A file dropped on the map page, and copies of chart files into the data
// folder's map folder.
namespace volmira::browser {

inline constexpr const char kDropTitle[] = "Karte verknüpfen";
inline constexpr const char kNotAMapFile[] = "Nur BMP-, JPEG- und PDF-Dateien können als Karte verknüpft werden.";
inline constexpr const char kNoFreeSlot[] =
    "Alle zehn Kartenplätze sind belegt. Zum Ersetzen die Datei auf den Button der Karte ziehen.";
inline constexpr const char kCopyQuestion[] = "In den Kartenordner kopieren?";

// Where a dropped file goes: the slot and the button's name, or why it is
// refused (then nothing changes).
struct DropPlan {
    int slot = -1;
    QString name;             // the file's name, as the linking dialog proposes it
    bool overwrites = false;  // the slot holds a link: ask first
    QString refusal;          // German; empty when the file can be linked
};

// `linked` tells which slots hold a link; `onButton` is the slot dropped on,
// -1 for the page, which takes the first free slot.
[[nodiscard]] DropPlan planDrop(const QString &path, const std::array<bool, store::kMapSlots> &linked,
                                int onButton);

// The question before a drop replaces the slot's chart.
[[nodiscard]] QString replaceQuestion(const QString &oldName, const QString &newName);

// The n-th name tried for a copy: "plan.pdf", then "plan (2).pdf", "plan (3).pdf".
[[nodiscard]] QString numberedName(const QString &name, int n);

// The data folder's map folder of the airport, Karten/<ICAO>.
[[nodiscard]] QString airportMapFolder(const QString &dataFolder, const QString &icao);

// Copies the chart into Karten/<ICAO> of the data folder (made when missing)
// and gives the copy's path. A file of the same name and content there is
// taken as it is; a different one is never replaced: the copy takes the next
// free numbered name. The copy appears whole or not at all. Links below the
// data folder's Karten are found again when the data folder moves, as every
// such link is.
[[nodiscard]] platform::Result<QString> copyIntoMapFolder(const QString &file, const QString &dataFolder,
                                                          const QString &icao);

}  // namespace volmira::browser
