#include "ConversionFixture.h"
#include "ConversionWindowDriver.h"
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "conversion/OneToOneWindow.h"
#include "ui/DataGrid.h"
#include "ui/InputShield.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace zendaro;
using namespace zendaro::test;

namespace {

struct Window : ConversionWindowDriver<OneToOneWindow> {
    using ConversionWindowDriver::ConversionWindowDriver;

    void typeAndEnter(const QString& text) {
        input()->clear();
        typeText(input(), text);
        QTest::keyClick(input(), Qt::Key_Return);
    }
    // Runs the animation to its end; returns the ticks of each stage (Timer1, Timer2, Timer3).
    QVector<int> finishAnimation() {
        QVector<int> ticks{0, 0, 0};
        for (int guard = 0; guard < 100 && window->animating(); ++guard) {
            for (int t = 1; t <= 3; ++t)
                if (window->findChild<QTimer*>(QStringLiteral("Timer%1").arg(t))->isActive()) {
                    ++ticks[t - 1];
                    break;
                }
            window->advanceAnimation();
        }
        return ticks;
    }
};

} // namespace

class TestOneToOneWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }

    void workedExampleEndToEnd();
    void conversions_data();
    void conversions();
    void inputMessagesFocusTheInput_data();
    void inputMessagesFocusTheInput();
    void pickersListScalesByNameWithTheirIds();
    void panelShowsOnlyWhenBothScalesArePicked();
    void scaleKindSwitchesCaptionAndColumn();
    void typingAfterAConversionHidesTheResult();
    void inputTakesFiveCharactersAndEnterSelectsAll();
    void captionClicks_data();
    void captionClicks();
    void firstActivationHandsOverToTheMissingEditor_data();
    void firstActivationHandsOverToTheMissingEditor();
    void aMissingFileIsReportedAndTheMenuComesBack();
    void helpAndBack();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestOneToOneWindow::workedExampleEndToEnd() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    QCOMPARE(QApplication::focusWidget(), w.input());
    const QList<QImage> atRest = w.lookOfControls();
    w.typeAndEnter(QStringLiteral("  BA"));

    QVERIFY(w.messages.messages.isEmpty());
    QCOMPARE(w.input()->text(), QString("BA"));
    QCOMPARE(w.letter()->text(), QString("BA"));
    QCOMPARE(w.numeric()->text(), QString("Sayısal Not: 3,63"));
    QVERIFY(w.letter()->styleSheet().contains(QColor(0, 128, 0).name()));
    auto* other = w.get<DataGrid>("DG_DIGER_NOTLAR");
    QVERIFY(other->rowMarker());
    QCOMPARE(other->currentRowNumber(), 1); // the found grade, lit from the start

    QVERIFY(w.window->animating());
    w.window->advanceAnimation();
    // While the animation runs the window takes no input, yet nothing turns
    // grey and the found grade stays lit.
    QVERIFY(InputShield::isShielded(w.window));
    QVERIFY(w.lookOfControls() == atRest);
    QCOMPARE(w.rowColour("DG_DIGER_NOTLAR", 1), w.highlight("DG_DIGER_NOTLAR"));
    clickOn(w.get<PictureBttn>("BTN_BACK"));
    QCOMPARE(w.navigator.returns, 0);
    const QVector<int> ticks = w.finishAnimation();
    QCOMPARE(ticks, (QVector<int>{13, 14, 3})); // Timer1, Timer2, Timer3; one Timer1 tick ran above

    QVERIFY(!InputShield::isShielded(w.window));
    QCOMPARE(w.input()->x(), twips(2160));
    QCOMPARE(w.letter()->x(), twips(8880));
    QVERIFY(w.letter()->isVisible());
    QVERIFY(w.numeric()->isVisible());
    QVERIFY(w.input()->isVisible());
    QVERIFY(w.get<PictureBttn>("BTN_ZENDARO")->isVisible());
    QVERIFY(!w.get<PictureBttn>("BTN_DONUSUM")->isVisible());
    auto* home = w.get<DataGrid>("DG_DORNELA_NOTLAR");
    QVERIFY(home->rowMarker());
    QCOMPARE(home->currentRowNumber(), 1); // BA, 3.5
    QCOMPARE(QApplication::focusWidget(), w.input());
}

