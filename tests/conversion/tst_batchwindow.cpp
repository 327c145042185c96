// FRMCOGUL, the batch conversion window: what differs from the one-to-one
// window (the single-grade box below the grids, the two-stage animation, the
// course-entry area) and the conversion through its convert button.
#include "ConversionFixture.h"
#include "ConversionWindowDriver.h"
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "conversion/BatchWindow.h"
#include "conversion/CourseList.h"
#include "ui/DataGrid.h"
#include "ui/InputShield.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace zendaro;
using namespace zendaro::test;

namespace {

struct Window : ConversionWindowDriver<BatchWindow> {
    using ConversionWindowDriver::ConversionWindowDriver;

    QLineEdit* courseGrade() { return get<QLineEdit>("TXT_DERSNOTU"); }
    QLineEdit* credit() { return get<QLineEdit>("TXT_KREDI"); }
    DataGrid* courses() { return get<DataGrid>("DG_ARRAY"); }
    QTimer* timer(int number) { return get<QTimer>(qPrintable(QStringLiteral("Timer%1").arg(number))); }

    // Types the grade into the single-grade box and presses the convert button.
    void typeAndConvert(const QString& text) {
        input()->clear();
        typeText(input(), text);
        clickOn(get<PictureBttn>("BTN_ZENDARO"));
    }
};

QString notFound() {
    return QStringLiteral("Girmiş olduğunuz not Harf Ölçeği adlı not ölçeğinde bulunamadı...");
}

} // namespace

class TestBatchWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }

    void windowHasTheBatchBannerAndNoHelp();
    void animationFlashesThenSlidesTheLetterOut();
    void focusStaysWhereItWasAfterTheAnimation_data();
    void focusStaysWhereItWasAfterTheAnimation();
    void conversions_data();
    void conversions();
    void inputMessagesFocusTheInputBox_data();
    void inputMessagesFocusTheInputBox();
    void failuresAfterTheSearchStopTheConversion_data();
    void failuresAfterTheSearchStopTheConversion();
    void enterInTheInputBoxDoesNotConvert();
    void typingAfterAConversionKeepsTheLetterBehindTheButton();
    void enterPathOfTheCourseBoxesAddsTheCourse();
    void courseBoxesTakeTheirLimits();
    void pickingEitherScaleEmptiesTheThreeBoxes_data();
    void pickingEitherScaleEmptiesTheThreeBoxes();
    void wheelOverAClosedPickerPicksNothing_data();
    void wheelOverAClosedPickerPicksNothing();
    void courseListColumnsFollowTheScaleKind();
    void firstActivationHandsOverToTheMissingEditor_data();
    void firstActivationHandsOverToTheMissingEditor();
    void anUnusableFileIsReportedAndTheMenuComesBack_data();
    void anUnusableFileIsReportedAndTheMenuComesBack();
    void backAsksFirstWithCoursesListed_data();
    void backAsksFirstWithCoursesListed();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestBatchWindow::windowHasTheBatchBannerAndNoHelp() {
    Window w(db_->path());
    QCOMPARE(w.window->objectName(), QString("FRMCOGUL"));
    QCOMPARE(w.get<QLabel>("Label1")->text(), QString("ÇOĞUL ZENDARO"));
    QVERIFY(!w.window->findChild<PictureBttn*>(QStringLiteral("BTN_HELP")));
    QVERIFY(!w.window->findChild<QLabel*>(QStringLiteral("LBL_DIGER_HARF_NOTU")));
    QCOMPARE(w.get<QLabel>("Label4")->text(), QString("DİĞER ÜNİVERSİTE NOTLARI"));
    QCOMPARE(w.get<QLabel>("Label5")->text(), QString("DORNELA ÜNİVERSİTESİ NOTU"));
    // The single-grade box lies on the window below the grids, there before any pick.
    QCOMPARE(w.input()->parentWidget(), w.window);
    QCOMPARE(w.input()->geometry(), twipsRect(2160, 8280, 1155, 660));
    QVERIFY(w.input()->isVisible());
    QVERIFY(!w.get<QWidget>("CER_DONUSUM")->isVisible());
    // The letter is not hidden: at rest it lies behind the convert button.
    QVERIFY(w.letter()->isVisibleTo(w.get<QWidget>("CER_DONUSUM")));
    QCOMPARE(w.letter()->x(), twips(5520));
    for (int t = 1; t <= 3; ++t)
        QVERIFY(!w.timer(t)->isActive());
    // Captions are shown whole in their places.
    for (const char* name :
         {"LBL_DONUSTUR", "Label4", "Label5", "LBL_NOT_EKLEME_HARF_NOTU", "LBL_NOT_EKLEME_SAYISAL_NOT"}) {
        auto* caption = w.get<QLabel>(name);
        QVERIFY2(QFontMetrics(caption->font()).horizontalAdvance(caption->text()) <= caption->width(), name);
    }
}

