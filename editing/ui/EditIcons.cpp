#include "editing/ui/EditIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace volmira::editing {

namespace {

constexpr int kSide = 48;  // drawn large, scaled down by the buttons

QIcon drawn(const std::function<void(QPainter &)> &draw) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

void pencil(QPainter &p) {
    p.save();
    p.translate(kSide / 2.0, kSide / 2.0);
    p.rotate(45);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(245, 170, 40));
    p.drawRect(QRectF(-6, -20, 12, 28));  // the shaft
    p.setBrush(QColor(230, 120, 140));
    p.drawRect(QRectF(-6, -24, 12, 4));   // the rubber
    QPainterPath tip;
    tip.moveTo(-6, 8);
    tip.lineTo(6, 8);
    tip.lineTo(0, 20);
    tip.closeSubpath();
    p.setBrush(QColor(240, 220, 180));
    p.drawPath(tip);
    p.restore();
}

}  // namespace

QIcon addIcon() {
    return drawn([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 150, 0));
        p.drawRoundedRect(QRectF(19, 6, 10, 36), 2, 2);
        p.drawRoundedRect(QRectF(6, 19, 36, 10), 2, 2);
    });
}

QIcon changeIcon() { return drawn(pencil); }

QIcon deleteIcon() {
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(200, 0, 0), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(37, 37));
        p.drawLine(QPointF(37, 11), QPointF(11, 37));
    });
}

QIcon airportIcon() {
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(120, 120, 60), 2));
        p.setBrush(QColor(255, 255, 128));
        p.drawRect(QRectF(3, 9, 34, 30));
        p.setPen(QPen(QColor(90, 90, 90), 3));
        for (int y : {17, 24, 31}) p.drawLine(QPointF(8, y), QPointF(26, y));
        pencil(p);
    });
}

}  // namespace volmira::editing
