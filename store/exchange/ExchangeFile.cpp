#include "store/exchange/ExchangeFile.h"

#include "store/DateText.h"
#include "store/IcaoCode.h"
#include "store/NoteStore.h"
#include "store/Table.h"
#include "store/TextWidth.h"
#include "store/ValueRanges.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace volmira::store::exchange {

using recordfile::DateTime;
using recordfile::FieldDef;
using recordfile::FieldType;
using recordfile::Row;
using recordfile::Value;

namespace {

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


// --- record values to database values

QString columnName(int column) { return fields()[std::size_t(column)].name; }

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

QString misfit(int column, const Value &value, const QString &what) {
    return {QStringLiteral("Spalte %1: „%2“ ist %3.").arg(columnName(column), describe(value).left(40), what)};
}

// Reads the columns of one record; the first value that does not fit is kept
// as the failure and later reads give empty values.
class RecordReader {
public:
    RecordReader(const ColumnMap &map, const Row &row) : map_(map), row_(row) {}

    QString anyText(int column) {
        const Value &v = map_.value(row_, column);
        if (recordfile::isNull(v)) return {};
        if (const auto *t = std::get_if<QString>(&v)) return t->isNull() ? QString(QLatin1String("")) : *t;
        return describe(v);  // a number or date declared by the maker where we write text
    }

