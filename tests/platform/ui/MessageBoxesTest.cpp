#include "platform/Dialogs.h"
#include "support/WidgetTest.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace volmira;
using MessageBoxes = test::WidgetTest;
using Answer = platform::Dialogs::Answer;

namespace {

// Runs `step` on the box once it is shown modally.
void onBox(std::function<void(QDialog &)> step) {
    QTimer::singleShot(0, [step = std::move(step)] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        step(*box);
        if (box->isVisible()) box->reject();
    });
}

}  // namespace

// The question's buttons say Ja and Nein, whatever Qt's own language.
TEST_F(MessageBoxes, QuestionsAnswerJaOrNein) {
    for (const auto &[button, answer] : {std::pair{"Ja", Answer::Yes}, std::pair{"Nein", Answer::No}}) {
        onBox([button = QString(button)](QDialog &d) {
            for (QAbstractButton *b : static_cast<QMessageBox &>(d).buttons())
                if (b->text() == button) b->click();
        });
        EXPECT_EQ(platform::MessageBoxes().ask(nullptr, "Frage", "Ja oder nein?", Answer::Yes), answer) << button;
    }
}

// Enter answers as the caller chose: a question that deletes keeps on Enter.
TEST_F(MessageBoxes, EnterGivesTheDefaultAnswer) {
    for (const Answer wanted : {Answer::No, Answer::Yes}) {
        onBox([](QDialog &d) { QTest::keyClick(&d, Qt::Key_Return); });
        EXPECT_EQ(platform::MessageBoxes().ask(nullptr, "Löschen", "Wirklich?", wanted), wanted);
    }
}

// Each kind of box is at least as wide as its title, which the title bar would cut.
TEST_F(MessageBoxes, EveryBoxIsWideEnoughForItsTitle) {
    const QString title = "Eine recht lange Überschrift über einem kurzen Text";
    const std::function<void(platform::MessageBoxes &)> boxes[] = {
        [&](platform::MessageBoxes &m) { m.inform(nullptr, title, "Ja."); },
        [&](platform::MessageBoxes &m) { (void)m.ask(nullptr, title, "Ja?", Answer::No); },
        [&](platform::MessageBoxes &m) { (void)m.input(nullptr, title, "Name", ""); },
    };
    for (const auto &show : boxes) {
        int width = 0;
        int needed = 0;
        onBox([&](QDialog &d) {
            width = d.width();
            needed = d.fontMetrics().horizontalAdvance(title);
        });
        platform::MessageBoxes m;
        show(m);
        EXPECT_GT(width, needed);
    }
}
