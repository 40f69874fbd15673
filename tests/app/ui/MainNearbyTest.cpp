#include "app/ui/Main.h"
#include "browser/ui/frmAirport.h"
#include "browser/ui/frmNearby.h"

#include "support/Files.h"
#include "support/ModalSteps.h"
#include "support/WidgetTest.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace volmira;

namespace {

class NearbyWindow : public test::WidgetTest {
protected:
    void SetUp() override {
        for (const auto &[icao, coordinates, latitude, longitude] :
             {std::tuple{"EDDF", "5001.6 N / 00833.5 E", 50.026667, 8.558333}, {"EDFZ", "4958.1 N / 00808.1 E", 49.968333, 8.135},
              {"EDFE", "4957.7 N / 00838.5 E", 49.961667, 8.641667}, {"EDDM", "4821.2 N / 01147.2 E", 48.353333, 11.786667}}) {
            store::ArptRow row = t.airport(icao, QStringLiteral("Platz ") + icao);
            row.COORDINATES = coordinates;
            row.WGS_DLAT = latitude;
            row.WGS_DLONG = longitude;
            t.add(row);
        }
        test::writeFile(QDir(t.folder()).filePath("Apt.crm"), "\"EDDF\"\r\n");
    }

    static QStringList codes(const browser::frmNearby &nearby) {
        QStringList listed;
        for (int row = 0; row < nearby.gridNearby->rowCount(); ++row) listed << nearby.gridNearby->item(row, 0)->text();
        return listed;
    }
};

}  // namespace

TEST_F(NearbyWindow, ListsTheAirportsAroundNearestFirstAndKeepsTheRadius) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.showAirportWindow();
    {
        const auto nearby = main.makeNearbyWindow();
        ASSERT_NE(nearby, nullptr);
        EXPECT_TRUE(nearby->lblSunrise->text().startsWith("Sonnenaufgang:"));
        EXPECT_EQ(codes(*nearby), (QStringList{"EDFE", "EDFZ"}));
        EXPECT_EQ(nearby->gridNearby->item(0, 2)->text(), "5,1");  // NM: 3.9 north, 3.2 east
        nearby->tRadius->setValue(200);
        EXPECT_EQ(codes(*nearby), (QStringList{"EDFE", "EDFZ", "EDDM"}));
    }
    EXPECT_EQ(main.makeNearbyWindow()->tRadius->value(), 200);
    test::writeFile(QDir(t.folder()).filePath("Umkreis.crm"), "\"viel\"\r\n");  // damaged: the default
    EXPECT_EQ(main.makeNearbyWindow()->tRadius->value(), 50);
}

TEST_F(NearbyWindow, ADoubleClickShowsThatAirport) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.show();
    browser::frmAirport &airport = main.showAirportWindow();
    ASSERT_EQ(airport.currentIcao(), "EDDF");
    test::ModalSteps steps({[](QDialog &nearby) {
        auto *grid = nearby.findChild<QTableWidget *>("gridNearby");
        const QPoint cell = grid->visualItemRect(grid->item(1, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);  // a double click's first press
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    }});
    main.mnuNearby->trigger();
    EXPECT_EQ(airport.currentIcao(), "EDFZ");
}
