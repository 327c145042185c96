#include "ui/PictureBttn.h"

#include "resources/Pictures.h"
#include "ui/ControlInput.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/WindowUtils.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QTimer>

namespace zendaro {

namespace {
const QColor CaptionBlue(1, 157, 203);
const QColor CaptionRed(255, 0, 0);
constexpr int HoverTick = 50;

// A built-in picture, drawn once per display scale and shared by every button.
QPixmap sharedPicture(const QString& name, QPixmap (*draw)()) {
    const QString key = QStringLiteral("PictureBttn/%1@%2").arg(name).arg(qGuiApp->devicePixelRatio());
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = draw();
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

// The keyboard focus mark: a thin outline in the windows' blue over the
// whole button, pictures and caption included.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("FocusMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(QColor(3, 133, 209), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};
} // namespace

PictureBttn::PictureBttn(QWidget* parent)
    : QWidget(parent), infoLbl_(new QLabel(this)), effectTimer_(new QTimer(this)),
      backColor_(rgbColour(255, 255, 255)) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    // Tab reaches it; a click does not take the focus, as before.
    setFocusPolicy(Qt::TabFocus);
    InstallAccessibleControls();
    for (int i = 0; i < 2; ++i) {
        pictures_[i] = new QLabel(this);
        pictures_[i]->setObjectName(QStringLiteral("Im"));
        pictures_[i]->setProperty("index", i);
        pictures_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        pictures_[i]->setScaledContents(false);
    }
    pictures_[0]->setPixmap(sharedPicture(QStringLiteral("normal"), &defaultButtonPicture));
    pendingLight_ = [] {
        return sharedPicture(QStringLiteral("light"), &defaultButtonLightPicture);
    };
    pictures_[1]->hide();

    infoLbl_->setObjectName(QStringLiteral("InfoLbl"));
    infoLbl_->setAttribute(Qt::WA_TransparentForMouseEvents);
    infoLbl_->setAutoFillBackground(false);
    infoLbl_->setTextFormat(Qt::PlainText);
    infoLbl_->setWordWrap(false);
    infoLbl_->setMargin(0);
    infoLbl_->setFont(tahoma975Bold());
    infoLbl_->setText(QStringLiteral("tavrin"));
    setForeColor(0);

    effectTimer_->setObjectName(QStringLiteral("EffectTimer"));
    effectTimer_->setInterval(HoverTick);
    connect(effectTimer_, &QTimer::timeout, this, &PictureBttn::hoverTick);

    mouseIcon_ = sharedPicture(QStringLiteral("hand"), &pointingHandPicture);
    setBackColor(backColor_);
    applyPointer();
    layoutContent();
}

QPixmap PictureBttn::pictureNormal() const {
    return pictures_[0]->pixmap();
}

void PictureBttn::setPictureNormal(const QPixmap& picture) {
    pictures_[0]->setPixmap(picture);
    layoutContent();
}

void PictureBttn::setPictureNormal(const QIcon& icon, const QSize& size) {
    setPictureNormal(icon.pixmap(size, devicePixelRatioF()));
}

QPixmap PictureBttn::pictureLight() const {
    loadLightPicture();
    return pictures_[1]->pixmap();
}

void PictureBttn::setPictureLight(const QPixmap& picture) {
    pendingLight_ = nullptr;
    pictures_[1]->setPixmap(picture);
    layoutContent();
}

void PictureBttn::setPictureLight(const QIcon& icon, const QSize& size) {
    setPictureLight(icon.pixmap(size, devicePixelRatioF()));
}

void PictureBttn::setPictures(const QString& normal, const QString& light) {
    setPictureNormal(pictures::LoadPicture(normal));
    pendingLight_ = [light] {
        return pictures::LoadPicture(light);
    };
}

void PictureBttn::loadLightPicture() const {
    if (!pendingLight_)
        return;
    pictures_[1]->setPixmap(pendingLight_());
    pendingLight_ = nullptr; // sized by the layout when it is shown
}

QString PictureBttn::caption() const {
    return infoLbl_->text();
}

void PictureBttn::setCaption(const QString& caption) {
    infoLbl_->setText(caption);
    // A screen reader says the caption; a picture-only button is named by its window.
    if (!caption.trimmed().isEmpty())
        setAccessibleName(caption.trimmed());
    layoutContent();
}

QFont PictureBttn::captionFont() const {
    return infoLbl_->font();
}

void PictureBttn::setCaptionFont(const QFont& font) {
    infoLbl_->setFont(font);
    layoutContent();
}

Colour PictureBttn::foreColor() const {
    return fromQColor(infoLbl_->palette().color(QPalette::WindowText));
}

void PictureBttn::setForeColor(Colour colour) {
    setCaptionColour(toQColor(colour));
}

void PictureBttn::setCaptionColour(const QColor& colour) {
    QPalette palette = infoLbl_->palette();
    palette.setColor(QPalette::WindowText, colour);
    infoLbl_->setPalette(palette);
}

void PictureBttn::setBackColor(Colour colour) {
    backColor_ = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    setPalette(palette);
}

void PictureBttn::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    applyPointer();
}

void PictureBttn::setMouseIcon(const QPixmap& icon) {
    mouseIcon_ = icon;
    builtInIcon_ = false;
    applyPointer();
}

