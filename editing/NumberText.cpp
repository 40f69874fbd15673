#include "editing/NumberText.h"

#include <cmath>

namespace volmira::editing {

std::optional<double> readNumber(const QString &text) {
    const QString trimmed = text.trimmed();
    QByteArray plain;  // the number with a decimal point, for the C locale's reader
    plain.reserve(trimmed.size());
    bool separatorSeen = false;
    bool digitSeen = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c >= u'0' && c <= u'9') {
            digitSeen = true;
            plain.append(char(c));
        } else if ((c == u'+' || c == u'-') && i == 0) {
            plain.append(char(c));
        } else if ((c == u'.' || c == u',') && !separatorSeen) {
            separatorSeen = true;
            plain.append('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen) return std::nullopt;
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
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

}  // namespace volmira::editing
