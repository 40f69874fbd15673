#include "store/recordfile/RecordFile.h"

#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/RecordFileSamples.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QSet>
#include <QXmlStreamReader>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using namespace volmira::store::recordfile;
using namespace volmira::test;

QString write(const QString &path, const std::vector<FieldDef> &fields, const std::vector<Row> &rows) {
    Writer writer(path, fields);
    if (QString error = writer.open().error(); !error.isEmpty()) return error;
    for (const Row &row : rows) writer.write(row);
    return writer.commit().error();
}

class RecordFileWriter : public testing::Test {
protected:
    QString path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

TEST_F(RecordFileWriter, WritesTheLibraryLayoutByteForByte) {
    for (const auto &[name, sample] : {std::pair{"history.xml", historySample()}, {"exchange-min.xml", exchangeSample()}}) {
        ASSERT_EQ(write(path(name), sample.fields, sample.rows), QString());
        EXPECT_EQ(readFile(path(name)), readFile(kRecordFileSamples + QString::fromLatin1(name))) << name;
    }
}

TEST_F(RecordFileWriter, ReadsBackEveryValueExactly) {
    const std::vector<FieldDef> fields{
        {QStringLiteral("t"), FieldType::Text, 20, true},      {QStringLiteral("l"), FieldType::LongText, 0, true},
        {QStringLiteral("i"), FieldType::Integer, 0, true},    {QStringLiteral("d"), FieldType::Double, 0, true},
        {QStringLiteral("s"), FieldType::Single, 0, false},    {QStringLiteral("b"), FieldType::Boolean, 0, true},
        {QStringLiteral("w"), FieldType::DateTime, 0, true},
    };
    const double min = std::numeric_limits<double>::denorm_min();
    const std::vector<Row> rows{
        {text(""), null, qint64(INT32_MIN), 0.1, double(1.25f), true, date(2001, 2, 3, 4, 5, 6)},
        {null, text(""), qint64(INT32_MAX), 49.9863, double(5.325f), false, date(1899, 12, 30, 14, 30)},
        {text("a\tb\r\nc\rd\ne"), text("'\"<>&;&amp;"), qint64(0), -1e-300, double(-FLT_MAX), null, date(2010, 4, 21)},
        {text("Höhe über NN ✈"), text("\xF0\x9F\x9B\xA9 outside the BMP"), qint64(-1), DBL_MAX, double(FLT_MIN), true,
         date(9999, 12, 31, 23, 59, 59)},
        {QChar(0xFEFF) + QStringLiteral("  blanks  "), QString(100000, u'x'), null, min, 0.0, null, date(100, 1, 1)},
        {null, null, null, -0.0, double(float(0.1)), null, null},
        {null, null, null, 1e17, double(3.4028231e38f), null, null},
    };
    ASSERT_EQ(write(path("values.xml"), fields, rows), QString());
    const Records back = readRecordFile(path("values.xml"));
    ASSERT_EQ(back.error, QString());
    ASSERT_EQ(back.fields.size(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(back.fields[i].name, fields[i].name);
        EXPECT_EQ(back.fields[i].nullable, fields[i].nullable);
        EXPECT_EQ(back.fields[i].type, fields[i].type);
    }
    EXPECT_EQ(back.rows, rows);
    EXPECT_TRUE(std::signbit(std::get<double>(back.rows[5][3])));
    // Line breaks and tabs go as references, never raw.
    EXPECT_TRUE(readFile(path("values.xml")).contains("'a&#x9;b&#xd;&#xa;c&#xd;d&#xa;e'"));
}

TEST_F(RecordFileWriter, AliasesNamesThatAreNoPlainXmlNames) {
    std::vector<FieldDef> fields;
    Row row;
    for (const char *name : {"Field Space", "1Lead", "Name-With-Dash", "xmlThing", "Höhe", "plain", "PLAIN", "c0", "a'<&>\"b"}) {
        fields.push_back({QString::fromUtf8(name), FieldType::Text, 10, true});
        row.push_back(QString::fromUtf8(name));
    }
    ASSERT_EQ(write(path("names.xml"), fields, {row}), QString());

    // Whatever the aliases, every name comes back, and no two columns share one
    // even without regard to case, as the library matches them.
    QXmlStreamReader xml(readFile(path("names.xml")));
    QSet<QString> declared;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"AttributeType")
            declared.insert(xml.attributes().value("name").toString().toLower());
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(declared.size(), fields.size());
    const Records back = readRecordFile(path("names.xml"));
    ASSERT_EQ(back.error, QString());
    EXPECT_TRUE(back.fields == fields);
    EXPECT_EQ(back.rows, std::vector<Row>{row});
}

TEST_F(RecordFileWriter, DropsCharactersXmlCannotCarry) {
    // Control characters, NUL, unpaired surrogates and the non-characters go; DEL stays.
    const QString dirty = QStringLiteral("a") + QChar(0x01) + QChar(0x00) + QChar(0xD800) + QStringLiteral("b") +
                          QChar(0xDC00) + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0x7F);
    ASSERT_EQ(write(path("dirty.xml"), {{QStringLiteral("t"), FieldType::LongText, 0, true}}, {{dirty}}), QString());
    const Records back = readRecordFile(path("dirty.xml"));
    ASSERT_EQ(back.error, QString());
    EXPECT_EQ(back.rows, (std::vector<Row>{{QStringLiteral("ab\x7F")}}));
}

