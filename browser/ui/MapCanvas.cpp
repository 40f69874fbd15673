#include "browser/ui/MapCanvas.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace volmira::browser {

namespace {
// Qt reports wheel turns in eighths of a degree; a notch is 15 degrees.
constexpr int kNotch = 120;
}  // namespace

MapCanvas::MapCanvas(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMap"));
    setPalette(QPalette(Qt::white));
    // Everything painted each time: no system background under the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the map brings the map page's keys to it, without a place in the tab order.
    setFocusPolicy(Qt::ClickFocus);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblMapMessage"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    message_->hide();
}

void MapCanvas::setPicture(const QImage &picture) {
    picture_ = picture;
    source_ = target_ = {};
    showMessage({});
}

void MapCanvas::clearPicture() {
    picture_ = {};
    source_ = target_ = {};
    panning_ = false;
    update();
}

void MapCanvas::setView(const QRectF &source, const QRectF &target, int rotation) {
    source_ = source;
    target_ = target;
    rotation_ = rotation;
    update();
}

void MapCanvas::showMessage(const QString &text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
    update();
}

QString MapCanvas::message() const { return message_->isVisible() ? message_->text() : QString(); }

void MapCanvas::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (picture_.isNull() || source_.isEmpty() || target_.isEmpty()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (rotation_ == 0) {
        painter.drawImage(target_, picture_, source_);
    } else {
        // Turned about the target's middle, where the unturned source lies with its sides swapped for odd turns.
        painter.translate(target_.center());
        painter.rotate(90.0 * rotation_);
        const QSizeF size = rotation_ % 2 ? target_.size().transposed() : target_.size();
        painter.drawImage(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), picture_, source_);
    }
    painter.end();
    emit drawn();
}

void MapCanvas::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !hasPicture()) return;
    panning_ = true;
    emit panStarted(event->position());
}

// A move without the button held changes nothing, so it draws nothing.
void MapCanvas::mouseMoveEvent(QMouseEvent *event) {
    if (panning_ && (event->buttons() & Qt::LeftButton)) emit panMoved(event->position());
}

void MapCanvas::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !panning_) return;
    panning_ = false;
    emit panEnded();
}

void MapCanvas::wheelEvent(QWheelEvent *event) {
    if (!hasPicture()) return;
    wheelRest_ += event->angleDelta().y();
    const int steps = wheelRest_ / kNotch;
    wheelRest_ %= kNotch;
    if (steps != 0) emit wheelSteps(steps, event->position());
    event->accept();
}

}  // namespace volmira::browser
