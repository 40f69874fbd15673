#include "app/ui/Main.h"
#include "browser/ui/NoteSearchWindow.h"
#include "browser/ui/frmAirport.h"

#include "support/AirportWindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTextEdit>

using namespace volmira;

using NoteSearch = test::AirportWindowTest;

TEST_F(NoteSearch, TypingListsTheHitsAndEnterShowsTheNoteAtItsAirport) {
    for (const char *category : {"Kontakt", "Tanken"}) ASSERT_TRUE(t.store->notes.insertCategory(category).ok());
    ASSERT_TRUE(t.store->notes.save("EDDM", "Tanken", "AVGAS nur Mo-Fr", "AVGAS nur Mo-Fr").ok());
    ASSERT_TRUE(t.store->notes.save("EDDM", "Kontakt", "Tel. Turm\nPPR 24h beim Turm", "Tel. Turm").ok());
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.show();
    main.mnuNoteSearch->trigger();
    browser::NoteSearchWindow *search = main.findChild<browser::NoteSearchWindow *>();
    ASSERT_TRUE(search && search->isVisible());
    const auto hit = [&](int row) {
        QStringList cells;
        for (int column = 0; column < search->hitList->columnCount(); ++column) cells << search->hitList->item(row, column)->text();
        return cells.join(u'|').toStdString();
    };
    type(search->searchText, "mo");
    ASSERT_EQ(search->hitList->rowCount(), 1);
    EXPECT_EQ(hit(0), "EDDM|M\u00FCnchen|Tanken|AVGAS nur Mo-Fr");
    search->searchCategory->setCurrentText("Kontakt");
    EXPECT_EQ(search->hitList->rowCount(), 0);
    EXPECT_EQ(search->hitCount->text(), "kein Treffer");

    search->searchCategory->setCurrentIndex(0);
    search->searchText->clear();
    type(search->searchText, "turm p");
    ASSERT_EQ(search->hitList->rowCount(), 1);
    EXPECT_EQ(hit(0), "EDDM|M\u00FCnchen|Kontakt|PPR 24h beim Turm");
    // The window closes on the key going down; it comes up in the code box, which showTyped focuses.
    QTest::keyPress(search->searchText, Qt::Key_Return);
    QTest::keyRelease(main.airportWindow()->tAirport, Qt::Key_Return);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(main.airportWindow()->currentIcao(), "EDDM");
    const auto *categories = main.airportWindow()->findChild<QListWidget *>("listAirportCategories");
    ASSERT_TRUE(categories->isVisible() && categories->currentItem());
    EXPECT_EQ(categories->currentItem()->text(), "*Kontakt");
    EXPECT_EQ(main.airportWindow()->findChild<QTextEdit *>("rtfAirportinfo")->toPlainText(), "Tel. Turm\nPPR 24h beim Turm");
}
