#include "platform/instance/SingleInstance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace volmira;
using State = platform::HandoverReader::State;

TEST(Handover, MessagesFromAnotherProcessAreReadOnlyWhenWellFormed) {
    const struct { QList<QByteArray> pieces; State state; const char *code; } cases[] = {
        {{platform::encodeHandover({"EDDF"})}, State::Complete, "EDDF"},
        {{"show\n"}, State::Complete, ""},
        {{"sh", "ow fr", "a\n"}, State::Complete, "fra"},
        {{"show EDDF"}, State::Incomplete, ""},
        {{QByteArray(40, 'x'), QByteArray(30, 'x')}, State::Refused, ""},  // no line end within the bound
        {{"show EDDF\n", "show EDST\n"}, State::Refused, ""},
        {{"show ED DF\n"}, State::Refused, ""},
        {{"show \xC3\x84" "DDF\n"}, State::Refused, ""},
        {{"show ABCDEFGHIJK\n"}, State::Refused, ""},
        {{"show \n"}, State::Refused, ""},
        {{"open EDDF\n"}, State::Refused, ""},
    };
    for (const auto &c : cases) {
        platform::HandoverReader reader;
        for (const QByteArray &piece : c.pieces) reader.add(piece);
        EXPECT_EQ(reader.state(), c.state) << c.pieces.join('|').toStdString();
        if (c.state == State::Complete) EXPECT_EQ(reader.handover().code, c.code);
    }
}

TEST(SingleInstanceKey, OneFolderUnderEveryNameIsOneProgram) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("daten");
    QDir(dir.path()).mkpath("andere");
    ASSERT_TRUE(QFile::link(dir.filePath("daten"), dir.filePath("verweis")));
    const QString key = platform::instanceSocketPath(dir.filePath("daten"));
    EXPECT_EQ(platform::instanceSocketPath(dir.filePath("andere/../daten/")), key);
    EXPECT_EQ(platform::instanceSocketPath(dir.filePath("verweis")), key);
    EXPECT_NE(platform::instanceSocketPath(dir.filePath("andere")), key);
}
