#include "manager/report/ReportPainter.h"
#include "support/QtPrinters.h"
#include "support/ReportPages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::manager;
using namespace volmira::test;

namespace {

QString poppler(const QString &tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) ADD_FAILURE() << tool.toStdString() << " failed";
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word {
    double xMin, xMax;
    QString text;
};

// The words of each page as pdftotext's boxes give them, in reading order.
std::vector<std::vector<Word>> wordsByPage(const QString &pdf) {
    const QString html = poppler("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression page("<page "), word(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<std::vector<Word>> pages;
    for (const QString &text : html.split(page).mid(1)) {
        pages.emplace_back();
        for (auto m = word.globalMatch(text); m.hasNext();) {
            const auto w = m.next();
            pages.back().push_back({w.captured(1).toDouble(), w.captured(2).toDouble(), w.captured(3)});
        }
    }
    return pages;
}

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        for (int i = 0; i < 20; ++i) {
            airports.push_back(reportAirport(QStringLiteral("ED%1").arg(QChar(u'A' + i)).leftJustified(4, u'X'), 2));
            airports.back().Index = i + 1;
        }
        airports[3].cmdGroup[1].ILS = QStringLiteral("-------- \\ 110.100");
        pages = layoutReport(airports, ContactText::Long);
        ASSERT_TRUE(writeReportPdf(pages, pdf).ok());
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath("liste.pdf");
    std::vector<ReportAirport> airports;
    ReportPages pages;
};

}  // namespace

TEST_F(ReportPdf, IsAnA4DocumentWithTitleCreatorAndLiberationSansEmbedded) {
    const QString info = poppler("pdfinfo", {pdf});
    for (const QString &line : {QStringLiteral("Title: +Volmira Flughafenliste\n"), QStringLiteral("Creator: +Volmira APT\n"),
                                QStringLiteral("Pages: +%1\n").arg(pages.size()),
                                QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)")})
        EXPECT_TRUE(info.contains(QRegularExpression(line))) << line.toStdString() << "\n" << info.toStdString();
    const QStringList fonts = poppler("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(fonts.size(), 2);  // regular and bold, each embedded
    for (const QString &font : fonts)
        EXPECT_TRUE(font.contains(QRegularExpression("^LiberationSans(-Bold)? .* yes +(yes|no) +(yes|no) +\\d+ +\\d+$")))
            << font.toStdString();
}

TEST_F(ReportPdf, PrintsTheFieldsAndACentredPageNumberAfterTwoBlanks) {
    const QString text = poppler("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("-------- \\ 110.100"));
    for (const ReportAirport &a : airports) EXPECT_TRUE(text.contains(a.ICAO)) << a.ICAO.toStdString();
    const std::vector<std::vector<Word>> words = wordsByPage(pdf);
    ASSERT_EQ(words.size(), pages.size());
    const double blank = QFontMetricsF(reportFont(volmira::manager::geometry::kPlain)).horizontalAdvance(u' ') / 20;
    for (std::size_t p = 0; p < words.size(); ++p) {
        SCOPED_TRACE(p);
        const std::vector<Word> &page = words[p];
        const auto seite = std::find_if(page.begin(), page.end(), [](const Word &w) { return w.text == "Seite"; });
        ASSERT_LE(seite + 4, page.end());
        const Word *footer = &*seite;
        EXPECT_EQ(footer[0].text + " " + footer[1].text + " " + footer[2].text + " " + footer[3].text,
                  QStringLiteral("Seite %1 von %2").arg(p + 1).arg(pages.size()));
        EXPECT_NEAR(footer[1].xMin - footer[0].xMax, 2 * blank, 0.3 * blank);
        EXPECT_NEAR(footer[2].xMin - footer[1].xMax, blank, 0.3 * blank);
        EXPECT_NEAR((footer[0].xMin + footer[3].xMax) / 2, (360 + 567 + 9978 / 2.0) / 20, 1.0);
    }
}

TEST_F(ReportPdf, AFileThatCannotBeWrittenIsReportedInGerman) {
    const auto written = writeReportPdf(pages, dir.filePath("fehlt/liste.pdf"));
    EXPECT_TRUE(written.error().startsWith("Die Datei „liste.pdf“ kann nicht geschrieben werden")) << written.error().toStdString();
}
