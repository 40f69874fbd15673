#include "store/DateText.h"

#include <array>
#include <optional>

namespace volmira::store {

namespace {

constexpr std::array<const char *, 12> kMonths = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                  "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

// Built from a character buffer: the import writes two of these texts per row.
QString twoDigits(int value) {
    const char16_t digits[2] = {char16_t(u'0' + value / 10 % 10), char16_t(u'0' + value % 10)};
    return QString(reinterpret_cast<const QChar *>(digits), 2);
}

// Three numbers of fixed width with a separator between them, as "2026-08-07"
// or "09:05:00"; a number too wide for its place is cut to its last digits.
QString fixedFields(int first, int firstWidth, int second, int third, char16_t separator) {
    char16_t text[10];
    int at = 0;
    auto put = [&](int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10) text[at + i] = char16_t(u'0' + value % 10);
        at += width;
    };
    put(first, firstWidth);
    text[at++] = separator;
    put(second, 2);
    text[at++] = separator;
    put(third, 2);
    return QString(reinterpret_cast<const QChar *>(text), at);
}

// The number written by exactly `digits` ASCII digits at `from`, or nothing.
std::optional<int> digitsAt(QStringView text, qsizetype from, qsizetype digits) {
    if (from < 0 || from + digits > text.size()) return std::nullopt;
    int value = 0;
    for (qsizetype i = from; i < from + digits; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

QDate dateOf(std::optional<int> year, std::optional<int> month, std::optional<int> day) {
    if (!year || !month || !day) return {};
    return QDate(*year, *month, *day);  // invalid for 31.02. and the like
}

QString dateWithMonthName(const QDate &date, int yearDigits) {
    if (!date.isValid()) return {};
    QString year = QString::number(date.year());
    if (yearDigits == 2) year = twoDigits(date.year() % 100);
    return twoDigits(date.day()) + QLatin1Char(' ') + QLatin1String(kMonths[date.month() - 1]) +
           QLatin1Char(' ') + year;
}

}  // namespace

QString germanMonth(int month) {
    if (month < 1 || month > 12) return {};
    return QLatin1String(kMonths[month - 1]);
}

QString germanDateShort(const QDate &date) { return dateWithMonthName(date, 2); }

QString germanDateLong(const QDate &date) { return dateWithMonthName(date, 4); }

QString defaultDateText(const QDate &date) {
    if (!date.isValid()) return {};
    return twoDigits(date.day()) + QLatin1Char('.') + twoDigits(date.month()) + QLatin1Char('.') +
           QString::number(date.year());
}

QString defaultTimeText(const QTime &time) {
    if (!time.isValid()) return {};
    return fixedFields(time.hour(), 2, time.minute(), time.second(), u':');
}

QString storedDateText(const QDate &date) {
    if (!date.isValid()) return {};
    if (date.year() < 1 || date.year() > 9999) return {};
    return fixedFields(date.year(), 4, date.month(), date.day(), u'-');
}

QDate parseStoredDate(const QString &text) {
    const QStringView t = QStringView(text).trimmed();
    if (t.size() == 10 && t[4] == u'-' && t[7] == u'-')
        return dateOf(digitsAt(t, 0, 4), digitsAt(t, 5, 2), digitsAt(t, 8, 2));
    if (t.size() == 10 && t[2] == u'.' && t[5] == u'.')
        return dateOf(digitsAt(t, 6, 4), digitsAt(t, 3, 2), digitsAt(t, 0, 2));
    return {};
}

QTime parseStoredTime(const QString &text) {
    const QStringView t = QStringView(text).trimmed();
    if (t.size() != 8 || t[2] != u':' || t[5] != u':') return {};
    const auto hour = digitsAt(t, 0, 2), minute = digitsAt(t, 3, 2), second = digitsAt(t, 6, 2);
    if (!hour || !minute || !second) return {};
    return QTime(*hour, *minute, *second);  // invalid for 25:00:00 and the like
}

}  // namespace volmira::store
