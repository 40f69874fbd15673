#include "manager/ui/ManagerModels.h"

#include "platform/NumberText.h"
#include "store/DateText.h"

namespace volmira::manager {

namespace {

// "50,0333": the stored value with a decimal comma; nothing for none.
QString decimal(const std::optional<double> &value) { return platform::boxText(value); }

QString whole(const std::optional<int> &value) { return value ? QString::number(*value) : QString(); }

// "07.08.2026"; a stored text that is no date shows as it is.
QString date(const QString &stored) {
    const QDate parsed = store::parseStoredDate(stored);
    return parsed.isValid() ? store::defaultDateText(parsed) : stored;
}

}  // namespace

CountryModel *makeCountryModel(QObject *parent) {
    return new CountryModel(kCountryColumns,
                            {[](const store::CountryRow &r) { return r.Name; },
                             [](const store::CountryRow &r) { return r.ICAO; },
                             [](const store::CountryRow &r) { return QString::number(r.Anzahl); }},
                            parent);
}

// The cells follow the column order of kAirportColumns.
AirportListModel *makeAirportListModel(QObject *parent) {
    using A = store::ArptRow;
    return new AirportListModel(kAirportColumns,
                                {[](const A &r) { return r.ICAO; },
                                 [](const A &r) { return r.Name; },
                                 [](const A &r) { return r.COORDINATES; },
                                 [](const A &r) { return decimal(r.WGS_DLAT); },
                                 [](const A &r) { return decimal(r.WGS_DLONG); },
                                 [](const A &r) { return decimal(r.ELEV); },
                                 [](const A &r) { return r.PR; },
                                 [](const A &r) { return decimal(r.MAG_VAR); },
                                 [](const A &r) { return whole(r.RwyALen); },
                                 [](const A &r) { return whole(r.RwyGLen); },
                                 [](const A &r) { return r.Type; },
                                 [](const A &r) { return date(r.Date); },
                                 [](const A &r) { return r.Time; },
                                 [](const A &r) { return date(r.LastDate); },
                                 [](const A &r) { return r.LastKat; }},
                                parent);
}

}  // namespace volmira::manager
