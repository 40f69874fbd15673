#include "store/recordfile/RecordFileValues.h"

#include "store/recordfile/RecordFileSchema.h"
#include "store/recordfile/RecordFileTokenizer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace volmira::store::recordfile::detail {

namespace {

// dt:maxLength of a column without limit.
constexpr qint64 kUnlimited = 4294967295;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isXmlBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isXmlBlank(text.back())) text.remove_suffix(1);
    return text;
}

struct Range {
    qint64 min;
    qint64 max;
};

Range rangeOf(Kind kind) {
    switch (kind) {
    case Kind::Int8: return {-128, 127};
    case Kind::UInt8: return {0, 255};
    case Kind::Int16: return {-32768, 32767};
    case Kind::UInt16: return {0, 65535};
    case Kind::Int32: return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
    case Kind::UInt32: return {0, std::numeric_limits<quint32>::max()};
    // ui8 values above the signed range have no place in a qint64.
    case Kind::UInt64: return {0, std::numeric_limits<qint64>::max()};
    default: return {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()};
    }
}

ValueFault parseInteger(Kind kind, std::string_view text, qint64 &value) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return ValueFault::Malformed;
    for (const char c : text)
        if (!isDigit(c)) return ValueFault::Malformed;
    // Magnitudes up to 2^63 fit; anything longer is out of every range.
    constexpr quint64 kLimit = quint64(1) << 63;
    quint64 magnitude = 0;
    for (const char c : text) {
        magnitude = magnitude * 10 + quint64(c - '0');
        if (magnitude > kLimit) return ValueFault::OutOfRange;
    }
    if (!negative && magnitude == kLimit) return ValueFault::OutOfRange;
    const qint64 signedValue = negative ? qint64(0 - magnitude) : qint64(magnitude);
    const Range range = rangeOf(kind);
    if (signedValue < range.min || signedValue > range.max) return ValueFault::OutOfRange;
    value = signedValue;
    return ValueFault::None;
}

// from_chars reports both overflow and underflow as out of range; a value too
// small for a double is zero, not an error. It is small when the digits before
// the decimal point (without leading zeros) plus the exponent stay below one.
bool underflows(std::string_view text) {
    size_t i = text.empty() || text.front() != '-' ? 0 : 1;
    while (i < text.size() && text[i] == '0') ++i;
    qint64 scale = 0;
    while (i < text.size() && isDigit(text[i])) ++scale, ++i;
    if (scale == 0 && i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] == '0') --scale, ++i;
    }
    const size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos) return scale <= 0;
    size_t j = e + 1;
    const bool negativeExponent = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    qint64 exponent = 0;
    for (; j < text.size() && exponent < 100000; ++j) exponent = exponent * 10 + (text[j] - '0');
    return scale + (negativeExponent ? -exponent : exponent) <= 0;
}

ValueFault parseDouble(std::string_view text, double &value) {
    text = trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    double parsed = 0;
    const char *last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, parsed, std::chars_format::general);
    if (end != last || text.empty()) return ValueFault::Malformed;
    if (error == std::errc::result_out_of_range) {
        if (!underflows(text)) return ValueFault::OutOfRange;
        parsed = text.front() == '-' ? -0.0 : 0.0;
    } else if (error != std::errc()) {
        return ValueFault::Malformed;
    }
    // from_chars reads "nan" and "inf", which the library never writes.
    if (!std::isfinite(parsed)) return ValueFault::Malformed;
    value = parsed;
    return ValueFault::None;
}

char *putDigits(char *at, int value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        at[i] = char('0' + value % 10);
        value /= 10;
    }
    return at + count;
}

void appendGeneral(QByteArray &out, double value, int precision) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, precision);
    // %G writes the exponent with a capital E.
    for (char *c = buffer.data(); c != result.ptr; ++c)
        if (*c == 'e') *c = 'E';
    out.append(buffer.data(), result.ptr - buffer.data());
}

}  // namespace

