// The small free functions of the toolkit: colours, the pointer-inside test,
// twips, fonts, the button sets and the message box height rule.
#include "ui/ButtonSets.h"
#include "ui/ColorUtils.h"
#include "ui/Fonts.h"
#include "ui/MessageLayout.h"
#include "ui/MessageService.h"
#include "ui/Twips.h"
#include "ui/WindowUtils.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace zendaro;

class UiUtilsTest : public QObject {
    Q_OBJECT

private slots:
    void splitColor_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("message box blue") << rgbColour(3, 133, 209) << 3 << 133 << 209;
        QTest::newRow("black") << 0 << 0 << 0 << 0;
        QTest::newRow("white") << rgbColour(255, 255, 255) << 255 << 255 << 255;
        // A system colour (high bit set) splits as a raw number: blue above 255.
        QTest::newRow("system window text") << int(0x80000008u) << 8 << 0 << 32768;
    }
    void splitColor() {
        QFETCH(int, colour);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QCOMPARE(SplitColor(colour), (ColourParts{red, green, blue}));
    }

    void clampByteChangesItsArgument_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("clamped");
        QTest::newRow("below") << -5 << 0;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("inside") << 128 << 128;
        QTest::newRow("top") << 255 << 255;
        QTest::newRow("above") << 32768 << 255;
    }
    void clampByteChangesItsArgument() {
        QFETCH(int, value);
        QFETCH(int, clamped);
        QCOMPARE(ClampByte(value), clamped);
        QCOMPARE(value, clamped);
    }

    void lightenAndDarken_data() {
        QTest::addColumn<bool>("lighten");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("expected");
        QTest::newRow("lighten clamps at 255")
            << true << rgbColour(250, 5, 128) << 10 << rgbColour(255, 15, 138);
        QTest::newRow("darken clamps at 0")
            << false << rgbColour(5, 250, 128) << 10 << rgbColour(0, 240, 118);
        QTest::newRow("hover base") << true << rgbColour(3, 133, 209) << 10 << rgbColour(13, 143, 219);
        QTest::newRow("pressed base") << true << rgbColour(3, 133, 209) << 30 << rgbColour(33, 163, 239);
        QTest::newRow("disabled base") << true << rgbColour(3, 133, 209) << 50 << rgbColour(53, 183, 255);
        QTest::newRow("system colour") << true << int(0x80000008u) << 0 << rgbColour(8, 0, 255);
    }
    void lightenAndDarken() {
        QFETCH(bool, lighten);
        QFETCH(int, colour);
        QFETCH(int, amount);
        QFETCH(int, expected);
        const Colour result = lighten ? LightenColor(colour, amount, amount, amount)
                                      : DarkenColor(colour, amount, amount, amount);
        QCOMPARE(result, expected);
    }

    void qtColours() {
        QCOMPARE(toQColor(rgbColour(3, 133, 209)), QColor(3, 133, 209));
        QCOMPARE(fromQColor(QColor(1, 157, 203)), rgbColour(1, 157, 203));
        QCOMPARE(toQColor(int(0x80000008u)), QColor(8, 0, 255));
    }

    void twipsToPixels() {
        QCOMPARE(twips(5520), 368);
        QCOMPARE(twips(6975), 465);
        QCOMPARE(twips(100), 7); // 6.67 px
        QCOMPARE(twipsRect(5520, 480, 1155, 960), QRect(368, 32, 77, 64));
        QCOMPARE(pixelsToTwips(2.5 / 15), 2); // halves to even
        QCOMPARE(pixelsToTwips(3.5 / 15), 4);
    }

    // The strict inside test on a 20 × 10 pixel window at (100, 50).
    void insideTest_data() {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("inside");
        QTest::newRow("leftmost column") << QPoint(100, 55) << false;
        QTest::newRow("one pixel right of it") << QPoint(101, 55) << true;
        QTest::newRow("topmost row") << QPoint(110, 50) << false;
        QTest::newRow("rightmost column") << QPoint(119, 55) << true;
        QTest::newRow("bottom row") << QPoint(110, 59) << true;
        QTest::newRow("right of it") << QPoint(120, 55) << false;
        QTest::newRow("below it") << QPoint(110, 60) << false;
        QTest::newRow("far away") << QPoint(400, 400) << false;
    }
    void insideTest() {
        QFETCH(QPoint, pointer);
        QFETCH(bool, inside);
        const QPoint twipsPoint(pointer.x() * 15, pointer.y() * 15);
        QCOMPARE(IsPointOverRect(QRect(100, 50, 20, 10), twipsPoint), inside);
    }

    void pointerOverACoveredWindowCountsAsOver() {
        QWidget below;
        below.setGeometry(200, 200, 120, 80);
        below.show();
        QWidget above;
        above.setGeometry(190, 190, 200, 150);
        above.show();
        QVERIFY(QTest::qWaitForWindowExposed(&above));
        above.raise();
        QCursor::setPos(below.mapToGlobal(QPoint(50, 40)));
        QCOMPARE(GetCursorTwips(), below.mapToGlobal(QPoint(50, 40)) * 15);
        QVERIFY(IsCursorOverWindow(&below));
        QCursor::setPos(below.mapToGlobal(QPoint(0, 40)));
        QVERIFY(!IsCursorOverWindow(&below));
    }

    void makeTopmostKeepsPlaceAndSize() {
        QWidget window;
        window.setGeometry(150, 160, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        MakeTopmost(&window);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), before);
    }

    void legacyFontsMapToFreeFonts_data() {
        QTest::addColumn<QString>("legacy");
        QTest::addColumn<QString>("free");
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                       << "Liberation Sans";
        QTest::newRow("Tahoma") << "Tahoma"
                                << "Liberation Sans";
        QTest::newRow("Times New Roman") << "Times New Roman"
                                         << "Liberation Serif";
    }
    void legacyFontsMapToFreeFonts() {
        QFETCH(QString, legacy);
        QFETCH(QString, free);
        const QFont font = legacyFont(legacy, 8.25);
        QCOMPARE(font.family(), free);
        // The free font is really installed, and has every Turkish letter.
        QCOMPARE(QFontInfo(font).family(), free);
        const QRawFont raw = QRawFont::fromFont(font);
        for (const QChar c : QStringLiteral("ÇçĞğİıÖöŞşÜü"))
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QString(c)));
    }

    // The fonts in a folder beside the program are added; other files are not
    // fonts, and a missing folder adds none.
    void shippedFontsAreAdded() {
        const QString font = QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf");
        if (!QFile::exists(font))
            QSKIP("fonts-liberation2 is not installed");
        QTemporaryDir dir;
        QVERIFY(AddShippedFonts(dir.filePath(QStringLiteral("fonts"))).isEmpty());
        QVERIFY(QFile::copy(font, dir.filePath(QStringLiteral("LiberationSerif-Bold.ttf"))));
        QFile notAFont(dir.filePath(QStringLiteral("broken.ttf")));
        QVERIFY(notAFont.open(QIODevice::WriteOnly));
        notAFont.write("not a font");
        notAFont.close();
        QCOMPARE(AddShippedFonts(dir.path()), QStringList{QStringLiteral("Liberation Serif")});
    }

    // Shipped beside the program, the free sans font is the default of every
    // control that names no font; without it the system's default stays.
    void shippedSansBecomesTheDefault() {
        const QString font =
            QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
        if (!QFile::exists(font))
            QSKIP("fonts-liberation2 is not installed");
        const QFont before = QApplication::font();
        QTemporaryDir dir;
        UseShippedFonts(dir.path());
        QCOMPARE(QApplication::font(), before);
        QVERIFY(QFile::copy(font, dir.filePath(QStringLiteral("LiberationSans-Regular.ttf"))));
        UseShippedFonts(dir.path());
        const QFont now = QApplication::font();
        QApplication::setFont(before);
        QCOMPARE(QFontInfo(now).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(now.pointSize(), 9);
    }

    void buttonSets_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("captions"); // slot 0 (right) first
        QTest::addColumn<int>("defaultSlot");
        QTest::addColumn<int>("cancelSlot");
        const QString ok = "Tamam", yes = "Evet", no = "Hayır", cancel = "İptal", abort = "Vazgeç",
                      retry = "Tekrar Dene";
        QTest::newRow("0") << 0 << QStringList{ok} << 0 << 0;
        QTest::newRow("1") << 1 << QStringList{yes} << 0 << 0;
        QTest::newRow("2") << 2 << QStringList{cancel} << 0 << 0;
        QTest::newRow("3") << 3 << QStringList{no} << 0 << 0;
        QTest::newRow("4") << 4 << QStringList{abort} << 0 << 0;
        QTest::newRow("5") << 5 << QStringList{retry} << 0 << 0;
        QTest::newRow("6") << 6 << QStringList{ok, cancel} << 0 << 1;
        QTest::newRow("7") << 7 << QStringList{ok, cancel, retry} << 0 << 1;
        QTest::newRow("8") << 8 << QStringList{ok, cancel, abort} << 0 << 1;
        QTest::newRow("9") << 9 << QStringList{yes, no} << 0 << 1;
        QTest::newRow("10") << 10 << QStringList{yes, no, cancel} << 0 << 2;
        QTest::newRow("11") << 11 << QStringList{yes, no, abort} << 0 << 1;
        QTest::newRow("12") << 12 << QStringList{yes, no, retry} << 0 << 2;
        QTest::newRow("13") << 13 << QStringList{yes, cancel} << 0 << 1;
        QTest::newRow("14") << 14 << QStringList{yes, abort} << 0 << 1;
        QTest::newRow("15") << 15 << QStringList{yes, retry} << 0 << 1;
        QTest::newRow("16") << 16 << QStringList{no, cancel} << 0 << 1;
        QTest::newRow("17") << 17 << QStringList{no, abort} << 0 << 1;
        QTest::newRow("18") << 18 << QStringList{no, retry} << 0 << 1;
        QTest::newRow("19: none") << 19 << QStringList{} << -1 << -1;
        QTest::newRow("-1: none") << -1 << QStringList{} << -1 << -1;
    }
    void buttonSets() {
        QFETCH(int, style);
        QFETCH(QStringList, captions);
        QFETCH(int, defaultSlot);
        QFETCH(int, cancelSlot);
        const ButtonSet set = buttonSetFor(style);
        QCOMPARE(set.count, captions.size());
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(set.captions[std::size_t(i)], captions[i]);
        QCOMPARE(set.defaultSlot, defaultSlot);
        QCOMPARE(set.cancelSlot, cancelSlot);
    }

    void resultCodes() {
        QCOMPARE(resultForCaption("Tamam"), int(ResultTamam));
        QCOMPARE(resultForCaption("Evet"), int(ResultEvet));
        QCOMPARE(resultForCaption("Hayır"), int(ResultHayir));
        QCOMPARE(resultForCaption("İptal"), int(ResultIptal));
        QCOMPARE(resultForCaption("Vazgeç"), int(ResultVazgec));
        QCOMPARE(resultForCaption("Tekrar Dene"), int(ResultTekrarDene));
        QCOMPARE(resultForCaption("tamam"), -1); // exact and case-sensitive
        QCOMPARE(resultForCaption("HAYIR"), -1);
        // Closing a box other than by a button answers as its cancel button.
        QCOMPARE(cancelResultFor(0), int(ResultTamam));
        QCOMPARE(cancelResultFor(9), int(ResultHayir));
        QCOMPARE(cancelResultFor(10), int(ResultIptal));
        QCOMPARE(cancelResultFor(11), int(ResultHayir));
        QCOMPARE(cancelResultFor(42), int(ResultIptal));
    }

    void heightRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << "Lütfen bir ölçek seçiniz." << QStringList{"Lütfen bir ölçek seçiniz."};
        QTest::newRow("three CR LF lines")
            << "Birinci satır\r\nİkinci ve en uzun satır burada\r\nÜç"
            << QStringList{"Birinci satır", "İkinci ve en uzun satır burada", "Üç"};
    }
    void heightRule() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const QFont font = msSansSerif825();
        const QFontMetricsF fm(font);
        double w = 0;
        for (const QString& line : lines)
            w = std::max(w, fm.horizontalAdvance(line) * 15);
        const double h = lines.size() * fm.height() * 15;
        const MessageLayout m = layoutMessage(text, font);
        QVERIFY(qAbs(m.textWidth - w) < 0.01);
        QVERIFY(qAbs(m.textHeight - h) < 0.01);
        QVERIFY(qAbs(m.labelHeight - h * (1 + w / 5175)) < 0.05);
        QVERIFY(qAbs(m.boxHeight - (m.labelHeight + 1495)) < 0.05);
        QVERIFY(qAbs(m.buttonTop - (m.labelHeight + 920)) < 0.05);
    }
};

QTEST_MAIN(UiUtilsTest)
#include "tst_uiutils.moc"
