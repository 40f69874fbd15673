// The store's readers of the settings and history files take regular files only, at once.
#include "store/WriteNotation.h"
#include "store/exchange/UpdateHistory.h"
#include "support/Fifo.h"

#include <QTemporaryDir>

using namespace volmira;

TEST(UserFile, AFifoOrAFolderIsRefusedAtOnceWithItsReason) {
    const QTemporaryDir dir;
    const test::NotFiles names(dir.path(), "UpdateInfo.crm");
    for (const auto &[path, reason] : names.cases()) {
        SCOPED_TRACE(path.toStdString());
        const QString error = store::exchange::readUpdateHistory(path).error();
        EXPECT_TRUE(error.endsWith(": " + reason)) << error.toStdString();
        EXPECT_EQ(store::readWrittenFile(path), std::nullopt);
    }
    EXPECT_FALSE(names.blockedAReader());
}
