#include "platform/Dialogs.h"
#include "platform/ui/QtGerman.h"
#include "support/WidgetTest.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace volmira;
using MessageBoxes = test::WidgetTest;
using Answer = platform::Dialogs::Answer;

// The question's buttons say Ja and Nein, whatever Qt's own language; Enter gives the caller's default.
TEST_F(MessageBoxes, QuestionsAnswerJaOrNein) {
    const std::tuple<const char *, Answer, Answer> cases[] = {
        {"Ja", Answer::No, Answer::Yes}, {"Nein", Answer::Yes, Answer::No}, {"", Answer::No, Answer::No},
        {"", Answer::Yes, Answer::Yes}};
    for (const auto &[button, preset, answer] : cases) {
        QTimer::singleShot(0, [button = QString(button)] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            for (QAbstractButton *b : box->buttons()) (b->text() == button ? b->click() : void());
            if (box->isVisible()) QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(platform::MessageBoxes().ask(nullptr, "Frage", "Ja oder nein?", preset), answer) << button;
    }
}

// Message and input boxes are wide enough for their title, which the title bar would cut.
TEST_F(MessageBoxes, EveryBoxIsWideEnoughForItsTitle) {
    const QString title = "Eine recht lange Überschrift über einem kurzen Text";
    platform::MessageBoxes m;
    for (int kind = 0; kind < 2; ++kind) {
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            // Beside the title: the title bar's icon and three buttons (Qt alone leaves 50 pixels).
            EXPECT_GT(box->width(), box->fontMetrics().horizontalAdvance(title) + 120) << kind;
            box->close();
        });
        if (kind == 0) m.inform(nullptr, title, "Ja.");  // a question is sized as this message box
        if (kind == 1) (void)m.input(nullptr, title, "Name", "");
    }
}

// Qt's own texts the windows show: the preview's toolbar and a text box's menu.
TEST_F(MessageBoxes, QtsOwnTextsAreGerman) {
    const std::unique_ptr<QTranslator> german = platform::qtGerman();
    ASSERT_NE(german, nullptr) << "qt6-translations-l10n is missing";
    QCoreApplication::installTranslator(german.get());
    EXPECT_EQ(QCoreApplication::translate("QPrintPreviewDialog", "Page setup"), "Seite einrichten");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Rückgängig");
    QCoreApplication::removeTranslator(german.get());
}
