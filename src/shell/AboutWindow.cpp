#include "shell/AboutWindow.h"

#include "resources/Pictures.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"
#include "ui/tvShape.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace zendaro {

namespace {

constexpr int ShapeWidthTwips = 8775;
constexpr int ShapeHeightTwips = 4815;
constexpr int SwapInterval = 500;

const QString Purpose = QStringLiteral(
    "          Bu program, Dornela Üniversitesi Not Sisteminden farklı not sistemi kullanan üniversitelerden "
    "gelen notların Dornela Üniversitesi Not Sistemine dönüştürülmesinde kullanılır.");

struct Credit {
    QString heading;
    QString person;
    QString department;
};

const Credit Credits[] = {
    {QStringLiteral("Yazılım :"), QStringLiteral("Öğr. Gör. Deniz Aydın"),
     QStringLiteral("Bilgisayar Mühendisliği Bölümü")},
    {QStringLiteral("Akış Algoritması :"), QStringLiteral("Dr. Öğr. Üyesi Selin Kaya"),
     QStringLiteral("Endüstri Mühendisliği Bölümü")},
    {QStringLiteral("Zendaro Formülü :"), QStringLiteral("Prof. Dr. Murat Erdem"),
     QStringLiteral("Matematik Bölümü")},
};

} // namespace

AboutWindow::AboutWindow(QWidget* owner, const QString& store)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), shape_(new tvShape(this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("FRMABOUT"));
    setWindowTitle(QStringLiteral("ZENDARO"));
    setModal(true);

    shape_->setObjectName(QStringLiteral("MainShpe"));
    shape_->setCaption(QString());
    shape_->setBackColor(rgbColour(1, 157, 203));
    shape_->setBorderBackColor(rgbColour(3, 133, 209));
    shape_->setBorderColor(rgbColour(3, 133, 209));
    shape_->setStep(2);
    shape_->setDiagonal(0);
    shape_->setBorderDiagonal(0);
    shape_->setGeometry(0, 0, twips(ShapeWidthTwips), twips(ShapeHeightTwips));
    // The window takes exactly the shape's size.
    setFixedSize(shape_->size());
    connect(shape_, &tvShape::LClick, this, &QDialog::accept);

    const QString pictureFiles[2] = {QString::fromLatin1(pictures::About0),
                                     QString::fromLatin1(pictures::About1)};
    const QPoint picturePlaces[2] = {QPoint(twips(360), twips(440)), QPoint(twips(355), twips(400))};
    for (int i = 0; i < 2; ++i) {
        pictures_[i] = new QLabel(shape_);
        pictures_[i]->setObjectName(QStringLiteral("Image1"));
        pictures_[i]->setProperty("index", i);
        pictures_[i]->setPixmap(pictures::LoadPicture(pictureFiles[i]));
        pictures_[i]->setGeometry(QRect(picturePlaces[i], QSize(64, 64)));
        pictures_[i]->installEventFilter(this);
    }
    pictures_[1]->hide();

    const QFont name = legacyFont(QStringLiteral("Arial"), 24, true);
    const QFont text = legacyFont(QStringLiteral("Arial"), 10);
    const QFont heading = legacyFont(QStringLiteral("Arial"), 10, true);
    // The bands grow lighter downwards. The large name stays white on the
    // deeper blue at the top; below it white would read too faintly, so the
    // purpose sentence and the credits are written in a dark blue.
    const QColor white(Qt::white);
    const QColor darkBlue(6, 58, 92);
    addLabel(QStringLiteral("ZENDARO"), QRect(112, 22, 440, 40), name, white);
    addLabel(Purpose, QRect(112, 70, 448, 80), text, darkBlue, true);
    int y = 160;
    for (const Credit& credit : Credits) {
        addLabel(credit.heading, QRect(40, y, 150, 20), heading, darkBlue);
        addLabel(credit.person, QRect(196, y, 360, 20), text, darkBlue);
        addLabel(credit.department, QRect(196, y + 19, 360, 20), text, darkBlue);
        y += 46;
    }
    if (!store.isEmpty()) {
        // One line under the credits; a long path is cut in its middle, the
        // whole of it in the tooltip.
        const QString line = QStringLiteral("Veritabanı: ") + store;
        const QRect place(40, y + 2, 516, 18);
        store_ = new QLabel(shape_);
        store_->setObjectName(QStringLiteral("LBL_VERITABANI"));
        store_->setTextFormat(Qt::PlainText);
        store_->setFont(text);
        QPalette palette = store_->palette();
        palette.setColor(QPalette::WindowText, darkBlue);
        store_->setPalette(palette);
        store_->setGeometry(place);
        store_->setText(QFontMetrics(text).elidedText(line, Qt::ElideMiddle, place.width()));
        store_->setToolTip(line);
        store_->setAccessibleName(line);
        store_->installEventFilter(this);
    }

    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(SwapInterval);
    connect(timer_, &QTimer::timeout, this, &AboutWindow::swapPictures);

    QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

QLabel* AboutWindow::addLabel(const QString& text, const QRect& rect, const QFont& font, const QColor& colour,
                              bool wrap) {
    auto* label = new QLabel(text, shape_);
    label->setObjectName(QStringLiteral("Label1"));
    label->setProperty("index", labels_.size());
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(rect);
    label->installEventFilter(this);
    labels_.append(label);
    return label;
}

void AboutWindow::swapPictures() {
    if (!pictures_[0]->isHidden()) {
        pictures_[0]->hide();
        pictures_[1]->show();
    } else {
        pictures_[0]->show();
        pictures_[1]->hide();
    }
}

bool AboutWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        timer_->start();
    return QDialog::event(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    // A left click on any label or either picture closes the window.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget &&
            widget->rect().contains(mouse->position().toPoint())) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zendaro
