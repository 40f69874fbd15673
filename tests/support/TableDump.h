#pragma once

#include "store/Database.h"

#include <QStringList>

namespace volmira::test {

// Every row of a table as one line of its values ("∅" for null, texts quoted, numbers
// in full precision) without the columns named, sorted so that two databases
// holding the same rows compare equal whatever their internal ids.
QStringList dumpTable(store::Database &db, const QString &table, const QStringList &leaveOut = {});

// The airport tables the exchange file carries (ARPT, RWY, ACOM, ILS, MyInfo)
// plus MAPDATA and Version, internal ids and the name keys left out.
QStringList dumpAirportData(store::Database &db);

// Each table's and index's definition, then every row of every table.
QStringList dumpFile(store::Database &db);

// A new file of `format` with the rows of tests/data/schema/rows.sql: an earlier
// format made from its schema text there, a later one the current file stamped
// so, the current one with the search words the program writes with a name; written with the password of earlier versions if `passworded`.
void writeFormatFile(const QString &path, int format, bool passworded = false);

}  // namespace volmira::test
