#pragma once

#include "store/AirportFilter.h"

#include <QString>
#include <QStringView>
#include <Qt>

#include <array>
#include <optional>

// The filter boxes of the database manager and what they ask of the airport
// list: the state of each check box and the text of the length box, turned
// into the typed filter the store lists by. The printed list uses the same.
namespace volmira::manager {

// A check box as dbs.crm keeps it. Grey is reachable only through the file.
enum class BoxState { Unchecked = 0, Checked = 1, Grey = 2 };

// Qt numbers its states otherwise (grey is 1 there).
[[nodiscard]] Qt::CheckState toCheckState(BoxState state);
[[nodiscard]] BoxState fromCheckState(Qt::CheckState state);

// The controls' values; the defaults are the window's design values.
struct FilterSettings {
    std::array<BoxState, 2> surface{BoxState::Checked, BoxState::Checked};  // "Asphaltbahn", "Grasbahn"
    std::array<BoxState, 2> type{BoxState::Checked, BoxState::Checked};     // "Verkehrslandeplatz", "Sonderlandeplatz"
    QString length = QStringLiteral("0");                                   // the text of the length box

    friend bool operator==(const FilterSettings &, const FilterSettings &) = default;
};

// The runway condition of the two surface boxes and the type condition of the
// two type boxes. The boxes are tested in a fixed order, a later match
// replacing an earlier one: the first checked, the second checked, both
// checked, both unchecked. A grey box takes part in no test, so that checked
// and grey count as the checked box alone and nothing else matching leaves no
// condition (surface Off, type Any).
[[nodiscard]] store::SurfaceFilter surfaceFilter(BoxState hard, BoxState grass);
[[nodiscard]] store::TypeFilter typeFilter(BoxState vlp, BoxState slp);

// The minimum length L of the length box, a number as platform::readNumber
// reads it ("1.000" is 1000), rounded half to even.
// Nothing when the text is no such number or L lies beyond ±kLengthLimit.
inline constexpr int kLengthLimit = 2'000'000'000;
[[nodiscard]] std::optional<int> minimumLength(const QString &text);

// What an unreadable length box shows, once per list built; the list is then
// built with L = 0.
inline constexpr QStringView kLengthMessage = u"Bitte Daten der Landebahnlänge überprüfen.";
inline constexpr QStringView kLengthTitle = u"Datenfehler";

struct ListFilter {
    store::AirportFilter filter;
    bool lengthReadable = true;  // false: show kLengthMessage, L is 0
};

[[nodiscard]] ListFilter listFilter(const FilterSettings &settings);

}  // namespace volmira::manager
