#include "store/exchange/ExchangeFile.h"

#include "store/DateText.h"
#include "store/IcaoCode.h"
#include "store/ValueRanges.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>

namespace volmira::store::exchange {

using recordfile::DateTime;
using recordfile::FieldDef;
using recordfile::FieldType;
using recordfile::Row;
using recordfile::Value;

namespace {

FieldDef text(const char *name, int size) { return {QString::fromLatin1(name), FieldType::Text, size, true}; }
FieldDef longText(const char *name) { return {QString::fromLatin1(name), FieldType::LongText, 1000, true}; }
FieldDef date(const char *name) { return {QString::fromLatin1(name), FieldType::DateTime, 0, true}; }
// Numeric columns carry no nullability of their own in the maker's files; they
// are declared nullable all the same, because airports without a value exist
// and the record-set library refuses a missing value in a column declared otherwise.
FieldDef number(const char *name, FieldType type) { return {QString::fromLatin1(name), type, 0, true}; }

std::vector<FieldDef> makeFields() {
    return {text("ICAO", 10),           text("dataType", 10),
            text("aName", 100),         text("aCOORDINATES", 30),
            number("aWGS_DLAT", FieldType::Double), number("aWGS_DLONG", FieldType::Double),
            number("aELEV", FieldType::Integer),    text("aPR", 20),
            number("aMAG_VAR", FieldType::Integer), number("aRwyALen", FieldType::Integer),
            number("aRwyGlen", FieldType::Integer), text("aType", 5),
            date("aDate"),              date("aTime"),
            text("cName", 30),          text("cFREQ", 50),
            date("cDate"),              date("cTime"),
            text("iRWY", 20),           text("iILS_FREQ", 20),
            text("iILS_IDENT", 20),     text("iILS_GS", 20),
            text("iOM_FREQ", 20),       text("iOM_IDENT", 20),
            date("iDate"),              date("iTime"),
            text("rRWY", 20),           text("rRWYHDG", 20),
            text("rSLOPE", 20),         number("rLENGTH", FieldType::Integer),
            number("rWIDTH", FieldType::Integer), number("rSURFACE", FieldType::Integer),
            text("rRWYLOW", 10),        text("rRWYHIGH", 10),
            date("rDate"),              date("rTime"),
            longText("mMyInfo"),        text("mCategory", 50),
            longText("mPrintInfo"),     date("mDate"),
            date("mTime")};
}

// --- database values to record values

Value textValue(const QString &value) {
    if (value.isNull()) return {};
    return value;
}

// "" + value: null arrives as the empty text.
Value joinedText(const QString &value) { return value.isNull() ? QString(QLatin1String("")) : value; }

Value integerValue(std::optional<int> value) {
    if (!value) return {};
    return qint64(*value);
}

// ELEV and MAG_VAR may hold fractions; the file's column is an integer, read
// back by the record-set library rounding half to even, which nearbyint does.
Value integerValue(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return {};
    const double rounded = std::nearbyint(*value);
    // Beyond 64 bits the conversion is undefined; the writer refuses such a value as it is.
    if (std::fabs(rounded) >= 9.2e18) return *value;
    return qint64(rounded);
}

Value doubleValue(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return {};
    return *value;
}

// Stored dates and times are texts; one that cannot be read has no value to write.
Value dateValue(const QString &stored) {
    const QDate day = parseStoredDate(stored);
    if (!day.isValid()) return {};
    return DateTime{day, QTime(0, 0)};
}

Value timeValue(const QString &stored) {
    const QTime time = parseStoredTime(stored);
    if (!time.isValid()) return {};
    return DateTime{recordfile::kOleDayZero, time};
}

Row record(const QString &icao, QStringView kind) {
    Row row(kColumnCount);
    row[ICAO] = textValue(icao);
    row[dataType] = kind.toString();
    return row;
}

// --- record values to database values

QString columnName(Column column) { return fields()[column].name; }

// The shortest text that reads back as the number. A value that a single
// holds exactly (the file declared a single) is written as the single it was:
// 109.9, not 109.90000152587891.
QString shortestText(double value) {
    char text[32];
    const float single = float(value);
    const auto written = double(single) == value ? std::to_chars(text, text + sizeof text, single)
                                                 : std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, written.ptr - text);
}

QString describe(const Value &value) {
    if (const auto *t = std::get_if<QString>(&value)) return *t;
    if (const auto *i = std::get_if<qint64>(&value)) return QString::number(*i);
    if (const auto *d = std::get_if<double>(&value)) return shortestText(*d);
    if (const auto *b = std::get_if<bool>(&value)) return *b ? QStringLiteral("True") : QStringLiteral("False");
    if (const auto *dt = std::get_if<DateTime>(&value))
        return dt->date.toString(Qt::ISODate) + u'T' + dt->time.toString(Qt::ISODate);
    return {};
}

QString misfit(Column column, const Value &value, const QString &what) {
    return {QStringLiteral("Spalte %1: „%2“ ist %3.").arg(columnName(column), describe(value).left(40), what)};
}

// Reads the columns of one record; the first value that does not fit is kept
// as the failure and later reads give empty values.
class RecordReader {
public:
    RecordReader(const ColumnMap &map, const Row &row, int *cutTexts = nullptr)
        : map_(map), row_(row), cutTexts_(cutTexts) {}

