#include "ui/Pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zendaro {

namespace {

// A clear picture of w × h device-independent pixels, holding as many pixels
// as the densest screen shows there (the painting code draws in w × h).
QPixmap transparentPixmap(int w, int h, qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0) {
    QPixmap pixmap(QSize(w, h) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A shaded disc filling most of a 48 × 48 picture.
void paintDisc(QPainter& p, const QColor& light, const QColor& dark) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF disc(2, 2, 44, 44);
    QRadialGradient fill(QPointF(18, 16), 34);
    fill.setColorAt(0.0, light);
    fill.setColorAt(1.0, dark);
    p.setPen(QPen(dark.darker(130), 1.5));
    p.setBrush(fill);
    p.drawEllipse(disc);
}

QPixmap buttonPicture(const QColor& top, const QColor& bottom, const QColor& arrow) {
    QPixmap pixmap = transparentPixmap(54, 80);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF body(4, 13, 46, 54);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(QPen(bottom.darker(140), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(body, 10, 10);
    QPainterPath chevron;
    chevron.moveTo(21, 28);
    chevron.lineTo(34, 40);
    chevron.lineTo(21, 52);
    p.setPen(QPen(arrow, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
    return pixmap;
}

} // namespace

QPixmap stopIconPicture() {
    QPixmap pixmap = transparentPixmap(48, 48);
    QPainter p(&pixmap);
    paintDisc(p, QColor(255, 110, 100), QColor(190, 20, 20));
    p.setPen(QPen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(32, 32));
    p.drawLine(QPointF(32, 16), QPointF(16, 32));
    return pixmap;
}

QPixmap infoIconPicture() {
    QPixmap pixmap = transparentPixmap(48, 48);
    QPainter p(&pixmap);
    paintDisc(p, QColor(110, 190, 255), QColor(10, 80, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 13.5), 3.5, 3.5);
    QPainterPath stem;
    stem.moveTo(19, 20);
    stem.lineTo(27, 20);
    stem.lineTo(27, 34);
    stem.lineTo(30, 34);
    stem.lineTo(30, 38);
    stem.lineTo(18, 38);
    stem.lineTo(18, 34);
    stem.lineTo(21, 34);
    stem.lineTo(21, 24);
    stem.lineTo(19, 24);
    stem.closeSubpath();
    p.drawPath(stem);
    return pixmap;
}

QPixmap defaultButtonPicture() {
    return buttonPicture(QColor(120, 205, 235), QColor(1, 157, 203), Qt::white);
}

QPixmap defaultButtonLightPicture() {
    return buttonPicture(QColor(190, 235, 250), QColor(3, 133, 209), QColor(255, 240, 120));
}

QPixmap pointingHandPicture() {
    // The pointer keeps its 32 × 32 pixels: the platform sizes pointers itself.
    QPixmap pixmap = transparentPixmap(32, 32, 1.0);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath hand;
    hand.moveTo(10, 2); // finger tip
    hand.cubicTo(12, 1, 14, 2, 14, 4);
    hand.lineTo(14, 12); // pointing finger
    hand.lineTo(17, 12);
    hand.lineTo(20, 13);
    hand.lineTo(23, 14);
    hand.cubicTo(26, 15, 27, 17, 27, 20);
    hand.lineTo(27, 24);
    hand.cubicTo(27, 27, 25, 30, 22, 30);
    hand.lineTo(13, 30);
    hand.cubicTo(11, 30, 10, 29, 9, 27);
    hand.lineTo(4, 19);
    hand.cubicTo(3, 17, 5, 15, 7, 17);
    hand.lineTo(8, 19);
    hand.lineTo(8, 4);
    hand.cubicTo(8, 2, 9, 2, 10, 2);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(17, 12.5), QPointF(17, 18));
    p.drawLine(QPointF(20.5, 13.5), QPointF(20.5, 18));
    p.drawLine(QPointF(23.5, 14.5), QPointF(23.5, 18));
    return pixmap;
}

QPoint pointingHandHotSpot() {
    return {11, 2};
}

} // namespace zendaro
