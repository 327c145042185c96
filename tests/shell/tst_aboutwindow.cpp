// The about window: its shape, texts, picture swap and closing click.
#include "ShellTestSupport.h"
#include "shell/AboutWindow.h"
#include "shell/Shell.h"
#include "ui/tvShape.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

using namespace zendaro;

namespace {

QStringList labelTexts(const AboutWindow& about) {
    QStringList texts;
    for (const QLabel* label : about.labels())
        texts << label->text();
    return texts;
}

bool showsPicture(const AboutWindow& about, int index) {
    return about.picture(index)->isVisible();
}

// The contrast ratio of two colours (1 to 21), as readability guidelines count it.
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsExactlyItsShape();
    void showsNamePurposeAndCredits();
    void textsAreReadableOnTheirBackground_data();
    void textsAreReadableOnTheirBackground();
    void picturesSwapEveryHalfSecondWhileActive();
    void everyOpeningStartsWithPictureZero();
    void leftClickAnywhereCloses_data();
    void leftClickAnywhereCloses();
    void rightClickDoesNotClose();
};

void AboutWindowTest::windowIsExactlyItsShape() {
    AboutWindow about;
    QCOMPARE(about.objectName(), QStringLiteral("FRMABOUT"));
    QVERIFY(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(about.shape()->objectName(), QStringLiteral("MainShpe"));
    QCOMPARE(about.shape()->size(), QSize(585, 321)); // 8775 x 4815 twips
    QCOMPARE(about.size(), about.shape()->size());
    QCOMPARE(about.shape()->pos(), QPoint(0, 0));
    // The back runs from one level above (1, 157, 203) at the top to about
    // (130, 255, 255) at the bottom; there is no title band.
    const QImage& surface = about.shape()->surface();
    QCOMPARE(surface.pixelColor(surface.width() / 2, 1), QColor(2, 158, 204));
    const QColor bottom = surface.pixelColor(surface.width() / 2, surface.height() - 2);
    QVERIFY2(bottom.red() >= 128 && bottom.red() <= 130 && bottom.green() == 255 && bottom.blue() == 255,
             qPrintable(bottom.name()));
}

void AboutWindowTest::showsNamePurposeAndCredits() {
    AboutWindow about;
    const QStringList texts = labelTexts(about);
    QVERIFY(texts.contains(QStringLiteral("ZENDARO")));
    const QString purpose = QStringLiteral(
        "          Bu program, Dornela Üniversitesi Not Sisteminden farklı not sistemi kullanan "
        "üniversitelerden gelen notların Dornela Üniversitesi Not Sistemine dönüştürülmesinde "
        "kullanılır.");
    QVERIFY(texts.contains(purpose));
    for (const QString& heading : {QStringLiteral("Yazılım :"), QStringLiteral("Akış Algoritması :"),
                                   QStringLiteral("Zendaro Formülü :")})
        QVERIFY2(texts.contains(heading), qPrintable(heading));
    // Every label belongs to the one group and lies wholly on the shape.
    for (const QLabel* label : about.labels()) {
        QCOMPARE(label->objectName(), QStringLiteral("Label1"));
        QVERIFY2(about.shape()->rect().contains(label->geometry()), qPrintable(label->text()));
    }
    QCOMPARE(about.picture(0)->objectName(), QStringLiteral("Image1"));
    QCOMPARE(about.picture(1)->objectName(), QStringLiteral("Image1"));
    QCOMPARE(about.picture(0)->pixmap().size(), QSize(64, 64));
    QCOMPARE(about.picture(1)->pixmap().size(), QSize(64, 64));
}

void AboutWindowTest::textsAreReadableOnTheirBackground_data() {
    QTest::addColumn<QString>("startsWith");
    QTest::addColumn<double>("least"); // the contrast normal-sized text needs
    QTest::newRow("purpose sentence") << QStringLiteral("          Bu program") << 4.5;
    QTest::newRow("credit heading") << QStringLiteral("Zendaro Formülü :") << 4.5;
    QTest::newRow("credited person") << QStringLiteral("Prof. Dr.") << 4.5;
    QTest::newRow("department") << QStringLiteral("Matematik") << 4.5;
}

void AboutWindowTest::textsAreReadableOnTheirBackground() {
    QFETCH(QString, startsWith);
    QFETCH(double, least);
    AboutWindow about;
    const QLabel* label = nullptr;
    for (const QLabel* candidate : about.labels()) {
        if (candidate->text().startsWith(startsWith))
            label = candidate;
    }
    QVERIFY(label);
    // Every pixel of the shape's painted back behind the text, against the text's colour.
    const QRect text = label->fontMetrics()
                           .boundingRect(label->contentsRect(),
                                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text())
                           .translated(label->pos())
                           .intersected(about.shape()->rect());
    QVERIFY(!text.isEmpty());
    const QColor ink = label->palette().color(QPalette::WindowText);
    const QImage& back = about.shape()->surface();
    double worst = 21.0;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x)
            worst = std::min(worst, contrast(ink, back.pixelColor(x, y)));
    }
    QVERIFY2(worst >= least, qPrintable(QStringLiteral("contrast %1 : 1").arg(worst, 0, 'f', 2)));
}

