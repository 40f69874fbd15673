#include "cli/RowJson.h"

namespace volmira::cli {

QJsonValue json(const QString &text) { return text.isNull() ? QJsonValue() : QJsonValue(text); }
QJsonValue json(std::optional<int> value) { return value ? QJsonValue(*value) : QJsonValue(); }
QJsonValue json(std::optional<double> value) { return value ? QJsonValue(*value) : QJsonValue(); }

QJsonObject runwayJson(const store::RwyRow &r) {
    return {{"RWY", json(r.RWY)},       {"RwyLow", json(r.RwyLow)}, {"RwyHigh", json(r.RwyHigh)},
            {"RWYHDG", json(r.RWYHDG)}, {"SLOPE", json(r.SLOPE)},   {"Length", json(r.Length)},
            {"Width", json(r.Width)},   {"SURFACE", json(r.SURFACE)}, {"Date", json(r.Date)},
            {"Time", json(r.Time)}};
}

QJsonObject frequencyJson(const store::AcomRow &r) {
    return {{"Name", json(r.Name)}, {"FREQ", json(r.FREQ)}, {"Date", json(r.Date)}, {"Time", json(r.Time)}};
}

QJsonObject approachJson(const store::IlsRow &r) {
    return {{"RWY", json(r.RWY)},       {"ILS_FREQ", json(r.ILS_FREQ)}, {"ILS_IDENT", json(r.ILS_IDENT)},
            {"ILS_GS", json(r.ILS_GS)}, {"OM_FREQ", json(r.OM_FREQ)},   {"OM_IDENT", json(r.OM_IDENT)},
            {"Date", json(r.Date)},     {"Time", json(r.Time)}};
}

QJsonObject airportJson(const store::ArptRow &r) {
    return {{"ICAO", json(r.ICAO)},           {"Name", json(r.Name)},           {"COORDINATES", json(r.COORDINATES)},
            {"WGS_DLAT", json(r.WGS_DLAT)},   {"WGS_DLONG", json(r.WGS_DLONG)}, {"ELEV", json(r.ELEV)},
            {"PR", json(r.PR)},               {"MAG_VAR", json(r.MAG_VAR)},     {"RwyALen", json(r.RwyALen)},
            {"RwyGLen", json(r.RwyGLen)},     {"Type", json(r.Type)},           {"Date", json(r.Date)},
            {"Time", json(r.Time)},           {"LastDate", json(r.LastDate)}};
}

}  // namespace volmira::cli
