#include "support/SampleAirports.h"

#include <gtest/gtest.h>

namespace volmira::test {

void expectOk(const QString &error) { EXPECT_TRUE(error.isEmpty()) << error.toStdString(); }

void addSampleAirport(TempDatabase &t, const char *icao, const QString &name, const char *type) {
    store::ArptRow row = t.airport(icao, name);
    row.Type = type;
    row.COORDINATES = "5000.0 N / 00836.0 E";
    row.WGS_DLAT = 50.0;
    row.WGS_DLONG = 8.6;
    row.LastDate.clear();
    t.add(row);
}

void addSampleAirports(TempDatabase &t) {
    const char *airports[][3] = {
        {"EDDF", "Frankfurt/Main", "VLP"},     {"EDDG", "M\u00FCnster Osnabr\u00FCck", "vlp"},
        {"EDDM", "M\u00FCnchen", "VLP"},        {"EDKO", "Brilon/Hochsauerland", "SLP"},
        {"EDKA", "Aachen-Merzbr\u00FCck", "SLP"}, {"ETHN", "Hohn", "SLP"},
        {"LIAP", "L'Aquila Preturo", "SLP"},   {"ZZZ", "Dreibuchstabenplatz", "SLP"},
    };
    for (const auto &[icao, name, type] : airports) addSampleAirport(t, icao, QString::fromUtf8(name), type);
    store::AirportStore &s = *t.store;
    for (const auto &[iata, icao] : {std::pair{"FRA", "EDDF"}, {"FMO", " EDDG "}, {"XXX", "EDQQ"}, {"Q'A", "LIAP"}})
        expectOk(s.edits.insertAirportCode({iata, icao}).error());
    for (const char *rwy : {"18 / 36", "07C / 25C", "07L / 25R"})
        expectOk(s.edits.insertRunway({0, "EDDF", rwy, {}, {}, "070", "0.1", 4000, 60, 0, "2026-03-01", "08:00:00"}).error());
    expectOk(s.edits.insertRunway({0, "EDKO", "06 / 24", {}, {}, "060", {}, 880, 30, 1, "2026-02-01", "08:00:00"}).error());
    expectOk(s.edits.insertRunway({0, "EDKA", "07 / 25", {}, {}, "070", {}, 520, 30, 2, "2026-02-01", "08:00:00"}).error());
    expectOk(s.edits.insertRunway({0, "EDKA", "08 / 26", {}, {}, "080", {}, 1000, 20, 0, "2026-02-01", "08:00:00"}).error());
    for (const char *name : {"TOWER", "apron", "ATIS"})
        expectOk(s.edits.insertFrequency({0, "EDDF", name, "118.775", "2026-04-01", "09:00:00"}).error());
    expectOk(s.edits.insertFrequency({0, "EDKO", "BRILON INFO", "122.600", "2026-02-01", "08:00:00"}).error());
    for (const char *rwy : {"25R", "07L"})
        expectOk(s.edits.insertApproach({0, "EDDF", rwy, "110.700", "IFE", "3.0", {}, {}, "2026-05-02", "07:15:00"}).error());
}

}  // namespace volmira::test
