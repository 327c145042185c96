#include "ui/MsgForm.h"

#include "ui/ButtonSets.h"
#include "ui/Fonts.h"
#include "ui/MessageLayout.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/WindowUtils.h"
#include "ui/tvColorButton.h"
#include "ui/tvShape.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <cmath>

namespace zendaro {

namespace {
const QString Title = QStringLiteral("ZENDARO");
constexpr int SlotLeft[3] = {5160, 3480, 1800};
constexpr int ButtonWidth = 1575;

int toPixels(float tw) {
    return roundHalfEven(static_cast<double>(tw) / TwipsPerPixel);
}
} // namespace

MsgForm::MsgForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), mainShpe_(new tvShape(this)),
      imgStop_(new QLabel(mainShpe_)), imgInfo_(new QLabel(mainShpe_)), msgLbl_(new QLabel(mainShpe_)) {
    setObjectName(QStringLiteral("MsgForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    mainShpe_->setObjectName(QStringLiteral("MainShpe"));
    mainShpe_->setBorderBackColor(rgbColour(3, 133, 209));
    mainShpe_->setGradientBorderColor(true);
    mainShpe_->setBorderColor(fromQColor(palette().color(QPalette::WindowText)));
    mainShpe_->setBorderStep(2);
    mainShpe_->setDiagonal(0);
    mainShpe_->setBorderDiagonal(0);
    mainShpe_->setGradMode(0);
    mainShpe_->setFocusPolicy(Qt::TabFocus);

    imgStop_->setObjectName(QStringLiteral("img_stop"));
    imgStop_->setPixmap(stopIconPicture());
    imgStop_->setGeometry(twipsRect(360, 540, 720, 720));
    imgInfo_->setObjectName(QStringLiteral("img_info"));
    imgInfo_->setPixmap(infoIconPicture());
    imgInfo_->setGeometry(twipsRect(360, 540, 720, 720));
    for (QLabel* icon : {imgStop_, imgInfo_})
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    msgLbl_->setObjectName(QStringLiteral("MsgLbl"));
    msgLbl_->setFont(msSansSerif825());
    msgLbl_->setTextFormat(Qt::PlainText);
    msgLbl_->setWordWrap(true);
    msgLbl_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    msgLbl_->setAutoFillBackground(false);
    msgLbl_->setMargin(0);
    msgLbl_->setAttribute(Qt::WA_TransparentForMouseEvents);
    msgLbl_->setGeometry(twipsRect(1500, 660, MessageLabelWidth, 255));

    QFont buttonFont = msSansSerif825();
    for (int slot = 0; slot < 3; ++slot) {
        auto* button = new tvColorButton(mainShpe_);
        button->setObjectName(QStringLiteral("ActBttn"));
        button->setProperty("index", slot);
        button->setGeometry(twipsRect(SlotLeft[slot], 0, ButtonWidth, MessageButtonHeight));
        button->setBackColor(rgbColour(3, 133, 209));
        button->setFocusColor(rgbColour(192, 255, 255));
        button->setFocusBorderStyle(3);
        button->setCaptionFont(buttonFont);
        button->hide();
        connect(button, &tvColorButton::LClick, this, [this, slot] { pressSlot(slot); });
        slots_[slot] = button;
    }
    setTabOrder(mainShpe_, slots_[2]);
    setTabOrder(slots_[2], slots_[1]);
    setTabOrder(slots_[1], slots_[0]);

    connect(mainShpe_, &tvShape::MouseDown, this, &MsgForm::startDrag);
    connect(mainShpe_, &tvShape::MouseMove, this, &MsgForm::drag);
    connect(mainShpe_, &tvShape::MouseUp, this, [this] { endDrag(); });

    resize(twips(MessageBoxWidth), twips(3000));
}

void MsgForm::load() {
    style_ = MyFlag;
    setWindowTitle(Title);
    mainShpe_->setCaption(Title);
    raise();
    MakeTopmost(this);
    msgLbl_->setText(messageLines(MyMessage).join(QLatin1Char('\n')));
    // The surface takes the focus on Tab: a screen reader reads the message there.
    mainShpe_->setAccessibleName(msgLbl_->text());
    LayoutBox(MyMessage);
    imgStop_->setVisible(MyImage == 0);
    imgInfo_->setVisible(MyImage != 0);
    // Enter and Escape act on the default and cancel buttons wherever the
    // focus is; the focus starts on the default button.
    if (!slots_[0]->isHidden())
        slots_[0]->setFocus();
    else
        mainShpe_->setFocus();
}

void MsgForm::LayoutBox(const QString& text) {
    mainShpe_->move(0, 0);
    const MessageLayout m = layoutMessage(text, msgLbl_->font());
    // The rule leaves spare room for ordinary messages; a text whose words
    // wrap badly gets the room it really needs, so nothing is cut off.
    const auto needed = static_cast<float>(msgLbl_->heightForWidth(twips(MessageLabelWidth)) * TwipsPerPixel);
    labelHeightTw_ = std::max(m.labelHeight, needed);
    msgLbl_->setGeometry(twips(1500), twips(660), twips(MessageLabelWidth), toPixels(labelHeightTw_));

    const int count = ApplyButtonSet();
    const float buttonTop = labelHeightTw_ + 920.0f;
    for (tvColorButton* button : slots_) {
        button->hide();
        button->move(button->x(), toPixels(buttonTop));
    }
    for (int slot = 0; slot < count; ++slot)
        slots_[slot]->show();

    const float shapeHeight = buttonTop + static_cast<float>(MessageButtonHeight) + 200.0f;
    mainShpe_->resize(twips(MessageBoxWidth), toPixels(shapeHeight));
    resize(mainShpe_->size());
}

int MsgForm::ApplyButtonSet() {
    const ButtonSet set = buttonSetFor(MyFlag);
    for (int slot = 0; slot < 3; ++slot) {
        tvColorButton* button = slots_[slot];
        if (slot < set.count)
            button->setCaption(set.captions[static_cast<std::size_t>(slot)]);
        button->setDefault(slot == set.defaultSlot);
        button->setCancel(slot == set.cancelSlot);
    }
    return set.count;
}

void MsgForm::centreOnScreen(const QWidget* near) {
    const QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

void MsgForm::pressSlot(int slot) {
    if (answered_)
        return;
    MyFlag = resultForCaption(slots_[slot]->caption());
    answered_ = true;
    close();
}

void MsgForm::keyPressEvent(QKeyEvent* event) {
    // A key held down since before the box opened repeats; it answers nothing.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    if (tvColorButton::pressDefaultOrCancel(this, event->key())) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && buttonSetFor(style_).count == 0) {
        // A box without buttons can still be dismissed.
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MsgForm::closeEvent(QCloseEvent* event) {
    if (!answered_) {
        // Closed other than by a button: the answer of the cancel button,
        // never a consent.
        MyFlag = cancelResultFor(style_);
        answered_ = true;
    }
    event->accept();
}

void MsgForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit finished();
}

void MsgForm::startDrag(int button, int, float x, float y) {
    if (button != 1)
        return;
    dragging_ = true;
    x0_ = x;
    y0_ = y;
}

void MsgForm::drag(int, int, float x, float y) {
    if (!dragging_)
        return;
    const int dx = roundHalfEven((x - x0_) / TwipsPerPixel);
    const int dy = roundHalfEven((y - y0_) / TwipsPerPixel);
    if (dx != 0 || dy != 0)
        move(pos() + QPoint(dx, dy));
}

void MsgForm::endDrag() {
    dragging_ = false;
}

} // namespace zendaro
