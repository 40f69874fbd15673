#pragma once

#include "store/Rows.h"
#include "store/Table.h"

// The tables that have a row struct: their columns in table order with their
// declarations, readers and binders. The schema creates them from here.
namespace volmira::store {

const Table<ArptRow> &arptTable();      // NameKey and SortKey are written from Name and never read
const Table<RwyRow> &rwyTable();
const Table<AcomRow> &acomTable();
const Table<IlsRow> &ilsTable();
const Table<MyInfoRow> &myInfoTable();
const Table<MapDataRow> &mapDataTable();
const Table<AirportCodeRow> &airportCodeTable();
const Table<IcaoCodeRow> &icaoCodeTable();
const Table<VersionRow> &versionTable();
const Table<RwyRouteRow> &rwyRouteTable();  // scratch table of the printed list

}  // namespace volmira::store
