#include "editing/AirportEntry.h"

#include "support/EntryChecks.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::editing;

namespace {

// A new airport EDDX as typed, with one box changed.
AirportTexts eddx(int box = kNameBox, const char *text = "Musterstadt", const char *unit = "ft") {
    AirportTexts texts = newAirportTexts();
    texts.tAPT = {"eddx", "2", "Musterstadt", "364", "1000 ft"};
    texts.tCoord = {"4907,1", "00946.5"};
    texts.cmbftm = unit;
    (box < 5 ? texts.tAPT[box] : texts.tCoord[box - 5]) = QString::fromUtf8(text);
    return texts;
}

volmira::platform::Result<bool> storedAre(const QString &icao) { return icao == "EDDF"; }

TEST(AirportEntry, CheckinfoChecksInItsOrderAndConverts) {
    // Every box wrong at first; each step mends the box whose message came, the last step gives the airport.
    AirportTexts texts = eddx(kElevationBox, "ft", "m");
    texts.tAPT = {"EDDFX", "W", "Musterstadt", "ft", "12345678901234567890"};
    texts.tCoord = {"N", "E"};
    texts.cmbVar = "W";
    const std::vector<std::tuple<const char *, int, int, const char *>> steps{  // message, focus, box mended, text
        {"Fehler PR", kCircuitBox, kCircuitBox, ""},       {"Fehler ICAO", kCodeBox, kCodeBox, "EDDF"},
        {" Fehler ELEV", kElevationBox, kElevationBox, "500"}, {" Fehler VAR", kVariationBox, kVariationBox, "2"},
        {" Fehler coord0", kNoBox, kLatitudeBox, "1"},     {" Fehler coord1", kNoBox, kLongitudeBox, "1"},
        {"Bitte Breitengrad im Format XXXXX.X eingeben. Bsp: 3340.7", kNoBox, kLatitudeBox, "4907,1"},
        {"Bitte Längengrad im Format XXXXXX.X eingeben. Bsp: 00840.7", kNoBox, kLongitudeBox, "00946.5"},
        {"Für den ICAO Code - EDDF existiert schon ein Flughafen. Bitte Daten überprüfen", kNoBox, kCodeBox, "eddx"}};
    for (const auto &[message, box, mend, mended] : steps) {
        const EntryFailure failure = failureOf(Checkinfo(texts, storedAre));
        EXPECT_EQ(std::pair(failure.text, failure.box), std::pair(QString::fromUtf8(message), box));
        (mend < 5 ? texts.tAPT[mend] : texts.tCoord[mend - 5]) = QString::fromUtf8(mended);
    }
    const AirportEntry e = std::get<AirportEntry>(Checkinfo(texts, storedAre));
    EXPECT_EQ(std::tuple(e.ICAO, e.COORDINATES, e.ELEV, e.MAG_VAR, e.Type),
              std::tuple(QString("EDDX"), QString("4907.1 N / 00946.5 E"), 1640.0, -2.0, QString("VLP")));
    EXPECT_NEAR(e.WGS_DLAT, 49.118333, 1e-6);
    EXPECT_NEAR(e.WGS_DLONG, 9.775, 1e-9);
}

TEST(AirportEntry, BoundsAndShapesAreRefusedWithTheBoxMessage) {
    const std::vector<std::tuple<int, const char *, const char *>> cases{
        {kCodeBox, "ED'X", "Fehler ICAO"}, {kCodeBox, "HAM", "Fehler ICAO"}, {kElevationBox, "30001", " Fehler ELEV"},
        {kVariationBox, "-3", " Fehler VAR"}, {kVariationBox, "180.5", " Fehler VAR"}, {kLongitudeBox, "946.5", "Bitte L"},
        {kLatitudeBox, "04907.1", "Bitte B"}, {kLatitudeBox, "4975.0", "Bitte B"}, {kLatitudeBox, "9000.1", "Bitte B"},
        {kLatitudeBox, "9999.9", "Bitte B"},  {kLongitudeBox, "-0946.5", "Bitte L"}};
    for (const auto &[box, text, message] : cases)
        EXPECT_TRUE(failureOf(Checkinfo(eddx(box, text), storedAre)).text.startsWith(QString::fromUtf8(message)));
    EXPECT_EQ(failureOf(Checkinfo(eddx(kElevationBox, "-610", "m"), storedAre)).box, kElevationBox);  // -2001 ft
    std::string wideCircuit;  // as many characters as the box takes, each of two UTF-16 units
    for (int i = 0; i < 19; ++i) wideCircuit += "\U0001F6EB";
    EXPECT_EQ(failureOf(Checkinfo(eddx(kCircuitBox, wideCircuit.c_str()), storedAre)).box, -2);
}

TEST(AirportEntry, TypedNumbersAreReadAsGermansTypeThemAndStoredWhole) {
    const std::vector<std::tuple<const char *, const char *, const char *, double, double>> cases{
        // elevation, unit, variation ("W" below 0), ELEV, MAG_VAR
        {"1.146", "ft", "2", 1146, 2},      {"1500.5", "ft", "2.5W", 1500, -2}, {"1501,5", "ft", "3,5", 1502, 4},
        {"1.200,5", "ft", "0,4W", 1200, 0}, {"1.000", "m", "1.5", 3280, 2}};
    for (const auto &[elevation, unit, variation, feet, degrees] : cases) {
        AirportTexts texts = eddx(kElevationBox, elevation, unit);
        QString magnitude = QString::fromUtf8(variation);
        if (magnitude.endsWith('W')) {
            magnitude.chop(1);
            texts.cmbVar = "W";
        }
        texts.tAPT[kVariationBox] = magnitude;
        const AirportEntry e = std::get<AirportEntry>(Checkinfo(texts, storedAre));
        EXPECT_EQ(std::pair(e.ELEV, e.MAG_VAR), std::pair(feet, degrees)) << elevation << " " << variation;
    }
}

TEST(AirportEntry, ChangeFillsTheBoxesFromTheStoredRow) {
    volmira::store::ArptRow stored;
    stored.COORDINATES = " 4841.4 s/00913.3 w ";
    stored.MAG_VAR = -2;
    stored.PR = "123456789012345678901";  // longer than the box takes
    const AirportTexts texts = std::get<AirportTexts>(airportTexts(stored));
    EXPECT_EQ(std::tuple(texts.tAPT[kVariationBox], texts.cmbVar, texts.tAPT[kElevationBox], texts.tCoord, texts.cmbNS,
                         texts.cmbEW, texts.chkSLP, texts.newAirport),
              std::tuple(QString("2"), QString("W"), QString(), std::array<QString, 2>{"4841.4", "00913.3"},
                         QString("S"), QString("W"), true, false));
    AirportTexts edited = texts;
    edited.tAPT[kElevationBox] = "1200";
    EXPECT_EQ(failureOf(Checkinfo(edited, nullptr, texts)).box, -2);  // the circuit text left as stored
    stored.COORDINATES = "4907.1 n / 00946.5 o";  // O for Ost
    EXPECT_EQ(std::get<AirportTexts>(airportTexts(stored)).cmbEW, "E");
    for (const char *coordinates : {"4841.4 N 00913.3 E", "N / 00913.3 E", "4841.4 N /  ", "4841.4 X / 00913.3 E",
                                    "4841.4 E / 00913.3 N", "4841.4 N / 00913.3 S"}) {
        stored.COORDINATES = coordinates;
        EXPECT_EQ(failureOf(airportTexts(stored)).text, "Fehler in Koordinaten") << coordinates;
    }
}

}  // namespace