ColumnType columnType(const TypeDeclaration &declaration) {
    const QString type = declaration.dtType.trimmed().toLower();
    const qint64 length = declaration.maxLength.value_or(kUnlimited);
    ColumnType column;
    column.size = length >= 0 && length < kUnlimited && length <= std::numeric_limits<int>::max() ? int(length) : 0;
    auto is = [&](std::initializer_list<const char *> names) {
        for (const char *name : names)
            if (type == QLatin1String(name)) return true;
        return false;
    };
    if (type.isEmpty() || is({"string"})) {
        const bool unlimited = declaration.isLong || !declaration.maxLength || length >= kUnlimited;
        column.type = unlimited ? FieldType::LongText : FieldType::Text;
        return column;
    }
    struct Named {
        const char *name;
        FieldType type;
        Kind kind;
    };
    static const Named kinds[] = {
        {"i1", FieldType::Integer, Kind::Int8},       {"ui1", FieldType::Integer, Kind::UInt8},
        {"i2", FieldType::Integer, Kind::Int16},      {"ui2", FieldType::Integer, Kind::UInt16},
        {"int", FieldType::Integer, Kind::Int32},     {"i4", FieldType::Integer, Kind::Int32},
        {"integer", FieldType::Integer, Kind::Int32}, {"ui4", FieldType::Integer, Kind::UInt32},
        {"i8", FieldType::Integer, Kind::Int64},      {"ui8", FieldType::Integer, Kind::UInt64},
        {"r4", FieldType::Single, Kind::Single},      {"float", FieldType::Double, Kind::Double},
        {"r8", FieldType::Double, Kind::Double},      {"number", FieldType::Double, Kind::Double},
        {"currency", FieldType::Double, Kind::Double}, {"decimal", FieldType::Double, Kind::Double},
        {"numeric", FieldType::Double, Kind::Double}, {"boolean", FieldType::Boolean, Kind::Boolean},
        {"datetime", FieldType::DateTime, Kind::DateTime}, {"date", FieldType::DateTime, Kind::DateTime},
        {"time", FieldType::DateTime, Kind::DateTime},
    };
    for (const Named &named : kinds) {
        if (type == QLatin1String(named.name)) {
            column.type = named.type;
            column.kind = named.kind;
            return column;
        }
    }
    // uuid, bin.hex, dateTime.tz and whatever else: the text as stored.
    column.type = FieldType::Text;
    return column;
}

std::optional<bool> flag(QStringView text) {
    text = text.trimmed();
    if (text.compare(u"true", Qt::CaseInsensitive) == 0 || text == u"1" || text == u"-1") return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0 || text == u"0") return false;
    return std::nullopt;
}

std::optional<DateTime> parseDateTime(std::string_view text) {
    text = trimmed(text);
    size_t at = 0;
    auto number = [&](int count, int &out) {
        if (at + size_t(count) > text.size()) return false;
        out = 0;
        for (int i = 0; i < count; ++i) {
            const char c = text[at + size_t(i)];
            if (!isDigit(c)) return false;
            out = out * 10 + (c - '0');
        }
        at += size_t(count);
        return true;
    };
    auto take = [&](char c) {
        if (at >= text.size() || text[at] != c) return false;
        ++at;
        return true;
    };

    DateTime value{kOleDayZero, QTime(0, 0)};
    if (text.size() > 4 && text[4] == '-') {
        int year = 0, month = 0, day = 0;
        if (!number(4, year) || !take('-') || !number(2, month) || !take('-') || !number(2, day)) return std::nullopt;
        if (year < 100 || !QDate::isValid(year, month, day)) return std::nullopt;
        value.date = QDate(year, month, day);
        if (at == text.size()) return value;
        if (!take('T') && !take('t') && !take(' ')) return std::nullopt;
    }
    int hour = 0, minute = 0, second = 0;
    if (!number(2, hour) || !take(':') || !number(2, minute)) return std::nullopt;
    if (take(':')) {
        if (!number(2, second)) return std::nullopt;
        // Fractions of a second are dropped: the column holds whole seconds,
        // and rounding up could carry into the next day.
        if (take('.')) {
            const size_t first = at;
            while (at < text.size() && isDigit(text[at])) ++at;
            if (at == first || at - first > 9) return std::nullopt;
        }
    }
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    // A time zone written by another tool is ignored.
    if (!take('Z') && !take('z') && (take('+') || take('-'))) {
        int zoneHours = 0, zoneMinutes = 0;
        if (!number(2, zoneHours)) return std::nullopt;
        const bool colon = take(':');
        if ((colon || at < text.size()) && !number(2, zoneMinutes)) return std::nullopt;
        if (zoneHours > 23 || zoneMinutes > 59) return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;
    value.time = QTime(hour, minute, second);
    return value;
}

ValueFault parseValue(Kind kind, std::string_view text, Value &value) {
    switch (kind) {
    case Kind::Double:
    case Kind::Single: {
        double number = 0;
        if (const ValueFault fault = parseDouble(text, number); fault != ValueFault::None) return fault;
        if (kind == Kind::Single) {
            const float single = float(number);
            if (std::isinf(single)) return ValueFault::OutOfRange;
            number = single;
        }
        value = number;
        return ValueFault::None;
    }
    case Kind::Boolean: {
        const std::string_view word = trimmed(text);
        if (equalsIgnoringCase(word, "true")) {
            value = true;
        } else if (equalsIgnoringCase(word, "false")) {
            value = false;
        } else {
            double number = 0;
            if (parseDouble(word, number) == ValueFault::Malformed) return ValueFault::Malformed;
            value = number != 0;
        }
        return ValueFault::None;
    }
    case Kind::DateTime: {
        const std::optional<DateTime> date = parseDateTime(text);
        if (!date) return ValueFault::Malformed;
        value = *date;
        return ValueFault::None;
    }
    default: {
        qint64 number = 0;
        if (const ValueFault fault = parseInteger(kind, text, number); fault != ValueFault::None) return fault;
        value = number;
        return ValueFault::None;
    }
    }
}

void appendDouble(QByteArray &out, double value) { appendGeneral(out, value, 17); }

void appendSingle(QByteArray &out, double value) { appendGeneral(out, double(float(value)), 8); }

void appendInteger(QByteArray &out, qint64 value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr - buffer.data());
}

