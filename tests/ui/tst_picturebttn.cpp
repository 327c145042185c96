#include "PointerDriver.h"
#include "ui/ColorUtils.h"
#include "ui/PictureBttn.h"

#include <QAccessible>
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
        QVERIFY(b.focusPolicy() == Qt::TabFocus); // Tab reaches it, a click does not focus it
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

    void keysPressTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("pressedHere"); // the key went down on this button
        QTest::addColumn<int>("lclicks");
        QTest::newRow("Space") << int(Qt::Key_Space) << true << 1;
        QTest::newRow("Return") << int(Qt::Key_Return) << true << 1;
        QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter) << true << 1;
        QTest::newRow("a Space pressed elsewhere, released here") << int(Qt::Key_Space) << false << 0;
        QTest::newRow("a letter") << int(Qt::Key_A) << true << 0;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true << 0;
    }
    void keysPressTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(bool, pressedHere);
        QFETCH(int, lclicks);
        showButton(QStringLiteral("ANA MENÜ"));
        button->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(button.get()));
        button->setFocus(Qt::TabFocusReason);
        QSignalSpy left(button.get(), &PictureBttn::LClick);
        if (pressedHere)
            QTest::keyPress(button.get(), Qt::Key(key));
        QTest::keyRelease(button.get(), Qt::Key(key));
        QCOMPARE(left.count(), lclicks);
        // A disabled button is never pressed.
        button->setEnabled(false);
        button->press();
        QCOMPARE(left.count(), lclicks);
    }

    void focusMarkOnlyWhenTheFocusCameFromTheKeyboard() {
        QWidget host;
        host.resize(300, 120);
        QPalette white = host.palette();
        white.setColor(QPalette::Window, Qt::white);
        host.setPalette(white);
        PictureBttn* buttons[2];
        for (int i = 0; i < 2; ++i) {
            buttons[i] = new PictureBttn(&host);
            buttons[i]->setPictureNormal(filled(40, 30, Qt::blue));
            buttons[i]->setPictureLight(filled(40, 30, Qt::cyan));
            buttons[i]->setCaption(QStringLiteral("DÜĞME %1").arg(i));
            buttons[i]->move(20, 20 + 50 * i);
        }
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        const QImage rest = host.grab().toImage();

        // The focus a window gives its first control shows nothing.
        buttons[0]->setFocus(Qt::ActiveWindowFocusReason);
        QVERIFY(buttons[0]->hasFocus());
        QVERIFY(!buttons[0]->showsFocusMark());
        QCOMPARE(host.grab().toImage(), rest);

        // Tab moves it and marks it: a thin blue outline round the button.
        QTest::keyClick(buttons[0], Qt::Key_Tab);
        QVERIFY(buttons[1]->hasFocus());
        QVERIFY(buttons[1]->showsFocusMark());
        const QImage marked = host.grab().toImage();
        QVERIFY(marked != rest);
        const QRect outline = buttons[1]->geometry();
        QCOMPARE(marked.pixelColor(outline.topLeft()), QColor(3, 133, 209));
        QCOMPARE(marked.pixelColor(outline.bottomRight()), QColor(3, 133, 209));
        QCOMPARE(marked.pixelColor(outline.topLeft() + QPoint(20, 15)),
                 QColor(Qt::blue)); // the picture is untouched

        QTest::keyClick(buttons[1], Qt::Key_Backtab);
        QVERIFY(buttons[0]->showsFocusMark());
        QVERIFY(!buttons[1]->showsFocusMark());

        // The mouse takes over: no mark, and a click does not move the focus.
        pressAt(buttons[1], QPoint(5, 5));
        releaseAt(buttons[1], QPoint(5, 5));
        QVERIFY(buttons[0]->hasFocus());
        pressAt(buttons[0], QPoint(5, 5));
        releaseAt(buttons[0], QPoint(5, 5));
        QVERIFY(!buttons[0]->showsFocusMark());
        parkPointer();
        QTRY_VERIFY(!buttons[0]->isLit() && !buttons[1]->isLit());
        QCOMPARE(host.grab().toImage(), rest);
    }

    void screenReadersFindANamedPushButton() {
        showButton(QStringLiteral("ANA MENÜ   "));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button.get());
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("ANA MENÜ"));
        // A picture-only button keeps the name its window gives it.
        button->setAccessibleName(QStringLiteral("Yardım"));
        button->setCaption(QString());
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Yardım"));
        QSignalSpy left(button.get(), &PictureBttn::LClick);
        QVERIFY(iface->actionInterface());
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(left.count(), 1);
    }
};

QTEST_MAIN(PictureBttnTest)
#include "tst_picturebttn.moc"
