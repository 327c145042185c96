#include "shell/MainMenu.h"

#include "resources/Pictures.h"
#include "shell/MenuGroup.h"
#include "ui/Fonts.h"
#include "ui/KeyboardAccess.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace zendaro {

namespace {

constexpr int MenuWidthTwips = 12405;
constexpr int MenuHeightTwips = 9285;
const Colour CaptionBlue = rgbColour(1, 157, 203);

} // namespace

MainMenu::MainMenu(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      background_(pictures::LoadPicture(QString::fromLatin1(pictures::BackgroundMenu))) {
    setObjectName(QStringLiteral("FRMMAIN"));
    setWindowTitle(QStringLiteral("ZENDARO"));
    setFixedSize(twips(MenuWidthTwips), twips(MenuHeightTwips));

    auto* title = new QLabel(QStringLiteral("ZENDARO"), this);
    title->setObjectName(QStringLiteral("LBL_BASLIK"));
    title->setFont(legacyFont(QStringLiteral("Arial"), 30, true));
    QPalette white = title->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(white);
    title->move(40, 22);
    title->adjustSize();

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("IMG_BANNER"));
    banner->setPixmap(pictures::LoadPicture(QString::fromLatin1(pictures::Banner)));
    banner->setGeometry((width() - 500) / 2, 124, 500, 48);

    auto* conversions = new MenuGroup(QStringLiteral("ZENDARO İŞLEMLERİ"), this);
    conversions->setObjectName(QStringLiteral("CER_ZENDARO_ISLEMLERI"));
    conversions->setGeometry(40, 190, 747, 134);
    addButton(conversions, "BTN_BIREBIR_DONUSTUR", QStringLiteral("ZENDARO"), QStringLiteral("Zendaro"),
              pictures::MenuBirebirNormal, pictures::MenuBirebirLight)
        ->move(24, 52);
    addButton(conversions, "BTN_COGUL_DONUSTUR", QStringLiteral("Çoğul Zendaro "),
              QStringLiteral("Çoğul Zendaro "), pictures::MenuCogulNormal, pictures::MenuCogulLight)
        ->move(274, 52);
    addButton(conversions, "BTN_DOSYALAR", QStringLiteral("Dönüşüm Dosyaları"),
              QStringLiteral("Dönüşüm Dosyaları"), pictures::MenuDosyalarNormal, pictures::MenuDosyalarLight)
        ->move(524, 52);

    auto* scales = new MenuGroup(QStringLiteral("NOT ÖLÇEĞİ İŞLEMLERİ"), this);
    scales->setObjectName(QStringLiteral("CER_OLCEK_ISLEMLERI"));
    scales->setGeometry(40, 338, 747, 134);
    addButton(scales, "BTN_DORNELA_OLCEK", QStringLiteral("Dornela Üniversitesi Not Ölçekleri"),
              QStringLiteral("Dornela Üniversitesi Not Ölçekleri"), pictures::MenuDornelaNormal,
              pictures::MenuDornelaLight)
        ->move(24, 52);
    addButton(scales, "BTN_DIGER_OLCEK", QStringLiteral("Diğer Üniversitelerin Not Ölçekleri"),
              QStringLiteral("Diğer Üniversitelerin Not Ölçekleri"), pictures::MenuDigerNormal,
              pictures::MenuDigerLight)
        ->move(384, 52);

    auto* tools = new MenuGroup(QString(), this);
    tools->setObjectName(QStringLiteral("CER_ARACLAR"));
    tools->setGeometry(40, 486, 747, 68);
    addButton(tools, "BTN_HELP", QStringLiteral("Kullanım Klavuzu"), QStringLiteral("KULLANIM KLAVUZU"),
              pictures::MenuHelpNormal, pictures::MenuHelpLight)
        ->move(24, 10);
    addButton(tools, "BTN_INFO", QString(), QStringLiteral("Program Hakkında"), pictures::MenuInfoNormal,
              pictures::MenuInfoLight)
        ->move(747 - 24 - 48 - 20 - 48, 10);
    addButton(tools, "BTN_EXIT", QString(), QStringLiteral("Ç I K I Ş"), pictures::MenuExitNormal,
              pictures::MenuExitLight)
        ->move(747 - 24 - 48, 10);

    // The two picture-only buttons are named by what they do.
    button(QStringLiteral("BTN_INFO"))->setAccessibleName(QStringLiteral("Hakkında"));
    button(QStringLiteral("BTN_EXIT"))->setAccessibleName(QStringLiteral("Çıkış"));
    SetReadingOrder(this, {QStringLiteral("BTN_BIREBIR_DONUSTUR"), QStringLiteral("BTN_COGUL_DONUSTUR"),
                           QStringLiteral("BTN_DOSYALAR"), QStringLiteral("BTN_DORNELA_OLCEK"),
                           QStringLiteral("BTN_DIGER_OLCEK"), QStringLiteral("BTN_HELP"),
                           QStringLiteral("BTN_INFO"), QStringLiteral("BTN_EXIT")});
    // F1 opens the manual as the help button does.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { button(QStringLiteral("BTN_HELP"))->press(); });

    connect(button(QStringLiteral("BTN_BIREBIR_DONUSTUR")), &PictureBttn::LClick, this,
            [this] { emit openRequested(WorkingWindow::OneToOne); });
    connect(button(QStringLiteral("BTN_COGUL_DONUSTUR")), &PictureBttn::LClick, this,
            [this] { emit openRequested(WorkingWindow::Batch); });
    connect(button(QStringLiteral("BTN_DOSYALAR")), &PictureBttn::LClick, this,
            [this] { emit openRequested(WorkingWindow::Files); });
    connect(button(QStringLiteral("BTN_DORNELA_OLCEK")), &PictureBttn::LClick, this,
            [this] { emit openRequested(WorkingWindow::HomeScales); });
    connect(button(QStringLiteral("BTN_DIGER_OLCEK")), &PictureBttn::LClick, this,
            [this] { emit openRequested(WorkingWindow::OtherScales); });
    connect(button(QStringLiteral("BTN_HELP")), &PictureBttn::LClick, this, &MainMenu::helpRequested);
    connect(button(QStringLiteral("BTN_INFO")), &PictureBttn::LClick, this, &MainMenu::aboutRequested);
    connect(button(QStringLiteral("BTN_EXIT")), &PictureBttn::LClick, this, &MainMenu::exitRequested);
}

PictureBttn* MainMenu::addButton(QWidget* parent, const char* name, const QString& caption,
                                 const QString& tooltip, const char* normal, const char* light) {
    auto* button = new PictureBttn(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setPictures(QString::fromLatin1(normal), QString::fromLatin1(light));
    button->setCaption(caption);
    button->setForeColor(CaptionBlue);
    button->setToolTip(tooltip);
    return button;
}

PictureBttn* MainMenu::button(const QString& objectName) const {
    return findChild<PictureBttn*>(objectName);
}

void MainMenu::showCentred() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    activateWindow();
}

void MainMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void MainMenu::closeEvent(QCloseEvent* event) {
    // The menu has no close box; should the desktop close it anyway, the
    // program ends as with the exit button rather than running on unseen.
    event->accept();
    emit exitRequested();
}

} // namespace zendaro
