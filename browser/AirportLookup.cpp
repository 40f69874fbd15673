#include "browser/AirportLookup.h"

#include "browser/NoteActions.h"
#include "browser/NotePanel.h"
#include "store/Database.h"

namespace volmira::browser {

namespace {

constexpr qsizetype kIataLength = 3;

}  // namespace

platform::Result<std::optional<store::ArptRow>> findAirport(store::AirportStore &store, const QString &entered,
                                                            CodeKind kind) {
    const QString code = entered.trimmed();
    if (kind == CodeKind::Icao || code.size() != kIataLength) return store.reads.airportByIcao(code);
    const platform::Result<std::optional<QString>> icao = store.reads.icaoForIata(code);
    if (!icao) return platform::Failure{icao.error()};
    if (!*icao) return std::optional<store::ArptRow>();
    return store.reads.airportByIcao((*icao)->trimmed());
}

platform::Result<std::optional<AirportView>> lookupAirport(store::AirportStore &store, const QString &entered,
                                                          QDate day, CodeKind kind) {
    // The reads of one airport see one state of the file and take its read
    // lock once, instead of once per statement; nothing is written here.
    store::Transaction snapshot(store.database(), store::Transaction::Kind::Read);
    if (!snapshot.started()) return platform::Failure{snapshot.startError()};
    platform::Result<std::optional<store::ArptRow>> airport = findAirport(store, entered, kind);
    if (!airport) return platform::Failure{airport.error()};
    if (!*airport) return std::optional<AirportView>();
    AirportView view;
    view.airport = std::move(**airport);
    const QString &icao = view.airport.ICAO;
    view.texts = airportTexts(view.airport);
    view.scheme = schemeForType(view.airport.Type);
    auto runways = store.reads.runways(icao);
    auto frequencies = store.reads.frequencies(icao);
    auto approaches = store.reads.approaches(icao);
    auto lastUpdate = readLastUpdate(store, icao);
    auto notes = readAirportNotes(store, icao);
    for (const QString &error : {runways.error(), frequencies.error(), approaches.error(), lastUpdate.error(),
                                 notes.error()})
        if (!error.isEmpty()) return platform::Failure{error};
    view.runways = std::move(*runways);
    view.frequencies = std::move(*frequencies);
    view.approaches = std::move(*approaches);
    view.lastUpdate = std::move(*lastUpdate);
    view.notes = std::move(notes->notes);
    view.categories = std::move(notes->categories);
    view.lastKatEntry = browser::lastKatEntry(view.categories, view.airport.LastKat);
    view.sun = sunLines(view.airport, day);
    return std::optional<AirportView>(std::move(view));
}

}  // namespace volmira::browser
