#include "browser/LastAirportFile.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::browser;

namespace {

class LastAirportFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("Apt.crm"); }
    void write(const QByteArray &content) { volmira::test::writeFile(path(), content); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(LastAirportFile, ReadsTheFirstValueAsAQuotedOrBareString) {
    const struct {
        QByteArray content;
        std::optional<QString> code;
    } cases[] = {
        {"  \"EDKO\",\"X\"\r\n", "EDKO"}, {"\"\"\r\n", ""},   {"EDDF , 5\r\n", "EDDF"},
        {"\"ED, F\"", "ED, F"},         {"\"EDD", "EDD"},         {"  \t", std::nullopt},
    };
    for (const auto &c : cases) {
        write(c.content);
        EXPECT_EQ(readLastAirport(path()), c.code) << c.content.toStdString();
    }
}

TEST_F(LastAirportFile, WritesOneQuotedStringWithCrLfAndReplacesTheFile) {
    write("\"EDDF\"\r\nold second line\r\n");
    EXPECT_EQ(writeLastAirport(path(), "EDHN").error(), "");
    EXPECT_EQ(volmira::test::readFile(path()), "\"EDHN\"\r\n");
    EXPECT_EQ(readLastAirport(path() + ".fehlt"), std::nullopt);
    EXPECT_NE(writeLastAirport(QDir(dir.path()).filePath("missing/Apt.crm"), "EDHN").error(), "");
}
