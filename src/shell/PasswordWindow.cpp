#include "shell/PasswordWindow.h"

#include "resources/Pictures.h"
#include "ui/BoxCaption.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/MessageService.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"
#include "ui/WorkingForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

namespace zendaro {

namespace {

constexpr int WidthTwips = 7800;
constexpr int HeightTwips = 4800;

// The working windows' background picture (827 x 619) on a smaller window:
// its title band and its foot at their own proportions, the plain middle
// stretched between them.
void paintBackground(QPainter& painter, const QPixmap& picture, const QSize& size) {
    const double ratio = picture.devicePixelRatio();
    const QSizeF source = QSizeF(picture.size()) / ratio;
    const double scale = size.width() / source.width();
    const double band = 100;
    const double foot = 40;
    auto part = [&](double top, double height) {
        return QRectF(0, top * ratio, source.width() * ratio, height * ratio);
    };
    const QRectF top(0, 0, size.width(), band * scale);
    const QRectF bottom(0, size.height() - foot * scale, size.width(), foot * scale);
    painter.drawPixmap(top, picture, part(0, band));
    painter.drawPixmap(QRectF(0, top.bottom(), size.width(), bottom.top() - top.bottom()), picture,
                       part(band, source.height() - band - foot));
    painter.drawPixmap(bottom, picture, part(source.height() - foot, foot));
}

} // namespace

PasswordWindow::PasswordWindow(const StoreAddress& server, bool wrongBefore, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      background_(pictures::LoadPicture(pictures::BackgroundWindow, QSize(twips(12405), twips(9285)))) {
    setObjectName(QStringLiteral("FRMPAROLA"));
    setWindowTitle(QStringLiteral("ZENDARO"));
    setModal(true);
    setFixedSize(twips(WidthTwips), twips(HeightTwips));

    auto* heading = new QLabel(QStringLiteral("VERİTABANI PAROLASI"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(twipsRect(120, 1050, WidthTwips - 240, 420));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(legacyFont(QStringLiteral("Arial"), 14, true));
    heading->setStyleSheet(QStringLiteral("color: rgb(3, 133, 209);"));

    QString who = server.description();
    if (!server.user.isEmpty())
        who += QStringLiteral(", kullanıcı: ") + server.user;
    explanation_ = new QLabel(QStringLiteral("Veritabanı sunucusu bir parola istiyor. Parola bu çalışma "
                                             "boyunca hatırlanır, hiçbir yere yazılmaz.\n") +
                                  who,
                              this);
    explanation_->setObjectName(QStringLiteral("LBL_PAROLA_ACIKLAMA"));
    explanation_->setTextFormat(Qt::PlainText);
    explanation_->setWordWrap(true);
    explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation_->setFont(msSansSerif825());
    explanation_->setGeometry(twipsRect(480, 1590, WidthTwips - 960, 780));

    wrong_ = new QLabel(QStringLiteral("Girilen parola kabul edilmedi; lütfen yeniden giriniz."), this);
    wrong_->setObjectName(QStringLiteral("LBL_PAROLA_YANLIS"));
    wrong_->setFont(legacyFont(QStringLiteral("Arial"), 9, true));
    wrong_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    wrong_->setGeometry(twipsRect(480, 2430, WidthTwips - 960, 300));
    wrong_->setVisible(wrongBefore);

    BoxCaption(this, QStringLiteral("Parola :"), twipsRect(480, 2850, 1140, 315));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("TXT_PAROLA"));
    password_->setFont(msSansSerif825());
    password_->setEchoMode(QLineEdit::Password);
    password_->setGeometry(twipsRect(1680, 2850, WidthTwips - 2160, 315));
    password_->setAccessibleName(QStringLiteral("Parola"));
    password_->setAccessibleDescription(explanation_->text());

    ok_ = MakePictureButton(this, "BTN_TAMAM", QStringLiteral("Tamam"), QStringLiteral("Parolayı ver"),
                            pictures::EditSaveNormal, pictures::EditSaveLight, 3000, 3540);
    cancel_ = MakePictureButton(this, "BTN_VAZGEC", QStringLiteral("Vazgeç"),
                                QStringLiteral("Parola vermeden vazgeç"), pictures::EditCancelNormal,
                                pictures::EditCancelLight, 5280, 3540);
    connect(ok_, &PictureBttn::LClick, this, &PasswordWindow::confirm);
    connect(cancel_, &PictureBttn::LClick, this, &QDialog::reject);
    connect(password_, &QLineEdit::returnPressed, this, &PasswordWindow::confirm);
    SetReadingOrder(
        this, {QStringLiteral("TXT_PAROLA"), QStringLiteral("BTN_TAMAM"), QStringLiteral("BTN_VAZGEC")});
    password_->setFocus();
}

QString PasswordWindow::password() const {
    return password_->text();
}

void PasswordWindow::confirm() {
    if (password_->text().isEmpty()) {
        ShowMessage(QStringLiteral("LÜTFEN PAROLANIZI GİRİNİZ..."), StyleOk, IconStop, this);
        password_->setFocus();
        return;
    }
    accept();
}

void PasswordWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintBackground(painter, background_, size());
}

void PasswordWindow::showEvent(QShowEvent* event) {
    QWidget* over = parentWidget();
    const QRect area = over ? over->geometry()
                            : (screen() ? screen()->availableGeometry()
                                        : QGuiApplication::primaryScreen()->availableGeometry());
    move(area.center() - rect().center());
    QPixmap painted(size());
    painted.fill(Qt::white);
    {
        QPainter painter(&painted);
        paintBackground(painter, background_, size());
    }
    BlendPictureButtons(this, painted);
    QDialog::showEvent(event);
}

std::optional<QString> AskServerPassword(const StoreAddress& server, bool wrongBefore, QWidget* owner) {
    PasswordWindow window(server, wrongBefore, owner);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.password();
}

} // namespace zendaro
