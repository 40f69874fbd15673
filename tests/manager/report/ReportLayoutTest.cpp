#include "manager/report/ReportLayout.h"
#include "manager/report/ReportPainter.h"
#include "support/QtPrinters.h"
#include "support/ReportPages.h"

#include <QBuffer>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace volmira::manager;
using namespace volmira::test;

namespace {

// Section tops on the first page: page header on the top margin, the first
// group header under it, its first runway line, the page footer on the bottom margin.
constexpr int kPageHeader = 720, kGroup = 1725, kDetail = 1725 + 1279, kFooter = 16838 - 720 - 285;
constexpr int kLeft = 360;

ReportPages layout(std::vector<ReportAirport> airports, ContactText contacts = ContactText::Long) {
    ensureApplication();
    for (std::size_t i = 0; i < airports.size(); ++i) airports[i].Index = int(i) + 1;
    return layoutReport(airports, contacts);
}

// Every line of every text within its box and every item above the page footer
// or in it; lines of a page in the body between header and footer.
void expectWithinBoxesAndBody(const ReportPages &pages) {
    for (const ReportPage &page : pages)
        for (const ReportItem &item : page.items) {
            for (const ReportLine &line : item.lines) {
                EXPECT_GE(line.x, item.box.x - 0.5) << item.name.toStdString();
                EXPECT_LE(line.x + lineWidth(item, line), item.box.right() + 0.5) << line.text.toStdString();
            }
            if (item.airport >= 0) {
                EXPECT_GE(item.box.y, kGroup) << item.name.toStdString();
                EXPECT_LE(item.box.bottom(), kFooter) << item.name.toStdString();
            }
        }
}

int bottomOfBody(const ReportPage &page) {
    int bottom = kGroup;
    for (const ReportItem &item : page.items)
        if (item.airport >= 0) bottom = std::max(bottom, item.box.bottom());
    return bottom;
}

}  // namespace

TEST(ReportLayout, PlacesEveryControlOfTheSectionsAtItsTwips) {
    ReportAirport a = reportAirport("EDFE", 1, "Turm 06103 1234");
    a.cmdGroup[0].ILS = "-------- \\ 110.100";
    a.cmdGroup[0].OM = "---- \\ 75";
    const ReportPages pages = layout({a});
    const struct {
        const char *name;
        int x, y, width, height, section;
        int points;
        bool bold, centred;
        QString text;
    } controls[] = {
        {"Label8", 1020, 0, 9071, 425, kPageHeader, 14, true, true, "Volmira Flughafenliste"},
        {"Label9", 1020, 425, 9071, 283, kPageHeader, 8, false, true, "www.volmira.example"},
        {"tICAO", 113, 202, 1350, 285, kGroup, 10, true, false, a.ICAO},
        {"tName", 1500, 202, 2580, 285, kGroup, 8, true, false, a.Name},
        {"Label11", 4649, 202, 525, 285, kGroup, 8, true, false, "VAR"},
        {"tVar", 5216, 202, 570, 285, kGroup, 8, false, false, a.Var},
        {"tAType", 6123, 202, 600, 285, kGroup, 8, false, false, a.aType},
        {"Label6", 6917, 202, 1245, 285, kGroup, 8, true, false, "Frequenzen"},
        {"tELEV", 113, 482, 1020, 285, kGroup, 8, false, false, a.ELEV},
        {"tCoord", 1500, 482, 2265, 285, kGroup, 8, false, false, a.Coord},
        {"tFrequenzen", 6917, 502, 4080, 285, kGroup, 8, false, false, a.Frequenzen},
        {"Label12", 4649, 567, 453, 285, kGroup, 8, true, false, "PR"},
        {"tPR", 5216, 567, 1470, 285, kGroup, 8, false, false, a.PR},
        {"Label1", 113, 985, 900, 285, kGroup, 8, true, false, "RWY"},
        {"Label2", 1247, 985, 1140, 285, kGroup, 8, true, false, "Länge"},
        {"Label3", 2494, 994, 780, 285, kGroup, 8, true, false, "Breite"},
        {"Label7", 3288, 994, 900, 285, kGroup, 8, true, false, "Typ"},
        {"Label4", 4195, 985, 1245, 285, kGroup, 8, true, false, "ILS Freq"},
        {"Label5", 5556, 985, 1155, 285, kGroup, 8, true, false, "OM Freq"},
        {"Label10", 6917, 993, 1245, 285, kGroup, 8, true, false, "Kontakt"},
        {"tRWY", 113, 0, 900, 270, kDetail, 8, false, false, a.cmdGroup[0].RWY},
        {"tLength", 1247, 0, 1134, 285, kDetail, 8, false, false, "800 m"},
        {"tWidth", 2494, 0, 780, 285, kDetail, 8, false, false, "30 m"},
        {"tSurface", 3288, 0, 894, 285, kDetail, 8, false, false, "Gras"},
        {"tILS", 4195, 0, 1245, 285, kDetail, 8, false, false, a.cmdGroup[0].ILS},
        {"tOM", 5556, 0, 1134, 285, kDetail, 8, false, false, a.cmdGroup[0].OM},
        {"tKontakt", 6917, 0, 4080, 285, kDetail, 8, false, false, a.cmdGroup[0].Kontakt},
        {"lblPage", 567, 0, 9978, 285, kFooter, 8, false, true, "Seite  1 von 1"},
    };
    ASSERT_EQ(pages.size(), 1u);
    for (const auto &c : controls) {
        const ReportItem item = itemNamed(pages, QString::fromLatin1(c.name));
        SCOPED_TRACE(c.name);
        EXPECT_EQ(item.kind, ReportItem::Kind::Text);
        EXPECT_EQ(item.box.x, kLeft + c.x);
        EXPECT_EQ(item.box.y, c.section + c.y);
        EXPECT_EQ(item.box.width, c.width);
        EXPECT_EQ(item.box.height, c.height);
        EXPECT_EQ(item.font.size, c.points * 20);
        EXPECT_EQ(item.font.bold, c.bold);
        EXPECT_EQ(item.text(), c.text);
        ASSERT_EQ(item.lines.size(), 1u);
        const double margin = item.lines[0].x - item.box.x;
        if (c.centred)
            EXPECT_NEAR(margin, item.box.right() - item.lines[0].x - lineWidth(item, item.lines[0]), 1.0);
        else
            EXPECT_EQ(margin, 0.0);
        EXPECT_GT(item.lines[0].baseline, item.box.y);  // top aligned: the first baseline an ascent down
        EXPECT_LT(item.lines[0].baseline, item.box.y + c.points * 20);
    }
    const struct {
        const char *name;
        int x1, y1, x2, y2;
    } lines[] = {{"Line1", 142, 0, 11100, 0}, {"Line3", 6803, 142, 6803, 1134}};
    for (const auto &l : lines) {
        const ReportItem item = itemNamed(pages, QString::fromLatin1(l.name));
        SCOPED_TRACE(l.name);
        EXPECT_EQ(item.kind, ReportItem::Kind::Line);
        EXPECT_EQ(item.box.x, kLeft + l.x1);
        EXPECT_EQ(item.box.right(), kLeft + l.x2);
        EXPECT_EQ(item.box.y, kGroup + l.y1);
        EXPECT_EQ(item.box.bottom(), kGroup + l.y2);
    }
}