void AboutWindowTest::picturesSwapEveryHalfSecondWhileActive() {
    AboutWindow about;
    QVERIFY(!about.timer()->isActive()); // off until the window becomes active
    QCOMPARE(about.timer()->interval(), 500);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QVERIFY(about.timer()->isActive());
    QVERIFY(showsPicture(about, 0));
    QVERIFY(!showsPicture(about, 1));

    QSignalSpy ticks(about.timer(), &QTimer::timeout);
    QVERIFY(ticks.wait(1000)); // the first tick
    QVERIFY(!showsPicture(about, 0));
    QVERIFY(showsPicture(about, 1));
    QVERIFY(ticks.wait(1000)); // the second tick
    QVERIFY(showsPicture(about, 0));
    QVERIFY(!showsPicture(about, 1));
}

void AboutWindowTest::everyOpeningStartsWithPictureZero() {
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    for (int opening = 0; opening < 2; ++opening) {
        bool startedWithZero = false;
        bool swapped = false;
        const bool appeared =
            zendaro::test::whileModal([&] { shell.showAbout(nullptr); },
                                      [&](QWidget* modal) {
                                          auto* about = qobject_cast<AboutWindow*>(modal);
                                          QVERIFY(about);
                                          startedWithZero =
                                              showsPicture(*about, 0) && !showsPicture(*about, 1);
                                          // Leave it on picture 1.
                                          QTRY_VERIFY_WITH_TIMEOUT(showsPicture(*about, 1), 1500);
                                          swapped = true;
                                          about->close();
                                      });
        QVERIFY(appeared);
        QVERIFY(startedWithZero);
        QVERIFY(swapped);
    }
}

void AboutWindowTest::leftClickAnywhereCloses_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("purpose sentence") << "purpose";
    QTest::newRow("picture 0") << "picture";
    QTest::newRow("background") << "background";
}

void AboutWindowTest::leftClickAnywhereCloses() {
    QFETCH(QString, target);
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    bool closedByClick = false;

    const bool appeared =
        zendaro::test::whileModal([&] { shell.showAbout(&owner); },
                                  [&](QWidget* modal) {
                                      auto* about = qobject_cast<AboutWindow*>(modal);
                                      QVERIFY(about);
                                      if (target == QLatin1String("purpose")) {
                                          QLabel* purpose = about->labels().at(1);
                                          QVERIFY(purpose->text().startsWith(QLatin1String("  ")));
                                          zendaro::test::leftClickAt(purpose, QPoint(100, 10));
                                      } else if (target == QLatin1String("picture")) {
                                          zendaro::test::leftClickAt(about->picture(0), QPoint(32, 32));
                                      } else {
                                          // Bottom right: no label or picture lies there.
                                          zendaro::test::leftClickAt(about->shape(), QPoint(575, 315));
                                      }
                                      QTRY_VERIFY(!about->isVisible());
                                      closedByClick = true;
                                  });
    QVERIFY(appeared);
    QVERIFY(closedByClick);
    // The owner reacts again.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(owner.isEnabled());
}

void AboutWindowTest::rightClickDoesNotClose() {
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    const QPoint pos(300, 300);
    QCursor::setPos(about.shape()->mapToGlobal(pos));
    QTest::mouseClick(about.shape(), Qt::RightButton, Qt::NoModifier, pos);
    QTest::mouseClick(about.labels().at(1), Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QTest::qWait(20);
    QVERIFY(about.isVisible());
}

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