    // A number within the range the entry dialogs accept.
    std::optional<double> within(int column, ValueRange range) {
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
    std::optional<int> notNegative(int column) {
        if (!within(column, {0, double(std::numeric_limits<int>::max())})) return std::nullopt;
        return integer(column);
    }

    std::optional<double> real(int column) {
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

    std::optional<int> integer(int column) {
        const std::optional<double> d = real(column);
        if (!d) return std::nullopt;
        const double rounded = std::nearbyint(*d);
        if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) {
            fail(misfit(column, map_.value(row_, column), QStringLiteral("keine ganze Zahl im erlaubten Bereich")));
            return std::nullopt;
        }
        return int(rounded);
    }

    QString date(int column) {
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

    QString time(int column) {
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
        const QString icao = anyText(kCodeColumn);
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
    QString failure_;  // null until a value does not fit
};

// --- the column table

// How a column's value travels between the table row and the file.
enum class Form {
    Text,       // varchar(size); null stays null
    NamedText,  // varchar(size), written as "" + value: null arrives as the empty text
    LongText,   // long text, never fitted
    Date,       // a stored YYYY-MM-DD as a date
    Time,       // a stored HH:MM:SS as a time of day
    Real,       // a double within its range
    Whole,      // a number within its range, written as an integer
    Count,      // an integer, not negative: lengths and widths
    Integer,    // any 32-bit integer
};

FieldDef declaration(const char *name, Form form, int size) {
    const QString n = QString::fromLatin1(name);
    switch (form) {
    case Form::Text:
    case Form::NamedText: return {n, FieldType::Text, size, true};
    case Form::LongText: return {n, FieldType::LongText, 1000, true};
    case Form::Date:
    case Form::Time: return {n, FieldType::DateTime, 0, true};
    case Form::Real: return {n, FieldType::Double, 0, true};
    default:
        // Numeric columns carry no nullability of their own in the maker's files; they
        // are declared nullable all the same, because airports without a value exist
        // and the record-set library refuses a missing value in a column declared otherwise.
        return {n, FieldType::Integer, 0, true};
    }
}

// One column of a record kind: its declaration and how it is written from and
// read into the member of the table row it carries.
template <typename TableRow>
struct Field {
    FieldDef def;
    Form form;
    ValueRange range;
    Value (*write)(const Field &, const TableRow &);
    void (*read)(const Field &, RecordReader &, int column, TableRow &);
    QString *(*text)(TableRow &);  // the member of a fitted text; null for other columns
};

template <auto Member>
Field<typename detail::MemberOf<decltype(Member)>::Row> field(const char *name, Form form, int size = 0,
                                                      ValueRange range = {0, 0}) {
    using TableRow = typename detail::MemberOf<decltype(Member)>::Row;
    using Type = typename detail::MemberOf<decltype(Member)>::Value;
    Field<TableRow> f{declaration(name, form, size), form, range, nullptr, nullptr, nullptr};
    if constexpr (std::is_same_v<Type, QString>) {
        f.write = [](const Field<TableRow> &self, const TableRow &r) {
            const QString &v = r.*Member;
            return self.form == Form::Date ? dateValue(v)
                   : self.form == Form::Time ? timeValue(v)
                   : self.form == Form::NamedText ? joinedText(v)
                                                  : textValue(v);
        };
        f.read = [](const Field<TableRow> &self, RecordReader &read, int column, TableRow &r) {
            r.*Member = self.form == Form::Date ? read.date(column)
                        : self.form == Form::Time ? read.time(column)
                                                  : read.anyText(column);
        };
        if (form == Form::Text || form == Form::NamedText) f.text = [](TableRow &r) { return &(r.*Member); };
    } else if constexpr (std::is_same_v<Type, std::optional<double>>) {
        f.write = [](const Field<TableRow> &self, const TableRow &r) {
            return self.form == Form::Whole ? integerValue(r.*Member) : doubleValue(r.*Member);
        };
        f.read = [](const Field<TableRow> &self, RecordReader &read, int column, TableRow &r) {
            r.*Member = read.within(column, self.range);
        };
    } else {
        static_assert(std::is_same_v<Type, std::optional<int>>, "no exchange form for this member");
        f.write = [](const Field<TableRow> &, const TableRow &r) { return integerValue(r.*Member); };
        f.read = [](const Field<TableRow> &self, RecordReader &read, int column, TableRow &r) {
            r.*Member = self.form == Form::Count ? read.notNegative(column) : read.integer(column);
        };
    }
    return f;
}

// A record kind: its dataType text and its columns, which follow one another
// in the file from position `first` on.
template <typename TableRow>
struct Kind {
    QStringView name;
    int first = 0;
    std::vector<Field<TableRow>> fields;
};

// The file's columns in order: the code and the kind, then the columns of the
// five kinds. Each kind's position follows from the columns before it.
struct Layout {
    std::vector<FieldDef> all{declaration("ICAO", Form::Text, 10), declaration("dataType", Form::Text, 10)};
    Kind<ArptRow> airport = add<ArptRow>(
        kAirportKind, {field<&ArptRow::Name>("aName", Form::NamedText, 100),
                       field<&ArptRow::COORDINATES>("aCOORDINATES", Form::Text, 30),
                       field<&ArptRow::WGS_DLAT>("aWGS_DLAT", Form::Real, 0, kLatitudeRange),
                       field<&ArptRow::WGS_DLONG>("aWGS_DLONG", Form::Real, 0, kLongitudeRange),
                       field<&ArptRow::ELEV>("aELEV", Form::Whole, 0, kElevationFeetRange),
                       field<&ArptRow::PR>("aPR", Form::Text, 20),
                       field<&ArptRow::MAG_VAR>("aMAG_VAR", Form::Whole, 0, kVariationRange),
                       field<&ArptRow::RwyALen>("aRwyALen", Form::Count),
                       field<&ArptRow::RwyGLen>("aRwyGlen", Form::Count),
                       field<&ArptRow::Type>("aType", Form::Text, 5),
                       field<&ArptRow::Date>("aDate", Form::Date),
                       field<&ArptRow::Time>("aTime", Form::Time)});
    Kind<AcomRow> frequency = add<AcomRow>(kFrequencyKind, {field<&AcomRow::Name>("cName", Form::NamedText, 30),
                                                            field<&AcomRow::FREQ>("cFREQ", Form::NamedText, 50),
                                                            field<&AcomRow::Date>("cDate", Form::Date),
                                                            field<&AcomRow::Time>("cTime", Form::Time)});
    Kind<IlsRow> approach = add<IlsRow>(kApproachKind, {field<&IlsRow::RWY>("iRWY", Form::Text, 20),
                                                         field<&IlsRow::ILS_FREQ>("iILS_FREQ", Form::Text, 20),
                                                         field<&IlsRow::ILS_IDENT>("iILS_IDENT", Form::Text, 20),
                                                         field<&IlsRow::ILS_GS>("iILS_GS", Form::Text, 20),
                                                         field<&IlsRow::OM_FREQ>("iOM_FREQ", Form::Text, 20),
                                                         field<&IlsRow::OM_IDENT>("iOM_IDENT", Form::Text, 20),
                                                         field<&IlsRow::Date>("iDate", Form::Date),
                                                         field<&IlsRow::Time>("iTime", Form::Time)});
    Kind<RwyRow> runway = add<RwyRow>(kRunwayKind, {field<&RwyRow::RWY>("rRWY", Form::Text, 20),
                                                     field<&RwyRow::RWYHDG>("rRWYHDG", Form::Text, 20),
                                                     field<&RwyRow::SLOPE>("rSLOPE", Form::Text, 20),
                                                     field<&RwyRow::Length>("rLENGTH", Form::Count),
                                                     field<&RwyRow::Width>("rWIDTH", Form::Count),
                                                     field<&RwyRow::SURFACE>("rSURFACE", Form::Integer),
                                                     field<&RwyRow::RwyLow>("rRWYLOW", Form::Text, 10),
                                                     field<&RwyRow::RwyHigh>("rRWYHIGH", Form::Text, 10),
                                                     field<&RwyRow::Date>("rDate", Form::Date),
                                                     field<&RwyRow::Time>("rTime", Form::Time)});
    Kind<MyInfoRow> note = add<MyInfoRow>(kNoteKind, {field<&MyInfoRow::MyInfo>("mMyInfo", Form::LongText),
                                                      field<&MyInfoRow::Category>("mCategory", Form::Text, kMaxCategoryLength),
                                                      field<&MyInfoRow::PrintInfo>("mPrintInfo", Form::LongText),
                                                      field<&MyInfoRow::Date>("mDate", Form::Date),
                                                      field<&MyInfoRow::Time>("mTime", Form::Time)});

    template <typename TableRow>
    Kind<TableRow> add(QStringView name, std::vector<Field<TableRow>> fields) {
        Kind<TableRow> kind{name, int(all.size()), std::move(fields)};
        for (const Field<TableRow> &f : kind.fields) all.push_back(f.def);
        return kind;
    }

    template <typename TableRow>
    const Kind<TableRow> &of() const {
        if constexpr (std::is_same_v<TableRow, ArptRow>) return airport;
        else if constexpr (std::is_same_v<TableRow, AcomRow>) return frequency;
        else if constexpr (std::is_same_v<TableRow, IlsRow>) return approach;
        else if constexpr (std::is_same_v<TableRow, RwyRow>) return runway;
        else return note;
    }
};

const Layout &layout() {
    static const Layout table;
    return table;
}

}  // namespace

const std::vector<FieldDef> &fields() { return layout().all; }

int columnAt(QStringView name) {
    const std::vector<FieldDef> &all = fields();
    for (std::size_t c = 0; c < all.size(); ++c)
        if (all[c].name == name) return int(c);
    return -1;
}

template <typename TableRow>
Row recordOf(const TableRow &r) {
    const Kind<TableRow> &kind = layout().of<TableRow>();
    Row row(fields().size());
    row[kCodeColumn] = textValue(r.ICAO);
    row[kKindColumn] = kind.name.toString();
    int column = kind.first;
    for (const Field<TableRow> &f : kind.fields) row[std::size_t(column++)] = f.write(f, r);
    return row;
}

template <typename TableRow>
int fitToColumns(TableRow &r) {
    int changed = 0;
    for (const Field<TableRow> &f : layout().of<TableRow>().fields) {
        if (!f.text) continue;
        bool fitted = false;
        QString &text = *f.text(r);
        text = fitToWidth(text, f.def.size, &fitted);
        changed += fitted;
    }
    return changed;
}

template <typename TableRow>
Converted<TableRow> rowOf(const ColumnMap &map, const Row &row, int &cutTexts) {
    const Kind<TableRow> &kind = layout().of<TableRow>();
    RecordReader read(map, row);
    TableRow r;
    r.ICAO = read.code();
    int column = kind.first;
    for (const Field<TableRow> &f : kind.fields) f.read(f, read, column++, r);
    cutTexts += fitToColumns(r);
    return read.result(std::move(r));
}

#define VOLMIRA_EXCHANGE_KIND(TableRow)                                                          \
    template Row recordOf<TableRow>(const TableRow &);                                          \
    template int fitToColumns<TableRow>(TableRow &);                                            \
    template Converted<TableRow> rowOf<TableRow>(const ColumnMap &, const Row &, int &);
VOLMIRA_EXCHANGE_KIND(ArptRow)
VOLMIRA_EXCHANGE_KIND(AcomRow)
VOLMIRA_EXCHANGE_KIND(IlsRow)
VOLMIRA_EXCHANGE_KIND(RwyRow)
VOLMIRA_EXCHANGE_KIND(MyInfoRow)
#undef VOLMIRA_EXCHANGE_KIND

ColumnMap::ColumnMap(const recordfile::Reader &reader) : fieldCount_(reader.fields().size()) {
    for (const FieldDef &f : fields()) at_.push_back(reader.fieldIndex(f.name));
}

const Value &ColumnMap::value(const Row &row, int column) const {
    static const Value null;
    const int at = at_[std::size_t(column)];
    return at >= 0 && at < int(row.size()) ? row[std::size_t(at)] : null;
}

std::vector<bool> ColumnMap::fieldsOf(std::initializer_list<int> columns) const {
    std::vector<bool> marked(fieldCount_, false);
    for (const int column : columns)
        if (at_[std::size_t(column)] >= 0) marked[std::size_t(at_[std::size_t(column)])] = true;
    return marked;
}

QString kindOf(const ColumnMap &map, const Row &row) {
    const auto *kind = std::get_if<QString>(&map.value(row, kKindColumn));
    return kind ? *kind : QString();
}

// The airport's name is the first column of its kind.
AirportKey airportKey(const ColumnMap &map, const Row &row) {
    RecordReader read(map, row);
    const Kind<ArptRow> &airport = layout().airport;
    return {read.anyText(kCodeColumn), fitToWidth(read.anyText(airport.first), airport.fields.front().def.size)};
}

std::vector<bool> airportKeyFields(const ColumnMap &map) {
    return map.fieldsOf({kCodeColumn, kKindColumn, layout().airport.first});
}

}  // namespace volmira::store::exchange
