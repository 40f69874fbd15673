#pragma once

#include <QString>

#include <deque>
#include <optional>
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
    // A question with Yes and No; Enter gives the default answer. A question
    // that deletes defaults to No, so that only a deliberate Yes deletes.
    [[nodiscard]] virtual Answer ask(QWidget *parent, const QString &title, const QString &text,
                                     Answer defaultAnswer) = 0;
    // An input box offering the proposed text; nothing when it is cancelled.
    [[nodiscard]] virtual std::optional<QString> input(QWidget *parent, const QString &title, const QString &prompt,
                                                       const QString &proposed) = 0;
};

// The real message boxes (QMessageBox).
class MessageBoxes final : public Dialogs {
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    [[nodiscard]] Answer ask(QWidget *parent, const QString &title, const QString &text,
                             Answer defaultAnswer) override;
    [[nodiscard]] std::optional<QString> input(QWidget *parent, const QString &title, const QString &prompt,
                                               const QString &proposed) override;
};

// Records every box and answers questions and input boxes from scripts (No,
// and cancel, when a script is empty). An input box is recorded with its
// prompt as text and the proposed text in `proposed`, a question with its
// default answer.
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString title;
        QString text;
        QString proposed;
        std::optional<Answer> defaultAnswer;
    };
    void inform(QWidget *, const QString &title, const QString &text) override {
        shown.push_back({title, text, {}, {}});
    }
    [[nodiscard]] Answer ask(QWidget *, const QString &title, const QString &text, Answer defaultAnswer) override {
        shown.push_back({title, text, {}, defaultAnswer});
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    [[nodiscard]] std::optional<QString> input(QWidget *, const QString &title, const QString &prompt,
                                               const QString &proposed) override {
        shown.push_back({title, prompt, proposed, {}});
        if (inputs.empty()) return std::nullopt;
        const bool cancelled = !inputs.front();
        const QString a = inputs.front().value_or(QString());
        inputs.pop_front();
        if (cancelled) return std::nullopt;
        return a;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
};

}  // namespace volmira::platform
