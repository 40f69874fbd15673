#include "support/PdfPages.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace volmira::test {

QString poppler(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<PdfPage> pdfPages(const QString &pdf) {
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfPage> pages;
    for (auto m = tag.globalMatch(poppler("pdftotext", {"-bbox", pdf, "-"})); m.hasNext();) {
        const auto t = m.next();
        const auto number = [&](int i) { return t.captured(i).toDouble(); };
        if (t.capturedLength(1) > 0)
            pages.push_back({number(1), number(2), {}});
        else if (!pages.empty())
            pages.back().words.push_back({t.captured(7), number(3), number(4), number(5), number(6)});
    }
    return pages;
}

std::vector<PdfWord> pdfFooter(const PdfPage &page) {
    const std::vector<PdfWord> &w = page.words;
    for (std::size_t i = 0; i + 3 < w.size(); ++i)
        if (w[i].text == "Seite" && w[i + 2].text == "von") return {w.begin() + long(i), w.begin() + long(i) + 4};
    return {};
}

}  // namespace volmira::test
