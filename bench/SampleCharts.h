#pragma once

// The airfield chart the project draws itself: the pictures of the README's
// map page, the benchmarks' JPEGs of every size and the PDF chart. An
// imagined field, no navigation data. Header only, for the tools that link QtGui.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QString>
#include <QtMath>

namespace volmira::bench {

namespace chart {

// A runway of the heading through the centre, length and width in chart units,
// with its designators at both ends.
inline void runway(QPainter &p, QPointF centre, double heading, double length, double width, const QString &low,
                   const QString &high) {
    p.save();
    p.translate(centre);
    p.rotate(heading - 90);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 75));
    p.drawRect(QRectF(-length / 2, -width / 2, length, width));
    p.setPen(QPen(Qt::white, width / 10, Qt::DashLine));
    p.drawLine(QPointF(-length / 2 + width * 2, 0), QPointF(length / 2 - width * 2, 0));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(width * 0.9));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QRectF end(-width, -width / 2, width * 2, width);
    p.save();
    p.translate(-length / 2 + width * 1.1, 0);
    p.rotate(90);
    p.drawText(end, Qt::AlignCenter, low);
    p.restore();
    p.translate(length / 2 - width * 1.1, 0);
    p.rotate(-90);
    p.drawText(end, Qt::AlignCenter, high);
    p.restore();
}

inline void label(QPainter &p, QRectF box, const QString &text, int pixels, bool bold = false,
                  Qt::Alignment align = Qt::AlignCenter) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.setFont(font);
    p.drawText(box, align, text);
}

}  // namespace chart

// Draws the chart into a 1000 x 750 area of the painter's units.
inline void drawAirfieldChart(QPainter &p) {
    using namespace chart;
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, 1000, 750), QColor(246, 242, 230));
    p.setPen(QPen(QColor(215, 208, 190), 1));
    for (int x = 50; x < 1000; x += 50) p.drawLine(x, 0, x, 750);
    for (int y = 50; y < 750; y += 50) p.drawLine(0, y, 1000, y);

    // Grass and the airport fence.
    QPainterPath field;
    field.addRoundedRect(QRectF(70, 130, 880, 540), 60, 60);
    p.setPen(QPen(QColor(120, 150, 90), 3, Qt::DashDotLine));
    p.setBrush(QColor(214, 228, 190));
    p.drawPath(field);

    // Taxiways under the runways.
    p.setPen(QPen(QColor(225, 190, 60), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, 545), QPointF(820, 290));
    p.drawLine(QPointF(330, 600), QPointF(300, 330));
    p.drawLine(QPointF(600, 505), QPointF(560, 240));
    p.drawLine(QPointF(760, 450), QPointF(740, 210));

    runway(p, {500, 290}, 70, 720, 26, QStringLiteral("07L"), QStringLiteral("25R"));
    runway(p, {520, 420}, 70, 620, 24, QStringLiteral("07R"), QStringLiteral("25L"));
    runway(p, {112, 430}, 180, 360, 22, QStringLiteral("18"), QStringLiteral("36"));

    // Apron with the terminals.
    p.setPen(QPen(QColor(120, 120, 120), 2));
    p.setBrush(QColor(190, 190, 195));
    p.drawPolygon(QPolygonF({{360, 560}, {760, 470}, {800, 600}, {400, 650}}));
    p.setBrush(QColor(110, 90, 80));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(450, 585, 120, 40));
    p.drawRect(QRectF(620, 555, 110, 40));
    p.setPen(Qt::white);
    label(p, QRectF(450, 585, 120, 40), QStringLiteral("Terminal 1"), 15, true);
    label(p, QRectF(620, 555, 110, 40), QStringLiteral("Terminal 2"), 15, true);
    p.setPen(QColor(60, 60, 60));
    label(p, QRectF(520, 500, 160, 30), QStringLiteral("Vorfeld"), 18, true);
    label(p, QRectF(300, 380, 60, 24), QStringLiteral("A"), 16, true);
    label(p, QRectF(605, 335, 40, 24), QStringLiteral("B"), 16, true);

    // Title, frequencies, north arrow, scale.
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(QRectF(20, 20, 520, 90));
    p.setPen(QColor(20, 20, 60));
    label(p, QRectF(35, 25, 500, 40), QStringLiteral("EDDF  Frankfurt/Main"), 30, true, Qt::AlignLeft | Qt::AlignVCenter);
    label(p, QRectF(35, 68, 500, 30), QStringLiteral("Flugplatzkarte · Beispiel, nicht für die Navigation"), 17, false,
          Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawRect(QRectF(20, 680, 430, 50));
    p.setPen(QColor(20, 20, 60));
    label(p, QRectF(30, 680, 420, 50), QStringLiteral("TWR 118.775   GND 121.900   ATIS 118.025"), 18, true,
          Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(QColor(20, 20, 60), 3));
    p.setBrush(QColor(20, 20, 60));
    p.drawPolygon(QPolygonF({{930, 30}, {910, 100}, {930, 85}, {950, 100}}));
    label(p, QRectF(905, 100, 50, 30), QStringLiteral("N"), 24, true);
    p.drawLine(QPointF(720, 710), QPointF(920, 710));
    for (int x = 720; x <= 920; x += 100) p.drawLine(QPointF(x, 700), QPointF(x, 720));
    label(p, QRectF(700, 718, 240, 26), QStringLiteral("0        500        1000 m"), 15);
}

// The chart as a JPEG of the size, drawn to fill it.
inline bool writeChartJpeg(const QString &path, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(width / 1000.0, height / 750.0);
    drawAirfieldChart(painter);
    painter.end();
    return picture.save(path, "JPEG", 85);
}

// The chart on `chartPages` A4 landscape pages of a PDF, then a page of notes.
inline bool writeChartPdf(const QString &path, int chartPages = 1) {
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setTitle(QStringLiteral("EDDF Flugplatzkarte"));
    QPainter painter(&pdf);
    if (!painter.isActive()) return false;
    const QRect page = painter.viewport();
    const double scale = std::min(page.width() / 1000.0, page.height() / 750.0);
    painter.scale(scale, scale);
    for (int page = 0; page < chartPages; ++page) {
        drawAirfieldChart(painter);
        pdf.newPage();
    }
    painter.setPen(Qt::black);
    chart::label(painter, QRectF(40, 40, 900, 40), QStringLiteral("Hinweise zum Platz"), 30, true, Qt::AlignLeft);
    chart::label(painter, QRectF(40, 100, 900, 300),
                 QStringLiteral("PPR 24 Stunden vorher.\nRollhalt vor Bahn 18 beachten.\nVorfeld nur mit Einweiser."),
                 20, false, Qt::AlignLeft | Qt::AlignTop);
    return painter.end();
}

}  // namespace volmira::bench