    // Longer than the column's size: cut to it, as the maker's record-set
    // library does when it loads the file. Long texts are never cut.
    QString text(Column column) {
        QString value = anyText(column);
        const FieldDef &field = fields()[column];
        if (field.type == FieldType::Text && field.size > 0 && value.size() > field.size) {
            qsizetype keep = field.size;
            if (value[keep - 1].isHighSurrogate()) --keep;  // never half a character
            value.truncate(keep);
            if (cutTexts_) ++*cutTexts_;
        }
        return value;
    }

    QString anyText(Column column) {
        const Value &v = map_.value(row_, column);
        if (recordfile::isNull(v)) return {};
        if (const auto *t = std::get_if<QString>(&v)) return t->isNull() ? QString(QLatin1String("")) : *t;
        return describe(v);  // a number or date declared by the maker where we write text
    }

    // A number within the range the entry dialogs accept.
    std::optional<double> within(Column column, ValueRange range) {
        const std::optional<double> d = real(column);
        if (d && !range.holds(*d)) {
            fail(misfit(column, map_.value(row_, column),
                        QStringLiteral("nicht im erlaubten Bereich von %1 bis %2")
                            .arg(range.lowest, 0, 'f', 0)
                            .arg(range.highest, 0, 'f', 0)));
            return std::nullopt;
        }
        return d;
    }

    // Lengths and widths.
    std::optional<int> notNegative(Column column) {
        if (!within(column, {0, double(std::numeric_limits<int>::max())})) return std::nullopt;
        return integer(column);
    }

    std::optional<double> real(Column column) {
        const Value &v = map_.value(row_, column);
        if (recordfile::isNull(v)) return std::nullopt;
        if (const auto *d = std::get_if<double>(&v); d && std::isfinite(*d)) return *d;
        if (const auto *i = std::get_if<qint64>(&v)) return double(*i);
        if (const auto *t = std::get_if<QString>(&v)) {
            if (t->trimmed().isEmpty()) return std::nullopt;
            bool ok = false;
            const double d = QLocale::c().toDouble(t->trimmed(), &ok);
            if (ok && std::isfinite(d)) return d;
        }
        fail(misfit(column, v, QStringLiteral("keine Zahl")));
        return std::nullopt;
    }

    std::optional<int> integer(Column column) {
        const std::optional<double> d = real(column);
        if (!d) return std::nullopt;
        const double rounded = std::nearbyint(*d);
        if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) {
            fail(misfit(column, map_.value(row_, column), QStringLiteral("keine ganze Zahl im erlaubten Bereich")));
            return std::nullopt;
        }
        return int(rounded);
    }

    QString date(Column column) {
        const Value &v = map_.value(row_, column);
        if (recordfile::isNull(v)) return {};
        if (const auto *dt = std::get_if<DateTime>(&v)) return storedDateText(dt->date);
        if (const auto *t = std::get_if<QString>(&v)) {
            if (t->trimmed().isEmpty()) return {};
            const QDate day = parseStoredDate(t->trimmed().left(10));
            if (day.isValid()) return storedDateText(day);
        }
        fail(misfit(column, v, QStringLiteral("kein Datum")));
        return {};
    }

