#include "store/WriteNotation.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::store;

namespace volmira::store {
void PrintTo(const WrittenValue &value, std::ostream *out) {
    *out << (value.quoted ? "quoted " : "bare ") << value.text.toStdString();
}
}  // namespace volmira::store

TEST(WriteNotation, ReadsQuotedAndBareValuesAndReadsItsOwnLinesBackAlike) {
    const struct {
        QByteArray text;
        QList<WrittenValue> values;
    } cases[] = {
        {"1\r\n\"a\"\"b\"\r\n", {bareNumber(1), quotedText("a\"b")}},
        {" 2 ,\"x,\r\ny\" rest\n\n", {bareNumber(2), quotedText("x,\r\ny"), {}}},
        // Any blank before a quote is skipped; else the value read back quoted.
        {"\v\"x\"\f", {quotedText("x")}},
        {"\f\"x\r\n\"y\"\x08", {quotedText("x\r\n")}},
    };
    for (const auto &c : cases) {
        const QList<WrittenValue> values = readWrittenValues(c.text);
        EXPECT_EQ(values, c.values) << c.text.toStdString();
        EXPECT_EQ(readWrittenValues(writtenLines(values)), values) << c.text.toStdString();
    }
}
