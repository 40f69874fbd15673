// The printed airport list of the database manager: preparing it with the
// progress bar, its preview and printing from there.
#include "manager/ReportPreparation.h"
#include "manager/report/ReportPainter.h"
#include "manager/ui/frmDatabase.h"

#include <QAction>
#include <QCheckBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace volmira::manager {

namespace {

const QString kReportTitle = QStringLiteral("Volmira Flughafenliste");

// Why a printer refused the job, as far as it says.
QString refusal(const QPrinter &printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(printer.outputFileName());
    if (printer.printerName().isEmpty()) return QStringLiteral("Es ist kein Drucker eingerichtet.");
    return QStringLiteral("Der Drucker „%1“ nimmt den Auftrag nicht an.").arg(printer.printerName());
}

}  // namespace

void frmDatabase::cmdPrint_Click() {
    cmdPrint->setEnabled(false);
    progbar->setValue(0);
    progbar->show();
    progbar->repaint();
    const ListFilter filter = readFilter();
    platform::Result<std::vector<ReportAirport>> report = std::vector<ReportAirport>{};
    if (const QString country = currentCountry(); !country.isEmpty())
        // Repainted, never processing input: no click may reach the window meanwhile.
        report = prepareReport(store_.database(), country, filter.filter, [this](int position, int count) {
            progbar->setMaximum(std::max(count, 1));
            progbar->setValue(position);
            progbar->repaint();
        });
    progbar->hide();
    if (!report)
        dialogs_.inform(this, kReportTitle, kReportFailure.toString() + QStringLiteral("\n\n") + report.error());
    else if (report->empty())
        dialogs_.inform(this, kReportTitle, kEmptyReport.toString());
    else
        ShowAptReport(*report);
    cmdPrint->setEnabled(true);
}

void frmDatabase::ShowAptReport(const std::vector<ReportAirport> &airports) {
    const ContactText contacts = chkShowAll->isChecked() ? ContactText::Short : ContactText::Long;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
    printer.setDocName(kReportTitle);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("reportAirports"));
    preview.setWindowTitle(kReportTitle);
    // The list is laid out for the paper each request paints on: the preview's
    // orientation and page set-up, or the print dialog's choice, change it.
    ReportPages pages;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *target) {
        const ReportPaper paper = reportPaper(target->pageLayout());
        if (pages.empty() || pages.front().paper != paper) pages = layoutReport(airports, contacts, paper);
        paintReport(*target, pages);
    });
    // Through the dialog's own action, so that its tool bar shows the choice.
    if (auto *fitWidth = preview.findChild<QAction *>(QStringLiteral("fitWidthAction"))) fitWidth->trigger();
    // Filling the screen first keeps the size where no window manager maximizes.
    preview.setGeometry(screen()->availableGeometry());
    preview.setWindowState(Qt::WindowMaximized);
    preview.exec();
}

void frmDatabase::paintReport(QPrinter &printer, const ReportPages &pages) {
    QPainter painter;
    if (!painter.begin(&printer) || printer.printerState() == QPrinter::Error ||
        !paintReportPages(painter, printer, pages))
        dialogs_.inform(this, kReportTitle, QStringLiteral("Drucken fehlgeschlagen.\n\n") + refusal(printer));
}

}  // namespace volmira::manager
