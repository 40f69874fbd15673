#include "manager/report/ReportPainter.h"

#include "manager/report/ReportText.h"
#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPdfWriter>

#include <algorithm>

namespace volmira::manager {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kMillimetresPerInch = 25.4;
constexpr char kTitle[] = "Volmira Flughafenliste";
constexpr char kCreator[] = "Volmira APT";

int twips(double millimetres) { return qRound(millimetres * kTwipsPerInch / kMillimetresPerInch); }

// The paper as a page layout: its size upright, turned by the orientation, so
// that a landscape A4 stays named A4; no margins, as the painter keeps the paper's.
QPageLayout pageLayout(const ReportPaper &paper) {
    const QSizeF upright(std::min(paper.width, paper.height) * kMillimetresPerInch / kTwipsPerInch,
                         std::max(paper.width, paper.height) * kMillimetresPerInch / kTwipsPerInch);
    return QPageLayout(QPageSize(upright, QPageSize::Millimeter),
                       paper.width > paper.height ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

}  // namespace

ReportPaper reportPaper(const QPageLayout &layout) {
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    return {twips(paper.width()),  twips(paper.height()),  twips(margins.left()),
            twips(margins.top()), twips(margins.right()), twips(margins.bottom())};
}

void paintReportPage(QPainter &painter, const ReportPage &page) {
    painter.save();
    const QPaintDevice *device = painter.device();
    painter.scale(double(device->logicalDpiX()) / kTwipsPerInch, double(device->logicalDpiY()) / kTwipsPerInch);
    painter.translate(page.paper.left, page.paper.top);
    painter.scale(page.paper.scale(), page.paper.scale());
    painter.setPen(QPen(Qt::black, geometry::kLineWidth, Qt::SolidLine, Qt::FlatCap));
    ReportFonts fonts;
    for (const ReportItem &item : page.items) {
        if (item.kind == ReportItem::Kind::Line) {
            painter.drawLine(item.box.x, item.box.y, item.box.right(), item.box.bottom());
            continue;
        }
        painter.setFont(fonts.font(item.font));
        for (const ReportLine &line : item.lines) painter.drawText(QPointF(line.x, line.baseline), line.text);
    }
    painter.restore();
}

bool paintReportPages(QPainter &painter, QPagedPaintDevice &device, const ReportPages &pages,
                      const PageProgress &progress) {
    const int count = int(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) return false;
        paintReportPage(painter, pages[std::size_t(i)]);
        if (progress) progress(i + 1, count);
    }
    return true;
}

platform::Result<> writeReportPdf(const ReportPages &pages, QIODevice &device, const PageProgress &progress) {
    const auto failed = [] {
        return platform::Failure{QStringLiteral("Das PDF-Dokument der Flughafenliste kann nicht erzeugt werden.")};
    };
    QPdfWriter writer(&device);
    writer.setTitle(QString::fromLatin1(kTitle));
    writer.setCreator(QString::fromLatin1(kCreator));
    writer.setResolution(kTwipsPerInch);
    if (!writer.setPageLayout(pageLayout(pages.empty() ? ReportPaper{} : pages.front().paper)))
        return failed();
    QPainter painter;
    if (!painter.begin(&writer)) return failed();
    if (!paintReportPages(painter, writer, pages, progress) || !painter.end()) return failed();
    return {};
}

platform::Result<> writeReportPdf(const ReportPages &pages, const QString &path, const PageProgress &progress) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (platform::Result<> written = writeReportPdf(pages, buffer, progress); !written) return written;
    buffer.close();
    return platform::writeFileAtomically(path, bytes);
}

}  // namespace volmira::manager
