// The browser's readers of files a user names take regular files only, at once.
#include "browser/LastAirportFile.h"
#include "browser/NoteActions.h"
#include "browser/picture/MapPicture.h"
#include "support/Fifo.h"

#include <QTemporaryDir>

using namespace volmira;

TEST(UserFile, AFifoOrAFolderIsRefusedAtOnceWithItsReason) {
    const QTemporaryDir dir;
    const test::NotFiles names(dir.path(), "karte.jpg");
    for (const auto &[path, reason] : names.cases()) {
        SCOPED_TRACE(path.toStdString());
        const QString said = ": " + reason;
        for (const QString &error : {browser::readNoteFile(path).error(),
                                     browser::readPixelSize(path, browser::MapType::Jpeg).error(),
                                     browser::loadMap(path, browser::MapType::Bmp).picture.error()})
            EXPECT_TRUE(error.endsWith(said)) << error.toStdString();
        EXPECT_EQ(browser::readLastAirport(path), std::nullopt);
    }
    EXPECT_FALSE(names.blockedAReader());
}
