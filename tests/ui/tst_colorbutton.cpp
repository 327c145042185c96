// The colour button's behaviour: clicks, Space, default and cancel keys,
// hover and the focus rectangle.
#include "PointerDriver.h"
#include "ui/ColorUtils.h"
#include "ui/tvColorButton.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace zendaro;
using namespace zendaro::test;

namespace {
// A window that hands Enter and Escape to its default and cancel buttons.
class KeyWindow : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!tvColorButton::pressDefaultOrCancel(this, event->key()))
            QWidget::keyPressEvent(event);
    }
};
} // namespace

class ColorButtonTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<KeyWindow> window;
    tvColorButton* first = nullptr;
    tvColorButton* second = nullptr;

private slots:
    void init() {
        parkPointer();
        window = std::make_unique<KeyWindow>();
        window->setGeometry(300, 300, 300, 100);
        first = new tvColorButton(window.get());
        first->setGeometry(10, 10, 105, 25);
        first->setCaption(QStringLiteral("Evet"));
        second = new tvColorButton(window.get());
        second->setGeometry(150, 10, 105, 25);
        second->setCaption(QStringLiteral("Hayır"));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        window.reset();
        parkPointer();
    }

    void mouseClicks_data() {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<bool>("releaseInside");
        QTest::addColumn<int>("lclicks");
        QTest::addColumn<int>("rclicks");
        QTest::newRow("left, inside") << Qt::LeftButton << true << 1 << 0;
        QTest::newRow("left, released outside") << Qt::LeftButton << false << 0 << 0;
        QTest::newRow("right, inside") << Qt::RightButton << true << 0 << 1;
        QTest::newRow("right, released outside") << Qt::RightButton << false << 0 << 0;
    }
    void mouseClicks() {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(bool, releaseInside);
        QFETCH(int, lclicks);
        QFETCH(int, rclicks);
        QSignalSpy left(first, &tvColorButton::LClick);
        QSignalSpy right(first, &tvColorButton::RClick);
        QSignalSpy up(first, &tvColorButton::MouseUp);
        pressAt(first, QPoint(20, 10), mouseButton);
        if (mouseButton == Qt::LeftButton)
            QCOMPARE(first->look(), tvColorButton::Look::Pressed);
        if (!releaseInside) {
            movePointer(first, QPoint(200, 10), mouseButton);
            QCOMPARE(first->look(), tvColorButton::Look::Normal); // dragged off: not pressed-looking
        }
        releaseAt(first, releaseInside ? QPoint(21, 11) : QPoint(200, 10), mouseButton);
        QCOMPARE(left.count(), lclicks);
        QCOMPARE(right.count(), rclicks);
        QCOMPARE(up.count(), 1);
        QCOMPARE(first->look(), tvColorButton::Look::Normal);
        QVERIFY(!first->isPressed());
    }

    void mouseEventsReportButtonAndTwips() {
        QSignalSpy down(first, &tvColorButton::MouseDown);
        pressAt(first, QPoint(20, 10), Qt::RightButton);
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toInt(), 2);
        QCOMPARE(down.at(0).at(2).toFloat(), 300.0f);
        QCOMPARE(down.at(0).at(3).toFloat(), 150.0f);
        releaseAt(first, QPoint(20, 10), Qt::RightButton);
    }

    void spaceClicksOnRelease() {
        first->setFocus();
        QSignalSpy left(first, &tvColorButton::LClick);
        QTest::keyPress(first, Qt::Key_Space);
        QCOMPARE(first->look(), tvColorButton::Look::Pressed);
        QCOMPARE(left.count(), 0);
        // a held key repeats its press; nothing clicks until the release
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(first, &repeat);
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(first, &repeatUp);
        QCOMPARE(left.count(), 0);
        QTest::keyRelease(first, Qt::Key_Space);
        QCOMPARE(left.count(), 1);
        QCOMPARE(first->look(), tvColorButton::Look::Normal);
    }

    void spacePressedElsewhereDoesNotClick() {
        // Space goes down in another control, which opens something that
        // moves the focus here; its release must not click this button.
        second->setFocus();
        QTest::keyPress(second, Qt::Key_Space);
        first->setFocus();
        QSignalSpy firstSpy(first, &tvColorButton::LClick);
        QSignalSpy secondSpy(second, &tvColorButton::LClick);
        QTest::keyRelease(first, Qt::Key_Space);
        QCOMPARE(firstSpy.count(), 0);
        QCOMPARE(secondSpy.count(), 0);
        QCOMPARE(first->look(), tvColorButton::Look::Normal);
        QCOMPARE(second->look(), tvColorButton::Look::Normal);
    }

    void enterAndEscapePressDefaultAndCancel_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("firstClicks");
        QTest::addColumn<int>("secondClicks");
        QTest::newRow("Enter: default") << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("keypad Enter: default") << int(Qt::Key_Enter) << 1 << 0;
        QTest::newRow("Escape: cancel") << int(Qt::Key_Escape) << 0 << 1;
        QTest::newRow("other key: none") << int(Qt::Key_A) << 0 << 0;
    }
    void enterAndEscapePressDefaultAndCancel() {
        QFETCH(int, key);
        QFETCH(int, firstClicks);
        QFETCH(int, secondClicks);
        first->setDefault(true);
        second->setCancel(true);
        second->setFocus(); // wherever the focus is
        QSignalSpy firstSpy(first, &tvColorButton::LClick);
        QSignalSpy secondSpy(second, &tvColorButton::LClick);
        QTest::keyClick(second, Qt::Key(key));
        QCOMPARE(firstSpy.count(), firstClicks);
        QCOMPARE(secondSpy.count(), secondClicks);
    }

    void hiddenOrDisabledDefaultIsNotPressed() {
        first->setDefault(true);
        QSignalSpy spy(first, &tvColorButton::LClick);
        first->setEnabled(false);
        QVERIFY(!tvColorButton::pressDefaultOrCancel(window.get(), Qt::Key_Return));
        first->setEnabled(true);
        first->hide();
        QVERIFY(!tvColorButton::pressDefaultOrCancel(window.get(), Qt::Key_Return));
        QCOMPARE(spy.count(), 0);
    }

    void hoverAndMouseOut() {
        QSignalSpy over(first, &tvColorButton::MouseOver);
        QSignalSpy out(first, &tvColorButton::MouseOut);
        movePointer(first, QPoint(20, 10));
        movePointer(first, QPoint(22, 10));
        QCOMPARE(over.count(), 2);
        QCOMPARE(first->look(), tvColorButton::Look::Hover);
        parkPointer();
        QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, 120);
        QCOMPARE(first->look(), tvColorButton::Look::Normal);
        QTest::qWait(120);
        QCOMPARE(out.count(), 1);
    }

    void focusRectangle() {
        first->setFocusColor(rgbColour(192, 255, 255));
        const QRect r = first->focusRect();
        // 90 % of the width and 75 % of the height, centred
        QVERIFY(qAbs(r.width() - 105 * 0.9) <= 0.5);
        QVERIFY(qAbs(r.height() - 25 * 0.75) <= 0.5);
        QVERIFY(qAbs(r.center().x() - first->rect().center().x()) <= 1);
        QVERIFY(qAbs(r.center().y() - first->rect().center().y()) <= 1);
        auto focusPixels = [&] {
            const QImage shot = first->grab().toImage();
            int n = 0;
            for (int x = r.left(); x <= r.right(); ++x)
                if (QColor(shot.pixel(x, r.top())) == QColor(192, 255, 255))
                    ++n;
            return n;
        };
        second->setFocus();
        QCOMPARE(focusPixels(), 0);
        first->setFocus();
        const int dotted = focusPixels();
        QVERIFY2(dotted > r.width() / 4, qPrintable(QString::number(dotted))); // drawn ...
        QVERIFY(dotted < r.width() - 10);                                      // ... dotted, not solid
    }
};

QTEST_MAIN(ColorButtonTest)
#include "tst_colorbutton.moc"
