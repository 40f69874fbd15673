#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

class QLabel;

namespace volmira::browser {

// picMap: paints a part of the loaded picture scaled into a part of itself,
// and hands the mouse on as pan and zoom requests. A line of text in its middle
// says what is going on while there is nothing to draw.
class MapCanvas : public QWidget {
    Q_OBJECT

public:
    explicit MapCanvas(QWidget *parent = nullptr);

    // Keeps the picture, shares its data; nothing is drawn before setView.
    void setPicture(const QImage &picture);
    // Drops the picture; the canvas paints its background only.
    void clearPicture();
    [[nodiscard]] bool hasPicture() const { return !picture_.isNull(); }
    [[nodiscard]] const QImage &picture() const { return picture_; }
    // Source rectangle in the picture's pixels, target in the canvas's; the
    // source painted turned by `rotation` quarter turns clockwise.
    void setView(const QRectF &source, const QRectF &target, int rotation = 0);
    // Shows the text over an empty canvas; an empty text hides it.
    void showMessage(const QString &text);
    [[nodiscard]] QString message() const;

signals:
    // After a paint that drew the picture.
    void drawn();
    void panStarted(QPointF at);
    void panMoved(QPointF at);
    void panEnded();
    // One wheel notch is a step; positive away from the user; at the mouse's place.
    void wheelSteps(int steps, QPointF at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QImage picture_;
    QRectF source_;
    QRectF target_;
    int rotation_ = 0;
    bool panning_ = false;
    int wheelRest_ = 0;  // eighths of a degree short of a whole notch
    QLabel *message_ = nullptr;
};

}  // namespace volmira::browser