void TestOneToOneWindow::conversions_data() {
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
    QTest::newRow("last pass grade") << Letters << "CC"
                                     << "CC"
                                     << "CB"
                                     << "Sayısal Not: 2,50" << true;
    QTest::newRow("fail block") << Letters << "DD"
                                << "DD"
                                << "DD"
                                << "Sayısal Not: 1,00" << false;
    QTest::newRow("letter in other case") << Letters << "dd"
                                          << "dd"
                                          << "DD"
                                          << "Sayısal Not: 1,00" << false;
    QTest::newRow("number typed for a letter") << Letters << "3,5"
                                               << "BA"
                                               << "BA"
                                               << "Sayısal Not: 3,63" << true;
    QTest::newRow("number typed for a letter beyond five characters") << LongLetters << "100"
                                                                      << "Mükemmel"
                                                                      << "AA"
                                                                      << "Sayısal Not: 4,00" << true;
    QTest::newRow("numeric with a full stop") << FiveTurkish << "4.5"
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
    QTest::newRow("block of one") << SingleBlocks << "F"
                                  << "F"
                                  << "CC"
                                  << "Sayısal Not: 2,00" << false;
}

void TestOneToOneWindow::conversions() {
    QFETCH(qint64, other);
    QFETCH(QString, typed);
    QFETCH(QString, shownInput);
    QFETCH(QString, letter);
    QFETCH(QString, numeric);
    QFETCH(bool, pass);
    Window w(db_->path());
    w.choose(other, fixture::HomeLadder);
    w.typeAndEnter(typed);
    QVERIFY2(w.messages.messages.isEmpty(), qPrintable(w.messages.texts().join('|')));
    w.finishAnimation();
    QCOMPARE(w.input()->text(), shownInput);
    QCOMPARE(w.letter()->text(), letter);
    QCOMPARE(w.numeric()->text(), numeric);
    const QColor colour = pass ? QColor(0, 128, 0) : QColor(255, 0, 0);
    QVERIFY(w.letter()->styleSheet().contains(colour.name()));
    QVERIFY(w.numeric()->styleSheet().contains(colour.name()));
}

void TestOneToOneWindow::inputMessagesFocusTheInput_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    using namespace fixture;
    QTest::newRow("M1 blanks") << Letters << "   "
                               << "LÜTFEN DEĞİŞTİRİLECEK NOTU GİRİNİZ...";
    QTest::newRow("M2 letters on a numeric scale")
        << Hundred << "abc"
        << "GİRDİĞİNİZ NOT SAYISAL BİR NOT DEĞİL...LÜTFEN GEÇERLİ BİR SAYISAL NOT GİRİNİZ...";
    QTest::newRow("M3 unknown letter") << Letters << "ZZ"
                                       << "Girmiş olduğunuz not Harf Ölçeği adlı not ölçeğinde bulunamadı...";
    QTest::newRow("M3 a quote") << Letters << "A'--"
                                << "Girmiş olduğunuz not Harf Ölçeği adlı not ölçeğinde bulunamadı...";
}

void TestOneToOneWindow::inputMessagesFocusTheInput() {
    QFETCH(qint64, other);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Window w(db_->path());
    w.choose(other, fixture::HomeLadder);
    w.typeAndEnter(typed);
    QCOMPARE(w.messages.texts(), QStringList{message});
    QCOMPARE(w.messages.messages.first().icon, IconStop);
    QCOMPARE(w.messages.messages.first().owner.data(), w.window);
    QVERIFY(!w.window->animating());
    QVERIFY(!w.letter()->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.input());
}

void TestOneToOneWindow::pickersListScalesByNameWithTheirIds() {
    Window w(db_->path());
    auto* other = w.get<QComboBox>("CMB_KAYNAK_OLCEK");
    QStringList texts;
    for (int i = 0; i < other->count(); ++i)
        texts << other->itemText(i);
    QCOMPARE(texts, (QStringList{"Beşlik (Sayısal Not)", "Bozuk (Harf Notu)", "Five (Sayısal Not)",
                                 "Harf Ölçeği (Harf Notu)", "Tekli (HARF NOTU)", "Uzun Harfler (Harf Notu)",
                                 "Yüzlük (Sayısal Not)"}));
    QCOMPARE(other->itemData(3).toLongLong(), fixture::Letters);
    auto* home = w.get<QComboBox>("CMB_DORNELA_OLCEK");
    QCOMPARE(home->itemText(2), QString("Lisans"));
    QCOMPARE(home->itemData(2).toLongLong(), fixture::HomeLadder);
    QCOMPARE(other->currentIndex(), -1);
    QVERIFY(w.get<QLineEdit>("TXT_KAYNAK_SEC")->isVisible());
    QCOMPARE(w.get<QLineEdit>("TXT_DORNELA_SEC")->text(), QString("S E Ç İ N İ Z . . ."));
}

