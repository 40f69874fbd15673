#include "store/shipped/CsvReader.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <vector>

using volmira::store::shipped::CsvReader;

namespace {

using Records = std::vector<std::vector<QString>>;

struct Parsed {
    Records records;
    QString error;
};

Parsed parse(const QByteArray &text, std::initializer_list<const char *> required = {}) {
    QByteArray data = text;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CsvReader csv(buffer, QStringLiteral("test.csv"));
    Parsed parsed;
    if (parsed.error = csv.readHeader(required).error(); !parsed.error.isEmpty()) return parsed;
    const int columns = csv.column("c") >= 0 ? 3 : 2;
    while (csv.next()) {
        std::vector<QString> fields;
        for (int i = 0; i < columns; ++i) fields.push_back(csv.field(i));
        parsed.records.push_back(fields);
    }
    parsed.error = csv.error();
    return parsed;
}

struct GoodCase {
    const char *name;
    QByteArray text;
    Records records;
};

TEST(CsvReader, ReadsRfc4180Records) {
    const std::vector<GoodCase> cases{
        {"plain", "a,b\n1,2\n3,4\n", {{"1", "2"}, {"3", "4"}}},
        {"no final line break", "a,b\n1,2", {{"1", "2"}}},
        {"comma in quotes", "a,b\n\"Ushuaia, Malvinas\",2\n", {{"Ushuaia, Malvinas", "2"}}},
        {"doubled quote", "a,b\n\"say \"\"Info\"\"\",x\n", {{"say \"Info\"", "x"}}},
        {"line break in quotes", "a,b\n\"one\ntwo\",x\n", {{"one\ntwo", "x"}}},
        {"CRLF", "a,b\r\n1,2\r\n", {{"1", "2"}}},
        {"byte order mark", "\xEF\xBB\xBF" "a,b\n1,2\n", {{"1", "2"}}},
        {"blank lines skipped", "a,b\n\n1,2\n\n", {{"1", "2"}}},
        {"blanks trimmed", "a,b\n 1 ,\" 2 \"\n", {{"1", "2"}}},
    };
    for (const GoodCase &c : cases) {
        const Parsed parsed = parse(c.text);
        EXPECT_EQ(parsed.error, QString()) << c.name;
        EXPECT_EQ(parsed.records, c.records) << c.name;
    }
}

TEST(CsvReader, NamesColumnsByHeaderAndCountsLines) {
    QByteArray data("x,icao,name\n1,EDDF,\"Frankfurt\nMain\"\n2,EDDH,Hamburg\n");
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CsvReader csv(buffer, QStringLiteral("airports.csv"));
    ASSERT_EQ(csv.readHeader({"icao", "name"}).error(), QString());
    EXPECT_EQ(csv.column("icao"), 1);
    EXPECT_EQ(csv.column("missing"), -1);
    ASSERT_TRUE(csv.next());
    EXPECT_EQ(csv.field(csv.column("name")), QStringLiteral("Frankfurt\nMain"));
    EXPECT_EQ(csv.line(), 2);
    ASSERT_TRUE(csv.next());
    EXPECT_EQ(csv.field(csv.column("icao")), QStringLiteral("EDDH"));
    EXPECT_EQ(csv.line(), 4);  // the record before spans two lines
    EXPECT_EQ(csv.field(-1), QString());
    EXPECT_FALSE(csv.next());
    EXPECT_EQ(csv.error(), QString());
}

struct BadCase {
    const char *name;
    QByteArray text;
    QString message;  // the whole German message
};

TEST(CsvReader, RefusesDamagedFilesNamingFileAndLine) {
    const std::vector<BadCase> cases{
        {"empty file", "", "Die Datei test.csv ist leer."},
        {"unterminated quote", "a,b\n1,2\n\"open,3\n4,5\n",
         "Datei test.csv, Zeile 3: Das Anführungszeichen wird bis zum Dateiende nicht geschlossen."},
        {"too few fields", "a,b\n1,2\n3\n", "Datei test.csv, Zeile 3: 1 Felder statt 2."},
        {"quote inside plain field", "a,b\n1,x\"y\n",
         "Datei test.csv, Zeile 2: Anführungszeichen mitten in einem Feld ohne Anführungszeichen."},
        {"text after closing quote", "a,b\n\"x\"y,2\n",
         "Datei test.csv, Zeile 2: Zeichen nach dem schließenden Anführungszeichen."},
    };
    for (const BadCase &c : cases) EXPECT_EQ(parse(c.text, {"a"}).error, c.message) << c.name;
    EXPECT_EQ(parse("a,b\n1,2\n", {"a", "icao"}).error, "Datei test.csv: Die Spalte »icao« fehlt in der Kopfzeile.");
}

TEST(CsvReader, BoundsEndlessLinesAndRecords) {
    QByteArray oneLine("a,b\n\"");
    oneLine.append(QByteArray(3 << 20, 'x'));
    QByteArray manyLines("a,b\n\"");
    for (int i = 0; i < 1200; ++i) manyLines.append(QByteArray(1000, 'x') + '\n');
    for (const QByteArray &text : {oneLine, manyLines}) {
        const Parsed parsed = parse(text);
        EXPECT_TRUE(parsed.error.startsWith(QStringLiteral("Datei test.csv, Zeile 2: "))) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.contains(QStringLiteral("1 MB"))) << parsed.error.toStdString();
    }
}

}  // namespace
