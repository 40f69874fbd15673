// "Karte drucken" on the map page.
#include "browser/ui/MapPanel.h"
#include "support/AirportWindowFixture.h"
#include "support/MapPageFiles.h"
#include "support/ModalSteps.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPdfDocument>
#include <QPushButton>

using namespace volmira;

namespace {
using MapPrintButton = test::AirportWindowTest;
}  // namespace

TEST_F(MapPrintButton, KarteDruckenWorksWhileAMapIsShownAndWritesThePdfChosen) {
    const QString jpeg = QDir(t.folder()).filePath("plan.jpg"), pdf = QDir(t.folder()).filePath("karte.pdf");
    test::writeJpeg(jpeg, 800, 600);
    ASSERT_TRUE(t.store->maps.saveLink("EDDF", 0, t.folder(), "plan.jpg", "Plan").ok());
    ASSERT_TRUE(t.store->maps.activate("EDDF", 0).ok());
    open();
    auto *print = control<QPushButton>("cmdPrintMap");
    EXPECT_FALSE(print->isEnabled());
    window->ToggleMapView();
    ASSERT_TRUE(QTest::qWaitFor([print] { return print->isEnabled(); }, 10'000));
    {
        test::ModalSteps steps({[](QDialog &choice) {
                                    choice.findChild<QComboBox *>("cboPrintTarget")->setCurrentIndex(1);  // PDF-Datei
                                    choice.findChild<QComboBox *>("cboPaper")->setCurrentIndex(1);        // A5
                                    choice.accept();
                                },
                                [&](QDialog &file) {
                                    qobject_cast<QFileDialog *>(&file)->selectFile(pdf);
                                    file.accept();
                                }});
        print->click();
    }
    QPdfDocument written;
    ASSERT_EQ(written.load(pdf), QPdfDocument::Error::None);
    EXPECT_NEAR(written.pagePointSize(0).width(), 595.3, 1);  // A5 across: the picture is wider than tall
    EXPECT_NEAR(written.pagePointSize(0).height(), 419.5, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    window->mapPanel().clear();
    EXPECT_FALSE(print->isEnabled());
}
