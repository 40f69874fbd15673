#include "store/AirportStore.h"
#include "store/NoteSearch.h"
#include "store/Schema.h"

#include "support/NoteIndexCheck.h"
#include "support/QtPrinters.h"
#include "support/TableDump.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// Each hit as "ICAO Category: line" with its marks in brackets, the hits apart by " | ".
std::string shown(const platform::Result<std::vector<store::NoteHit>> &hits) {
    if (!hits) return hits.error().toStdString();
    QStringList lines;
    for (const store::NoteHit &hit : *hits) {
        QString line = hit.line.text;
        for (auto m = hit.line.marks.rbegin(); m != hit.line.marks.rend(); ++m)
            line.insert(m->start + m->length, u']').insert(m->start, u'[');
        lines << hit.ICAO + " " + hit.Category + ": " + line;
    }
    return lines.join(" | ").toStdString();
}

}  // namespace

TEST(NoteSearch, WordsMatchByTheirBeginningFoldedAllRequiredAndTypedSyntaxIsPlainText) {
    test::TempDatabase t;
    for (const char *category : {"Tanken", "Gebühren", "Kontakt"}) ASSERT_TRUE(t.store->notes.insertCategory(category).ok());
    for (const auto &[icao, category, text] :
         {std::tuple{"EDDF", "Tanken", "{\\rtf1 AVGAS nur Mo\\endash Fr\\par\\b PPR\\b0  24h\\par}"},
          {"EDDM", "Gebühren", "Landegebühr 12 €\nGebühr für PPR"},
          {"EDHN", "Kontakt", "Tel. Turm 0711"},
          {"EDDK", "Kontakt", "Zoll nach \"PPR\" OR Anmeldung"}}) {
        t.add(t.airport(icao, QStringLiteral("Platz %1").arg(icao)));
        ASSERT_TRUE(t.store->notes.save(icao, category, text, text).ok());
    }
    const struct {
        const char *typed;
        const char *category;
        QStringList hits;
    } cases[] = {
        {"AVG", "", {"EDDF Tanken: [AVG]AS nur Mo–Fr"}},
        {"gebuhr", "", {"EDDM Gebühren: [Gebühr] für PPR"}},
        {"GEBÜHR ppr", "", {"EDDM Gebühren: [Gebühr] für [PPR]"}},
        {"ppr", "", {"EDDF Tanken: [PPR] 24h", "EDDK Kontakt: Zoll nach \"[PPR]\" OR Anmeldung",
                     "EDDM Gebühren: Gebühr für [PPR]"}},
        {"ppr", "tanken", {"EDDF Tanken: [PPR] 24h"}},
        {"Turm 07", "", {"EDHN Kontakt: Tel. [Turm] [07]11"}},
        {"PPR Turm", "", {}},
        // What the index's query language would read as operators is searched as words.
        {"PPR OR Turm", "", {}},
        {"ppr OR", "", {"EDDK Kontakt: Zoll nach \"[PPR]\" [OR] Anmeldung"}},
        {"\"PPR\" -Zoll", "", {"EDDK Kontakt: [Zoll] nach \"[PPR]\" OR Anmeldung"}},
        {"NEAR PPR", "", {}},
        {"PPR* NOT", "", {}},
        {"(Tel*) \"", "", {"EDHN Kontakt: [Tel]. Turm 0711"}},
        {"\" * - ^", "", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(store::searchNotes(t.db, QString::fromUtf8(c.typed), c.category)), c.hits.join(" | ").toStdString()) << c.typed;
    EXPECT_EQ(shown(store::searchNotes(t.db, u"ppr", "", 1)), "EDDF Tanken: [PPR] 24h");
}

TEST(NoteSearch, TheShownLineHoldsTheMostWordsAndALongOneIsCutAroundItsFirstMark) {
    const QString longLine = QString(u'x').repeated(150) + " Tel. PPR " + QString(u'y').repeated(100);
    const store::MarkedLine cutLine = store::matchingLine(longLine, {"ppr"});
    EXPECT_EQ(cutLine.text.size(), store::kShownLineLength + 2);
    EXPECT_TRUE(cutLine.text.startsWith(u'…') && cutLine.text.endsWith(u'…'));
    ASSERT_EQ(cutLine.marks.size(), 1u);
    EXPECT_EQ(cutLine.text.mid(cutLine.marks[0].start, cutLine.marks[0].length), "PPR");
    EXPECT_EQ(store::matchingLine(u"Mo\tPPR\nPPR Turm\nTurm", {"turm", "ppr"}),
              (store::MarkedLine{"PPR Turm", {{0, 3}, {4, 4}}}));
    EXPECT_EQ(store::matchingLine(u"eins\nzwei", {"drei"}), (store::MarkedLine{"eins", {}}));
}

// The upgrade fills the index from the notes stored; a reader of the older file says it lacks one.
TEST(NoteSearch, AnUpgradedFileHasItsNotesInTheIndex) {
    test::TempDatabase t;
    const QString path = t.folder() + "/alt.vmd";
    test::writeFormatFile(path, 1);
    store::Database db;
    ASSERT_TRUE(db.open(path, store::Database::Mode::ReadOnly).ok());
    EXPECT_EQ(shown(store::searchNotes(db, u"ppr", "")), store::kNoNoteIndexMessage.toString().toStdString());
    ASSERT_TRUE(db.open(path, store::Database::Mode::ReadWrite).ok());
    EXPECT_EQ(shown(store::searchNotes(db, u"ppr", "")), "EDHN Zoll: nach [PPR]");
    EXPECT_EQ(test::noteIndexMismatch(db).toStdString(), "");
}
