// "Karte drucken" on the map page: the map shown, as the user sees it, on a
// printer or into a PDF file.
#include "browser/print/MapPrint.h"
#include "browser/ui/MapPanel.h"
#include "browser/ui/MapPrintDialog.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace volmira::browser {

void MapPanel::cmdPrintMap_Click() {
    const QString title = QStringLiteral("Karte drucken");
    if (ActiveMap < 0 || slots_[ActiveMap].MapFile.isEmpty()) return;
    ChartPrintJob job;
    job.path = slots_[ActiveMap].MapFile;
    job.type = mapTypeOf(job.path);
    MapPrintDialog choice(job.type != MapType::Pdf, this);
    if (choice.exec() != QDialog::Accepted) return;
    // What is shown: the picture's turn, the PDF chart's page.
    job.rotation = view_.rotation();
    if (const std::optional<PdfPlace> place = pdfPlace()) job.pdfPage = place->page;
    job.paper = choice.paper();
    job.orientation = choice.orientation();
    if (!choice.wholePage() && view_.ready()) job.view = view_.source();
    const platform::Result<PreparedChart> chart = prepareChart(job);
    platform::Result<> printed;
    if (!chart) {
        printed = platform::Failure{chart.error()};
    } else if (choice.toPdfFile()) {
        const QString file = QFileDialog::getSaveFileName(this, title, {}, QStringLiteral("PDF-Dateien (*.pdf)"));
        if (file.isEmpty()) return;
        printed = writeChartPdf(*chart, file);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true);  // the layout places the chart inside its own margins
        printer.setDocName(title);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        printed = paintChart(printer, *chart);
    }
    if (!printed) dialogs_.inform(this, title, printed.error());
}

}  // namespace volmira::browser
