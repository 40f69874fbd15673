#include "store/WriteNotation.h"
#include "store/exchange/UpdateHistory.h"
#include "support/Fifo.h"

#include <QDir>
#include <QTemporaryDir>

using namespace volmira;

TEST(UserFile, TheReadersOfSettingsAndHistoryRefuseAFifoOrAFolderAtOnce) {
    const QTemporaryDir dir;
    const test::Fifo fifo(dir.filePath("fifo.crm"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.crm"));
    for (const auto &[name, reason] : {std::pair("fifo.crm", "keine gewöhnliche Datei."), {"ordner.crm", "einen Ordner."}}) {
        const QString error = store::exchange::readUpdateHistory(dir.filePath(name)).error();
        EXPECT_TRUE(error.endsWith(QString(": Der Name bezeichnet ") + reason)) << error.toStdString();
        EXPECT_EQ(store::readWrittenFile(dir.filePath(name)), std::nullopt);
    }
    EXPECT_FALSE(fifo.blocked);
}
