#include "store/AirportStore.h"
#include "store/NoteSearch.h"
#include "store/Schema.h"

#include "support/TableDump.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// The line with its marks in brackets.
std::string marked(const store::MarkedLine &line) {
    QString text = line.text;
    for (auto m = line.marks.rbegin(); m != line.marks.rend(); ++m) text.insert(m->start + m->length, u']').insert(m->start, u'[');
    return text.toStdString();
}

// Each hit as "ICAO Category: line", the hits apart by " | ".
std::string shown(const platform::Result<std::vector<store::NoteHit>> &hits) {
    if (!hits) return hits.error().toStdString();
    std::string lines;
    for (const store::NoteHit &hit : *hits)
        lines += (lines.empty() ? "" : " | ") + (hit.ICAO + " " + hit.Category + ": ").toStdString() + marked(hit.line);
    return lines;
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
        const char *hits;
    } cases[] = {
        {"AVG", "", "EDDF Tanken: [AVG]AS nur Mo–Fr"},
        {"gebuhr", "", "EDDM Gebühren: [Gebühr] für PPR"},
        {"GEBÜHR ppr", "", "EDDM Gebühren: [Gebühr] für [PPR]"},
        {"ppr", "", "EDDF Tanken: [PPR] 24h | EDDK Kontakt: Zoll nach \"[PPR]\" OR Anmeldung | EDDM Gebühren: Gebühr für [PPR]"},
        {"ppr", "tanken", "EDDF Tanken: [PPR] 24h"},
        {"Turm 07", "", "EDHN Kontakt: Tel. [Turm] [07]11"},
        {"PPR Turm", "", ""},
        // What the index's query language would read as operators is searched as words.
        {"PPR OR Turm", "", ""},
        {"ppr OR", "", "EDDK Kontakt: Zoll nach \"[PPR]\" [OR] Anmeldung"},
        {"\"PPR\" -Zoll", "", "EDDK Kontakt: [Zoll] nach \"[PPR]\" OR Anmeldung"},
        {"NEAR PPR", "", ""},
        {"PPR* NOT", "", ""},
        {"(Tel*) \"", "", "EDHN Kontakt: [Tel]. Turm 0711"},
        {"\" * - ^", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(store::searchNotes(t.db, QString::fromUtf8(c.typed), c.category)), c.hits) << c.typed;
    EXPECT_EQ(shown(store::searchNotes(t.db, u"ppr", "", 1)), "EDDF Tanken: [PPR] 24h");
}

TEST(NoteSearch, TheShownLineHoldsTheMostWordsAndALongOneIsCutAroundItsFirstMark) {
    const QString longLine = QString(u'x').repeated(150) + " Tel. PPR " + QString(u'y').repeated(100);
    EXPECT_EQ(marked(store::matchingLine(longLine, {"ppr"})),
              ("…" + QString(u'x').repeated(24) + " Tel. [PPR] " + QString(u'y').repeated(86) + "…").toStdString());
    EXPECT_EQ(marked(store::matchingLine(u"Mo\tPPR\nPPR Turm\nTurm", {"turm", "ppr"})), "[PPR] [Turm]");
    EXPECT_EQ(marked(store::matchingLine(u"eins\nzwei", {"drei"})), "eins");
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
}
