#include "browser/AirportLookup.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira::browser;
using namespace volmira::store;

namespace {

class AirportLookup : public ::testing::Test {
protected:
    void SetUp() override {
        addAirport("EDDF", "Frankfurt/Main", "VLP");
        addAirport("EDDG", "M\u00FCnster Osnabr\u00FCck", "vlp");
        addAirport("EDDM", "M\u00FCnchen", "VLP");
        addAirport("EDKO", "Brilon/Hochsauerland", "SLP");
        addAirport("LIAP", "L'Aquila Preturo", "SLP");
        addAirport("ZZZ", "Dreibuchstabenplatz", "SLP");
        ok(store().edits.insertAirportCode({"FRA", "EDDF"}));
        ok(store().edits.insertAirportCode({"FMO", " EDDG "}));
        ok(store().edits.insertAirportCode({"XXX", "EDQQ"}));
        ok(store().edits.insertAirportCode({"Q'A", "LIAP"}));
        for (const char *rwy : {"18 / 36", "07C / 25C", "07L / 25R"})
            ok(store().edits.insertRunway({0, "EDDF", rwy, {}, {}, {}, {}, {}, {}, 0, "2026-03-01", "08:00:00"}));
        ok(store().edits.insertRunway({0, "EDDM", "08L / 26R", {}, {}, {}, {}, {}, {}, 0, "2026-09-01", "08:00:00"}));
        for (const char *name : {"TOWER", "apron", "ATIS"})
            ok(store().edits.insertFrequency({0, "EDDF", name, "118.775", "2026-04-01", "09:00:00"}));
        for (const char *rwy : {"25R", "07L"})
            ok(store().edits.insertApproach({0, "EDDF", rwy, {}, {}, {}, {}, {}, "2026-05-02", "07:15:00"}));
    }

    // At the position of the worked sunrise example, 50.0 N 8.6 E.
    void addAirport(const char *icao, const char *name, const char *type) {
        ArptRow row = t.airport(icao, name);
        row.Type = type;
        row.COORDINATES = "5000.0 N / 00836.0 E";
        row.WGS_DLAT = 50.0;
        row.WGS_DLONG = 8.6;
        row.MAG_VAR = 3;
        row.LastDate.clear();
        t.add(row);
    }

    static void ok(const QString &error) { EXPECT_TRUE(error.isEmpty()) << error.toStdString(); }
    AirportStore &store() { return *t.store; }
    std::optional<AirportView> lookup(const char *entered) {
        return lookupAirport(store(), entered, QDate(2026, 6, 21)).value();
    }

    volmira::test::TempDatabase t;
};

}  // namespace

TEST_F(AirportLookup, ThreeCharactersAreIataEverythingElseIcao) {
    const struct {
        const char *entered, *icao;  // icao empty: not found
    } cases[] = {
        {"EDDF", "EDDF"}, {"FRA", "EDDF"}, {"  EDDF  ", "EDDF"}, {" FRA ", "EDDF"}, {"eddf", "EDDF"},
        {"fra", "EDDF"},  {"FMO", "EDDG"},  // AirportCode holds the ICAO code with blanks
        {"Q'A", "LIAP"},  {"", ""},         {"   ", ""},         {"EDD", ""},      {"ZZZ", ""},  // IATA only
        {"ED", ""},       {"EDDFX", ""},    {"XXX", ""},  // IATA of a missing airport
        {"ED'F", ""},     {"O'H", ""},      {"Frankfurt/Main", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lookup(c.entered).value_or(AirportView{}).airport.ICAO, c.icao) << '"' << c.entered << '"';
}

TEST_F(AirportLookup, ViewHoldsEverythingTheWindowShows) {
    const AirportView view = lookup("FRA").value();
    EXPECT_EQ(view.texts[3], "ELEV: 364 ft / 111 m");
    EXPECT_EQ(view.scheme, ColourScheme::Vlp);
    std::vector<QString> runways, frequencies, approaches;
    for (const RwyRow &r : view.runways) runways.push_back(r.RWY);
    for (const AcomRow &r : view.frequencies) frequencies.push_back(r.Name);
    for (const IlsRow &r : view.approaches) approaches.push_back(r.RWY);
    EXPECT_EQ(runways, (std::vector<QString>{"07C / 25C", "07L / 25R", "18 / 36"}));
    EXPECT_EQ(frequencies, (std::vector<QString>{"apron", "ATIS", "TOWER"}));
    EXPECT_EQ(approaches, (std::vector<QString>{"07L", "25R"}));
    EXPECT_EQ(view.sun.sunrise, "Sonnenaufgang:      03:16 [ UTC ]");
    EXPECT_TRUE(view.lastUpdate.title.endsWith("Letzte Aktualisierung - Approach Info - 02 Mai 26"));
    EXPECT_TRUE(store().reads.airportByIcao("EDDF").value()->LastDate.isEmpty()) << "the lookup only reads";

    EXPECT_TRUE(storeLastDate(store(), view.airport.ICAO, view.lastUpdate, view.airport.LastDate).isEmpty());
    EXPECT_EQ(store().reads.airportByIcao("EDDF").value()->LastDate, "2026-05-02");

    const AirportView bare = lookup("edko").value();
    EXPECT_EQ(bare.scheme, ColourScheme::Other);
    EXPECT_TRUE(bare.runways.empty() && bare.frequencies.empty() && bare.approaches.empty());
    EXPECT_TRUE(bare.lastUpdate.title.endsWith("Flughafen Info - 02 Jan 26"));
    EXPECT_EQ(lookup("FMO")->scheme, ColourScheme::Vlp) << "\"vlp\" in lower case";
}
