#pragma once

#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace volmira::platform {

// Message boxes behind an interface, so that tests answer them.
class Dialogs {
public:
    enum class Answer { Ok, Yes, No };
    virtual ~Dialogs() = default;
    // An error or notice with an OK button only.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // A question with Yes and No.
    [[nodiscard]] virtual Answer ask(QWidget *parent, const QString &title, const QString &text) = 0;
};

// The real message boxes (QMessageBox).
class MessageBoxes final : public Dialogs {
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    [[nodiscard]] Answer ask(QWidget *parent, const QString &title, const QString &text) override;
};

// Records every box and answers questions from a script (No when the script is empty).
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString title;
        QString text;
    };
    void inform(QWidget *, const QString &title, const QString &text) override { shown.push_back({title, text}); }
    [[nodiscard]] Answer ask(QWidget *, const QString &title, const QString &text) override {
        shown.push_back({title, text});
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
};

}  // namespace volmira::platform
