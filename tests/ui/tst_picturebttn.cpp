#include "PointerDriver.h"
#include "ui/ColorUtils.h"
#include "ui/PictureBttn.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace zendaro;
using namespace zendaro::test;

namespace {
const QColor Blue(1, 157, 203);
const QColor Red(255, 0, 0);

QColor captionColour(const PictureBttn& b) {
    return b.findChild<QLabel*>(QStringLiteral("InfoLbl"))->palette().color(QPalette::WindowText);
}

QPixmap filled(int w, int h, const QColor& c) {
    QPixmap p(w, h);
    p.fill(c);
    return p;
}

// A picture of w × h device-independent pixels rendered for a screen of the
// given density, as the program renders its pictures on such a screen.
QPixmap filledAt(int w, int h, const QColor& c, qreal ratio) {
    QPixmap p(QSize(w, h) * ratio);
    p.setDevicePixelRatio(ratio);
    p.fill(c);
    return p;
}
} // namespace

class PictureBttnTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PictureBttn> button;

    void showButton(const QString& caption) {
        button = std::make_unique<PictureBttn>();
        button->setObjectName(QStringLiteral("BTN_TEST"));
        button->setPictureNormal(filled(40, 30, Qt::blue));
        button->setPictureLight(filled(40, 30, Qt::cyan));
        button->setCaption(caption);
        button->move(300, 300);
        button->show();
        QVERIFY(QTest::qWaitForWindowExposed(button.get()));
    }

