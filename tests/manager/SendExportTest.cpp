#include "manager/SendExport.h"

#include "support/Files.h"
#include "support/FtpServer.h"
#include "support/SampleAirports.h"
#include "support/WidgetTest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace volmira;

TEST(SendExport, TheRemoteNameCarriesTheGermanMonthTheDayAndTheMinute) {
    const struct { QDateTime at; const char *name; } cases[] = {
        {{QDate(2026, 3, 5), QTime(14, 30, 59)}, "Export-Mrz05-2026-14:30.crm"},
        {{QDate(2026, 12, 5), QTime(14, 30)}, "Export-Dez05-2026-14:30.crm"},
        {{QDate(2027, 5, 31), QTime(0, 0)}, "Export-Mai31-2027-00:00.crm"},
        {{QDate(2026, 10, 1), QTime(9, 5)}, "Export-Okt01-2026-09:05.crm"},
    };
    for (const auto &c : cases) EXPECT_EQ(manager::exportRemoteName(c.at), c.name);
}

// The application's event loop carries the upload's outcome.
using SendExportUpload = test::WidgetTest;

TEST_F(SendExportUpload, AServerGoneMidUploadIsToldInGermanWithinTheTimeoutsAndTheFileStays) {
    test::addSampleAirports(t);
    // A note of 32 MB makes the upload last long enough to be cut.
    test::expectOk(t.db.exec("INSERT INTO MyInfo (ICAO, Category, MyInfo, PrintInfo, Date, Time) VALUES "
                             "('EDDF', 'Kontakt', hex(randomblob(16000000)), '', '2026-03-01', '08:00:00')")
                       .error());
    test::FtpServer server;
    const std::unique_ptr<platform::Transfer> curl = platform::makeCurlTransfer();
    const manager::SendSettings settings{server.url(), "volmira-apt", "harrier77", "support@volmira.example"};
    manager::SendExport send(*t.store, {*curl, shell, t.clock, settings});
    const QString file = QDir(t.folder()).filePath("export.crm");

    std::optional<platform::Result<QString>> outcome;
    ASSERT_TRUE(send.start({"EDDF"}, file, [&](platform::Result<QString> r) { outcome = std::move(r); }).ok());
    const qint64 written = QFileInfo(file).size();
    const QString remote = server.stored(manager::exportRemoteName(t.clock.now()));
    // Watched closely, without the event loop: the loopback carries the file in a blink.
    QElapsedTimer started;
    started.start();
    while (QFileInfo(remote).size() == 0 && started.elapsed() < 10000)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    server.freeze();  // mid-upload, then gone
    server.kill();
    QElapsedTimer waited;
    waited.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 10000));
    EXPECT_LT(waited.elapsed(), 3000);
    ASSERT_FALSE(outcome->ok());
    EXPECT_LT(QFileInfo(remote).size(), written);
    EXPECT_TRUE(outcome->error().startsWith("Die Datei export.crm konnte nicht übertragen werden: Server nicht "
                                            "erreichbar."))
        << outcome->error().toStdString();
    EXPECT_EQ(QFileInfo(file).size(), written);
    EXPECT_TRUE(test::readFile(file).endsWith("</xml>")) << "export.crm ist nicht ganz";
}
