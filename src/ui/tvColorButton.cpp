#include "ui/tvColorButton.h"

#include "ui/ControlInput.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/Twips.h"
#include "ui/WindowUtils.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace zendaro {

namespace {
constexpr int MinimumSide = 255; // twips
constexpr int HoverTick = 50;

QSize screenSize(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1920, 1080);
}

Qt::PenStyle penStyleFor(int borderStyle) {
    switch (borderStyle) {
    case 0:
        return Qt::NoPen;
    case 2:
        return Qt::DashLine;
    case 3:
        return Qt::DotLine;
    case 4:
        return Qt::DashDotLine;
    case 5:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}
} // namespace

tvColorButton::tvColorButton(QWidget* parent)
    : QWidget(parent), backColor_(rgbColour(255, 255, 255)), caption_(QStringLiteral("Tavrin")),
      font_(msSansSerif825()), focusColor_(rgbColour(255, 255, 0)), captionLbl_(new QLabel(this)),
      effectTimer_(new QTimer(this)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InstallAccessibleControls();
    setAccessibleName(caption_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(twips(MinimumSide), twips(MinimumSide));
    captionLbl_->setObjectName(QStringLiteral("CaptionLbl"));
    captionLbl_->setAttribute(Qt::WA_TransparentForMouseEvents);
    captionLbl_->setAutoFillBackground(false);
    captionLbl_->setTextFormat(Qt::PlainText);
    captionLbl_->setMargin(0);
    effectTimer_->setObjectName(QStringLiteral("EffectTimer"));
    effectTimer_->setInterval(HoverTick);
    connect(effectTimer_, &QTimer::timeout, this, &tvColorButton::hoverTick);
    resize(twips(1215), twips(495));
    relayout();
}

// --- properties ----------------------------------------------------------

void tvColorButton::setBackColor(Colour c) {
    backColor_ = c;
    relayout();
}
void tvColorButton::setBorderColor(Colour c) {
    borderColor_ = c;
    relayout();
}
void tvColorButton::setStep(int step) {
    step_ = step;
    relayout();
}
void tvColorButton::setGradMode(int mode) {
    gradMode_ = mode;
    relayout();
}
void tvColorButton::setGradient(bool on) {
    gradient_ = on;
    relayout();
}
void tvColorButton::setDirection(int direction) {
    direction_ = direction;
    relayout();
}
void tvColorButton::setBlack(int black) {
    black_ = black;
    relayout();
}
void tvColorButton::setAlignement(int alignement) {
    alignement_ = alignement;
    relayout();
}
void tvColorButton::setCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption); // what a screen reader says
    relayout();
}
void tvColorButton::setForeColor(Colour c) {
    foreColor_ = c;
    relayout();
}
void tvColorButton::setCaptionFont(const QFont& font) {
    font_ = font;
    relayout();
}
void tvColorButton::setDrawWidth1(int w) {
    drawWidth_[0] = w;
    relayout();
}
void tvColorButton::setDrawWidth2(int w) {
    drawWidth_[1] = w;
    relayout();
}
void tvColorButton::setDrawWidth3(int w) {
    drawWidth_[2] = w;
    relayout();
}
void tvColorButton::setDrawWidth4(int w) {
    drawWidth_[3] = w;
    relayout();
}
void tvColorButton::setFocusColor(Colour c) {
    focusColor_ = c;
    relayout();
}
void tvColorButton::setFocusBorderWidth(int w) {
    focusBorderWidth_ = w;
    relayout();
}
void tvColorButton::setFocusBorderStyle(int style) {
    focusBorderStyle_ = style;
    relayout();
}
void tvColorButton::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    applyMousePointer(this, mousePointer_, mouseIcon_);
}
void tvColorButton::setMouseIcon(const QPixmap& icon) {
    mouseIcon_ = icon;
    applyMousePointer(this, mousePointer_, mouseIcon_);
}
void tvColorButton::setDefault(bool on) {
    default_ = on;
}
void tvColorButton::setCancel(bool on) {
    cancel_ = on;
}

// --- layout and painting -------------------------------------------------