TEST(ReportLayout, FrequenciesWrapAndPushTheCaptionRowAndLine3Down) {
    const QString entry = QStringLiteral("FRANKFURT TOWER 119.905 , ");
    const struct {
        int entries;
        bool moves, cut;
    } cases[] = {{1, false, false}, {3, false, false}, {9, true, false}, {2000, true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entries);
        const ReportPages pages = layout({reportAirport("EDDF", 1, {}, entry.repeated(c.entries)),
                                          reportAirport("EDDG", 1)});
        const ReportItem frequencies = itemNamed(pages, u"tFrequenzen", 0);
        if (!c.cut) EXPECT_EQ(frequencies.text().remove(u'\n').remove(u' '), entry.repeated(c.entries).remove(u' '));
        EXPECT_EQ(frequencies.text().endsWith(u'…'), c.cut);
        const int extra = itemNamed(pages, u"Label1", 0).box.y - (kGroup + 985);
        EXPECT_EQ(extra > 0, c.moves);
        EXPECT_GE(extra, 0);
        if (c.moves) EXPECT_LE(frequencies.box.bottom(), kGroup + 985 + extra);
        const int secondTop = itemNamed(pages, u"Line1", 1).box.y;
        for (const char *name : {"Label2", "Label3", "Label7", "Label4", "Label5", "Label10"}) {
            const QString label = QString::fromLatin1(name);
            EXPECT_EQ(itemNamed(pages, label, 0).box.y - kGroup, itemNamed(pages, label, 1).box.y - secondTop + extra);
        }
        EXPECT_EQ(itemNamed(pages, u"Line3", 0).box.bottom(), kGroup + 1134 + extra);
        EXPECT_EQ(itemNamed(pages, u"Label6", 0).box.y, kGroup + 202);
        EXPECT_EQ(itemNamed(pages, u"tRWY", 0).box.y, kDetail + extra);
        EXPECT_EQ(itemsNamed(pages, u"Line1", 1).front().page, c.cut ? 1 : 0);  // the cut header and a line fill a page
        expectWithinBoxesAndBody(pages);
    }
}

