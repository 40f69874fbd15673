#include "browser/AirportLookup.h"
#include "support/QtPrinters.h"
#include "support/SampleAirports.h"

#include <gtest/gtest.h>

using namespace volmira::browser;
using namespace volmira::store;

namespace {

class AirportLookup : public ::testing::Test {
protected:
    void SetUp() override { volmira::test::addSampleAirports(t); }
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

// The parts come from the store, the block, the sun and the last update, each
// tested on its own; here: that each part is the looked-up airport's.
TEST_F(AirportLookup, ViewHoldsEverythingTheWindowShows) {
    const AirportView view = lookup("FRA").value();
    EXPECT_EQ(view.texts[0], "Frankfurt/Main");
    EXPECT_EQ(view.runways.size(), 3u);
    EXPECT_EQ(view.frequencies.size(), 3u);
    EXPECT_EQ(view.approaches.size(), 2u);
    EXPECT_EQ(view.sun.sunrise, "Sonnenaufgang:      03:16 [ UTC ]");
    EXPECT_TRUE(view.lastUpdate.title.endsWith("Letzte Aktualisierung - Approach Info - 02 Mai 26"));
    EXPECT_TRUE(store().reads.airportByIcao("EDDF").value()->LastDate.isEmpty()) << "the lookup only reads";

    EXPECT_TRUE(storeLastDate(store(), view.airport.ICAO, view.lastUpdate, view.airport.LastDate).error().isEmpty());
    EXPECT_EQ(store().reads.airportByIcao("EDDF").value()->LastDate, "2026-05-02");

    const AirportView bare = lookup("ethn").value();
    EXPECT_EQ(bare.scheme, ColourScheme::Other);
    EXPECT_TRUE(bare.runways.empty() && bare.frequencies.empty() && bare.approaches.empty());
    EXPECT_TRUE(bare.lastUpdate.title.endsWith("Flughafen Info - 02 Jan 26"));
}
