#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Reading a PDF back with poppler's tools, as a reader of the printed list sees it.
namespace volmira::test {

// A poppler tool's output; the test fails when the tool does not run cleanly.
QString poppler(const QString &tool, const QStringList &arguments);

struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// A page and its words, in points from its top left corner.
struct PdfPage {
    double width = 0, height = 0;
    std::vector<PdfWord> words;
};

std::vector<PdfPage> pdfPages(const QString &pdf);

// The four words of the page footer "Seite  k von N" on a page ("Seite", k,
// "von", N), empty when the page has none.
std::vector<PdfWord> pdfFooter(const PdfPage &page);

}  // namespace volmira::test