void TestBatchWindow::animationFlashesThenSlidesTheLetterOut() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    QCOMPARE(QApplication::focusWidget(), w.courseGrade());
    const QList<QImage> atRest = w.lookOfControls();
    w.typeAndConvert(QStringLiteral("  BA"));

    QVERIFY(w.messages.messages.isEmpty());
    QCOMPARE(w.input()->text(), QString("BA"));
    QCOMPARE(w.letter()->text(), QString("BA"));
    QCOMPARE(w.numeric()->text(), QString("Sayısal Not: 3,63"));
    QVERIFY(w.letter()->styleSheet().contains(QColor(0, 128, 0).name()));
    QVERIFY(!w.numeric()->isVisible());
    QVERIFY(w.get<DataGrid>("DG_DIGER_NOTLAR")->rowMarker());
    QCOMPARE(w.get<DataGrid>("DG_DIGER_NOTLAR")->currentRowNumber(), 1);
    QVERIFY(!w.timer(1)->isActive()); // no first stage: the grade does not travel
    QVERIFY(w.timer(3)->isActive());

    auto* zendaro = w.get<PictureBttn>("BTN_ZENDARO");
    auto* donusum = w.get<PictureBttn>("BTN_DONUSUM");
    const int inputX = w.input()->x();
    QVector<bool> zendaroShown;
    int blinkTicks = 0;
    int slideTicks = 0;
    int expectedX = 5520;
    for (int guard = 0; guard < 100 && w.window->animating(); ++guard) {
        if (w.timer(3)->isActive()) {
            ++blinkTicks;
            w.window->advanceAnimation();
            zendaroShown << zendaro->isVisibleTo(w.window);
            QCOMPARE(donusum->isVisibleTo(w.window), !zendaro->isVisibleTo(w.window));
            QCOMPARE(w.letter()->x(), twips(5520));
        } else {
            QVERIFY(w.timer(2)->isActive());
            ++slideTicks;
            w.window->advanceAnimation();
            expectedX += 240;
            QCOMPARE(w.letter()->x(), twips(expectedX));
        }
        QCOMPARE(w.input()->x(), inputX); // the typed grade never moves
        if (w.window->animating()) {
            // No input, yet nothing turns grey and the found grade stays lit.
            QVERIFY(InputShield::isShielded(w.window));
            if (slideTicks == 7) {
                QVERIFY(w.lookOfControls() == atRest);
                QCOMPARE(w.rowColour("DG_DIGER_NOTLAR", 1), w.highlight("DG_DIGER_NOTLAR"));
            }
        }
    }
    QCOMPARE(blinkTicks, 3); // two swaps and the hand-over
    QCOMPARE(slideTicks, 14);
    QCOMPARE(zendaroShown, (QVector<bool>{false, true, true}));

    QVERIFY(!InputShield::isShielded(w.window));
    QCOMPARE(w.letter()->x(), twips(8880));
    QVERIFY(w.letter()->isVisible());
    QVERIFY(w.numeric()->isVisible());
    QVERIFY(zendaro->isVisible());
    QVERIFY(!donusum->isVisible());
    auto* home = w.get<DataGrid>("DG_DORNELA_NOTLAR");
    QVERIFY(home->rowMarker());
    QCOMPARE(home->currentRowNumber(), 1); // BA, 3.5
    QCOMPARE(QApplication::focusWidget(), w.courseGrade());
}

void TestBatchWindow::focusStaysWhereItWasAfterTheAnimation_data() {
    QTest::addColumn<QString>("focused");
    QTest::newRow("single-grade box") << "TXT_DONUSTURULECEK_NOT";
    QTest::newRow("credit box") << "TXT_KREDI";
}

