// The gradient shape's pointer events.
#include "PointerDriver.h"
#include "ui/tvShape.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace zendaro;
using namespace zendaro::test;

class ShapeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tvShape> shape;

private slots:
    void init() {
        parkPointer();
        shape = std::make_unique<tvShape>();
        shape->setGeometry(300, 300, 200, 100);
        shape->show();
        QVERIFY(QTest::qWaitForWindowExposed(shape.get()));
    }
    void cleanup() {
        shape.reset();
        parkPointer();
    }

    void clicks_data() {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<bool>("releaseInside");
        QTest::addColumn<int>("lclicks");
        QTest::addColumn<int>("rclicks");
        QTest::newRow("left inside") << Qt::LeftButton << true << 1 << 0;
        QTest::newRow("left, released outside") << Qt::LeftButton << false << 0 << 0;
        QTest::newRow("right inside") << Qt::RightButton << true << 0 << 1;
    }
    void clicks() {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(bool, releaseInside);
        QFETCH(int, lclicks);
        QFETCH(int, rclicks);
        QSignalSpy left(shape.get(), &tvShape::LClick);
        QSignalSpy right(shape.get(), &tvShape::RClick);
        QSignalSpy up(shape.get(), &tvShape::MouseUp);
        pressAt(shape.get(), QPoint(50, 50), mouseButton);
        releaseAt(shape.get(), releaseInside ? QPoint(60, 50) : QPoint(260, 50), mouseButton);
        QCOMPARE(left.count(), lclicks);
        QCOMPARE(right.count(), rclicks);
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(0).toInt(), mouseButton == Qt::LeftButton ? 1 : 2);
    }

    void movesReportTwipsAndHover() {
        QSignalSpy move(shape.get(), &tvShape::MouseMove);
        QSignalSpy over(shape.get(), &tvShape::MouseOver);
        QSignalSpy out(shape.get(), &tvShape::MouseOut);
        movePointer(shape.get(), QPoint(10, 20));
        movePointer(shape.get(), QPoint(11, 20));
        QCOMPARE(over.count(), 2);
        QCOMPARE(move.at(0).at(2).toFloat(), 150.0f);
        QCOMPARE(move.at(0).at(3).toFloat(), 300.0f);
        parkPointer();
        QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, 120);
        QTest::qWait(120);
        QCOMPARE(out.count(), 1);
    }
};

QTEST_MAIN(ShapeTest)
#include "tst_shape.moc"