TEST_F(RecordFileWriter, ReplacesAFileOnlyOnSuccess) {
    const QString target = path("target.xml");
    writeFile(target, "old contents");
    const std::vector<FieldDef> fields{{QStringLiteral("d"), FieldType::Double, 0, true},
                                       {QStringLiteral("i"), FieldType::Integer, 0, true},
                                       {QStringLiteral("w"), FieldType::DateTime, 0, true}};
    const std::vector<std::pair<Row, QString>> failures{
        {{std::nan(""), null, null}, QStringLiteral("Zeile 5001: der Wert der Spalte d ist keine darstellbare Zahl")},
        {{null, qint64(1) << 31, null},
         QStringLiteral("Zeile 5001: der Wert 2147483648 der Spalte i passt nicht in eine 32-Bit-Zahl")},
        {{null, null, date(10000, 1, 1)},
         QStringLiteral("Zeile 5001: das Datum der Spalte w liegt außerhalb der Jahre 100 bis 9999")},
        {{null, null}, QStringLiteral("Zeile 5001 hat 2 Werte für 3 Spalten")},
    };
    for (const auto &[bad, detail] : failures) {
        Writer writer(target, fields);
        ASSERT_EQ(writer.open().error(), QString());
        for (int i = 0; i < 5000; ++i) writer.write({1.0, qint64(i), null});  // past the first flush
        writer.write(bad);
        EXPECT_EQ(readFile(target), QByteArray("old contents"));
        EXPECT_EQ(writer.commit().error(),
                  QStringLiteral("Die Datei „target.xml“ kann nicht geschrieben werden: ") + detail + u'.');
        EXPECT_EQ(readFile(target), QByteArray("old contents"));
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("target.xml")});

    {
        Writer abandoned(path("new.xml"), fields);
        ASSERT_EQ(abandoned.open().error(), QString());
        abandoned.write({1.0, null, null});
    }
    EXPECT_FALSE(QFile::exists(path("new.xml")));

    ASSERT_EQ(write(target, fields, {{2.5, null, null}}), QString());
    EXPECT_EQ(readRecordFile(target).rows, (std::vector<Row>{{2.5, null, null}}));

    const QString unwritable = path("missing-folder/x.xml");
    EXPECT_TRUE(write(unwritable, fields, {})
                    .startsWith(QStringLiteral("Die Datei „x.xml“ kann nicht geschrieben werden: ")));
    EXPECT_FALSE(QFile::exists(unwritable));
}

}  // namespace
