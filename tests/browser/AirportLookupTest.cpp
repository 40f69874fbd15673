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
    std::optional<AirportView> lookup(const char *entered) { return lookupAirport(*t.store, entered, QDate(2026, 6, 21)).value(); }

    volmira::test::TempDatabase t;
};

}  // namespace

TEST_F(AirportLookup, ThreeCharactersAreIataEverythingElseIcao) {
    const struct {
        const char *entered, *icao;  // icao empty: not found
    } cases[] = {
        {"EDDF", "EDDF"}, {" fra ", "EDDF"}, {"  eddf  ", "EDDF"},
        {"FMO", "EDDG"},  // AirportCode holds the ICAO code with blanks
        {"Q'A", "LIAP"},  {"   ", ""},       {"EDD", ""},  {"ZZZ", ""},  // IATA only
        {"EDDFX", ""},    {"XXX", ""},  // IATA of a missing airport
        {"O'H", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lookup(c.entered).value_or(AirportView{}).airport.ICAO, c.icao) << '"' << c.entered << '"';
}

// The parts are tested on their own and shown by the window; here: that the
// view is the looked-up airport's, its approaches counted in the last change.
TEST_F(AirportLookup, ViewIsTheAirportsAndTheLookupOnlyReads) {
    const AirportView view = lookup("FRA").value();
    EXPECT_EQ(view.approaches.size(), 2u);
    EXPECT_TRUE(view.lastUpdate.title.endsWith("Letzte Aktualisierung - Approach Info - 02 Mai 26"));
    EXPECT_TRUE(t.store->reads.airportByIcao("EDDF").value()->LastDate.isEmpty());
    EXPECT_EQ(lookup("ethn").value().scheme, ColourScheme::Other);
}