TEST(ReportLayout, ContactsShortTakeTheFirstLineLongWrapAndGrowTheRow) {
    const QString word = QString(300, u'W');
    const struct {
        QString note;
        ContactText mode;
        QStringList lines;  // empty: checked by count and joined text
        int count;
    } cases[] = {
        {"Turm 06103\r\nTanken bis 18 Uhr", ContactText::Short, {"Turm 06103"}, 1},
        {"Turm 06103\r\n\r\nTanken bis 18 Uhr", ContactText::Long, {"Turm 06103", "", "Tanken bis 18 Uhr"}, 3},
        {"a\nb\rc", ContactText::Long, {"a", "b", "c"}, 3},
        {"Anruf " + word, ContactText::Long, {}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.note.left(40).toStdString());
        const ReportPages pages = layout({reportAirport("EDFE", 2, c.note), reportAirport("EDFM", 1)}, c.mode);
        const ReportItem contact = itemNamed(pages, u"tKontakt", 0, 1);
        if (!c.lines.isEmpty()) EXPECT_EQ(contact.text().split(u'\n'), c.lines);
        const int lines = int(contact.lines.size());
        if (c.lines.isEmpty()) {
            EXPECT_GT(lines, 4);  // the long word broken over several lines
            EXPECT_EQ(contact.text().remove(u'\n').remove(u' '), QString(c.note).remove(u' '));
        }
        const double spacing = QFontMetricsF(reportFont(contact.font)).lineSpacing();
        EXPECT_EQ(contact.box.height, std::max(285, int(std::ceil(lines * spacing))));
        const int rowHeight = std::max(330, contact.box.height + 45);
        EXPECT_EQ(itemNamed(pages, u"Line1", 1).box.y, contact.box.y + rowHeight);
        expectWithinBoxesAndBody(pages);
    }
    const ReportItem cut = itemNamed(layout({reportAirport("EDFE", 1, word + "\nmehr")}, ContactText::Short), u"tKontakt");
    EXPECT_TRUE(cut.text().endsWith(u'…'));
    EXPECT_EQ(cut.font.size, 120);
}

TEST(ReportLayout, OneLineFieldsShrinkToSixPointsThenEndInAnEllipsis) {
    enum Set { Full, Smaller, Cut };
    const struct {
        QString name;
        Set set;
        QString shown;  // when not cut
    } cases[] = {
        {"Frankfurt", Full, "Frankfurt"},
        {"Flugplatz Mönchengladbach-Neue", Smaller, "Flugplatz Mönchengladbach-Neue"},
        {"Flugplatz Mönchengladbach Sonderlandeplatz", Cut, {}},
        {QString(100000, u'x'), Cut, {}},
        {"Zeile\neins\tund\u0001zwei", Full, "Zeile eins und zwei"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.left(60).toStdString());
        ReportAirport a = reportAirport("EDLN", 1);
        a.Name = c.name;
        const ReportItem name = itemNamed(layout({a}), u"tName");
        ASSERT_EQ(name.lines.size(), 1u);
        EXPECT_TRUE(name.font.bold);
        EXPECT_LE(lineWidth(name, name.lines[0]), 2580.5);
        EXPECT_EQ(name.text().endsWith(u'…'), c.set == Cut);
        EXPECT_EQ(name.font.size == 160, c.set == Full);
        if (c.set == Cut) EXPECT_EQ(name.font.size, 120);
        if (c.set != Cut) EXPECT_EQ(name.text(), c.shown);
        if (c.set == Smaller) {  // the largest size that fits, in half points
            const QFont larger = reportFont({name.font.size + 10, true});
            EXPECT_GT(QFontMetricsF(larger).horizontalAdvance(c.shown), 2580);
        }
    }
}

