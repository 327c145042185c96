// Saves pictures of the toolkit's controls under a folder (default /tmp/zendaro-ui)
// so a person can look at them: message boxes with one, two and three buttons,
// both icons and a long text, the colour button's looks and picture buttons.
#include "ui/MessageService.h"
#include "ui/MsgForm.h"
#include "ui/PictureBttn.h"
#include "ui/Pictures.h"
#include "ui/tvColorButton.h"
#include "ui/tvShape.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

using namespace zendaro;

namespace {
void saveBox(const QString& folder, const QString& name, const QString& text, int style, int icon) {
    MsgForm box;
    box.MyMessage = text;
    box.MyImage = icon;
    box.MyFlag = style;
    box.load();
    box.show();
    QApplication::processEvents();
    box.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--live")) {
        // A real box over a window, on whatever screen there is, for a screen shot.
        QWidget owner;
        owner.setWindowTitle(QStringLiteral("Sahip pencere"));
        owner.resize(700, 500);
        owner.show();
        QTimer::singleShot(0, [&owner] {
            ShowMessage(QStringLiteral("Seçilen ölçekte bu not bulunamadı.\r\nLütfen notu kontrol ediniz: "
                                       "İ, ı, Ğ, ğ, Ş, ş, Ç, ç, Ö, ö, Ü, ü."),
                        10, 0, &owner);
            QApplication::quit();
        });
        return QApplication::exec();
    }
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zendaro-ui");
    QDir().mkpath(folder);

    saveBox(folder, QStringLiteral("box-one"), QStringLiteral("Lütfen dönüştürülecek notu giriniz."), 0, 0);
    saveBox(folder, QStringLiteral("box-two"),
            QStringLiteral("Ölçeği bu haliyle kaydetmek ister misiniz?\r\nGeçer ve Kalır notları ayrı ayrı "
                           "sıralanacaktır."),
            9, 1);
    saveBox(folder, QStringLiteral("box-three"),
            QStringLiteral("İŞLEM ŞİMDİ İPTAL EDİLSİN Mİ? ğüşıöç ĞÜŞİÖÇ"), 10, 0);
    saveBox(folder, QStringLiteral("box-long"),
            QStringLiteral("Dornela Üniversitesi ölçeği seçilmemiş. Lütfen önce bir Dornela ölçeği seçiniz; "
                           "ölçek listesi boş ise Dornela Ölçekleri penceresinden yeni bir ölçek ekleyiniz. "
                           "Girilen not, seçilen diğer üniversite ölçeğinde bulunamadığında dönüşüm yapılmaz "
                           "ve bu ileti yeniden gösterilir."),
            7, 1);

    tvShape about;
    about.resize(600, 300);
    about.setBackColor(rgbColour(1, 157, 203));
    about.setBorderBackColor(rgbColour(3, 133, 209));
    about.setCaption(QString());
    about.setStep(2);
    about.setDiagonal(0);
    about.setBorderDiagonal(0);
    about.grab().save(folder + QStringLiteral("/shape-about.png"));

    tvShape defaults;
    defaults.grab().save(folder + QStringLiteral("/shape-defaults.png"));

    PictureBttn button;
    button.setCaption(QStringLiteral("ANA MENÜ"));
    button.show();
    QApplication::processEvents();
    button.grab().save(folder + QStringLiteral("/picture-button.png"));

    tvColorButton colour;
    colour.resize(105, 25);
    colour.setBackColor(rgbColour(3, 133, 209));
    colour.setCaption(QStringLiteral("Vazgeç"));
    colour.grab().save(folder + QStringLiteral("/colour-button.png"));
    // The drawn pictures, three times their size, on a light grey sheet.
    QImage sheet(3 * (48 + 48 + 54 + 54 + 32) + 60, 3 * 80 + 20, QImage::Format_RGB32);
    sheet.fill(QColor(230, 230, 230));
    QPainter painter(&sheet);
    int x = 10;
    for (const QPixmap& picture : {stopIconPicture(), infoIconPicture(), defaultButtonPicture(),
                                   defaultButtonLightPicture(), pointingHandPicture()}) {
        painter.drawPixmap(QRect(x, 10, picture.width() * 3, picture.height() * 3), picture);
        x += picture.width() * 3 + 10;
    }
    painter.end();
    sheet.save(folder + QStringLiteral("/pictures.png"));
    return 0;
}
