#include "platform/ui/QtGerman.h"
#include "support/WidgetTest.h"

using namespace volmira;
using QtGerman = test::WidgetTest;

// Qt's own texts the windows show: the preview's toolbar and a text box's menu.
TEST_F(QtGerman, QtsOwnTextsAreGerman) {
    const std::unique_ptr<QTranslator> german = platform::qtGerman();
    ASSERT_NE(german, nullptr) << "qt6-translations-l10n is missing";
    QCoreApplication::installTranslator(german.get());
    const struct { const char *context, *english, *german; } texts[] = {
        {"QPrintPreviewDialog", "Landscape", "Querformat"},
        {"QPrintPreviewDialog", "Page setup", "Seite einrichten"},
        {"QLineEdit", "&Undo", "&Rückgängig"},
    };
    for (const auto &t : texts)
        EXPECT_EQ(QCoreApplication::translate(t.context, t.english), QString::fromUtf8(t.german)) << t.english;
    QCoreApplication::removeTranslator(german.get());
}