private slots:
    void init() { parkPointer(); }
    void cleanup() {
        button.reset();
        parkPointer();
    }

    void sizeFollowsContent_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qreal>("scale"); // the display scale the picture was rendered for
        QTest::newRow("no caption") << QString() << 1.0;
        QTest::newRow("caption") << QStringLiteral("ANA MENÜ") << 1.0;
        QTest::newRow("turkish caption") << QStringLiteral("İŞLEMİ BİTİR ĞÜŞÖÇ") << 1.0;
        QTest::newRow("caption at 125 %") << QStringLiteral("ANA MENÜ") << 1.25;
        QTest::newRow("caption at 150 %") << QStringLiteral("Diğer Üniversitelerin Not Ölçekleri") << 1.5;
        QTest::newRow("no caption at 200 %") << QString() << 2.0;
    }
    void sizeFollowsContent() {
        QFETCH(QString, caption);
        QFETCH(qreal, scale);
        PictureBttn b;
        b.setPictureNormal(filledAt(54, 80, Qt::blue, scale));
        b.resize(400, 400); // a size given by the form is replaced at once
        b.setCaption(caption);
        b.resize(10, 10);
        QCOMPARE(b.height(), 80);
        // The whole picture is painted in its 54 × 80, and nothing more of it.
        const QImage painted = b.grab().toImage();
        QCOMPARE(painted.pixelColor(53, 79), QColor(Qt::blue));
        QCOMPARE(painted.pixelColor(0, 0), QColor(Qt::blue));
        if (b.width() > 55)
            QCOMPARE(painted.pixelColor(55, 0), QColor(Qt::white));
        auto* label = b.findChild<QLabel*>(QStringLiteral("InfoLbl"));
        if (caption.isEmpty()) {
            QCOMPARE(b.width(), 54);
            return;
        }
        // picture width + 100 twips + caption width + 30 twips
        const double expected = (54 * 15 + 100 + label->width() * 15 + 30) / 15.0;
        QVERIFY2(qAbs(b.width() - expected) <= 0.5, qPrintable(QString::number(b.width())));
        QVERIFY(qAbs(label->x() - (54 * 15 + 100) / 15.0) <= 0.5);
        // the caption is centred vertically on the picture
        QVERIFY(qAbs(label->y() + label->height() / 2.0 - 40) <= 1.0);
        // the whole caption fits: no Turkish letter is cut off
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
        QVERIFY(label->geometry().right() < b.width());
    }

    void defaults() {
        PictureBttn b;
        QCOMPARE(b.caption(), QStringLiteral("tavrin"));
        QCOMPARE(b.backColor(), rgbColour(255, 255, 255));
        QCOMPARE(b.mousePointer(), 99);
        QCOMPARE(b.pictureNormal().size(), QSize(54, 80));
        QCOMPARE(b.pictureLight().size(), QSize(54, 80));
        QCOMPARE(b.mouseIcon().size(), QSize(32, 32));
        QVERIFY(b.captionFont().bold());
        QCOMPARE(b.size(), QSize(b.width(), 80));
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
        QVERIFY(b.focusPolicy() == Qt::NoFocus);
    }

    void iconPicturesSetTheSize() {
        PictureBttn b;
        b.setCaption(QString());
        QPixmap source(64, 64);
        source.fill(Qt::red);
        b.setPictureNormal(QIcon(source), QSize(32, 24));
        QCOMPARE(b.size(), QSize(24, 24)); // the icon keeps its aspect ratio
    }

    void hoverLightsAndMouseOutComesOnce() {
        showButton(QStringLiteral("DÖNÜŞTÜR"));
        QSignalSpy over(button.get(), &PictureBttn::MouseOver);
        QSignalSpy out(button.get(), &PictureBttn::MouseOut);
        button->setForeColor(0);
        QCOMPARE(captionColour(*button), QColor(Qt::black));

        movePointer(button.get(), QPoint(10, 10));
        movePointer(button.get(), QPoint(12, 11));
        QCOMPARE(over.count(), 2); // every move inside, not only the entry
        QVERIFY(button->isLit());
        QCOMPARE(captionColour(*button), Red);
        QTest::qWait(80);
        QCOMPARE(out.count(), 0); // still inside: the timer does nothing

        parkPointer();
        QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, 120); // within the 50 ms tick
        QVERIFY(!button->isLit());
        QCOMPARE(captionColour(*button), Blue); // no longer the stored black
        QTest::qWait(120);
        QCOMPARE(out.count(), 1);
    }

    void edgePixelsOfTheInsideTest() {
        showButton(QString());
        QSignalSpy over(button.get(), &PictureBttn::MouseOver);
        movePointer(button.get(), QPoint(0, 10)); // the leftmost column is outside
        movePointer(button.get(), QPoint(10, 0)); // the topmost row is outside
        QCOMPARE(over.count(), 0);
        QVERIFY(!button->isLit());
        movePointer(button.get(), QPoint(button->width() - 1, button->height() - 1));
        QCOMPARE(over.count(), 1);
    }

    void clicks_data() {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<bool>("releaseInside");
        QTest::addColumn<int>("lclicks");
        QTest::addColumn<int>("rclicks");
        QTest::newRow("left inside") << Qt::LeftButton << true << 1 << 0;
        QTest::newRow("left, released outside") << Qt::LeftButton << false << 0 << 0;
        QTest::newRow("right inside") << Qt::RightButton << true << 0 << 1;
        QTest::newRow("right, released outside") << Qt::RightButton << false << 0 << 0;
        QTest::newRow("middle inside") << Qt::MiddleButton << true << 0 << 0;
    }
    void clicks() {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(bool, releaseInside);
        QFETCH(int, lclicks);
        QFETCH(int, rclicks);
        showButton(QStringLiteral("TAMAM"));
        QSignalSpy left(button.get(), &PictureBttn::LClick);
        QSignalSpy right(button.get(), &PictureBttn::RClick);
        pressAt(button.get(), QPoint(5, 5), mouseButton);
        releaseAt(button.get(), releaseInside ? QPoint(button->width() - 3, 8) : QPoint(-20, 8), mouseButton);
        QCOMPARE(left.count(), lclicks);
        QCOMPARE(right.count(), rclicks);
    }

    void clickOnTheCaptionIsTheButtons() {
        showButton(QStringLiteral("YARDIM"));
        QSignalSpy left(button.get(), &PictureBttn::LClick);
        auto* label = button->findChild<QLabel*>(QStringLiteral("InfoLbl"));
        pressAt(label, QPoint(3, 3));
        releaseAt(label, QPoint(4, 3));
        QCOMPARE(left.count(), 1);
    }
};

QTEST_MAIN(PictureBttnTest)
#include "tst_picturebttn.moc"