bool appendDateTime(QByteArray &out, const DateTime &value) {
    QDate date = value.date.isValid() ? value.date : kOleDayZero;
    int seconds = value.time.isValid() ? (value.time.msecsSinceStartOfDay() + 500) / 1000 : 0;
    if (seconds == 24 * 3600) {
        date = date.addDays(1);
        seconds = 0;
    }
    if (date.year() < 100 || date.year() > 9999) return false;
    char buffer[19];
    char *at = putDigits(buffer, date.year(), 4);
    *at++ = '-';
    at = putDigits(at, date.month(), 2);
    *at++ = '-';
    at = putDigits(at, date.day(), 2);
    *at++ = 'T';
    at = putDigits(at, seconds / 3600, 2);
    *at++ = ':';
    at = putDigits(at, seconds / 60 % 60, 2);
    *at++ = ':';
    at = putDigits(at, seconds % 60, 2);
    out.append(buffer, at - buffer);
    return true;
}

void appendEscaped(QByteArray &out, QStringView text) {
    const qsizetype start = out.size();
    // At most six bytes per UTF-16 unit (a reference such as &#x26;).
    out.resize(start + text.size() * 6);
    char *at = out.data() + start;
    auto put = [&](const char *reference) {
        while (*reference) *at++ = *reference++;
    };
    const char16_t *units = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = units[i];
        if (c < 0x80) {
            switch (c) {
            case u'&': put("&#x26;"); break;
            case u'<': put("&#x3c;"); break;
            case u'>': put("&#x3e;"); break;
            case u'"': put("&#x22;"); break;
            case u'\'': put("&#x27;"); break;
            case u'\t': put("&#x9;"); break;
            case u'\n': put("&#xa;"); break;
            case u'\r': put("&#xd;"); break;
            default:
                if (c >= 0x20) *at++ = char(c);
            }
        } else if (c < 0x800) {
            *at++ = char(0xC0 | (c >> 6));
            *at++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
                const char32_t code = QChar::surrogateToUcs4(c, units[++i]);
                *at++ = char(0xF0 | (code >> 18));
                *at++ = char(0x80 | ((code >> 12) & 0x3F));
                *at++ = char(0x80 | ((code >> 6) & 0x3F));
                *at++ = char(0x80 | (code & 0x3F));
            }
        } else if (!QChar::isLowSurrogate(c) && c != 0xFFFE && c != 0xFFFF) {
            *at++ = char(0xE0 | (c >> 12));
            *at++ = char(0x80 | ((c >> 6) & 0x3F));
            *at++ = char(0x80 | (c & 0x3F));
        }
    }
    out.resize(at - out.data());
}

}  // namespace volmira::store::recordfile::detail
