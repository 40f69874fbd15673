#include "platform/Dialogs.h"
#include "support/WidgetTest.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

using namespace volmira;
using MessageBoxes = test::WidgetTest;

// The question's buttons say Ja and Nein, whatever Qt's own language.
TEST_F(MessageBoxes, QuestionsAnswerJaOrNein) {
    using Answer = platform::Dialogs::Answer;
    for (const auto &[button, answer] : {std::pair{"Ja", Answer::Yes}, std::pair{"Nein", Answer::No}}) {
        QTimer::singleShot(0, [button = QString(button)] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            for (QAbstractButton *b : box->buttons()) (b->text() == button ? b->click() : void());
            if (box->isVisible()) box->reject();
        });
        EXPECT_EQ(platform::MessageBoxes().ask(nullptr, "Frage", "Ja oder nein?"), answer) << button;
    }
}
