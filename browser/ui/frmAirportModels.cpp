#include "browser/ui/frmAirportModels.h"

namespace volmira::browser {

namespace {

// Lengths without a value show as nothing, not as 0.
QString metres(const std::optional<int> &value) { return value ? QString::number(*value) : QString(); }

}  // namespace

// The cells follow the column order of GridColumns.h.
RunwayModel *makeRunwayModel(QObject *parent) {
    return new RunwayModel(kRunwayColumns,
                           {[](const store::RwyRow &r) { return r.RWY; },
                            [](const store::RwyRow &r) { return r.RWYHDG; },
                            [](const store::RwyRow &r) { return r.SLOPE; },
                            [](const store::RwyRow &r) { return metres(r.Length); },
                            [](const store::RwyRow &r) { return metres(r.Width); }},
                           parent);
}

ApproachModel *makeApproachModel(QObject *parent) {
    return new ApproachModel(kApproachColumns,
                             {[](const store::IlsRow &r) { return r.RWY; },
                              [](const store::IlsRow &r) { return r.ILS_FREQ; },
                              [](const store::IlsRow &r) { return r.ILS_IDENT; },
                              [](const store::IlsRow &r) { return r.ILS_GS; },
                              [](const store::IlsRow &r) { return r.OM_FREQ; },
                              [](const store::IlsRow &r) { return r.OM_IDENT; }},
                             parent);
}

ComModel *makeComModel(QObject *parent) {
    return new ComModel(kComColumns,
                        {[](const store::AcomRow &r) { return r.Name; }, [](const store::AcomRow &r) { return r.FREQ; }},
                        parent);
}

QuickfindModel *makeQuickfindModel(QObject *parent) {
    return new QuickfindModel(kQuickfindColumns,
                              {[](const store::FoundAirport &h) { return h.ICAO; },
                               [](const store::FoundAirport &h) { return h.NAME; },
                               [](const store::FoundAirport &h) { return h.City; },
                               [](const store::FoundAirport &h) { return h.Country; },
                               [](const store::FoundAirport &h) { return store::sourceText(h.source).toString(); }},
                              parent);
}

}  // namespace volmira::browser
