#include "platform/ui/GermanQtTexts.h"
#include "support/WidgetTest.h"

#include <QLineEdit>
#include <QMenu>

using GermanQtTexts = volmira::test::WidgetTest;

// A text box's context menu is Qt's own; it speaks German like the rest.
TEST_F(GermanQtTexts, TextBoxMenusAreGerman) {
    volmira::platform::installGermanQtTexts();
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    EXPECT_TRUE(menu->actions().at(0)->text().startsWith("&Rückgängig")) << menu->actions().at(0)->text().toStdString();
}
