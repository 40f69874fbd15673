#include "browser/AirportLookup.h"

#include "store/Database.h"

namespace volmira::browser {

namespace {

constexpr qsizetype kIataLength = 3;

std::optional<store::ArptRow> findAirport(store::AirportStore &store, const QString &entered) {
    const QString code = entered.trimmed();
    if (code.size() != kIataLength) return store.airportByIcao(code);
    const std::optional<QString> icao = store.icaoForIata(code);
    if (!icao) return std::nullopt;
    return store.airportByIcao(icao->trimmed());
}

}  // namespace

std::optional<AirportView> lookupAirport(store::AirportStore &store, const QString &entered, QDate day) {
    // The reads of one airport see one state of the file and take its read
    // lock once, instead of once per statement; nothing is written here.
    store::Transaction snapshot(store.database());
    std::optional<store::ArptRow> airport = findAirport(store, entered);
    if (!airport) return std::nullopt;
    AirportView view;
    view.airport = std::move(*airport);
    const QString &icao = view.airport.ICAO;
    view.texts = airportTexts(view.airport);
    view.scheme = schemeForType(view.airport.Type);
    view.runways = store.runways(icao);
    view.frequencies = store.frequencies(icao);
    view.approaches = store.approaches(icao);
    view.sun = sunLines(view.airport, day);
    view.lastUpdate = readLastUpdate(store, icao);
    return view;
}

}  // namespace volmira::browser