void TestBatchWindow::focusStaysWhereItWasAfterTheAnimation() {
    QFETCH(QString, focused);
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    auto* box = w.get<QLineEdit>(qPrintable(focused));
    box->setFocus();
    QCOMPARE(QApplication::focusWidget(), box);
    w.typeAndConvert(QStringLiteral("AA"));
    QVERIFY(w.window->animating());
    w.finishAnimation();
    QCOMPARE(w.letter()->text(), QString("AA"));
    QCOMPARE(QApplication::focusWidget(), box);
}

void TestBatchWindow::conversions_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownInput");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("numeric");
    QTest::addColumn<bool>("pass");
    using namespace fixture;
    QTest::newRow("best pass grade") << Letters << "AA"
                                     << "AA"
                                     << "AA"
                                     << "Sayısal Not: 4,00" << true;
    QTest::newRow("fail block, other letter case") << Letters << "dd"
                                                   << "dd"
                                                   << "DD"
                                                   << "Sayısal Not: 1,00" << false;
    QTest::newRow("full stop becomes a comma") << FiveTurkish << "4.5"
                                               << "4,5"
                                               << "BA"
                                               << "Sayısal Not: 3,63" << true;
    QTest::newRow("numeric written long") << FiveTurkish << "4,50"
                                          << "4,50"
                                          << "BA"
                                          << "Sayısal Not: 3,63" << true;
    QTest::newRow("grade 73 of 100") << Hundred << "73"
                                     << "73"
                                     << "BB"
                                     << "Sayısal Not: 3,19" << true;
}

void TestBatchWindow::conversions() {
    QFETCH(qint64, other);
    QFETCH(QString, typed);
    QFETCH(QString, shownInput);
    QFETCH(QString, letter);
    QFETCH(QString, numeric);
    QFETCH(bool, pass);
    Window w(db_->path());
    w.choose(other, fixture::HomeLadder);
    w.typeAndConvert(typed);
    QVERIFY2(w.messages.messages.isEmpty(), qPrintable(w.messages.texts().join('|')));
    w.finishAnimation();
    QCOMPARE(w.input()->text(), shownInput);
    QCOMPARE(w.letter()->text(), letter);
    QCOMPARE(w.numeric()->text(), numeric);
    const QColor colour = pass ? QColor(0, 128, 0) : QColor(255, 0, 0);
    QVERIFY(w.letter()->styleSheet().contains(colour.name()));
    QVERIFY(w.numeric()->styleSheet().contains(colour.name()));
    // The big letter is shown whole, not cut at its label's edges.
    QVERIFY(QFontMetrics(w.letter()->font()).horizontalAdvance(letter) <= w.letter()->width());
}

void TestBatchWindow::inputMessagesFocusTheInputBox_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<qint64>("other");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownInput");
    QTest::addColumn<QString>("message");
    using namespace fixture;
    QTest::newRow("M1 blanks") << false << Letters << "   "
                               << ""
                               << "LÜTFEN DEĞİŞTİRİLECEK NOTU GİRİNİZ...";
    QTest::newRow("M2 letters on a numeric scale")
        << false << Hundred << "abc"
        << "abc"
        << "GİRDİĞİNİZ NOT SAYISAL BİR NOT DEĞİL...LÜTFEN GEÇERLİ BİR SAYISAL NOT GİRİNİZ...";
    QTest::newRow("M3 unknown letter") << false << Letters << "ZZ"
                                       << "ZZ" << notFound();
    // A number typed for a letter scale is searched as a letter, not replaced.
    QTest::newRow("M3 number for a letter scale") << false << Letters << "3,5"
                                                  << "3,5" << notFound();
    QTest::newRow("M3 a quote never reaches the query") << false << Letters << "A'--"
                                                        << "A'--" << notFound();
    QTest::newRow("M3 English settings: full stop still becomes a comma") << true << Letters << "3.5"
                                                                          << "3,5" << notFound();
}

void TestBatchWindow::inputMessagesFocusTheInputBox() {
    QFETCH(bool, english);
    QFETCH(qint64, other);
    QFETCH(QString, typed);
    QFETCH(QString, shownInput);
    QFETCH(QString, message);
    Window w(db_->path(), english ? RegionalSettings::english() : RegionalSettings::turkish());
    w.choose(other, fixture::HomeLadder);
    QCOMPARE(QApplication::focusWidget(), w.courseGrade());
    w.typeAndConvert(typed);
    QCOMPARE(w.messages.texts(), QStringList{message});
    QCOMPARE(w.messages.messages.first().icon, IconStop);
    QVERIFY(!w.messages.messages.first().plain);
    QCOMPARE(w.messages.messages.first().owner.data(), w.window);
    QVERIFY(!w.window->animating());
    QCOMPARE(w.input()->text(), shownInput);
    QCOMPARE(QApplication::focusWidget(), w.input());
}

