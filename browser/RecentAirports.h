#pragma once

#include "platform/Result.h"
#include "store/AirportReads.h"

#include <QString>
#include <QStringList>

#include <vector>

// The airports shown last, newest first, kept from one run to the next in
// Zuletzt.crm beside Apt.crm: one quoted ICAO code per line.
namespace volmira::browser {

inline constexpr char kRecentAirportsFileName[] = "Zuletzt.crm";
inline constexpr qsizetype kRecentAirportsLimit = 10;

class RecentAirports {
public:
    // The list in the file. The file is outside data: a missing or unreadable
    // one, one of more than ten values or with a value that is no ICAO code
    // gives an empty list.
    [[nodiscard]] static RecentAirports read(const QString &path);

    // The code goes to the top; an earlier place of it is left, the eleventh is dropped.
    void push(const QString &icao);
    // Keeps only the codes of the list that `known` holds, in their order.
    void keepOnly(const QStringList &known);
    [[nodiscard]] const QStringList &codes() const { return codes_; }

    // Replaces the file atomically.
    [[nodiscard]] platform::Result<> write(const QString &path) const;

private:
    QStringList codes_;
};

// The codes' airports with their names, in the order of the codes, read in
// one query; a code no airport has any more is left out.
[[nodiscard]] platform::Result<std::vector<store::NameHit>> namedAirports(store::AirportReads &reads,
                                                                          const QStringList &codes);

}  // namespace volmira::browser
