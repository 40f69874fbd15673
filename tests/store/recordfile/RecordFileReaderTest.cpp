#include "store/recordfile/RecordFile.h"

#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/RecordFileSamples.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cfloat>
#include <limits>
#include <tuple>
#include <vector>

namespace {

using namespace volmira::store::recordfile;
using namespace volmira::test;

Value integer(qint64 value) { return value; }

Records readBytes(const QByteArray &bytes) {
    Reader reader;
    const QString error = reader.openBytes(bytes, QStringLiteral("t.xml")).error();
    return drain(reader, error);
}

QByteArray sample(const char *name) { return volmira::test::readFile(kRecordFileSamples + QString::fromLatin1(name)); }

constexpr char kRoot[] =
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
    "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>";

// A file with the given row type children and data section content.
QByteArray document(const QByteArray &columns, const QByteArray &data) {
    return kRoot + QByteArray("<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>") + columns +
           "</s:ElementType></s:Schema><rs:data>" + data + "</rs:data></xml>";
}

QByteArray column(const char *name, const char *type) {
    return QByteArray("<s:AttributeType name='") + name + "'><s:datatype dt:type='" + type + "'/></s:AttributeType>";
}

const QByteArray kAb = column("a", "int") + column("b", "string");

QString invalid(const char *detail) {
    return QStringLiteral("Die Datei „t.xml“ ist keine gültige Datensatzdatei: ") + QString::fromUtf8(detail);
}

TEST(RecordFileReader, ReadsTheSamples) {
    // The library's own habits (inserted rows, raw line breaks, wrapped tags)
    // and the pending form of the history give the same values.
    for (const auto &[name, expected] : {std::pair{"history.xml", historySample()}, {"inserts.xml", historySample()},
                                         {"exchange-min.xml", exchangeSample()},
                                         {"exchange-min-raw.xml", exchangeSample()}}) {
        const Records read = readRecordFile(kRecordFileSamples + QString::fromLatin1(name));
        EXPECT_EQ(read.error, QString()) << name;
        EXPECT_TRUE(read.fields == expected.fields) << name;
        EXPECT_EQ(read.rows, expected.rows) << name;
    }
}

struct SchemaCase {
    const char *name;
    QByteArray file;
    std::vector<const char *> names;
    std::vector<FieldType> types;
};

TEST(RecordFileReader, AcceptsEveryPlacementOfTheDeclarations) {
    const QByteArray row = "<z:row a='1' b='x'/>";
    const std::vector<SchemaCase> cases{
        {"rs:number orders the columns",
         document("<s:AttributeType name='b' rs:number='2'/><s:AttributeType name='a' rs:number='1' dt:type='int'/>",
                  row),
         {"a", "b"},
         {FieldType::Integer, FieldType::LongText}},
        {"references to schema-level declarations, in their order and any case",
         kRoot + QByteArray("<s:Schema><s:AttributeType name='unused'/><s:AttributeType name='B'/>"
                            "<s:ElementType name='row'><s:attribute type='a'/><s:attribute type='b'/>"
                            "<s:extends type='rs:rowbase'/></s:ElementType>"
                            "<s:AttributeType name='A' dt:type='i2'/></s:Schema><rs:data/></xml>"),
         {"A", "B"},
         {FieldType::Integer, FieldType::LongText}},
        {"alias exposes rs:name, hidden column skipped, s:Extends",
         document("<s:AttributeType name='c0' rs:name='Field Space'/><s:AttributeType name='h' rs:hidden='TRUE'/>"
                  "<s:AttributeType name='b'/><s:Extends type='rs:rowbase'/>",
                  "<z:row c0='1' h='2' b='3'/>"),
         {"Field Space", "b"},
         {FieldType::LongText, FieldType::LongText}},
        {"other prefixes resolved by URI, upper-case URI, no dt declaration",
         "<xml xmlns:x='UUID:BDC6E3F0-6DA3-11D1-A2A3-00AA00C14882' xmlns:r='urn:schemas-microsoft-com:rowset' "
         "xmlns:q='#RowsetSchema'><x:Schema><x:ElementType name='row'><x:AttributeType name='a'>"
         "<x:datatype dt:type='float'/></x:AttributeType></x:ElementType></x:Schema>"
         "<r:data><q:row a='1'/></r:data></xml>",
         {"a"},
         {FieldType::Double}},
    };
    for (const SchemaCase &c : cases) {
        const Records read = readBytes(c.file);
        EXPECT_EQ(read.error, QString()) << c.name;
        ASSERT_EQ(read.fields.size(), c.names.size()) << c.name;
        for (size_t i = 0; i < c.names.size(); ++i) {
            EXPECT_EQ(read.fields[i].name, QString::fromUtf8(c.names[i])) << c.name;
            EXPECT_EQ(read.fields[i].type, c.types[i]) << c.name;
        }
    }
}

TEST(RecordFileReader, MapsTypeNamesToTheNearestKind) {
    const std::vector<std::pair<QByteArray, FieldType>> cases{
        {"dt:type='string' dt:maxLength='10'", FieldType::Text}, {"dt:type='string' dt:maxLength='4294967295'", FieldType::LongText},
        {"dt:type='UI8'", FieldType::Integer}, {"dt:type='r4'", FieldType::Single}, {"dt:type='Boolean'", FieldType::Boolean},
        {"dt:type='time'", FieldType::DateTime}, {"dt:type='dateTime.tz'", FieldType::Text}, {"", FieldType::LongText},
    };
    for (const auto &[attributes, type] : cases) {
        const Records read =
            readBytes(document("<s:AttributeType name='a'><s:datatype " + attributes + "/></s:AttributeType>", ""));
        ASSERT_EQ(read.fields.size(), 1u) << attributes.constData();
        EXPECT_EQ(read.fields[0].type, type) << attributes.constData();
    }
}

struct RowsCase {
    const char *name;
    QByteArray data;
    std::vector<Row> rows;
};

TEST(RecordFileReader, BuildsTheVisibleRows) {
    const std::vector<RowsCase> cases{
        {"update overlays the original, forcenull clears",
         "<rs:update><rs:original><z:row a='1' b='old'/></rs:original><z:row a='2' rs:forcenull='b'/></rs:update>",
         {{integer(2), null}}},
        {"update without original", "<rs:update><z:row b='new'/></rs:update>", {{null, text("new")}}},
        {"deleted rows are not visible",
         "<z:row a='1'/><rs:delete><z:row a='2'/><z:row a='3'/></rs:delete><z:row a='4'></z:row>",
         {{integer(1), null}, {integer(4), null}}},
        {"insert with forcenull listing several columns",
         "<rs:insert><z:row a='5' b='y' rs:forcenull=' a&#x9;b '/><z:row b=''/></rs:insert>",
         {{null, null}, {null, text("")}}},
        {"names in another case, last duplicate wins", "<z:row A='1' B='x' a='2'/>", {{integer(2), text("x")}}},
        {"unknown elements and comments passed over",
         "<!-- note --><rs:other><z:row a='9'/></rs:other><z:row a='1'><child x='y'/></z:row>",
         {{integer(1), null}}},
    };
    for (const RowsCase &c : cases) {
        const Records read = readBytes(document(kAb, c.data));
        EXPECT_EQ(read.error, QString()) << c.name;
        EXPECT_EQ(read.rows, c.rows) << c.name;
    }
    const Records noData = readBytes(kRoot + QByteArray("<s:Schema><s:ElementType name='row'><s:AttributeType "
                                                     "name='a'/></s:ElementType></s:Schema></xml>"));
    EXPECT_EQ(noData.error, QString());
    EXPECT_TRUE(noData.rows.empty());
}

TEST(RecordFileReader, KeepsRawCharactersAndDecodesReferences) {
    const Records read = readBytes(document(
        column("b", "string"),
        "<z:row b='\xEF\xBB\xBFtab\there\r\nnext\x01'/>"
        "<z:row b=\"&#65;&#x42;&#x4a;&#x4A;&amp;&lt;&gt;&quot;&apos;&#x1F600;\"/>"
        "<z:row b=\"it's\"/>"));
    ASSERT_EQ(read.error, QString());
    // A leading U+FEFF is a character of the value, not a byte order mark.
    EXPECT_EQ(read.rows, (std::vector<Row>{{QChar(0xFEFF) + QStringLiteral("tab\there\r\nnext\x01")},
                                           {text("ABJJ&<>\"'\xF0\x9F\x98\x80")},
                                           {text("it's")}}));
}

TEST(RecordFileReader, ReadsEveryEncoding) {
    const QString name = QStringLiteral("Müller");
    const QByteArray utf8 = document(column("b", "string"), "<z:row b='Müller'/>");
    auto utf16 = [&](QStringConverter::Encoding encoding) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder(QString::fromUtf8(utf8)));
    };
    QByteArray windows = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + utf8;
    windows.replace("Müller", "M\xFCller\x80");
    const std::vector<std::pair<const char *, QByteArray>> cases{
        {"UTF-8", utf8},
        {"UTF-8 with BOM and blanks", "\xEF\xBB\xBF \r\n" + utf8},
        {"UTF-16 LE", utf16(QStringConverter::Utf16LE)},
    };
    for (const auto &[label, bytes] : cases) {
        const Records read = readBytes(bytes);
        EXPECT_EQ(read.error, QString()) << label;
        EXPECT_EQ(read.rows, (std::vector<Row>{{name}})) << label;
    }
    EXPECT_EQ(readBytes(windows).rows, (std::vector<Row>{{QStringLiteral("Müller€")}}));
}

