// The desktop program started twice on one data folder, as separate processes.
#include "platform/instance/SingleInstance.h"
#include "support/Command.h"
#include "support/DesktopProcess.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::test;

namespace {

// A data folder holding the shipped database but no Apt.crm, which the
// airport window writes when it opens: its appearance says the window is there.
class DesktopInstance : public ::testing::Test {
protected:
    QTemporaryDir dir;  // the data folder "daten" and the runtime folder of the programs
    const QString data = dir.filePath("daten"), lastAirport = data + "/Apt.crm";

    void SetUp() override {
        qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
        ASSERT_EQ(runCommand(data, {"countries"}).exitCode, 0);
        ASSERT_TRUE(QFile::remove(lastAirport));
    }
    void TearDown() override { qunsetenv("XDG_RUNTIME_DIR"); }
};

}  // namespace

TEST_F(DesktopInstance, TwoStartsAtOnceGiveOneWindowShowingTheAirportOfTheOneThatEnded) {
    DesktopProcess eddf({"--data-dir", data, "--show", "EDDF"}, dir.path());
    DesktopProcess edst({"--data-dir", "./daten", "--show", "edst"}, dir.path());
    for (int waited = 0; eddf.running() && edst.running() && waited < 5000; waited += 100)
        eddf.process.waitForFinished(50) || edst.process.waitForFinished(50);
    ASSERT_NE(eddf.running(), edst.running());
    DesktopProcess &ended = eddf.running() ? edst : eddf, &running = eddf.running() ? eddf : edst;
    EXPECT_EQ(ended.process.exitCode(), 0);
    ASSERT_TRUE(waitForFile(lastAirport, 20'000));

    // A screenshot is a run of its own.
    EXPECT_EQ(runCommand(data, {"--screenshot", dir.filePath("bild.png")}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("bild.png")));

    EXPECT_EQ(running.terminate(), 0);
    EXPECT_EQ(readFile(lastAirport), &ended == &eddf ? "\"EDDF\"\r\n" : "\"EDST\"\r\n");
}

TEST_F(DesktopInstance, AKilledProgramDoesNotBlockTheNextStart) {
    DesktopProcess killed({"--data-dir", data}, dir.path());
    ASSERT_TRUE(waitForFile(volmira::platform::instanceSocketPath(data), 20'000));
    killed.kill();

    DesktopProcess next({"--data-dir", data, "--show", "EDDF"}, dir.path());
    ASSERT_TRUE(waitForFile(lastAirport, 20'000));
    EXPECT_EQ(next.terminate(), 0);
    EXPECT_EQ(readFile(lastAirport), "\"EDDF\"\r\n");
}
