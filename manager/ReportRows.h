#pragma once

#include "store/Rows.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The rows of the printed airport list: what the scratch table RwyRoute holds
// for each listed airport, built from the airport's stored rows without SQL.
namespace volmira::manager {

// One line of an airport's block: a runway, or the empty line of an airport
// without runways. Kontakt is set on the airport's last line only.
struct ReportRunway {
    QString RWY;
    QString Length;  // "2500 m", empty when unknown
    QString Width;
    QString Type;    // "Asphalt" or "Gras"; empty on the line of an airport without runways
    QString ILS;     // low end " \ " high end, empty without approaches
    QString OM;
    QString Kontakt; // the printable text of the airport's only "Kontakt" note

    friend bool operator==(const ReportRunway &, const ReportRunway &) = default;
};

// One airport of the list: its group header and its lines (at least one).
struct ReportAirport {
    int Index = 0;  // running number in the list, from 1
    QString ICAO;
    QString Name;
    QString aType;
    QString ELEV;   // "ELEV: 364 ft", empty when unknown
    QString PR;
    QString Coord;
    QString Var;    // "2,5 W", "0 E"; empty when unknown
    QString Frequenzen;
    std::vector<ReportRunway> cmdGroup;

    friend bool operator==(const ReportAirport &, const ReportAirport &) = default;
};

// What the rows of one airport are made from; each list in stored order.
struct ReportSource {
    store::ArptRow airport;
    std::vector<store::RwyRow> runways;
    std::vector<store::IlsRow> approaches;
    std::vector<store::AcomRow> frequencies;
    std::vector<store::MyInfoRow> contacts;  // the airport's notes of category "Kontakt"
};

// The note category whose note the list prints.
inline constexpr QStringView kContactCategory = u"Kontakt";

// The airport's block as the list numbers it (index from 1).
[[nodiscard]] ReportAirport reportAirport(int index, const ReportSource &source);

// The main radio frequencies: the rows whose name holds one of the keywords,
// each once, joined by a blank before an ATIS row, else by " , "; over 255
// characters the whole entries fitting in 250, then " …".
[[nodiscard]] QString frequencySummary(const std::vector<store::AcomRow> &frequencies);

// The magnetic variation as printed: absolute value with a decimal comma, " W"
// when west, else " E"; empty when unknown.
[[nodiscard]] QString variationText(std::optional<double> magVar);

}  // namespace volmira::manager
