#pragma once

#include "platform/GridColumn.h"
#include "platform/ui/RowsModel.h"
#include "store/Rows.h"

#include <array>

// The grids of the database manager: the countries with their airport counts,
// and the airports (the filtered list and the changed ones) with every column
// of their record, numbers and dates in German form.
namespace volmira::manager {

using platform::GridColumn;

inline constexpr std::array<GridColumn, 3> kCountryColumns{{
    {u"Name", {3000}},
    {u"ICAO", {1020}},
    {u"Anzahl", {900}},
}};

// The record's column names, as the lists have always shown them.
inline constexpr std::array<GridColumn, 15> kAirportColumns{{
    {u"ICAO", {900}},
    {u"Name", {3000}},
    {u"COORDINATES", {2300}},
    {u"WGS_DLAT", {1400}},
    {u"WGS_DLONG", {1400}},
    {u"ELEV", {900}},
    {u"PR", {600}},
    {u"MAG_VAR", {1000}},
    {u"RwyALen", {1000}},
    {u"RwyGLen", {1000}},
    {u"Type", {700}},
    {u"Date", {1200}},
    {u"Time", {1000}},
    {u"LastDate", {1200}},
    {u"LastKat", {1500}},
}};

using CountryModel = platform::RowsModel<store::CountryRow, kCountryColumns.size()>;
using AirportListModel = platform::RowsModel<store::ArptRow, kAirportColumns.size()>;

[[nodiscard]] CountryModel *makeCountryModel(QObject *parent);
[[nodiscard]] AirportListModel *makeAirportListModel(QObject *parent);

}  // namespace volmira::manager