    QString time(Column column) {
        const Value &v = map_.value(row_, column);
        if (recordfile::isNull(v)) return {};
        if (const auto *dt = std::get_if<DateTime>(&v)) return defaultTimeText(dt->time);
        if (const auto *t = std::get_if<QString>(&v)) {
            if (t->trimmed().isEmpty()) return {};
            const QTime time = parseStoredTime(t->trimmed().right(8));
            if (time.isValid()) return defaultTimeText(time);
        }
        fail(misfit(column, v, QStringLiteral("keine Uhrzeit")));
        return {};
    }

    // The code every record must carry: without it the rows would belong to no airport.
    QString code() {
        const QString icao = anyText(ICAO);
        if (icao.trimmed().isEmpty()) {
            fail(kNoCodeMessage.toString());
            return {};
        }
        platform::Result<QString> checked = checkedIcaoCode(icao);
        if (!checked) fail(checked.error());
        return checked ? *checked : QString();
    }

    template <typename T>
    Converted<T> result(T &&row) const {
        if (!failure_.isNull()) return failure_;
        return std::move(row);
    }

private:
    void fail(QString failure) {
        if (failure_.isNull()) failure_ = std::move(failure);
    }

    const ColumnMap &map_;
    const Row &row_;
    int *cutTexts_;
    QString failure_;  // null until a value does not fit
};

}  // namespace

const std::vector<FieldDef> &fields() {
    static const std::vector<FieldDef> all = makeFields();
    return all;
}

Row airportRecord(const ArptRow &r) {
    Row row = record(r.ICAO, kAirportKind);
    row[aName] = joinedText(r.Name);
    row[aCOORDINATES] = textValue(r.COORDINATES);
    row[aWGS_DLAT] = doubleValue(r.WGS_DLAT);
    row[aWGS_DLONG] = doubleValue(r.WGS_DLONG);
    row[aELEV] = integerValue(r.ELEV);
    row[aPR] = textValue(r.PR);
    row[aMAG_VAR] = integerValue(r.MAG_VAR);
    row[aRwyALen] = integerValue(r.RwyALen);
    row[aRwyGlen] = integerValue(r.RwyGLen);
    row[aType] = textValue(r.Type);
    row[aDate] = dateValue(r.Date);
    row[aTime] = timeValue(r.Time);
    return row;
}

Row frequencyRecord(const AcomRow &r) {
    Row row = record(r.ICAO, kFrequencyKind);
    row[cName] = joinedText(r.Name);
    row[cFREQ] = joinedText(r.FREQ);
    row[cDate] = dateValue(r.Date);
    row[cTime] = timeValue(r.Time);
    return row;
}

Row approachRecord(const IlsRow &r) {
    Row row = record(r.ICAO, kApproachKind);
    row[iRWY] = textValue(r.RWY);
    row[iILS_FREQ] = textValue(r.ILS_FREQ);
    row[iILS_IDENT] = textValue(r.ILS_IDENT);
    row[iILS_GS] = textValue(r.ILS_GS);
    row[iOM_FREQ] = textValue(r.OM_FREQ);
    row[iOM_IDENT] = textValue(r.OM_IDENT);
    row[iDate] = dateValue(r.Date);
    row[iTime] = timeValue(r.Time);
    return row;
}

Row runwayRecord(const RwyRow &r) {
    Row row = record(r.ICAO, kRunwayKind);
    row[rRWY] = textValue(r.RWY);
    row[rRWYHDG] = textValue(r.RWYHDG);
    row[rSLOPE] = textValue(r.SLOPE);
    row[rLENGTH] = integerValue(r.Length);
    row[rWIDTH] = integerValue(r.Width);
    row[rSURFACE] = integerValue(r.SURFACE);
    row[rRWYLOW] = textValue(r.RwyLow);
    row[rRWYHIGH] = textValue(r.RwyHigh);
    row[rDate] = dateValue(r.Date);
    row[rTime] = timeValue(r.Time);
    return row;
}

Row noteRecord(const MyInfoRow &r) {
    Row row = record(r.ICAO, kNoteKind);
    row[mMyInfo] = textValue(r.MyInfo);
    row[mCategory] = textValue(r.Category);
    row[mPrintInfo] = textValue(r.PrintInfo);
    row[mDate] = dateValue(r.Date);
    row[mTime] = timeValue(r.Time);
    return row;
}

