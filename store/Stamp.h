#pragma once

#include "platform/Clock.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

namespace volmira::store {

// Date and time of day of a row stamp, as stored.
struct Stamp {
    QString Date;  // YYYY-MM-DD
    QString Time;  // HH:MM:SS

    friend bool operator==(const Stamp &, const Stamp &) = default;
};

template <typename Row>
[[nodiscard]] Stamp stampOf(const Row &row) {
    return {row.Date, row.Time};
}
template <typename Row>
[[nodiscard]] std::optional<Stamp> stampOf(const std::optional<Row> &row) {
    return row ? std::optional(stampOf(*row)) : std::nullopt;
}

// The question a window asks when the row it saves was changed meanwhile
// (default "Nein"); the command line says the same without asking.
inline constexpr QStringView kChangedMeanwhileQuestion =
    u"Der Datensatz wurde inzwischen von einem anderen Programm geändert. Trotzdem speichern?";
inline constexpr QStringView kChangedMeanwhileMessage =
    u"Der Datensatz wurde inzwischen von einem anderen Programm geändert. Nichts wurde gespeichert oder gelöscht.";

// Why nothing was written to an airport deleted after it was shown: no row of
// an airport that is gone is ever written.
[[nodiscard]] inline QString airportGoneMessage(const QString &icao) {
    return QStringLiteral("Der Flughafen %1 ist nicht mehr gespeichert: er wurde inzwischen gelöscht. "
                          "Nichts wurde gespeichert.")
        .arg(icao.trimmed().toUpper());
}

// What a write finds stored instead of the row it was prepared from: the row
// as another program left it, or nothing when that program deleted it. Such a
// write writes nothing, so that no change is overwritten unseen and no deleted
// row is made again.
template <typename Row>
struct Meanwhile {
    std::optional<Row> stored;
};

// The outcome of a write that compares the stored row with the stamp it was
// prepared from, in the transaction it writes in.
template <typename Written, typename Row>
using Guarded = std::variant<Written, Meanwhile<Row>>;

// The stored row, when its stamp is not the expected one; `loaded` is the
// stamp of the row the write was prepared from, nothing when no row was stored
// then (a note not yet written).
template <typename Row>
[[nodiscard]] std::optional<Meanwhile<Row>> meanwhile(const std::optional<Row> &stored,
                                                      const std::optional<Stamp> &loaded) {
    if (stampOf(stored) == loaded) return std::nullopt;
    return Meanwhile<Row>{stored};
}

// The stamp of a row changed now, by the clock of the program (a fake one in tests).
[[nodiscard]] inline Stamp stampNow(const platform::Clock &clock) {
    const QDateTime at = clock.now();
    return {at.date().toString(QStringLiteral("yyyy-MM-dd")), at.time().toString(QStringLiteral("HH:mm:ss"))};
}

}  // namespace volmira::store