void PictureBttn::applyPointer() {
    // The built-in hand points with its finger tip; other pictures with their centre.
    applyMousePointer(this, mousePointer_, mouseIcon_, builtInIcon_ ? pointingHandHotSpot() : QPoint(-1, -1));
    // The parts let the pointer through to the control, so they show its pointer too.
}

bool PictureBttn::isLit() const {
    return !pictures_[1]->isHidden();
}

void PictureBttn::layoutContent() {
    if (layingOut_)
        return;
    layingOut_ = true;
    for (QLabel* picture : pictures_) {
        picture->move(0, 0);
        // A picture rendered for a high-density screen holds more pixels than
        // it covers: its size on the window is its device-independent size.
        picture->resize(picture->pixmap().deviceIndependentSize().toSize());
    }
    infoLbl_->adjustSize();
    // Worked in twips as the layout rule is written, then turned into pixels.
    const int pictureW = pixelsToTwips(pictures_[0]->width());
    const int pictureH = pixelsToTwips(pictures_[0]->height());
    const int captionW = pixelsToTwips(infoLbl_->width());
    const int captionH = pixelsToTwips(infoLbl_->height());
    const auto captionLeft = static_cast<float>(pictureW + 100);
    const float captionTop = static_cast<float>(pictureH) / 2.0f - static_cast<float>(captionH) / 2.0f;
    constexpr auto perPixel = static_cast<float>(TwipsPerPixel);
    infoLbl_->move(roundHalfEven(captionLeft / perPixel), roundHalfEven(captionTop / perPixel));
    const double widthTw = infoLbl_->text().isEmpty() ? static_cast<double>(pictureW)
                                                      : static_cast<double>(captionW) + captionLeft + 30.0;
    // Fixed, so that a size given by the form is replaced at once, shown or not.
    setFixedSize(roundHalfEven(widthTw / TwipsPerPixel), pictures_[0]->height());
    layingOut_ = false;
}

void PictureBttn::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutContent();
    if (focusMark_)
        focusMark_->setGeometry(rect());
}

void PictureBttn::press() {
    if (isEnabled())
        emit LClick();
}

bool PictureBttn::showsFocusMark() const {
    return focusMark_ && !focusMark_->isHidden();
}

void PictureBttn::updateFocusMark() {
    const bool shown = keyboardFocus_ && hasFocus() && isEnabled();
    if (!shown) {
        if (focusMark_)
            focusMark_->hide();
        return;
    }
    if (!focusMark_)
        focusMark_ = new FocusMark(this);
    focusMark_->setGeometry(rect());
    focusMark_->raise();
    focusMark_->show();
}

void PictureBttn::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Tab, Shift+Tab and shortcuts are the keyboard's; a focus given back
    // when a window becomes active again keeps what it was.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::ShortcutFocusReason)
        keyboardFocus_ = true;
    else if (event->reason() == Qt::MouseFocusReason)
        keyboardFocus_ = false;
    updateFocusMark();
}

void PictureBttn::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    spaceDown_ = false;
    updateFocusMark();
}

void PictureBttn::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateFocusMark();
}

void PictureBttn::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool space = key == Qt::Key_Space;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((!space && !enter) || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    keyboardFocus_ = true;
    updateFocusMark();
    if (event->isAutoRepeat())
        return;
    if (space)
        spaceDown_ = true; // pressed on its release, as a push button is
    else
        press();
}

void PictureBttn::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    // Only a Space pressed on this button presses it.
    if (event->isAutoRepeat() || !spaceDown_)
        return;
    spaceDown_ = false;
    press();
}

void PictureBttn::showLightLook() {
    loadLightPicture();
    if (pictures_[1]->isHidden()) {
        pictures_[1]->show();
        pictures_[0]->hide();
    }
    if (infoLbl_->palette().color(QPalette::WindowText) != CaptionRed)
        setCaptionColour(CaptionRed);
    layoutContent();
}

void PictureBttn::showNormalLook() {
    if (pictures_[0]->isHidden()) {
        pictures_[0]->show();
        pictures_[1]->hide();
    }
    if (infoLbl_->palette().color(QPalette::WindowText) != CaptionBlue)
        setCaptionColour(CaptionBlue);
    layoutContent();
}

void PictureBttn::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!IsCursorOverWindow(this))
        return;
    QPointer<PictureBttn> self(this);
    emit MouseOver();
    if (!self)
        return;
    showLightLook();
    effectTimer_->start();
}

void PictureBttn::hoverTick() {
    if (IsCursorOverWindow(this))
        return;
    effectTimer_->stop();
    QPointer<PictureBttn> self(this);
    emit MouseOut();
    if (self)
        showNormalLook();
}

void PictureBttn::mousePressEvent(QMouseEvent* event) {
    // The user has taken the mouse: no focus mark until the keyboard is used again.
    keyboardFocus_ = false;
    updateFocusMark();
    QWidget::mousePressEvent(event);
}

void PictureBttn::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (!IsCursorOverWindow(this))
        return;
    if (event->button() == Qt::LeftButton)
        emit LClick();
    else if (event->button() == Qt::RightButton)
        emit RClick();
}

PictureBttn* MakePictureButton(QWidget* parent, const char* name, const QString& caption,
                               const QString& tooltip, const char* normal, const char* light, int left,
                               int top) {
    auto* button = new PictureBttn(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setPictures(QString::fromLatin1(normal), QString::fromLatin1(light));
    button->setCaption(caption);
    button->setToolTip(tooltip);
    button->move(twips(left), twips(top));
    return button;
}

} // namespace zendaro
