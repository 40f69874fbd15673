#include "browser/ui/frmGermanDateEdit.h"

#include "store/DateText.h"

#include <QCalendarWidget>
#include <QLocale>

#include <array>

namespace volmira::browser {

namespace {

struct MonthNames {
    std::array<QString, 12> german;
    std::array<QString, 12> english;
};

const MonthNames &monthNames() {
    static const MonthNames names = [] {
        MonthNames n;
        for (int month = 1; month <= 12; ++month) {
            n.german[month - 1] = store::germanDateShort(QDate(2001, month, 1)).mid(3, 3);
            n.english[month - 1] = QLocale::c().monthName(month, QLocale::ShortFormat);
        }
        return n;
    }();
    return names;
}

// Replaces a whole month abbreviation of one list by the other's; other text stays.
QString swapMonth(const QString &text, const std::array<QString, 12> &from, const std::array<QString, 12> &to) {
    QStringList words = text.split(u' ');
    for (QString &word : words) {
        for (std::size_t i = 0; i < from.size(); ++i) {
            if (word.compare(from[i], Qt::CaseInsensitive) == 0) {
                word = to[i];
                break;
            }
        }
    }
    return words.join(u' ');
}

QString toEnglish(const QString &text) { return swapMonth(text, monthNames().german, monthNames().english); }
QString toGerman(const QString &text) { return swapMonth(text, monthNames().english, monthNames().german); }

}  // namespace

GermanDateEdit::GermanDateEdit(QWidget *parent) : QDateEdit(parent) {
    setLocale(QLocale::c());
    setDisplayFormat(QStringLiteral("dd MMM yyyy"));
    setCalendarPopup(true);
    calendarWidget()->setLocale(QLocale(QLocale::German, QLocale::Germany));
}

QString GermanDateEdit::textFromDateTime(const QDateTime &dateTime) const {
    return store::germanDateLong(dateTime.date());
}

QDateTime GermanDateEdit::dateTimeFromText(const QString &text) const {
    return QDateEdit::dateTimeFromText(toEnglish(text));
}

QValidator::State GermanDateEdit::validate(QString &input, int &pos) const {
    QString english = toEnglish(input);
    const QValidator::State state = QDateEdit::validate(english, pos);
    input = toGerman(english);
    return state;
}

void GermanDateEdit::fixup(QString &input) const {
    QString english = toEnglish(input);
    QDateEdit::fixup(english);
    input = toGerman(english);
}

}  // namespace volmira::browser
