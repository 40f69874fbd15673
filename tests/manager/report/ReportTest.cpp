#include "manager/report/ReportPainter.h"
#include "manager/report/ReportText.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::manager;

namespace {

// Section tops on page 1: page header, first group header, its first runway line, page footer.
constexpr int kHead = 720, kGroup = 1725, kDetail = 1725 + 1279, kFoot = 16838 - 720 - 285;

// Lays the airports out on the offscreen platform with a QApplication (kept for
// the program's life), as the manager's window tests in the same program need one.
ReportPages layout(const std::vector<ReportAirport> &airports, ContactText contacts = ContactText::Long,
                   ReportPaper paper = {}) {
    static int argc = 1;
    static char *argv[] = {const_cast<char *>("report_tests"), nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
    return layoutReport(airports, contacts, paper);
}

ReportPaper paper(QPageSize::PageSizeId size, QPageLayout::Orientation orientation, QMarginsF margins = {}) {
    return reportPaper(QPageLayout(QPageSize(size), orientation, margins));  // margins in points
}

// An airport with `runways` runway lines, the contact note on the last.
ReportAirport reportAirport(int runways, const QString &kontakt = {}, const QString &frequencies = {}) {
    ReportAirport a{1, "EDFE", "Egelsbach", "SLP", "ELEV: 384 ft", "", "4957.7 N", "2 E", frequencies, {}};
    a.cmdGroup.resize(std::size_t(runways), {"09 / 27", "800 m", "30 m", "Gras", {}, {}, {}});
    if (runways > 0) a.cmdGroup.back().Kontakt = kontakt;
    return a;
}

// The items so named with their pages from 0, of one airport when given; a default
// item when there is none, which fails the caller's expectations.
std::vector<std::pair<int, ReportItem>> itemsNamed(const ReportPages &pages, QStringView name, int airport = -2) {
    std::vector<std::pair<int, ReportItem>> found;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const ReportItem &item : pages[p].items)
            if (item.name == name && (airport == -2 || item.airport == airport))
                found.emplace_back(int(p), item);
    if (found.empty()) found.emplace_back(-1, ReportItem{});
    return found;
}

ReportItem itemNamed(const ReportPages &pages, QStringView name, int airport = -2) {
    return itemsNamed(pages, name, airport).front().second;
}

double lineWidth(geometry::ReportFont font, const QString &line) {
    return QFontMetricsF(reportFont(font)).horizontalAdvance(line);
}

QString poppler(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

TEST(ReportLayout, PlacesEveryControlAtItsTwipsFontAndAlignment) {
    // Each field shows its control's name, so that a field bound to the wrong column shows.
    const ReportPages pages = layout({{1, "tICAO", "tName", "tAType", "tELEV", "tPR", "tCoord", "tVar", "tFrequenzen",
                                       {{"tRWY", "tLength", "tWidth", "tSurface", "tILS", "tOM", "tKontakt"}}}});
    const struct {
        const char *name;
        int x, y, width, height, section;
        const char *caption = nullptr;
    } controls[] = {
        {"Label8", 1020, 0, 9071, 425, kHead, "Volmira Flughafenliste"},
        {"Label9", 1020, 425, 9071, 283, kHead, "www.volmira.example"}, {"tICAO", 113, 202, 1350, 285, kGroup},
        {"tName", 1500, 202, 2580, 285, kGroup}, {"tVar", 5216, 202, 570, 285, kGroup},
        {"tAType", 6123, 202, 600, 285, kGroup}, {"tELEV", 113, 482, 1020, 285, kGroup},
        {"tCoord", 1500, 482, 2265, 285, kGroup}, {"tFrequenzen", 6917, 502, 4080, 285, kGroup},
        {"tPR", 5216, 567, 1470, 285, kGroup}, {"Label11", 4649, 202, 525, 285, kGroup, "VAR"},
        {"Label6", 6917, 202, 1245, 285, kGroup, "Frequenzen"}, {"Label12", 4649, 567, 453, 285, kGroup, "PR"},
        {"Label1", 113, 985, 900, 285, kGroup, "RWY"}, {"Label2", 1247, 985, 1140, 285, kGroup, "Länge"},
        {"Label3", 2494, 994, 780, 285, kGroup, "Breite"}, {"Label7", 3288, 994, 900, 285, kGroup, "Typ"},
        {"Label4", 4195, 985, 1245, 285, kGroup, "ILS Freq"}, {"Label5", 5556, 985, 1155, 285, kGroup, "OM Freq"},
        {"Label10", 6917, 993, 1245, 285, kGroup, "Kontakt"}, {"tRWY", 113, 0, 900, 270, kDetail},
        {"tLength", 1247, 0, 1134, 285, kDetail}, {"tWidth", 2494, 0, 780, 285, kDetail},
        {"tSurface", 3288, 0, 894, 285, kDetail}, {"tILS", 4195, 0, 1245, 285, kDetail},
        {"tOM", 5556, 0, 1134, 285, kDetail}, {"tKontakt", 6917, 0, 4080, 285, kDetail},
        {"lblPage", 567, 0, 9978, 285, kFoot, "Seite  1 von 1"},
    };
    for (const auto &c : controls) {
        const QString name = QString::fromLatin1(c.name);
        const ReportItem item = itemNamed(pages, name);
        const bool centred = name == "Label8" || name == "Label9" || name == "lblPage";
        const bool bold = (c.caption && !centred) || name == "Label8" || name == "tICAO" || name == "tName";
        const int size = name == "Label8" ? 280 : name == "tICAO" ? 200 : 160;
        EXPECT_EQ(std::tuple(item.box.x, item.box.y, item.box.width, item.box.height, item.font.size, item.font.bold),
                  std::tuple(360 + c.x, c.section + c.y, c.width, c.height, size, bold)) << c.name;
        EXPECT_EQ(item.text(), c.caption ? QString(c.caption) : name);
        ASSERT_EQ(item.lines.size(), 1u) << c.name;
        const ReportLine &line = item.lines[0];
        const double right = item.box.right() - line.x - lineWidth(item.font, line.text);
        EXPECT_NEAR(line.x - item.box.x, centred ? right : 0.0, 1.0) << c.name;
        EXPECT_TRUE(line.baseline > item.box.y && line.baseline < item.box.y + size) << c.name;  // top aligned
    }
    for (const auto &[name, x1, y1, x2, y2] :
         {std::tuple(u"Line1", 142, 0, 11100, 0), {u"Line3", 6803, 142, 6803, 1134}}) {
        const ReportItem line = itemNamed(pages, name);
        EXPECT_EQ(std::tuple(line.kind, line.box.x, line.box.y, line.box.right(), line.box.bottom()),
                  std::tuple(ReportItem::Kind::Line, 360 + x1, kGroup + y1, 360 + x2, kGroup + y2));
    }
}

TEST(ReportLayout, WrappedFrequenciesPushTheCaptionRowAndLine3Down) {
    for (const int entries : {3, 9, 2000}) {
        const ReportPages pages = layout({reportAirport(1, {}, QString("FRANKFURT 119.905 , ").repeated(entries))});
        const ReportItem frequencies = itemNamed(pages, u"tFrequenzen");
        const int extra = std::max(0, frequencies.box.bottom() - (kGroup + 985));
        EXPECT_EQ(extra > 0, entries > 3);
        EXPECT_EQ(frequencies.text().endsWith(u'…'), entries == 2000);  // cut where header and a line fill a page
        EXPECT_LE(itemNamed(pages, u"tRWY").box.bottom(), kFoot);
        EXPECT_EQ(std::tuple(itemNamed(pages, u"Label1").box.y, itemNamed(pages, u"Label10").box.y,
                             itemNamed(pages, u"Line3").box.bottom(), itemNamed(pages, u"tRWY").box.y),
                  std::tuple(kGroup + 985 + extra, kGroup + 993 + extra, kGroup + 1134 + extra, kDetail + extra));
    }
}

TEST(ReportLayout, FitsOneLineFieldsAndShortContactsInHalfPointsToSixThenCutsLongContactsWrap) {
    const QString mg = "Flugplatz Mönchengladbach-Neue", word(300, u'W');
    const struct {
        const char16_t *field;
        QString text;
        ContactText mode;
        QString shown;  // empty: cut with "…" at 6 pt, or as a long contact wrapped whole
        int size;
    } cases[] = {{u"tName", "Frankfurt", ContactText::Long, "Frankfurt", 160},
                 {u"tName", mg, ContactText::Long, mg, 150},
                 {u"tName", mg + " Sonderlandeplatz", ContactText::Long, {}, 120},
                 {u"tName", QString(100000, u'x'), ContactText::Long, {}, 120},
                 {u"tName", "Zeile\neins\tund\u0001zwei", ContactText::Long, "Zeile eins und zwei", 160},
                 {u"tKontakt", "Turm 06103\r\nTanken", ContactText::Short, "Turm 06103", 160},
                 {u"tKontakt", word + "\nmehr", ContactText::Short, {}, 120},
                 {u"tKontakt", "Turm\r\n\r\nTanken\nab\r8", ContactText::Long, "Turm\n\nTanken\nab\n8", 160},
                 {u"tKontakt", "Anruf " + word, ContactText::Long, {}, 160}};
    for (const auto &c : cases) {
        const bool name = c.field == std::u16string_view(u"tName");
        ReportAirport a = reportAirport(2, name ? "" : c.text);
        a.Name = name ? c.text : "Egelsbach";
        const ReportPages pages = layout({a, reportAirport(1)}, c.mode);
        const ReportItem item = itemNamed(pages, c.field, 0);
        const bool wraps = !name && c.mode == ContactText::Long;
        const QString shown = !c.shown.isEmpty() ? c.shown : wraps ? c.text : item.text().chopped(1) + u'…';
        EXPECT_EQ(std::tuple(item.font.size, wraps ? item.text().remove(u'\n') : item.text()),
                  std::tuple(c.size, wraps ? QString(shown).remove(u'\n') : shown));
        if (wraps) EXPECT_EQ(item.lines.size() > 8, c.shown.isEmpty());  // the long word broken
        for (const ReportLine &line : item.lines) EXPECT_LE(lineWidth(item.font, line.text), item.box.width + 0.5);
        if (c.size == 150) EXPECT_GT(lineWidth({c.size + 10, true}, c.shown), 2580);  // the largest size that fits
        EXPECT_EQ(itemNamed(pages, u"Line1", 1).box.y - itemNamed(pages, u"tRWY", 0).box.y,  // the row grows
                  2 * 330 + std::max(0, itemNamed(pages, u"tKontakt", 0).box.height - 285));
    }
}

TEST(ReportLayout, KeepsBlocksOnOnePageSplitsTallerOnesNeverAfterTheHeaderAndNumbersThePages) {
    const ReportAirport one = reportAirport(1), tall = reportAirport(45);  // 1609 twips, 8 fill the body; 16129
    QStringList lines;  // a runway line taller than a page: goes on line by line
    for (int i = 0; i < 200; ++i) lines.append(QString("Zeile %1").arg(i));
    const struct {
        std::vector<ReportAirport> airports;
        std::vector<int> pages;  // of each airport's header
    } cases[] = {
        {std::vector(9, one), {0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {{one, one, one, one, one, one, reportAirport(12)}, {0, 0, 0, 0, 0, 0, 1}},  // 5239 twips, 4454 left: moved
        {{one, tall, one}, {0, 0, 1}},                                                // starts on page 1, runs on
        {{one, one, one, one, one, one, one, one, tall}, {0, 0, 0, 0, 0, 0, 0, 0, 1}},  // 1236 left: no header alone
        {{one, reportAirport(2, lines.join("\r\n")), one}, {0, 0, 2}},
    };
    for (const auto &c : cases) {
        const ReportPages pages = layout(c.airports);
        for (std::size_t i = 0; i < c.airports.size(); ++i) {
            const auto rows = itemsNamed(pages, u"tRWY", int(i));
            EXPECT_EQ(itemsNamed(pages, u"Line1", int(i)).front().first, c.pages[i]);
            EXPECT_EQ(rows.front().first, c.pages[i]);
            QStringList contact;
            for (const auto &[page, piece] : itemsNamed(pages, u"tKontakt", int(i))) contact.append(piece.text());
            EXPECT_EQ(contact.join(u'\n'), QString(c.airports[i].cmdGroup.back().Kontakt).replace("\r\n", "\n"));
            for (std::size_t r = 1; r < rows.size(); ++r)
                EXPECT_TRUE(rows[r].first > rows[r - 1].first || rows[r].second.box.y == rows[r - 1].second.box.y + 330)
                    << r;
        }
        for (std::size_t p = 0; p < pages.size(); ++p)
            EXPECT_EQ(itemNamed({pages[p]}, u"lblPage").text(),
                      QString("Seite  %1 von %2").arg(p + 1).arg(pages.size()))
                << p;
    }
}

TEST(ReportLayout, SetsEveryRowAndAFooterInsideEveryPageOfThePaperChosen) {
    QStringList lines;
    for (int i = 0; i < 150; ++i) lines.append(QString("Zeile %1").arg(i));
    std::vector<ReportAirport> airports(25, reportAirport(3));
    airports[7] = reportAirport(3, lines.join('\n'));
    const struct {
        ReportPaper paper;
        int width, height;  // the paper in twips
        double scale;
        int pages;
    } cases[] = {
        {paper(QPageSize::A4, QPageLayout::Portrait), 11906, 16838, 1, 7},
        {paper(QPageSize::A4, QPageLayout::Landscape), 16838, 11906, 1, 10},
        {paper(QPageSize::A4, QPageLayout::Landscape, {10, 20, 10, 20}), 16838, 11906, 1, 12},  // 11106 high
        {paper(QPageSize::Letter, QPageLayout::Portrait), 12240, 15840, 1, 7},
        {paper(QPageSize::A5, QPageLayout::Portrait), 8391, 11906, 8391 / 11906.0, 7},  // the list made smaller
        {paper(QPageSize::A5, QPageLayout::Landscape), 11906, 8391, 1, 18},
        {{30000, 3000}, 30000, 3000, 3000.0 / 4339, 68},  // a strip: a block and a runway line per page
    };
    for (const auto &c : cases) {
        const ReportPaper &p = c.paper;
        EXPECT_EQ(std::tuple(p.width, p.height), std::tuple(c.width, c.height));
        EXPECT_NEAR(p.scale(), c.scale, 1e-4) << c.width;
        EXPECT_LE(p.listHeight() * p.scale(), p.height);
        const ReportPages pages = layout(airports, ContactText::Long, p);
        EXPECT_EQ(int(pages.size()), c.pages) << c.width;
        std::size_t rows = 0;
        QStringList contact;
        for (std::size_t n = 0; n < pages.size(); ++n) {
            EXPECT_EQ(pages[n].paper, p);
            for (const ReportItem &item : pages[n].items) {
                EXPECT_TRUE(item.box.x >= 0 && item.box.y >= 0 && item.box.right() <= geometry::kPageWidth &&
                            item.box.bottom() <= p.listHeight() - geometry::kMarginBottom)
                    << c.width << " " << item.name.toStdString() << " page " << n;
                rows += item.name == "tRWY";
                if (item.name == "tKontakt") contact.append(item.text());
            }
            const ReportItem footer = itemNamed({pages[n]}, u"lblPage");
            EXPECT_EQ(std::tuple(footer.text(), footer.box.bottom()),
                      std::tuple(QString("Seite  %1 von %2").arg(n + 1).arg(pages.size()),
                                 p.listHeight() - geometry::kMarginBottom));
        }
        EXPECT_EQ(rows, 75u);
        EXPECT_EQ(contact.join('\n'), lines.join('\n'));
    }
}

TEST(ReportPdf, IsOnItsPaperWithTitleCreatorEmbeddedLiberationSansAndACentredPageNumberAfterTwoBlanks) {
    std::vector<ReportAirport> airports(20, reportAirport(2));
    airports[3].cmdGroup[1].ILS = "-------- \\ 110.100";
    const struct {
        ReportPaper paper;
        const char *size;
        int pages;
    } cases[] = {{{}, "595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)", 3},
                 {paper(QPageSize::A4, QPageLayout::Landscape, {10, 20, 10, 20}),  // set inside the margins
                  "84[12](\\.\\d+)? x 595(\\.\\d+)? pts \\(A4\\)", 5},
                 {paper(QPageSize::A5, QPageLayout::Portrait), "4(19|20)(\\.\\d+)? x 595(\\.\\d+)? pts \\(A5\\)", 3}};
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("liste.pdf");
        ASSERT_TRUE(writeReportPdf(layout(airports, ContactText::Long, c.paper), pdf).ok());
        const QString info = poppler("pdfinfo", {pdf});
        for (const QString &pattern : {QString("Title: +Volmira Flughafenliste\n"), QString("Creator: +Volmira APT\n"),
                                       QString("Page size: +") + c.size})
            EXPECT_TRUE(info.contains(QRegularExpression(pattern))) << pattern.toStdString();
        const QString fonts = poppler("pdffonts", {pdf});  // the regular and the bold, both embedded
        EXPECT_EQ(fonts.count(QRegularExpression("\nLiberationSans(-Bold)? .* yes +\\w+ +\\w+ +\\d+ +\\d+")), 2)
            << fonts.toStdString();
        EXPECT_TRUE(poppler("pdftotext", {pdf, "-"}).contains("-------- \\ 110.100"));
        // "Seite", page number, "von", count: two blanks, then one, centred on lblPage's box, on every page.
        const double scale = c.paper.scale() / 20, blank = lineWidth(geometry::kPlain, " ") * scale;
        const QString word = R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">%1</word>\s*)re";
        const QRegularExpression footer(word.arg("Seite") + word.arg("(\\d+)") + word.arg("von") + word.arg(c.pages));
        int page = 0;
        for (auto m = footer.globalMatch(poppler("pdftotext", {"-bbox", pdf, "-"})); m.hasNext();) {
            const auto f = m.next();
            const auto x = [&](int i) { return f.captured(i).toDouble(); };
            EXPECT_EQ(f.captured(5).toInt(), ++page);
            EXPECT_NEAR(x(3) - x(2), 2 * blank, 0.3 * blank);
            EXPECT_NEAR(x(6) - x(4), blank, 0.3 * blank);
            EXPECT_NEAR((x(1) + x(9)) / 2, c.paper.left / 20.0 + (360 + 567 + 9978 / 2.0) * scale, 1.0);
        }
        EXPECT_EQ(page, c.pages);  // a footer off the paper is not read
    }
}
