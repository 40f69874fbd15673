#include "browser/ui/NoteDocument.h"
#include "store/Rtf.h"
#include "support/NoteDescription.h"
#include "support/WidgetTest.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace volmira::browser;
using namespace volmira::store;

using NoteDocument = volmira::test::WidgetTest;

TEST_F(NoteDocument, ShowsANoteAndGivesItBack) {
    const char *rtf = R"({\rtf1{\colortbl;\red255\green0\blue0;}a\tab {\b fett}{\cf1 rot}\par\par\cf1 x\par})";
    for (const QString &stored : {QString(rtf), QStringLiteral("eins\n\nzwei\n"), QStringLiteral("")}) {
        QTextDocument document;
        showNote(document, readNote(stored));
        EXPECT_EQ(noteOf(document), readNote(stored)) << stored.toStdString();
        EXPECT_FALSE(document.isUndoAvailable());
        EXPECT_EQ(document.defaultFont().family(), "Arial");
        EXPECT_EQ(document.defaultFont().pointSize(), 10);
    }

    // The editor's Shift+Enter starts a new line within the block.
    QTextDocument document;
    QTextCursor(&document).insertText(QString("eins\u2028zwei"));
    EXPECT_EQ(describe(noteOf(document)), "eins|zwei");
}