TEST(ReportLayout, KeepsBlocksTogetherAndSplitsOnlyBlocksTallerThanAPage) {
    // Nine airports of one line fill 8 blocks of 1609 twips on a body of 14108.
    std::vector<ReportAirport> small(9, reportAirport("EDAA", 1));
    const struct {
        std::vector<ReportAirport> airports;
        std::vector<int> firstPages;  // of each airport's Line1
        int pages;
    } cases[] = {
        {small, {0, 0, 0, 0, 0, 0, 0, 0, 1}, 2},
        // 12 lines (1279 + 3960) after 6 blocks (9654) would leave 785 over: moved whole.
        {{small[0], small[0], small[0], small[0], small[0], small[0], reportAirport("EDBB", 12)}, {0, 0, 0, 0, 0, 0, 1}, 2},
        // 45 lines: taller than a page, starts after the first block and runs on.
        {{small[0], reportAirport("EDCC", 45), small[0]}, {0, 0, 1}, 2},
        // After 8 blocks 1236 are left: a tall block's header would stand alone.
        {{small[0], small[0], small[0], small[0], small[0], small[0], small[0], small[0], reportAirport("EDDD", 45)},
         {0, 0, 0, 0, 0, 0, 0, 0, 1}, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.airports.size());
        const ReportPages pages = layout(c.airports);
        ASSERT_EQ(int(pages.size()), c.pages);
        for (std::size_t i = 0; i < c.airports.size(); ++i) {
            const int first = itemsNamed(pages, u"Line1", int(i)).front().page;
            EXPECT_EQ(first, c.firstPages[i]) << i;
            const std::vector<PlacedItem> rows = itemsNamed(pages, u"tRWY", int(i));
            ASSERT_EQ(rows.size(), c.airports[i].cmdGroup.size());
            EXPECT_EQ(rows.front().page, first) << "header alone on its page";
            for (std::size_t r = 1; r < rows.size(); ++r) {
                EXPECT_EQ(rows[r].item->row, int(r));
                EXPECT_TRUE(rows[r].page > rows[r - 1].page || rows[r].item->box.y == rows[r - 1].item->box.y + 330);
            }
            if (c.airports[i].cmdGroup.size() * 330 + 1279 <= 14108) EXPECT_EQ(rows.back().page, first);
        }
        for (const ReportPage &page : pages) EXPECT_GT(kFooter - bottomOfBody(page), -1);
        expectWithinBoxesAndBody(pages);
    }
}

TEST(ReportLayout, ALineTallerThanAPageGoesOnLineByLine) {
    QStringList note;
    for (int i = 1; i <= 200; ++i) note.append(QStringLiteral("Zeile %1").arg(i));
    const ReportPages pages = layout({reportAirport("EDAA", 1), reportAirport("EDZZ", 2, note.join("\r\n"))});
    const std::vector<PlacedItem> pieces = itemsNamed(pages, u"tKontakt", 1, 1);
    ASSERT_GE(pieces.size(), 3u);
    QStringList printed;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].page, int(i));  // fills the first page's rest, then page after page
        printed.append(pieces[i].item->text());
        if (i > 0) EXPECT_EQ(pieces[i].item->box.y, kGroup);
    }
    EXPECT_EQ(printed.join(u'\n'), note.join(u'\n'));
    EXPECT_EQ(itemsNamed(pages, u"tRWY", 1, 1).size(), 1u);
    expectWithinBoxesAndBody(pages);
    for (const ReportPage &page : pages) EXPECT_GT(kFooter - bottomOfBody(page), 0);
    EXPECT_LT(kFooter - bottomOfBody(pages[1]), 330);  // a full page in between
}

TEST(ReportLayout, EveryPageHasItsHeaderAndFooter) {
    const ReportPages pages = layout(std::vector<ReportAirport>(30, reportAirport("EDAA", 2)));
    ASSERT_EQ(pages.size(), 5u);  // 7 blocks of 1939 twips a page
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        const ReportItem footer = *itemsNamed({pages[i]}, u"lblPage").at(0).item;
        EXPECT_EQ(footer.text(), QStringLiteral("Seite  %1 von 5").arg(i + 1));
        EXPECT_EQ(footer.box.y, kFooter);
        EXPECT_EQ(itemsNamed({pages[i]}, u"Label8").size(), 1u);
        EXPECT_EQ(itemsNamed({pages[i]}, u"Label9").size(), 1u);
    }
    EXPECT_EQ(layout({}).size(), 1u);
}

TEST(ReportLayout, AMegabyteNoteIsMeasuredShortByItsFirstLineAndRunsOverPagesLong) {
    QString note;
    while (note.size() < 1'000'000) note += QStringLiteral("Zeile %1: Anmeldung beim Turm, Tanken werktags\r\n").arg(note.size());
    QElapsedTimer clock;
    clock.start();
    const ReportPages brief = layout({reportAirport("EDAA", 1, note)}, ContactText::Short);
    EXPECT_LT(clock.restart(), 1000);
    EXPECT_EQ(brief.size(), 1u);
    EXPECT_EQ(itemNamed(brief, u"tKontakt").text(), "Zeile 0: Anmeldung beim Turm, Tanken werktags");
    const ReportPages all = layout({reportAirport("EDAA", 1, note)}, ContactText::Long);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeReportPdf(all, pdf).ok());
    EXPECT_LT(clock.elapsed(), 10'000);
    EXPECT_GT(all.size(), 200u);
}
