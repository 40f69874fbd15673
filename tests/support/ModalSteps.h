#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace volmira::test {

// What a test does in the modal dialogs the code under test opens: each step
// runs on the next dialog shown modally, while that dialog waits for the user
// (active, so that focus changes are seen), and must close it. A dialog left
// open is cancelled and fails the test, as does a dialog without a step or a
// step without a dialog. Header only: only the widget test programs link Qt's
// widgets.
class ModalSteps final : public QObject {
public:
    using Step = std::function<void(QDialog &)>;

    explicit ModalSteps(std::vector<Step> steps) : steps_(std::move(steps)) { qApp->installEventFilter(this); }
    ~ModalSteps() override {
        qApp->removeEventFilter(this);
        EXPECT_EQ(next_, steps_.size()) << "not every step found its dialog";
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal()) {
            // Run once the dialog's own event loop waits.
            const std::size_t step = next_++;
            QTimer::singleShot(0, dialog, [this, dialog, step] { run(dialog, step); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void run(QDialog *dialog, std::size_t step) {
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        if (step < steps_.size())
            steps_[step](*dialog);
        else
            ADD_FAILURE() << "a dialog without a step: " << dialog->objectName().toStdString();
        if (dialog->isVisible()) {
            ADD_FAILURE() << "step " << step << " left " << dialog->objectName().toStdString() << " open";
            dialog->reject();
        }
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

}  // namespace volmira::test
