#pragma once

#include <QDateEdit>

namespace volmira::browser {

// A date picker that writes the day as the program writes dates, "21 Mrz 2026",
// with the German month abbreviations (Qt's German locale knows only dotted and
// long forms such as "März" or "Sept."). Editing, stepping and parsing are
// Qt's own in the C locale, whose English abbreviations have the same length,
// so every section keeps its place in the text.
class GermanDateEdit final : public QDateEdit {
public:
    explicit GermanDateEdit(QWidget *parent = nullptr);

protected:
    QString textFromDateTime(const QDateTime &dateTime) const override;
    QDateTime dateTimeFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

}  // namespace volmira::browser