void TestBatchWindow::failuresAfterTheSearchStopTheConversion_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<qint64>("home");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("foundRow"); // of the typed grade in the left grid
    using namespace fixture;
    QTest::newRow("stored scale breaks the guarantees")
        << BrokenStatus << HomeLadder << "X" << FormulaFailureText() << 0;
    QTest::newRow("M4 rounding fails") << Letters << HomeTopAtDoubleMax << "AA" << RoundingFailureText() << 0;
    QTest::newRow("M5 no home grade of the value")
        << Letters << HomeWithoutBA << "BA" << HomeGradeMissingText() << 1;
}

void TestBatchWindow::failuresAfterTheSearchStopTheConversion() {
    QFETCH(qint64, other);
    QFETCH(qint64, home);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, foundRow);
    Window w(db_->path());
    w.choose(other, home);
    w.typeAndConvert(typed);
    QCOMPARE(w.messages.texts(), QStringList{message});
    QVERIFY(w.messages.messages.first().plain);
    QVERIFY(!w.window->animating());
    QVERIFY(!InputShield::isShielded(w.window));
    // The grade was found: the left grid shows it highlighted.
    QCOMPARE(w.get<DataGrid>("DG_DIGER_NOTLAR")->currentRowNumber(), foundRow);
    QCOMPARE(w.rowColour("DG_DIGER_NOTLAR", foundRow), w.highlight("DG_DIGER_NOTLAR"));
    QCOMPARE(w.letter()->text(), QString());
    QVERIFY(!w.numeric()->isVisible());
    QCOMPARE(w.letter()->x(), twips(5520));
}

void TestBatchWindow::enterInTheInputBoxDoesNotConvert() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.input()->setFocus();
    typeText(w.input(), QStringLiteral("AA"));
    QTest::keyClick(w.input(), Qt::Key_Return);
    QVERIFY(!w.window->animating());
    QVERIFY(w.messages.messages.isEmpty());
    QCOMPARE(w.letter()->text(), QString());
    // The caption converts as the button does.
    QTest::mouseClick(w.get<QLabel>("LBL_DONUSTUR"), Qt::LeftButton);
    QVERIFY(w.window->animating());
    w.finishAnimation();
    QCOMPARE(w.letter()->text(), QString("AA"));
}

void TestBatchWindow::typingAfterAConversionKeepsTheLetterBehindTheButton() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.typeAndConvert(QStringLiteral("AA"));
    w.finishAnimation();
    const QPoint inputAt = w.input()->pos();
    typeText(w.input(), QStringLiteral("x"));
    QCOMPARE(w.letter()->x(), twips(5520));
    QVERIFY(w.letter()->isVisible()); // stays visible, behind the button
    QVERIFY(!w.numeric()->isVisible());
    QCOMPARE(w.input()->pos(), inputAt);
    QVERIFY(!w.get<DataGrid>("DG_DORNELA_NOTLAR")->rowMarker());
    QVERIFY(!w.get<DataGrid>("DG_DIGER_NOTLAR")->rowMarker());
}

void TestBatchWindow::enterPathOfTheCourseBoxesAddsTheCourse() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    QCOMPARE(QApplication::focusWidget(), w.courseGrade());
    typeText(w.courseGrade(), QStringLiteral("BA"));
    QTest::keyClick(w.courseGrade(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.credit());
    QCOMPARE(w.courseGrade()->text(), QString("BA"));
    QCOMPARE(w.courses()->model()->rowCount(), 0); // Enter in the grade box only moves on
    typeText(w.credit(), QStringLiteral("4"));
    QTest::keyClick(w.credit(), Qt::Key_Return);

    QVERIFY(w.messages.messages.isEmpty());
    QCOMPARE(w.messages.beeps, 0);
    QCOMPARE(w.courses()->model()->rowCount(), 1);
    QCOMPARE(w.window->courses().size(), 1);
    QCOMPARE(w.courseGrade()->text(), QString());
    QCOMPARE(w.credit()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w.courseGrade());
    QVERIFY(!w.window->animating()); // the course grade is not what the button converts
    QCOMPARE(w.letter()->text(), QString());
}

