#include "ui/tvShape.h"

#include "ui/ControlInput.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"
#include "ui/WindowUtils.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace zendaro {

namespace {
constexpr int MinimumWidth = 1000; // twips
constexpr int MinimumHeight = 400; // twips
constexpr int HoverTick = 50;

QSize screenSize(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1920, 1080);
}

int limitSlant(int slant) {
    return std::clamp(slant, -tvShape::MaxDiagonal, tvShape::MaxDiagonal);
}
} // namespace

tvShape::tvShape(QWidget* parent) : QWidget(parent), effectTimer_(new QTimer(this)) {
    s_.caption = QStringLiteral("Tavrin's Shape");
    s_.font = msSansSerif825();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(twips(MinimumWidth), twips(MinimumHeight));
    effectTimer_->setObjectName(QStringLiteral("EffectTimer"));
    effectTimer_->setInterval(HoverTick);
    connect(effectTimer_, &QTimer::timeout, this, &tvShape::hoverTick);
    resize(twips(4800), twips(3600));
    repaintSurface();
}

void tvShape::setBackColor(Colour c) {
    s_.backColor = c;
    repaintSurface();
}
void tvShape::setBorderBackColor(Colour c) {
    s_.borderBackColor = c;
    if (!borderColorSet_)
        s_.borderColor = c;
    repaintSurface();
}
void tvShape::setCaption(const QString& caption) {
    s_.caption = caption;
    repaintSurface();
}
void tvShape::setForeColor(Colour c) {
    s_.foreColor = c;
    repaintSurface();
}
void tvShape::setGradientBorderColor(bool on) {
    s_.gradientBorderColor = on;
    repaintSurface();
}
void tvShape::setGradientBackColor(bool on) {
    s_.gradientBackColor = on;
    repaintSurface();
}
void tvShape::setBorderColor(Colour c) {
    s_.borderColor = c;
    borderColorSet_ = true;
    repaintSurface();
}
void tvShape::setStep(int step) {
    s_.step = step;
    repaintSurface();
}
void tvShape::setBorderStep(int step) {
    s_.borderStep = step;
    repaintSurface();
}
void tvShape::setDiagonal(int slant) {
    s_.diagonal = limitSlant(slant);
    repaintSurface();
}
void tvShape::setBorderDiagonal(int slant) {
    s_.borderDiagonal = limitSlant(slant);
    repaintSurface();
}
void tvShape::setGradMode(int mode) {
    s_.gradMode = mode;
    repaintSurface();
}
void tvShape::setBorderGradMode(int mode) {
    s_.borderGradMode = mode;
    repaintSurface();
}
void tvShape::setDirection(int direction) {
    s_.direction = direction;
    repaintSurface();
}
void tvShape::setBorderDirection(int direction) {
    s_.borderDirection = direction;
    repaintSurface();
}
void tvShape::setBlack(bool on) {
    s_.black = on;
    repaintSurface();
}
void tvShape::setBorderBlack(bool on) {
    s_.borderBlack = on;
    repaintSurface();
}
void tvShape::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    applyMousePointer(this, mousePointer_, mouseIcon_);
}
void tvShape::setMouseIcon(const QPixmap& icon) {
    mouseIcon_ = icon;
    applyMousePointer(this, mousePointer_, mouseIcon_);
}

void tvShape::repaintSurface() {
    if (repainting_)
        return;
    repainting_ = true;
    const QSize minimum(twips(MinimumWidth), twips(MinimumHeight));
    if (width() < minimum.width() || height() < minimum.height())
        resize(size().expandedTo(minimum));
    surface_ = QImage(size(), QImage::Format_RGB32);
    if (!paintShapeSurface(surface_, s_, screenSize(this))) {
        // A step of 0 cannot step the band colours: both steps go back to
        // their defaults and the surface is painted again.
        s_.step = 10;
        s_.borderStep = 3;
        paintShapeSurface(surface_, s_, screenSize(this));
    }
    ++repaints_;
    repainting_ = false;
    update();
    emit Resize();
}

const QImage& tvShape::surface() {
    if (surface_.size() != size())
        repaintSurface();
    return surface_;
}

void tvShape::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_, event->rect());
    emit Paint();
}

void tvShape::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (surface_.size() != size())
        repaintSurface();
}

void tvShape::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void tvShape::mouseMoveEvent(QMouseEvent* event) {
    QPointer<tvShape> self(this);
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
    if (!self)
        return;
    if (IsCursorOverWindow(this)) {
        effectTimer_->start();
        emit MouseOver();
    } else {
        effectTimer_->stop();
        emit MouseOut();
    }
}

void tvShape::mouseReleaseEvent(QMouseEvent* event) {
    QPointer<tvShape> self(this);
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
    if (!self || !IsCursorOverWindow(this))
        return;
    if (event->button() == Qt::LeftButton) {
        emit Click();
        if (self)
            emit LClick();
    } else if (event->button() == Qt::RightButton) {
        emit RClick();
    }
}

void tvShape::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
    emit DblClick();
}

void tvShape::hoverTick() {
    if (IsCursorOverWindow(this))
        return;
    effectTimer_->stop();
    emit MouseOut();
}

void tvShape::keyPressEvent(QKeyEvent* event) {
    QPointer<tvShape> self(this);
    emit KeyDown(event->key(), shiftCode(event->modifiers()));
    if (self && !event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
    event->ignore(); // the window decides what the key does
}

void tvShape::keyReleaseEvent(QKeyEvent* event) {
    emit KeyUp(event->key(), shiftCode(event->modifiers()));
    event->ignore();
}

void tvShape::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit Show();
}

void tvShape::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit Hide();
}

} // namespace zendaro
