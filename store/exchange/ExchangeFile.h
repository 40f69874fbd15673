#pragma once

#include "store/recordfile/RecordFile.h"
#include "store/Rows.h"

#include <QStringView>

#include <array>
#include <variant>

// The exchange file: one table of 41 columns in which every row is a record of
// one kind (airport, frequency, approach, runway or note), named by dataType.
// The export writes it, the update import reads it; a file written by the
// export and renamed to aptdata.vmd is a valid update file.
namespace volmira::store::exchange {

// Column positions, in the order of the file.
enum Column : int {
    ICAO, dataType,
    aName, aCOORDINATES, aWGS_DLAT, aWGS_DLONG, aELEV, aPR, aMAG_VAR, aRwyALen, aRwyGlen, aType, aDate, aTime,
    cName, cFREQ, cDate, cTime,
    iRWY, iILS_FREQ, iILS_IDENT, iILS_GS, iOM_FREQ, iOM_IDENT, iDate, iTime,
    rRWY, rRWYHDG, rSLOPE, rLENGTH, rWIDTH, rSURFACE, rRWYLOW, rRWYHIGH, rDate, rTime,
    mMyInfo, mCategory, mPrintInfo, mDate, mTime,
    kColumnCount
};

// The record kinds; dataType holds exactly these texts.
inline constexpr QStringView kAirportKind = u"ARPT";
inline constexpr QStringView kFrequencyKind = u"COM";
inline constexpr QStringView kApproachKind = u"ILS";
inline constexpr QStringView kRunwayKind = u"RWY";
inline constexpr QStringView kNoteKind = u"MyInfo";

// The 41 declarations: names, types, sizes and nullability in file order.
[[nodiscard]] const std::vector<recordfile::FieldDef> &fields();

// --- writing: one record per table row. Texts keep null apart from empty,
// except aName, cName and cFREQ, which are written as text (null as empty).
[[nodiscard]] recordfile::Row airportRecord(const ArptRow &row);
[[nodiscard]] recordfile::Row frequencyRecord(const AcomRow &row);
[[nodiscard]] recordfile::Row approachRecord(const IlsRow &row);
[[nodiscard]] recordfile::Row runwayRecord(const RwyRow &row);
[[nodiscard]] recordfile::Row noteRecord(const MyInfoRow &row);

// --- reading: where each exchange column sits in a file, found by name
// without regard to case; -1 for a column the file does not declare (read as null).
class ColumnMap {
public:
    explicit ColumnMap(const recordfile::Reader &reader);
    [[nodiscard]] bool hasKind() const { return at_[dataType] >= 0; }
    [[nodiscard]] const recordfile::Value &value(const recordfile::Row &row, Column column) const;
    // The file's fields that hold these columns, marked for Reader::readOnly.
    [[nodiscard]] std::vector<bool> fieldsOf(std::initializer_list<Column> columns) const;

private:
    std::array<int, kColumnCount> at_{};
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

// A record turned into the table row it came from, or a German message naming
// the column whose value does not fit: a code against the code rule, a number
// out of its range. Texts longer than their column are cut to it and counted
// in `cutTexts`.
template <typename Row>
using Converted = std::variant<Row, QString>;
[[nodiscard]] Converted<ArptRow> toAirport(const ColumnMap &map, const recordfile::Row &row, int &cutTexts);
[[nodiscard]] Converted<AcomRow> toFrequency(const ColumnMap &map, const recordfile::Row &row, int &cutTexts);
[[nodiscard]] Converted<IlsRow> toApproach(const ColumnMap &map, const recordfile::Row &row, int &cutTexts);
[[nodiscard]] Converted<RwyRow> toRunway(const ColumnMap &map, const recordfile::Row &row, int &cutTexts);
[[nodiscard]] Converted<MyInfoRow> toNote(const ColumnMap &map, const recordfile::Row &row, int &cutTexts);

}  // namespace volmira::store::exchange
