#include "platform/Dialogs.h"
#include "support/WidgetTest.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace volmira;
using MessageBoxes = test::WidgetTest;

// The question's buttons say Ja and Nein, whatever Qt's own language.
TEST_F(MessageBoxes, QuestionsAnswerJaOrNein) {
    platform::MessageBoxes boxes;
    const std::pair<const char *, platform::Dialogs::Answer> answers[] = {{"Ja", platform::Dialogs::Answer::Yes},
                                                                          {"Nein", platform::Dialogs::Answer::No}};
    for (const auto &[button, answer] : answers) {
        QTimer::singleShot(0, [button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton *b : box->buttons())
                if (b->text() == button) return b->click();
            box->reject();
        });
        EXPECT_EQ(boxes.ask(nullptr, "Frage", "Ja oder nein?"), answer) << button;
    }
}
