#include "platform/NumberText.h"

#include <QList>

#include <cmath>

namespace volmira::platform {

namespace {

bool allDigits(QStringView text) {
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// Digits grouped by points in threes: "1.200", "12.000.000"; the first group
// has one to three digits and no leading zero.
bool isGrouped(QStringView whole) {
    const QList<QStringView> groups = whole.split(u'.');
    if (groups.size() < 2) return false;
    const QStringView first = groups.front();
    if (first.isEmpty() || first.size() > 3 || first.front() == u'0' || !allDigits(first)) return false;
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups[i].size() != 3 || !allDigits(groups[i])) return false;
    return true;
}

}  // namespace

std::optional<double> readNumber(const QString &text) {
    QStringView body = QStringView(text).trimmed();
    QByteArray plain;  // sign, digits and a decimal point, for the C locale's reader
    if (body.startsWith(u'+') || body.startsWith(u'-')) {
        plain.append(char(body.front().unicode()));
        body = body.mid(1);
    }
    const qsizetype comma = body.indexOf(u',');
    QStringView whole = comma < 0 ? body : body.left(comma);
    QStringView fraction = comma < 0 ? QStringView() : body.mid(comma + 1);
    bool decimal = comma >= 0;
    QString wholeDigits = whole.toString();
    if (whole.contains(u'.')) {
        if (isGrouped(whole)) {
            wholeDigits.remove(u'.');
        } else if (!decimal && whole.count(u'.') == 1) {  // a decimal point: "800.4", "0.125"
            const qsizetype point = whole.indexOf(u'.');
            fraction = whole.mid(point + 1);
            wholeDigits = whole.left(point).toString();
            decimal = true;
        } else {
            return std::nullopt;
        }
    }
    if (!allDigits(wholeDigits) || !allDigits(fraction) || wholeDigits.size() + fraction.size() == 0)
        return std::nullopt;
    plain.append(wholeDigits.toLatin1());
    if (decimal) plain.append('.').append(fraction.toLatin1());
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString hashFormat(double value) {
    const double whole = std::round(value);
    return whole == 0 ? QString() : QString::number(whole, 'f', 0);
}

QString boxText(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return {};
    QString text = QString::number(*value + 0.0, 'f', 6);  // + 0.0: no "-0"
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    if (text == QLatin1String("-0")) return QStringLiteral("0");
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace volmira::platform
