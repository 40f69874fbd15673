#pragma once

#include "browser/GridColumns.h"
#include "platform/ui/RowsModel.h"
#include "store/Rows.h"
#include "store/SearchNames.h"

// Read-only table models of the airport window's grids: typed store rows, so
// that the editing commands know which row is current.
namespace volmira::browser {

using RunwayModel = platform::RowsModel<store::RwyRow, kRunwayColumns.size()>;
using ApproachModel = platform::RowsModel<store::IlsRow, kApproachColumns.size()>;
using ComModel = platform::RowsModel<store::AcomRow, kComColumns.size()>;
using QuickfindModel = platform::RowsModel<store::FoundAirport, kQuickfindColumns.size()>;

[[nodiscard]] RunwayModel *makeRunwayModel(QObject *parent);
[[nodiscard]] ApproachModel *makeApproachModel(QObject *parent);
[[nodiscard]] ComModel *makeComModel(QObject *parent);
[[nodiscard]] QuickfindModel *makeQuickfindModel(QObject *parent);

}  // namespace volmira::browser