void TestOneToOneWindow::panelShowsOnlyWhenBothScalesArePicked() {
    Window w(db_->path());
    auto* panel = w.get<QWidget>("CER_DONUSUM");
    QVERIFY(!panel->isVisible());
    QVERIFY(!w.get<QWidget>("DG_DIGER_NOTLAR")->isVisible());
    w.pick("CMB_KAYNAK_OLCEK", fixture::Letters);
    QVERIFY(w.get<QWidget>("DG_DIGER_NOTLAR")->isVisible());
    QVERIFY(!w.get<QWidget>("TXT_KAYNAK_SEC")->isVisible());
    QVERIFY(!panel->isVisible());
    w.pick("CMB_DORNELA_OLCEK", fixture::HomeLadder);
    QVERIFY(panel->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.input());
    QCOMPARE(w.get<DataGrid>("DG_DORNELA_NOTLAR")->model()->rowCount(), 9);
}

void TestOneToOneWindow::scaleKindSwitchesCaptionAndColumn() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    auto* grid = w.get<DataGrid>("DG_DIGER_NOTLAR");
    QVERIFY(grid->isColumnShown(0));
    QVERIFY(w.get<QLabel>("LBL_DIGER_HARF_NOTU")->isVisible());
    QVERIFY(!w.get<QLabel>("LBL_DIGER_SAYISAL_NOT")->isVisible());
    w.pick("CMB_KAYNAK_OLCEK", fixture::Hundred);
    QVERIFY(!grid->isColumnShown(0));
    QVERIFY(!w.get<QLabel>("LBL_DIGER_HARF_NOTU")->isVisible());
    QVERIFY(w.get<QLabel>("LBL_DIGER_SAYISAL_NOT")->isVisible());
    QCOMPARE(grid->model()->rowCount(), 101);
}

void TestOneToOneWindow::typingAfterAConversionHidesTheResult() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.typeAndEnter(QStringLiteral("AA"));
    w.finishAnimation();
    QVERIFY(w.letter()->isVisible());
    typeText(w.input(), QStringLiteral("x"));
    QVERIFY(!w.letter()->isVisible());
    QVERIFY(!w.numeric()->isVisible());
    QCOMPARE(w.letter()->x(), twips(5520));
    QVERIFY(!w.get<DataGrid>("DG_DORNELA_NOTLAR")->rowMarker());
    QVERIFY(!w.get<DataGrid>("DG_DIGER_NOTLAR")->rowMarker());

    // picking another scale empties the input and so clears the highlights too
    w.typeAndEnter(QStringLiteral("AA"));
    w.finishAnimation();
    w.pick("CMB_KAYNAK_OLCEK", fixture::Letters);
    QCOMPARE(w.input()->text(), QString());
    QVERIFY(!w.get<DataGrid>("DG_DIGER_NOTLAR")->rowMarker());
}

void TestOneToOneWindow::inputTakesFiveCharactersAndEnterSelectsAll() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    typeText(w.input(), QStringLiteral("ABCDEF"));
    QCOMPARE(w.input()->text(), QString("ABCDE"));
    w.messages.clear();
    w.typeAndEnter(QStringLiteral("BB"));
    QCOMPARE(w.messages.beeps, 0);
    QCOMPARE(w.input()->selectedText(), QString("BB"));
    w.finishAnimation();

    // The letter that replaces a typed number is shown whole, beyond the five
    // characters, and Enter converts it again.
    w.pick("CMB_KAYNAK_OLCEK", fixture::LongLetters);
    w.typeAndEnter(QStringLiteral("50"));
    w.finishAnimation();
    QCOMPARE(w.input()->text(), QString("Orta"));
    w.typeAndEnter(QStringLiteral("100"));
    w.finishAnimation();
    QCOMPARE(w.input()->text(), QString("Mükemmel"));
    QTest::keyClick(w.input(), Qt::Key_Return);
    QVERIFY(w.messages.messages.isEmpty());
    QVERIFY(w.window->animating());
    w.finishAnimation();
    QCOMPARE(w.input()->text(), QString("Mükemmel"));
    QCOMPARE(w.letter()->text(), QString("AA"));
    QVERIFY(QFontMetrics(w.input()->font()).horizontalAdvance(w.input()->text()) < w.input()->width());
    // The limit still holds for typing and pasting; deleting is free.
    w.input()->end(false);
    typeText(w.input(), QStringLiteral("x"));
    QCOMPARE(w.input()->text(), QString("Mükemmel"));
    QTest::keyClick(w.input(), Qt::Key_Backspace);
    QCOMPARE(w.input()->text(), QString("Mükemme"));
    w.input()->selectAll();
    w.input()->insert(QStringLiteral("ABCDEFG")); // as a paste inserts
    QCOMPARE(w.input()->text(), QString("ABCDE"));
}