struct ValueCase {
    const char *type;
    const char *stored;
    Value value;
};

TEST(RecordFileReader, ParsesValuesOfEachType) {
    const double smallest = std::numeric_limits<double>::denorm_min();
    const std::vector<ValueCase> cases{
        {"int", " -2147483648 ", integer(std::numeric_limits<qint32>::min())}, {"ui1", "255", integer(255)},
        {"ui4", "4294967295", integer(4294967295)}, {"i8", "-9223372036854775808", integer(std::numeric_limits<qint64>::min())},
        {"float", "1.7976931348623157E+308", DBL_MAX}, {"float", "4.9406564584124654E-324", smallest},
        {"float", " +.5 ", 0.5}, {"float", "1e-400", 0.0}, {"r4", "5.3249998", double(5.325f)},
        {"boolean", "True", true}, {"boolean", "-1", true}, {"boolean", "0", false},
        {"dateTime", "2010-04-21", date(2010, 4, 21)}, {"dateTime", "14:30:00", date(1899, 12, 30, 14, 30)},
        {"dateTime", "2001-02-03T04:05:06.123456789", date(2001, 2, 3, 4, 5, 6)},
        {"dateTime", "2001-02-03T04:05-0530", date(2001, 2, 3, 4, 5)}, {"date", "0100-01-01", date(100, 1, 1)},
    };
    for (const ValueCase &c : cases) {
        const Records read = readBytes(document(column("v", c.type), QByteArray("<z:row v='") + c.stored + "'/>"));
        EXPECT_EQ(read.error, QString()) << c.type << ' ' << c.stored;
        EXPECT_EQ(read.rows, (std::vector<Row>{{c.value}})) << c.type << ' ' << c.stored;
    }
}

