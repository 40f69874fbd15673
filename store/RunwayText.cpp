#include "store/RunwayText.h"

namespace volmira::store {

namespace {

std::optional<int> wholeNumber(const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString twoDigits(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

QChar mirrored(QChar side) {
    if (side == QLatin1Char('L')) return QLatin1Char('R');
    if (side == QLatin1Char('R')) return QLatin1Char('L');
    return side;
}

RunwayEnds pair(const QString &low, const QString &high) { return {low, high, low + QStringLiteral(" / ") + high}; }

std::optional<RunwayEnds> refuse(DesignatorFault reason, DesignatorFault *fault) {
    if (fault) *fault = reason;
    return std::nullopt;
}

}  // namespace

std::optional<RunwayEnds> runwayEnds(const QString &designator, DesignatorFault *fault) {
    if (fault) *fault = DesignatorFault::None;
    const QString text = designator.trimmed();

    if (const std::optional<int> number = wholeNumber(text)) {
        if (*number < 0 || *number > 36) return refuse(DesignatorFault::Number, fault);
        if (*number >= 18) {
            const int high = *number == 18 ? 36 : *number;
            return pair(twoDigits(high - 18), twoDigits(high));
        }
        const int low = *number == 0 ? 18 : *number;
        return pair(twoDigits(low), twoDigits(low + 18));
    }

    if (text.size() != 3 || !isAsciiDigit(text[0]) || !isAsciiDigit(text[1]))
        return refuse(DesignatorFault::Number, fault);
    QChar side = text[2].toUpper();
    if (side != QLatin1Char('L') && side != QLatin1Char('R') && side != QLatin1Char('C'))
        return refuse(DesignatorFault::Suffix, fault);
    // Two digits: the number part of a lettered designator has no upper limit.
    const int number = text.left(2).toInt();
    if (number < 18) {
        int low = number;
        if (low == 0) {
            low = 18;
            side = mirrored(side);
        }
        return pair(twoDigits(low) + side, twoDigits(low + 18) + mirrored(side));
    }
    int high = number;
    if (high == 18) {
        high = 36;
        side = mirrored(side);
    }
    return pair(twoDigits(high - 18) + mirrored(side), twoDigits(high) + side);
}

std::optional<QString> runwayHeadings(const QString &heading) {
    const std::optional<int> value = wholeNumber(heading.trimmed());
    if (!value || *value < 0 || *value > 360) return std::nullopt;
    int low = 0;
    int high = 0;
    if (*value >= 180) {
        high = *value == 180 ? 360 : *value;
        low = high - 180;
    } else {
        low = *value == 0 ? 180 : *value;
        high = low + 180;
    }
    return QStringLiteral("%1 / %2").arg(low, 3, 10, QLatin1Char('0')).arg(high);
}

}  // namespace volmira::store
