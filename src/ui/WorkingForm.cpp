#include "WorkingForm.h"

#include "resources/Pictures.h"
#include "ui/Fonts.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace zendaro {

WorkingForm::WorkingForm(const QString& objectName, const QString& heading, Navigator& navigator,
                         const QString& helpAnchor, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), navigator_(navigator),
      background_(pictures::LoadPicture(pictures::BackgroundWindow, QSize(twips(12405), twips(9285)))) {
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("ZENDARO"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(12405), twips(9285));

    heading_ = new QLabel(heading, this);
    heading_->setObjectName(QStringLiteral("Label1"));
    heading_->setGeometry(twipsRect(180, 1440, 12015, 615));
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setFont(legacyFont(QStringLiteral("Arial"), 18, true));
    heading_->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));

    back_ = new PictureBttn(this);
    back_->setObjectName(QStringLiteral("BTN_BACK"));
    back_->setPictures(pictures::BackNormal, pictures::BackLight);
    back_->setCaption(QStringLiteral("ANA MENÜ   "));
    back_->setToolTip(QStringLiteral("ANA MENÜ"));
    back_->move(twips(9900), twips(8100));
    connect(back_, &PictureBttn::LClick, this, [this] { backRequested(); });

    if (!helpAnchor.isEmpty()) {
        help_ = new PictureBttn(this);
        help_->setObjectName(QStringLiteral("BTN_HELP"));
        help_->setPictures(pictures::HelpNormal, pictures::HelpLight);
        help_->setCaption(QString());
        help_->setToolTip(QStringLiteral("YARDIM"));
        help_->setAccessibleName(QStringLiteral("Yardım"));
        help_->move(twips(600), twips(8100));
        connect(help_, &PictureBttn::LClick, this,
                [this, helpAnchor] { navigator_.showHelp(helpAnchor, this); });
    }

    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &WorkingForm::escapePressed);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &WorkingForm::f1Pressed);
}

void WorkingForm::escapePressed() {
    if (!takesKeys())
        return;
    // The editors' "İPTAL" while an edit is open; otherwise "ANA MENÜ" with
    // whatever it asks. A hidden or disabled button is never pressed.
    auto usable = [this](PictureBttn* button) {
        return button && button->isVisibleTo(this) && button->isEnabled();
    };
    auto* cancel = findChild<PictureBttn*>(QStringLiteral("BTN_OLCEK_VAZGEC"));
    if (!usable(cancel)) // a course of a conversion file being changed
        cancel = findChild<PictureBttn*>(QStringLiteral("BTN_DERS_VAZGEC"));
    if (usable(cancel))
        cancel->press();
    else if (usable(back_))
        back_->press();
}

void WorkingForm::f1Pressed() {
    if (!takesKeys())
        return;
    if (help_ && help_->isVisibleTo(this) && help_->isEnabled())
        help_->press();
    else if (!help_)
        navigator_.showHelp(f1Anchor_, this);
}

void WorkingForm::returnToMenu() {
    navigator_.returnToMenu(this);
}

void WorkingForm::failAndReturnToMenu(const QString& storeText) {
    QTimer::singleShot(0, this, [this, storeText] {
        ShowMessage(storeText, StyleOk, IconStop, this);
        returnToMenu();
    });
}

void WorkingForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(rect(), background_);
}

void WorkingForm::showEvent(QShowEvent* event) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    blendButtons();
    QWidget::showEvent(event);
}

void WorkingForm::blendButtons() {
    BlendPictureButtons(this, background_);
}

void BlendPictureButtons(QWidget* window, const QPixmap& background) {
    const QImage image = background.toImage();
    for (PictureBttn* button : window->findChildren<PictureBttn*>()) {
        const QPoint centre = button->mapTo(window, button->rect().center());
        const QPoint at(
            qBound(0, centre.x() * image.width() / qMax(1, window->width()), image.width() - 1),
            qBound(0, centre.y() * image.height() / qMax(1, window->height()), image.height() - 1));
        button->setBackColor(fromQColor(image.pixelColor(at)));
    }
}

} // namespace zendaro
