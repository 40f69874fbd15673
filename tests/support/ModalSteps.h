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
// runs on the next dialog shown modally, while it waits (active, so that focus
// changes are seen), and closes it; else the dialog is cancelled and the test
// fails, as it does for a dialog without a step or a step without a dialog.
// Header only: only the widget test programs link Qt's widgets.
class ModalSteps final : public QObject {
public:
    using Step = std::function<void(QDialog &)>;

    explicit ModalSteps(std::vector<Step> steps) : steps_(std::move(steps)) { qApp->installEventFilter(this); }
    ~ModalSteps() override { EXPECT_EQ(next_, steps_.size()) << "not every step found its dialog"; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *dialog = qobject_cast<QDialog *>(watched);
        // Run once the dialog's own event loop waits.
        if (event->type() == QEvent::Show && dialog && dialog->isModal())
            QTimer::singleShot(0, dialog, [this, dialog, step = next_++] { run(*dialog, step); });
        return QObject::eventFilter(watched, event);
    }

private:
    void run(QDialog &dialog, std::size_t step) {
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        if (step < steps_.size()) steps_[step](dialog);
        EXPECT_FALSE(dialog.isVisible()) << "no step closed " << dialog.objectName().toStdString();
        if (dialog.isVisible()) dialog.reject();
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

}  // namespace volmira::test