TEST(RecordFileReader, RefusesValuesThatDoNotFit) {
    const char *const whole = "ist keine ganze Zahl", *const number = "ist keine Zahl",
                      *const range = "liegt außerhalb des Wertebereichs", *const truth = "ist kein Wahrheitswert",
                      *const day = "ist kein gültiges Datum";
    const std::vector<std::tuple<const char *, const char *, const char *>> cases{
        {"int", "", whole}, {"int", "1.5", whole}, {"int", "- 1", whole}, {"float", "NaN", number},
        {"float", "-infinity", number}, {"float", "1,5", number}, {"float", "0x10", number},
        {"int", "2147483648", range}, {"int", "-2147483649", range}, {"ui1", "-1", range},
        {"i8", "9223372036854775808", range}, {"float", "1e400", range}, {"r4", "3.5e38", range},
        {"boolean", "ja", truth}, {"dateTime", "2001-02-29", day}, {"dateTime", "24:00:00", day},
        {"dateTime", "2001-02-03T04:05:06.1234567890", day}, {"dateTime", "0099-01-01", day}, {"dateTime", "2001-02-03T", day},
    };
    for (const auto &[type, stored, says] : cases) {
        const Records read = readBytes(document(column("a", "int") + column("v", type),
                                             QByteArray("<z:row a='1'/><z:row v='") + stored + "'/><z:row/>"));
        EXPECT_EQ(read.rows.size(), 1u) << type << ' ' << stored;
        EXPECT_EQ(read.error, invalid("Zeile 2: „") + QString::fromUtf8(stored) + "“ " + QString::fromUtf8(says) + " (Spalte v).")
            << type << ' ' << stored;
    }
}

