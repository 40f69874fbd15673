#pragma once

#include "manager/report/ReportLayout.h"
#include "platform/Result.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <functional>

// Painting the laid-out list: one page on any painter (preview, printer, PDF),
// and the whole list as a PDF document.
namespace volmira::manager {

// The paper of a page layout (a printer's, as the page set-up left it) with its margins.
[[nodiscard]] ReportPaper reportPaper(const QPageLayout &layout);

// Paints `page` with its paper's top left corner at the painter's origin (for
// a QPrinter: full-page painting), twips turned into the device's dots by its
// resolution (dots = twips × dpi / 1440), the list moved inside the paper's
// margins and set at its scale.
void paintReportPage(QPainter &painter, const ReportPage &page);

// Told after each page painted: its number from 1 and the page count.
using PageProgress = std::function<void(int page, int pages)>;

// Paints every page on a paged device (printer, PDF writer) through a painter
// begun on it, a new page before each but the first. False when the device
// refuses a new page.
[[nodiscard]] bool paintReportPages(QPainter &painter, QPagedPaintDevice &device, const ReportPages &pages,
                                    const PageProgress &progress = {});

// The PDF document on the pages' paper (A4 portrait unless laid out for
// another), title "Volmira Flughafenliste", creator "Volmira APT", its fonts
// embedded. Written through QPdfWriter, which needs Qt Gui only, so that the
// command line stays free of the print support and widget libraries the
// printer classes pull in.
[[nodiscard]] platform::Result<> writeReportPdf(const ReportPages &pages, QIODevice &device,
                                                const PageProgress &progress = {});
// The same into a file that holds the old document until the new one is complete.
[[nodiscard]] platform::Result<> writeReportPdf(const ReportPages &pages, const QString &path,
                                                const PageProgress &progress = {});

}  // namespace volmira::manager