void tvColorButton::relayout() {
    if (layingOut_)
        return;
    layingOut_ = true;
    // A step of 0 cannot step the band colour; it goes back to its default.
    if (step_ == 0)
        step_ = 1;
    const QSize minimum(twips(MinimumSide), twips(MinimumSide));
    if (width() < minimum.width() || height() < minimum.height())
        resize(size().expandedTo(minimum));
    surface_ = QImage(size(), QImage::Format_RGB32);
    surface_.fill(toQColor(backColor_));
    paintLook(isEnabled() ? Look::Normal : Look::Disabled);
    layingOut_ = false;
    emit Resize();
}

ButtonSurface tvColorButton::surfaceFor(Look look) const {
    ButtonSurface s;
    s.edge = borderColor_;
    s.step = step_;
    s.bands = gradient_;
    s.layout = gradMode_;
    s.direction = direction_;
    for (int i = 0; i < 4; ++i)
        s.edgeWidths[i] = drawWidth_[i];
    switch (look) {
    case Look::Normal:
        s.base = backColor_;
        s.dark = black_ != 0;
        break;
    case Look::Hover:
        s.base = LightenColor(backColor_, 10, 10, 10);
        s.edgeWidths[1] += 1;
        s.edgeWidths[2] += 1;
        s.step = 2;
        s.dark = false;
        break;
    case Look::Pressed:
        s.base = LightenColor(backColor_, 30, 30, 30);
        s.edgeWidths[0] += 2;
        s.edgeWidths[3] += 2;
        s.step = 1;
        s.direction = 1;
        s.dark = true;
        break;
    case Look::Disabled:
        s.base = LightenColor(backColor_, 50, 50, 50);
        s.edge = 0;
        for (int& w : s.edgeWidths)
            w = 0;
        s.bands = true;
        s.dark = false;
        break;
    }
    return s;
}

void tvColorButton::paintLook(Look look) {
    if (surface_.size() != size()) {
        surface_ = QImage(size(), QImage::Format_RGB32);
        surface_.fill(toQColor(backColor_));
    }
    paintButtonSurface(surface_, surfaceFor(look), screenSize(this));
    look_ = look;
    switch (look) {
    case Look::Normal:
        layoutCaption(foreColor_);
        break;
    case Look::Hover:
        layoutCaption(DarkenColor(foreColor_, 10, 10, 10));
        break;
    case Look::Pressed:
        layoutCaption(LightenColor(backColor_, 30, 30, 30));
        break;
    case Look::Disabled:
        break; // the caption keeps its last text, colour and place
    }
    update();
}

void tvColorButton::layoutCaption(Colour colour) {
    QFont font = font_;
    font.setBold(false);
    font.setItalic(false);
    captionLbl_->setText(caption_);
    QPalette palette = captionLbl_->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, toQColor(colour));
    captionLbl_->setPalette(palette);
    captionLbl_->setFont(font);
    captionLbl_->adjustSize();

    const double innerW = pixelsToTwips(width());
    const double innerH = pixelsToTwips(height());
    const double captionW = pixelsToTwips(captionLbl_->width());
    const double captionH = pixelsToTwips(captionLbl_->height());
    const int top = roundHalfEven(innerH / 2 - captionH / 2);
    double left = 0;
    switch (alignement_) {
    case 0:
        left = 0.07 * innerW;
        break;
    case 1:
        left = innerW - captionW - 0.07 * innerW;
        break;
    case 2:
        left = innerW / 2 - captionW / 2;
        break;
    default:
        return; // the caption stays where it is
    }
    captionLbl_->move(roundHalfEven(left / TwipsPerPixel), roundHalfEven(twipsF(top)));
}

const QImage& tvColorButton::surface() {
    if (surface_.size() != size())
        relayout();
    return surface_;
}

