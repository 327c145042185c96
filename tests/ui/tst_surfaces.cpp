// Pixel tests on the painted surfaces of the colour button and the gradient
// shape: the colours at named places, edges, separator, frame, minimum sizes.
#include "PointerDriver.h"
#include "ui/ColorUtils.h"
#include "ui/MsgForm.h"
#include "ui/tvColorButton.h"
#include "ui/tvShape.h"

#include <QLabel>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {
QColor at(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// The about window's back: blue bands, no title.
void makeAboutShape(tvShape& s) {
    s.setBackColor(rgbColour(1, 157, 203));
    s.setBorderBackColor(rgbColour(3, 133, 209));
    s.setCaption(QString());
    s.setStep(2);
    s.setDiagonal(0);
    s.setBorderDiagonal(0);
}

// The message box's shape, as the box sets it up.
void makeMessageShape(tvShape& s) {
    s.setBorderBackColor(rgbColour(3, 133, 209));
    s.setGradientBorderColor(true);
    s.setBorderColor(0);
    s.setBorderStep(2);
    s.setDiagonal(0);
    s.setBorderDiagonal(0);
    s.setGradMode(0);
    s.setCaption(QStringLiteral("ZENDARO"));
}
} // namespace

class SurfacesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { parkPointer(); }

    // A message-box button 500 pixels high, so that every band shows with no
    // gap between neighbours (2-pixel lines, 256 bands), its bottom edge
    // switched off so the first band is visible.
    void colourButtonLooks_data() {
        QTest::addColumn<QString>("look");
        QTest::addColumn<QColor>("bottom"); // the lowest band
        QTest::addColumn<QColor>("top");    // just under the top edge
        QTest::addColumn<QColor>("caption");
        QTest::newRow("rest") << "rest" << QColor(4, 134, 210) << QColor(255, 255, 255) << QColor(0, 0, 0);
        QTest::newRow("hovered") << "hover" << QColor(14, 144, 220) << QColor(141, 255, 255)
                                 << QColor(0, 0, 0);
        QTest::newRow("pressed") << "pressed" << QColor(32, 162, 238) << QColor(0, 0, 0)
                                 << QColor(33, 163, 239);
    }
    void colourButtonLooks() {
        QFETCH(QString, look);
        QFETCH(QColor, bottom);
        QFETCH(QColor, top);
        QFETCH(QColor, caption);
        tvColorButton b;
        b.setBackColor(rgbColour(3, 133, 209));
        b.setDrawWidth3(0);
        b.setGeometry(200, 100, 105, 500);
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        if (look == QLatin1String("hover"))
            movePointer(&b, QPoint(50, 300));
        else if (look == QLatin1String("pressed"))
            pressAt(&b, QPoint(50, 300));
        const QImage& s = b.surface();
        // the hovered look draws a bottom edge even at width 0 (0 + 1)
        const int lowest = look == QLatin1String("hover") ? s.height() - 2 : s.height() - 1;
        QCOMPARE(at(s, 50, lowest), bottom);
        QCOMPARE(at(s, 50, 3), top);
        auto* label = b.findChild<QLabel*>(QStringLiteral("CaptionLbl"));
        QCOMPARE(label->palette().color(QPalette::WindowText), caption);
        // the bands change gradually: neighbouring rows differ by a few levels at most
        for (int y = 4; y < lowest; ++y)
            QVERIFY(qAbs(at(s, 50, y).green() - at(s, 50, y + 1).green()) <= 3);
        if (look == QLatin1String("pressed"))
            releaseAt(&b, QPoint(50, 300));
    }

    // Edge widths of the looks, counted in the middle of each side of the real
    // message-box button (1575 × 375 twips).
    void colourButtonEdges_data() {
        QTest::addColumn<QString>("look");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("left");
        // a line of n pixels centred on the outermost pixel row or column shows
        // n / 2 + 1 of them inside the button
        QTest::newRow("rest: one pixel everywhere") << "rest" << 1 << 1 << 1 << 1;
        QTest::newRow("hovered: right and bottom wider") << "hover" << 1 << 2 << 2 << 1;
        QTest::newRow("pressed: top and left wider") << "pressed" << 2 << 1 << 1 << 2;
    }
    void colourButtonEdges() {
        QFETCH(QString, look);
        QFETCH(int, top);
        QFETCH(int, right);
        QFETCH(int, bottom);
        QFETCH(int, left);
        tvColorButton b;
        b.setBackColor(rgbColour(3, 133, 209));
        b.setCaption(QString());
        b.setGeometry(200, 100, 105, 25);
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        if (look == QLatin1String("hover"))
            movePointer(&b, QPoint(50, 12));
        else if (look == QLatin1String("pressed"))
            pressAt(&b, QPoint(50, 12));
        const QImage& s = b.surface();
        const QColor edge(0, 0, 0);
        auto run = [&](QPoint start, QPoint step) {
            int n = 0;
            for (QPoint p = start; s.rect().contains(p) && at(s, p.x(), p.y()) == edge; p += step)
                ++n;
            return n;
        };
        // the pressed look's bands are black near the top themselves, so there
        // the edge is only known to be at least as wide as expected
        if (look == QLatin1String("pressed"))
            QVERIFY(run(QPoint(52, 0), QPoint(0, 1)) >= top);
        else
            QCOMPARE(run(QPoint(52, 0), QPoint(0, 1)), top);
        QCOMPARE(run(QPoint(104, 12), QPoint(-1, 0)), right);
        QCOMPARE(run(QPoint(52, 24), QPoint(0, -1)), bottom);
        QCOMPARE(run(QPoint(0, 22), QPoint(1, 0)), left);
        if (look == QLatin1String("pressed"))
            releaseAt(&b, QPoint(50, 12));
    }

    void colourButtonMinimumSize() {
        tvColorButton b;
        b.resize(100 / 15, 100 / 15);
        b.surface();
        QCOMPARE(b.size(), QSize(17, 17)); // 255 × 255 twips
        QCOMPARE(b.surface().size(), QSize(17, 17));
    }

    void colourButtonZeroStepIsRepaired() {
        tvColorButton b;
        b.setStep(0);
        QCOMPARE(b.step(), 1);
        QVERIFY(!b.surface().isNull());
    }

    void disabledLookKeepsTheCaption() {
        tvColorButton b;
        b.setBackColor(rgbColour(3, 133, 209));
        b.setCaption(QStringLiteral("Evet"));
        b.setGeometry(200, 100, 105, 600);
        auto* label = b.findChild<QLabel*>(QStringLiteral("CaptionLbl"));
        b.setEnabled(false);
        // disabled: base lightened by 50, lighter upwards, no edges
        QCOMPARE(at(b.surface(), 0, b.height() - 1), QColor(54, 184, 255));
        QCOMPARE(at(b.surface(), 0, 300).blue(), 255);
        b.setCaption(QStringLiteral("Hayır"));
        QCOMPARE(label->text(), QStringLiteral("Evet"));
        b.setEnabled(true);
        QCOMPARE(label->text(), QStringLiteral("Hayır"));
    }

    void captionAlignment_data() {
        QTest::addColumn<int>("alignement");
        QTest::newRow("left") << 0;
        QTest::newRow("right") << 1;
        QTest::newRow("centre") << 2;
    }
    void captionAlignment() {
        QFETCH(int, alignement);
        tvColorButton b;
        b.setGeometry(0, 0, 200, 30);
        b.setCaption(QStringLiteral("Tekrar Dene"));
        b.surface();
        auto* label = b.findChild<QLabel*>(QStringLiteral("CaptionLbl"));
        b.setAlignement(alignement);
        const double margin = 0.07 * 200;
        const double expected = alignement == 0   ? margin
                                : alignement == 1 ? 200 - label->width() - margin
                                                  : 100 - label->width() / 2.0;
        QVERIFY2(qAbs(label->x() - expected) <= 1, qPrintable(QString::number(label->x())));
        QVERIFY(qAbs(label->y() + label->height() / 2.0 - 15) <= 1);
        QVERIFY(!label->font().bold());
        // any other value leaves the caption where it was
        const QPoint before = label->pos();
        b.setAlignement(3);
        b.setCaption(QStringLiteral("Tamam"));
        QCOMPARE(label->pos(), before);
    }

    // --- the gradient shape ----------------------------------------------

    void shapeColours_data() {
        QTest::addColumn<QString>("instance");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QColor>("colour");
        // message box: vertical title bands, white back, black separator and frame
        QTest::newRow("title band, left edge") << "message" << QPoint(1, 8) << QColor(4, 134, 210);
        QTest::newRow("title band, right edge") << "message" << QPoint(463, 8) << QColor(131, 255, 255);
        QTest::newRow("separator") << "message" << QPoint(200, 16) << QColor(0, 0, 0);
        QTest::newRow("white back") << "message" << QPoint(200, 60) << QColor(255, 255, 255);
        QTest::newRow("frame top") << "message" << QPoint(200, 0) << QColor(0, 0, 0);
        QTest::newRow("frame left") << "message" << QPoint(0, 60) << QColor(0, 0, 0);
        QTest::newRow("frame bottom") << "message" << QPoint(200, 119) << QColor(0, 0, 0);
        QTest::newRow("frame right") << "message" << QPoint(464, 60) << QColor(0, 0, 0);
        // about window: horizontal back bands, no title, frame in BorderBackColor
        QTest::newRow("about back, top") << "about" << QPoint(300, 1) << QColor(2, 158, 204);
        QTest::newRow("about back, third band") << "about" << QPoint(300, 6) << QColor(3, 159, 205);
        QTest::newRow("about frame") << "about" << QPoint(0, 150) << QColor(3, 133, 209);
        QTest::newRow("about, no title") << "about" << QPoint(300, 16) << QColor(4, 160, 206);
        // defaults: the white back stays white
        QTest::newRow("default back") << "default" << QPoint(150, 150) << QColor(255, 255, 255);
        QTest::newRow("default title") << "default" << QPoint(20, 8) << QColor(128, 128, 255);
        QTest::newRow("default separator") << "default" << QPoint(150, 16) << QColor(128, 128, 255);
    }
    void shapeColours() {
        QFETCH(QString, instance);
        QFETCH(QPoint, place);
        QFETCH(QColor, colour);
        tvShape s;
        if (instance == QLatin1String("message")) {
            makeMessageShape(s);
            s.resize(465, 120);
        } else if (instance == QLatin1String("about")) {
            // 768 pixels high: three pixels per band, the width of a band line
            makeAboutShape(s);
            s.resize(600, 768);
        }
        QCOMPARE(at(s.surface(), place.x(), place.y()), colour);
    }

    void aboutBackRunsToItsLastBand() {
        tvShape s;
        makeAboutShape(s);
        s.resize(600, 768);
        const QImage& image = s.surface();
        // rows grow lighter downwards, one level every two bands, up to the
        // last band (130, 255, 255); the frame lies over the last band line,
        // so the lowest row inside it is at most one level short of it
        QColor previous = at(image, 300, 1);
        for (int y = 2; y < 767; ++y) {
            const QColor c = at(image, 300, y);
            QVERIFY(c.red() >= previous.red() && c.red() - previous.red() <= 1);
            previous = c;
        }
        QVERIFY(previous.red() >= 129);
        QCOMPARE(previous.green(), 255);
        QCOMPARE(previous.blue(), 255);
    }

    void separatorRow_data() {
        QTest::addColumn<bool>("bands");
        QTest::addColumn<int>("borderGradMode");
        QTest::addColumn<int>("row");
        QTest::newRow("vertical title bands: 241 twips") << true << 0 << 16;
        QTest::newRow("one-colour title: 241 twips") << false << 0 << 16;
        QTest::newRow("horizontal title bands: 257 twips") << true << 1 << 17;
    }
    void separatorRow() {
        QFETCH(bool, bands);
        QFETCH(int, borderGradMode);
        QFETCH(int, row);
        tvShape s;
        makeMessageShape(s);
        s.setBorderColor(rgbColour(255, 0, 0));
        s.setGradientBorderColor(bands);
        s.setBorderGradMode(borderGradMode);
        s.resize(465, 120);
        const QImage& image = s.surface();
        for (int x : {20, 200, 400})
            QCOMPARE(at(image, x, row), QColor(255, 0, 0));
        QVERIFY(at(image, 200, row - 1) != QColor(255, 0, 0));
        QVERIFY(at(image, 200, row + 1) != QColor(255, 0, 0));
    }

    void emptyCaptionHasNoTitleNorSeparator() {
        tvShape s;
        makeMessageShape(s);
        s.setCaption(QString());
        s.resize(465, 120);
        for (int y = 1; y < 40; ++y)
            QCOMPARE(at(s.surface(), 200, y), QColor(255, 255, 255));
        QCOMPARE(at(s.surface(), 200, 0), QColor(0, 0, 0)); // the frame stays
    }

    void borderDirectionDoesNothingWithVerticalTitleBands() {
        tvShape s;
        makeMessageShape(s);
        s.resize(465, 120);
        const QImage before = s.surface();
        s.setBorderDirection(1);
        QCOMPARE(s.surface(), before);
    }

    void shapeZeroStepIsRepaired_data() {
        QTest::addColumn<bool>("zeroBorderStep");
        QTest::newRow("Step 0") << false;
        QTest::newRow("BorderStep 0") << true;
    }
    void shapeZeroStepIsRepaired() {
        QFETCH(bool, zeroBorderStep);
        tvShape s;
        s.setStep(4);
        s.setBorderStep(5);
        if (zeroBorderStep)
            s.setBorderStep(0);
        else
            s.setStep(0);
        QCOMPARE(s.step(), 10);
        QCOMPARE(s.borderStep(), 3);
    }

    void shapeMinimumSize_data() {
        QTest::addColumn<QSize>("requested");
        QTest::addColumn<QSize>("result");
        QTest::newRow("height 200 twips") << QSize(200, 200 / 15) << QSize(200, 27);
        QTest::newRow("width 500 twips") << QSize(500 / 15, 100) << QSize(67, 100);
    }
    void shapeMinimumSize() {
        QFETCH(QSize, requested);
        QFETCH(QSize, result);
        tvShape s;
        s.resize(requested);
        QCOMPARE(s.size(), result);
        QCOMPARE(s.surface().size(), result);
    }

    void hugeSlantIsLimited() {
        tvShape s;
        s.setDiagonal(2'000'000'000);
        QCOMPARE(s.diagonal(), tvShape::MaxDiagonal);
        s.setBorderDiagonal(-2'000'000'000);
        QCOMPARE(s.borderDiagonal(), -tvShape::MaxDiagonal);
    }

    void exposureDoesNotRepaintTheSurface() {
        tvShape s;
        s.setGeometry(100, 100, 300, 200);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const int painted = s.repaintCount();
        s.repaint();
        s.hide();
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.repaintCount(), painted);
        s.setCaption(QStringLiteral("Başlık"));
        QCOMPARE(s.repaintCount(), painted + 1);
    }

    void messageBoxButtonInTheBox() {
        // The real box: its buttons at rest show the band ramp from the
        // message-box blue upwards to white, with black edges.
        MsgForm box;
        box.MyMessage = QStringLiteral("Deneme");
        box.MyFlag = 0;
        box.load();
        tvColorButton* b = box.buttonSlot(0);
        const QImage& s = b->surface();
        QCOMPARE(s.size(), QSize(105, 25));
        QCOMPARE(at(s, 50, 0), QColor(0, 0, 0));
        QCOMPARE(at(s, 50, 24), QColor(0, 0, 0));
        QVERIFY(at(s, 50, 1).red() >= 250); // white, or a level or two short of it
        const QColor low = at(s, 50, 23);
        QCOMPARE(low.red() - 3, low.green() - 133); // on the ramp from (3, 133, 209)
        QCOMPARE(low.red() - 3, low.blue() - 209);
        QVERIFY(low.red() > 3);
    }
};

QTEST_MAIN(SurfacesTest)
#include "tst_surfaces.moc"