void TestBatchWindow::courseBoxesTakeTheirLimits() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    typeText(w.courseGrade(), QStringLiteral("ABCDEF"));
    QCOMPARE(w.courseGrade()->text(), QString("ABCDE"));
    typeText(w.credit(), QString(60, QLatin1Char('9')));
    QCOMPARE(w.credit()->text(), QString(50, QLatin1Char('9')));
    typeText(w.input(), QStringLiteral("ABCDEF"));
    QCOMPARE(w.input()->text(), QString("ABCDE"));
    for (QLineEdit* box : {w.courseGrade(), w.credit()})
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void TestBatchWindow::pickingEitherScaleEmptiesTheThreeBoxes_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<qint64>("id");
    QTest::newRow("other scale") << "CMB_KAYNAK_OLCEK" << fixture::Hundred;
    QTest::newRow("home scale") << "CMB_DORNELA_OLCEK" << fixture::HomeLowercaseStatus;
}

void TestBatchWindow::pickingEitherScaleEmptiesTheThreeBoxes() {
    QFETCH(QString, picker);
    QFETCH(qint64, id);
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.typeAndConvert(QStringLiteral("AA"));
    w.finishAnimation();
    typeText(w.courseGrade(), QStringLiteral("BB"));
    typeText(w.credit(), QStringLiteral("3"));
    w.input()->setFocus();

    w.pick(qPrintable(picker), id);
    QCOMPARE(w.input()->text(), QString());
    QCOMPARE(w.courseGrade()->text(), QString());
    QCOMPARE(w.credit()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w.courseGrade());
    QVERIFY(!w.numeric()->isVisible());
    QCOMPARE(w.letter()->x(), twips(5520));
    if (picker == QLatin1String("CMB_DORNELA_OLCEK"))
        QCOMPARE(w.letter()->text(), QString());
}

void TestBatchWindow::wheelOverAClosedPickerPicksNothing_data() {
    QTest::addColumn<QString>("picker");
    QTest::newRow("other scale") << "CMB_KAYNAK_OLCEK";
    QTest::newRow("home scale") << "CMB_DORNELA_OLCEK";
}

void TestBatchWindow::wheelOverAClosedPickerPicksNothing() {
    QFETCH(QString, picker);
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    typeText(w.courseGrade(), QStringLiteral("BB"));
    typeText(w.input(), QStringLiteral("AA"));
    auto* combo = w.get<QComboBox>(qPrintable(picker));
    const int index = combo->currentIndex();
    for (const int delta : {-120, 120}) {
        const QPoint at = combo->rect().center();
        QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    }
    QCOMPARE(combo->currentIndex(), index);
    QCOMPARE(w.courseGrade()->text(), QString("BB"));
    QCOMPARE(w.input()->text(), QString("AA"));
}

void TestBatchWindow::courseListColumnsFollowTheScaleKind() {
    Window w(db_->path());
    auto* model = w.courses()->model();
    QStringList captions;
    for (int c = 0; c < model->columnCount(); ++c)
        captions << model->headerData(c, Qt::Horizontal, Qt::DisplayRole)
                        .toString()
                        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QCOMPARE(captions, (QStringList{"Sil", "Harf Notu", "Sayısal Not", "Kredi", "Dornela Harf Notu",
                                    "Dornela Sayısal Not", "Başarı Durumu"}));

    auto shown = [&w] {
        QVector<int> columns;
        for (int c = 0; c < 7; ++c)
            if (w.courses()->isColumnShown(c))
                columns << c;
        return columns;
    };
    auto* grades = w.get<DataGrid>("DG_DIGER_NOTLAR");
    w.choose(fixture::Letters, fixture::HomeLadder);
    QCOMPARE(shown(), (QVector<int>{0, 1, 3, 4, 5, 6}));
    QVERIFY(grades->isColumnShown(0));
    w.pick("CMB_KAYNAK_OLCEK", fixture::Hundred);
    QCOMPARE(shown(), (QVector<int>{0, 2, 3, 4, 5, 6}));
    QVERIFY(!grades->isColumnShown(0));
    w.pick("CMB_KAYNAK_OLCEK", fixture::SingleBlocks); // "HARF NOTU" is a letter scale too
    QCOMPARE(shown(), (QVector<int>{0, 1, 3, 4, 5, 6}));
}