QRect tvColorButton::focusRect() const {
    const int w = roundHalfEven(width() * 0.9);
    const int h = roundHalfEven(height() * 0.75);
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

void tvColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
    if (hasFocus() && focusBorderStyle_ != 0 && focusBorderWidth_ > 0) {
        QPen pen(toQColor(focusColor_));
        pen.setWidth(focusBorderWidth_);
        pen.setStyle(penStyleFor(focusBorderStyle_));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRect r = focusRect();
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void tvColorButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

// --- pointer, keys and focus ---------------------------------------------

void tvColorButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        effectTimer_->stop();
        paintLook(Look::Pressed);
        pressed_ = true;
    }
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void tvColorButton::mouseMoveEvent(QMouseEvent* event) {
    QPointer<tvColorButton> self(this);
    const bool inside = IsCursorOverWindow(this);
    if (pressed_) {
        effectTimer_->stop();
        if (inside) {
            paintLook(Look::Pressed);
        } else {
            relayout();
            emit MouseOut();
        }
    } else if (inside) {
        paintLook(Look::Hover);
        effectTimer_->start();
        emit MouseOver();
    } else {
        emit MouseOut();
    }
    if (!self)
        return;
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void tvColorButton::mouseReleaseEvent(QMouseEvent* event) {
    QPointer<tvColorButton> self(this);
    pressed_ = false;
    relayout();
    if (IsCursorOverWindow(this)) {
        if (event->button() == Qt::LeftButton) {
            emit Click();
            if (self)
                emit LClick();
        } else if (event->button() == Qt::RightButton) {
            emit RClick();
        }
    }
    if (!self)
        return;
    const QPointF p = event->position() * TwipsPerPixel;
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void tvColorButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
    emit DblClick();
}

void tvColorButton::keyPressEvent(QKeyEvent* event) {
    const bool space = event->key() == Qt::Key_Space;
    if (space && !event->isAutoRepeat()) {
        pressed_ = true;
        spaceDown_ = true;
        paintLook(Look::Pressed);
    }
    QPointer<tvColorButton> self(this);
    emit KeyDown(event->key(), shiftCode(event->modifiers()));
    if (self && !event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
    // Keys other than Space go on to the window (Enter and Escape for its
    // default and cancel buttons).
    if (space)
        event->accept();
    else
        event->ignore();
}

void tvColorButton::keyReleaseEvent(QKeyEvent* event) {
    const bool space = event->key() == Qt::Key_Space;
    if (event->isAutoRepeat()) {
        // A held key repeats its press only; the release comes once, at the end.
        event->setAccepted(space);
        return;
    }
    pressed_ = false;
    // Only a Space pressed on this button clicks it: the release of a Space
    // pressed elsewhere (say, in the text box whose key opened a message box)
    // must not answer a box the user has not yet seen.
    const bool click = space && spaceDown_;
    if (space)
        spaceDown_ = false;
    paintLook(Look::Normal);
    QPointer<tvColorButton> self(this);
    emit KeyUp(event->key(), shiftCode(event->modifiers()));
    if (self && click)
        emit LClick();
    event->setAccepted(space);
}

void tvColorButton::pressAsDefaultOrCancel() {
    emit LClick();
}

bool tvColorButton::pressDefaultOrCancel(QWidget* window, int key) {
    if (!window)
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    if (!enter && !escape)
        return false;
    const auto buttons = window->findChildren<tvColorButton*>();
    for (tvColorButton* button : buttons) {
        if (!button->isVisibleTo(window) || !button->isEnabled())
            continue;
        if ((enter && button->isDefault()) || (escape && button->isCancel())) {
            button->pressAsDefaultOrCancel();
            return true;
        }
    }
    return false;
}

void tvColorButton::hoverTick() {
    if (IsCursorOverWindow(this) && !pressed_) {
        paintLook(Look::Hover);
        return;
    }
    paintLook(Look::Normal);
    effectTimer_->stop();
    emit MouseOut();
}

void tvColorButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void tvColorButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (spaceDown_) {
        // The focus left with Space still down: its release will go elsewhere.
        spaceDown_ = false;
        pressed_ = false;
        paintLook(isEnabled() ? Look::Normal : Look::Disabled);
    }
    update();
}

void tvColorButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        relayout();
}

void tvColorButton::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit Show();
}

void tvColorButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit Hide();
}

} // namespace zendaro