ColumnMap::ColumnMap(const recordfile::Reader &reader) : fieldCount_(reader.fields().size()) {
    for (int c = 0; c < kColumnCount; ++c) at_[c] = reader.fieldIndex(fields()[c].name);
}

const Value &ColumnMap::value(const Row &row, Column column) const {
    static const Value null;
    const int at = at_[column];
    return at >= 0 && at < int(row.size()) ? row[at] : null;
}

std::vector<bool> ColumnMap::fieldsOf(std::initializer_list<Column> columns) const {
    std::vector<bool> marked(fieldCount_, false);
    for (const Column column : columns)
        if (at_[column] >= 0) marked[std::size_t(at_[column])] = true;
    return marked;
}

QString kindOf(const ColumnMap &map, const Row &row) {
    const auto *kind = std::get_if<QString>(&map.value(row, dataType));
    return kind ? *kind : QString();
}

AirportKey airportKey(const ColumnMap &map, const Row &row) {
    RecordReader read(map, row);
    AirportKey key;
    key.ICAO = read.anyText(ICAO);
    key.Name = read.text(aName);
    return key;
}

Converted<ArptRow> toAirport(const ColumnMap &map, const Row &row, int &cutTexts) {
    RecordReader read(map, row, &cutTexts);
    ArptRow r;
    r.ICAO = read.code();
    r.Name = read.text(aName);
    r.COORDINATES = read.text(aCOORDINATES);
    r.WGS_DLAT = read.within(aWGS_DLAT, kLatitudeRange);
    r.WGS_DLONG = read.within(aWGS_DLONG, kLongitudeRange);
    r.ELEV = read.within(aELEV, kElevationFeetRange);
    r.PR = read.text(aPR);
    r.MAG_VAR = read.within(aMAG_VAR, kVariationRange);
    r.RwyALen = read.notNegative(aRwyALen);
    r.RwyGLen = read.notNegative(aRwyGlen);
    r.Type = read.text(aType);
    r.Date = read.date(aDate);
    r.Time = read.time(aTime);
    return read.result(std::move(r));
}

Converted<AcomRow> toFrequency(const ColumnMap &map, const Row &row, int &cutTexts) {
    RecordReader read(map, row, &cutTexts);
    AcomRow r;
    r.ICAO = read.code();
    r.Name = read.text(cName);
    r.FREQ = read.text(cFREQ);
    r.Date = read.date(cDate);
    r.Time = read.time(cTime);
    return read.result(std::move(r));
}

Converted<IlsRow> toApproach(const ColumnMap &map, const Row &row, int &cutTexts) {
    RecordReader read(map, row, &cutTexts);
    IlsRow r;
    r.ICAO = read.code();
    r.RWY = read.text(iRWY);
    r.ILS_FREQ = read.text(iILS_FREQ);
    r.ILS_IDENT = read.text(iILS_IDENT);
    r.ILS_GS = read.text(iILS_GS);
    r.OM_FREQ = read.text(iOM_FREQ);
    r.OM_IDENT = read.text(iOM_IDENT);
    r.Date = read.date(iDate);
    r.Time = read.time(iTime);
    return read.result(std::move(r));
}

Converted<RwyRow> toRunway(const ColumnMap &map, const Row &row, int &cutTexts) {
    RecordReader read(map, row, &cutTexts);
    RwyRow r;
    r.ICAO = read.code();
    r.RWY = read.text(rRWY);
    r.RWYHDG = read.text(rRWYHDG);
    r.SLOPE = read.text(rSLOPE);
    r.Length = read.notNegative(rLENGTH);
    r.Width = read.notNegative(rWIDTH);
    r.SURFACE = read.integer(rSURFACE);
    r.RwyLow = read.text(rRWYLOW);
    r.RwyHigh = read.text(rRWYHIGH);
    r.Date = read.date(rDate);
    r.Time = read.time(rTime);
    return read.result(std::move(r));
}

Converted<MyInfoRow> toNote(const ColumnMap &map, const Row &row, int &cutTexts) {
    RecordReader read(map, row, &cutTexts);
    MyInfoRow r;
    r.ICAO = read.code();
    r.MyInfo = read.text(mMyInfo);
    r.Category = read.text(mCategory);
    r.PrintInfo = read.text(mPrintInfo);
    r.Date = read.date(mDate);
    r.Time = read.time(mTime);
    return read.result(std::move(r));
}

}  // namespace volmira::store::exchange
