#pragma once

#include "store/Rows.h"

#include <QJsonObject>
#include <QJsonValue>

#include <optional>

// Rows as JSON objects with the column names of the database; a column
// without a value is null.
namespace volmira::cli {

[[nodiscard]] QJsonValue json(const QString &text);
[[nodiscard]] QJsonValue json(std::optional<int> value);
[[nodiscard]] QJsonValue json(std::optional<double> value);

[[nodiscard]] QJsonObject runwayJson(const store::RwyRow &r);
[[nodiscard]] QJsonObject frequencyJson(const store::AcomRow &r);
[[nodiscard]] QJsonObject approachJson(const store::IlsRow &r);
// The airport record without LastKat, the user's own column.
[[nodiscard]] QJsonObject airportJson(const store::ArptRow &r);

}  // namespace volmira::cli