void TestBatchWindow::firstActivationHandsOverToTheMissingEditor_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("editor");
    QTest::newRow("no other scale")
        << QString() << "LÜTFEN ÖNCELİKLE NOTU DÖNÜŞTÜRÜLECEK ÜNİVERSİTENİN NOT ÖLÇEĞİNİ GİRİNİZ..."
        << static_cast<int>(WorkingWindow::OtherScales);
    QTest::newRow("other scales but no home scale")
        << "INSERT INTO diger_olcek (olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, "
           "Gecer_Not_Sayisi, Kalir_Not_Sayisi) VALUES ('D', 'Harf Notu', 4, 4, 0, 0, 1, 1);"
        << "LÜTFEN ÖNCELİKLE DORNELA ÜNİVERSİTENİN NOT ÖLÇEĞİNİ GİRİNİZ..."
        << static_cast<int>(WorkingWindow::HomeScales);
}

void TestBatchWindow::firstActivationHandsOverToTheMissingEditor() {
    QFETCH(QString, sql);
    QFETCH(QString, message);
    QFETCH(int, editor);
    TestDatabase db(sql);
    Window w(db.path());
    QCOMPARE(w.messages.texts(), QStringList{message});
    QCOMPARE(w.navigator.opened.size(), 1);
    QCOMPARE(static_cast<int>(w.navigator.opened.first()), editor);
    QCOMPARE(w.navigator.returns, 0); // the editor takes the menu's place
    QTRY_VERIFY(w.alive.isNull() || !w.window->isVisible());
}

void TestBatchWindow::anUnusableFileIsReportedAndTheMenuComesBack_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << false;
    QTest::newRow("not a database") << true;
}

void TestBatchWindow::anUnusableFileIsReportedAndTheMenuComesBack() {
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = dir.filePath("donustur.evk");
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    Window w(path);
    QTRY_COMPARE(w.navigator.returns, 1);
    QCOMPARE(w.messages.messages.size(), 1);
    QVERIFY2(w.messages.messages.first().text.contains(path), qPrintable(w.messages.texts().join('|')));
    QCOMPARE(w.messages.messages.first().icon, IconStop);
    QVERIFY(w.navigator.opened.isEmpty());
    if (exists) { // the file is left as it was
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(4096, 'x'));
    }
}

void TestBatchWindow::backAsksFirstWithCoursesListed_data() {
    QTest::addColumn<int>("courses");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("returns");
    QTest::newRow("empty list: at once") << 0 << -1 << true;
    QTest::newRow("courses listed, Evet") << 2 << int(ResultEvet) << true;
    QTest::newRow("courses listed, Hayır: stays") << 2 << int(ResultHayir) << false;
}

void TestBatchWindow::backAsksFirstWithCoursesListed() {
    QFETCH(int, courses);
    QFETCH(int, answer);
    QFETCH(bool, returns);
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    for (int i = 0; i < courses; ++i) {
        typeText(w.courseGrade(), QStringLiteral("AA"));
        QTest::keyClick(w.courseGrade(), Qt::Key_Return);
        typeText(w.credit(), QStringLiteral("3"));
        QTest::keyClick(w.credit(), Qt::Key_Return);
    }
    QCOMPARE(w.window->courses().size(), courses);
    if (answer >= 0)
        w.messages.answers << answer;
    clickOn(w.get<PictureBttn>("BTN_BACK"));
    if (courses == 0) {
        QVERIFY(w.messages.messages.isEmpty());
    } else {
        QCOMPARE(w.messages.texts(), QStringList{"Ana menüye dönerseniz ders listesi silinecek. Ana menüye "
                                                 "dönmek istiyor musunuz?"});
        QCOMPARE(w.messages.messages.first().style, StyleYesNo);
    }
    QCOMPARE(w.navigator.returns, returns ? 1 : 0);
    if (returns) {
        QTRY_VERIFY(w.alive.isNull());
    } else {
        QVERIFY(w.window->isVisible());
        QCOMPARE(w.window->courses().size(), courses);
    }
}

QTEST_MAIN(TestBatchWindow)
#include "tst_batchwindow.moc"
