#pragma once

#include "store/recordfile/RecordFile.h"
#include "store/Rows.h"

#include <QStringView>

#include <variant>

// The exchange file: one table of 41 columns in which every row is a record of
// one kind (airport, frequency, approach, runway or note), named by dataType.
// The export writes it, the update import reads it; a file written by the
// export and renamed to aptdata.vmd is a valid update file. Its columns are
// declared once, in ExchangeFile.cpp, each with the table column it carries.
namespace volmira::store::exchange {

// The two columns every record fills, first in the file.
inline constexpr int kCodeColumn = 0;
inline constexpr int kKindColumn = 1;

// The record kinds; dataType holds exactly these texts.
inline constexpr QStringView kAirportKind = u"ARPT";
inline constexpr QStringView kFrequencyKind = u"COM";
inline constexpr QStringView kApproachKind = u"ILS";
inline constexpr QStringView kRunwayKind = u"RWY";
inline constexpr QStringView kNoteKind = u"MyInfo";

// The 41 declarations: names, types, sizes and nullability in file order.
[[nodiscard]] const std::vector<recordfile::FieldDef> &fields();
// The position of the column declared under exactly this name, or -1.
[[nodiscard]] int columnAt(QStringView name);

// --- writing: one record per table row (Row is ArptRow, AcomRow, IlsRow,
// RwyRow or MyInfoRow). Texts keep null apart from empty, except aName, cName
// and cFREQ, which are written as text (null as empty).
template <typename Row>
[[nodiscard]] recordfile::Row recordOf(const Row &row);

// --- reading: where each exchange column sits in a file, found by name
// without regard to case; -1 for a column the file does not declare (read as null).
class ColumnMap {
public:
    explicit ColumnMap(const recordfile::Reader &reader);
    [[nodiscard]] bool hasKind() const { return at_[kKindColumn] >= 0; }
    [[nodiscard]] const recordfile::Value &value(const recordfile::Row &row, int column) const;
    // The file's fields that hold these columns, marked for Reader::readOnly.
    [[nodiscard]] std::vector<bool> fieldsOf(std::initializer_list<int> columns) const;

private:
    std::vector<int> at_;
    std::size_t fieldCount_ = 0;
};

// The record's kind text, or a null string when dataType is null or no text.
[[nodiscard]] QString kindOf(const ColumnMap &map, const recordfile::Row &row);

// Every record must name its airport.
inline constexpr QStringView kNoCodeMessage = u"der Datensatz hat keinen ICAO-Code.";

// The code and name of an airport record, read as texts without further checks.
struct AirportKey {
    QString ICAO;
    QString Name;
};
[[nodiscard]] AirportKey airportKey(const ColumnMap &map, const recordfile::Row &row);
// The fields airportKey and kindOf read, marked for Reader::readOnly.
[[nodiscard]] std::vector<bool> airportKeyFields(const ColumnMap &map);

// A record turned into the table row it came from, or a German message naming
// the column whose value does not fit: a code against the code rule, a number
// out of its range. Texts longer than their column are fitted to it
// (fitToColumns) and counted in `cutTexts`.
template <typename Row>
using Converted = std::variant<Row, QString>;
template <typename Row>
[[nodiscard]] Converted<Row> rowOf(const ColumnMap &map, const recordfile::Row &row, int &cutTexts);

// Fits every text of the row that is longer than its column in the file to
// that width (store/TextWidth's fitToWidth: abbreviations, then a cut); long
// texts are never fitted. Returns how many texts it changed. The import fits
// every record so; the shipped build fits every row before it is written, so
// that shipped data goes through an export and an import unchanged.
template <typename Row>
int fitToColumns(Row &row);

}  // namespace volmira::store::exchange