void TestOneToOneWindow::captionClicks_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("releasedOnCaption");
    QTest::addColumn<bool>("converts");
    QTest::newRow("left click") << int(Qt::LeftButton) << true << true;
    QTest::newRow("right click") << int(Qt::RightButton) << true << false;
    QTest::newRow("left press, released elsewhere") << int(Qt::LeftButton) << false << false;
}

void TestOneToOneWindow::captionClicks() {
    QFETCH(int, button);
    QFETCH(bool, releasedOnCaption);
    QFETCH(bool, converts);
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    typeText(w.input(), QStringLiteral("AA"));
    auto* caption = w.get<QLabel>("LBL_DONUSTUR");
    QVERIFY(caption->styleSheet().contains("1, 157, 203"));
    emit w.get<PictureBttn>("BTN_ZENDARO")->MouseOver();
    QVERIFY(caption->styleSheet().contains("255, 0, 0"));
    emit w.get<PictureBttn>("BTN_ZENDARO")->MouseOut();
    QVERIFY(caption->styleSheet().contains("1, 157, 203"));

    const auto mouseButton = static_cast<Qt::MouseButton>(button);
    QTest::mousePress(caption, mouseButton, {}, caption->rect().center());
    QTest::mouseRelease(caption, mouseButton, {},
                        releasedOnCaption ? caption->rect().center() : QPoint(-20, caption->height() + 30));
    QCOMPARE(w.window->animating(), converts);
    w.finishAnimation();
    QCOMPARE(w.letter()->text(), converts ? QString("AA") : QString());
}

void TestOneToOneWindow::firstActivationHandsOverToTheMissingEditor_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("editor");
    QTest::newRow("no other scale, home scales present")
        << "INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN) "
           "VALUES ('L', 'Lisans', 4, 2.5, 2, 0);"
        << "LÜTFEN ÖNCELİKLE NOTU DÖNÜŞTÜRÜLECEK ÜNİVERSİTENİN NOT ÖLÇEĞİNİ GİRİNİZ..."
        << static_cast<int>(WorkingWindow::OtherScales);
    QTest::newRow("other scales but no home scale")
        << "INSERT INTO diger_olcek (olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, "
           "Gecer_Not_Sayisi, "
           "Kalir_Not_Sayisi) VALUES ('D', 'Harf Notu', 4, 4, 0, 0, 1, 1);"
        << "LÜTFEN ÖNCELİKLE DORNELA ÜNİVERSİTENİN NOT ÖLÇEĞİNİ GİRİNİZ..."
        << static_cast<int>(WorkingWindow::HomeScales);
}

void TestOneToOneWindow::firstActivationHandsOverToTheMissingEditor() {
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

void TestOneToOneWindow::aMissingFileIsReportedAndTheMenuComesBack() {
    Window w("/nonexistent/donustur.evk");
    QTRY_COMPARE(w.navigator.returns, 1);
    QCOMPARE(w.messages.messages.size(), 1);
    QVERIFY(w.messages.messages.first().text.contains("/nonexistent/donustur.evk"));
}

void TestOneToOneWindow::helpAndBack() {
    Window w(db_->path());
    clickOn(w.get<PictureBttn>("BTN_HELP"));
    QCOMPARE(w.navigator.helpAnchors, QStringList{"#DN"});
    clickOn(w.get<PictureBttn>("BTN_BACK"));
    QCOMPARE(w.navigator.returns, 1);
}

QTEST_MAIN(TestOneToOneWindow)
#include "tst_onetoonewindow.moc"