TEST(RecordFileReader, RefusesDamagedFilesNamingTheRow) {
    const QByteArray good = document(kAb, "<z:row a='1'/>");
    const std::vector<std::pair<QByteArray, QString>> cases{
        {"<root/>", invalid("das Wurzelelement heißt „root“ statt „xml“.")},
        {"<xml/>", invalid("die Datei enthält kein Schema (s:Schema).")},
        {"", invalid("die Datei ist leer.")},
        {kRoot + QByteArray("<s:Schema/></xml>"), invalid("das Schema beschreibt keine Zeilen (s:ElementType fehlt).")},
        {document("<s:attribute type='x'/>", ""), invalid("s:attribute verweist auf die unbekannte Spalte „x“.")},
        {document(kAb, "<rs:insert><z:row a='1' rs:forcenull='b c'/></rs:insert>"),
         invalid("Zeile 1: rs:forcenull nennt die nicht deklarierte Spalte „c“.")},
        {document(kAb, "<z:row b='&#xD800;'/>"), invalid("Zeile 1: der Verweis „&#xD800;“ ist fehlerhaft.")},
        {document(kAb, "<z:row b='a & b'/>"), invalid("Zeile 1: der Verweis „&“ ist fehlerhaft.")},
        {document(kAb, "<z:row b='\xC3('/>"), invalid("Zeile 1: der Text „\xEF\xBF\xBD(“ ist kein gültiges UTF-8.")},
        {document(kAb, "<z:row a='1'/><z:row b='open/><z:row a='2'/>"),
         invalid("Zeile 2: ein Wert enthält „<“; vermutlich fehlt ein schließendes Anführungszeichen.")},
        {document(kAb, "<z:row a='1'/><z:row a=1/>"), invalid("Zeile 2: ein Tag ist fehlerhaft aufgebaut.")},
        {"<!DOCTYPE xml [<!ENTITY e 'x'>]>" + good, invalid("Dokumenttyp-Deklarationen werden nicht unterstützt.")},
        {"<?xml version='1.0' encoding='EBCDIC-DE'?>" + good,
         invalid("die Zeichenkodierung „ebcdic-de“ wird nicht unterstützt.")},
        {QByteArray("\x01\x02\x00\x10 binary", 12),
         QStringLiteral("Die Datei „t.xml“ ist nicht in der XML-Form gespeichert, vermutlich in der binären Form der "
                        "Datensatzbibliothek; diese Form kann nicht gelesen werden.")},
    };
    for (const auto &[bytes, message] : cases) EXPECT_EQ(readBytes(bytes).error, message) << bytes.constData();
}

TEST(RecordFileReader, ReadsOnlyTheFieldsAskedFor) {
    Reader reader;
    ASSERT_EQ(reader.openBytes(document(kAb, "<z:row a='x' b='eins'/><z:row a='2'/>"), QStringLiteral("t.xml")).error(),
              QString());
    reader.readOnly({false, true});
    Row row;
    ASSERT_TRUE(reader.next(row));  // the bad integer is neither read nor checked
    EXPECT_EQ(row, (Row{null, text("eins")}));
    ASSERT_TRUE(reader.next(row));
    EXPECT_EQ(row, (Row{null, null}));
    EXPECT_FALSE(reader.next(row));
    EXPECT_EQ(reader.error(), QString());
}

TEST(RecordFileReader, EveryCutOfAFileIsAnErrorAfterACleanPrefix) {
    for (const char *name : {"history.xml", "exchange-min-raw.xml", "inserts.xml"}) {
        const QByteArray whole = sample(name);
        const Records full = readBytes(whole);
        ASSERT_EQ(full.error, QString()) << name;
        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            const Records read = readBytes(whole.left(cut));
            ASSERT_FALSE(read.error.isEmpty()) << name << " cut at " << cut;
            ASSERT_LE(read.rows.size(), full.rows.size());
            EXPECT_TRUE(std::equal(read.rows.begin(), read.rows.end(), full.rows.begin())) << name << " cut at " << cut;
        }
    }
    const QByteArray history = sample("history.xml");
    EXPECT_EQ(readBytes(history.left(history.indexOf("EDFE"))).error, invalid("die Datei endet mitten in Zeile 2."));
}

TEST(RecordFileReader, FindsFieldsInAnyCase) {
    Reader reader;
    Row row;
    ASSERT_EQ(reader.open(kRecordFileSamples + QStringLiteral("exchange-min.xml")).error(), QString());
    EXPECT_EQ(reader.fieldIndex(u"DATATYPE"), 1);
    EXPECT_EQ(reader.fieldIndex(u"data"), -1);
    const QString missing = kRecordFileSamples + QStringLiteral("missing.xml");
    EXPECT_TRUE(reader.open(missing).error().startsWith(QStringLiteral("Die Datei „missing.xml“ kann nicht geöffnet werden")));
    EXPECT_FALSE(reader.next(row));
}

}  // namespace

TEST(RecordFileReader, AFileCutShortAfterOpeningIsReadAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kurz.xml");
    QByteArray rows;
    for (int i = 0; i < 20000; ++i) rows += "<z:row a='" + QByteArray::number(i) + "' b='eine Zeile voller Text'/>";
    writeFile(path, document(kAb, rows));
    Reader reader;
    ASSERT_EQ(reader.open(path).error(), "");
    ASSERT_TRUE(QFile::resize(path, 100));  // a mapped file would end the process on the next row
    const Records read = drain(reader, "");
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.rows.size(), 20000u);
}
