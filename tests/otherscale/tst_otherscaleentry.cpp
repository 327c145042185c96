// Parameter entry, generation and manual entry on the real controls of the
// other-scale editor, driven with keys and clicks.
#include "EntryHarness.h"
#include "conversion/NumberText.h"
#include "otherscale/EqualInterval.h"
#include "otherscale/OtherScaleTexts.h"
#include "otherscale/WorkingGradeGrid.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QGuiApplication>

using namespace zendaro;
using namespace zendaro::test;
namespace texts = zendaro::otherscale;

namespace {

const QString pass = QStringLiteral("Geçer");
const QString fail = QStringLiteral("Kalır");

RegionalSettings settingsNamed(const QString& name) {
    if (name == QLatin1String("az"))
        return {QStringLiteral("."), QStringLiteral("\u202f")};
    return name == QLatin1String("tr") ? RegionalSettings::turkish() : RegionalSettings::english();
}

// Writes a typed sequence for the settings: D is the decimal separator, T the thousands separator.
QString withSeparators(QString text, const RegionalSettings& s) {
    text.replace(QLatin1Char('D'), s.decimalSeparator.at(0));
    text.replace(QLatin1Char('T'), s.thousandsSeparator.at(0));
    return text;
}

} // namespace

class TestOtherScaleEntry : public QObject {
    Q_OBJECT
private slots:
    void keyFilter_data();
    void keyFilter();
    void editingKeysKeepWorking();
    void enterPerBox();
    void pastedTextGoesThroughTheChangeRule_data();
    void pastedTextGoesThroughTheChangeRule();
    void emptiedBoxes();
    void leavingAndEnteringRules_data();
    void leavingAndEnteringRules();

    void parameterCheck_data();
    void parameterCheck();

    void numericGeneration_data();
    void numericGeneration();
    void generatingAgainReplacesTheList();
    void tooManyGradesAreRefused();
    void guidedLetterEntry_data();
    void guidedLetterEntry();
    void guidedEntryKeepsFullPrecision();
    void aLongGuidedValueIsShownWhole();
    void guidedEntryRestartsAtTheHighestGrade();

    void manualNumericEntry();
    void manualLetterEntry();
    void entryMessages();
    void letterBoxEnter();
    void numericGradesCarryNoLetter();
    void removingRows();
    void remarkingFollowsTheMaxFailGrade();
    void choosingListsShowsTheRightFrames();
    void gridModelStaysConsistent();
};

void TestOtherScaleEntry::keyFilter_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("system"); // -1 none, 0 "Harf Notu", 1 "Sayısal Not"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("message");

    const QString maxGrade = texts::MaxGradeKeyMessage();
    for (const QString& s : {QStringLiteral("tr"), QStringLiteral("en")}) {
        auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(s + " " + name)) << s;
        };
        row("two decimals") << "TXT_MAX_NOT" << 0 << "5D25"
                            << "5D25" << 0 << "";
        row("thousands key types the decimal") << "TXT_MAX_NOT" << 0 << "5T25"
                                               << "5D25" << 0 << "";
        row("separator first") << "TXT_MAX_NOT" << 0 << "D5"
                               << "5" << 1 << "";
        row("third decimal") << "TXT_MAX_NOT" << 0 << "5D255"
                             << "5D25" << 1 << "";
        row("second separator") << "TXT_MAX_NOT" << 0 << "5D2D5"
                                << "5D25" << 1 << "";
        row("second via thousands") << "TXT_MAX_NOT" << 0 << "5D2T5"
                                    << "5D25" << 1 << "";
        row("long whole part") << "TXT_MAX_NOT" << 0 << "1234567"
                               << "1234567" << 0 << "";
        row("letter, letter system") << "TXT_MAX_NOT" << 0 << "1a"
                                     << "1" << 1 << maxGrade;
        row("letter, no system") << "TXT_MAX_NOT" << -1 << "1a"
                                 << "1" << 1 << maxGrade;
        row("letter, numeric system") << "TXT_MAX_NOT" << 1 << "1a"
                                      << "1" << 1 << "";
        row("minus") << "TXT_MAX_NOT" << 0 << "-5"
                     << "5" << 1 << maxGrade;
        row("max fail letter") << "TXT_MAX_KALIR_NOT" << 0 << "4x9"
                               << "49" << 1 << texts::MaxFailKeyMessage();
        row("max fail, numeric system") << "TXT_MAX_KALIR_NOT" << 1 << "4x9"
                                        << "49" << 1 << "";
        row("lowest letter") << "TXT_MIN_NOT" << 0 << "1x"
                             << "1" << 1 << texts::MinGradeKeyMessage();
        row("lowest typed over its zero") << "TXT_MIN_NOT" << 1 << "2D5"
                                          << "2D5" << 0 << "";
        row("interval letter beeps only") << "TXT_NOT_ARALIGI" << 0 << "1x"
                                          << "1" << 1 << "";
        row("entry value letter") << "TXT_NOT_EKLEME_SAYISAL_NOT" << 0 << "7x"
                                  << "7" << 1 << texts::EntryValueKeyMessage();
        row("entry value, numeric system") << "TXT_NOT_EKLEME_SAYISAL_NOT" << 1 << "7x"
                                           << "7" << 1 << "";
    }
}

void TestOtherScaleEntry::keyFilter() {
    QFETCH(QString, settings);
    QFETCH(QString, box);
    QFETCH(int, system);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    QFETCH(QString, message);
    const RegionalSettings regional = settingsNamed(settings);
    EntryHarness h(regional);
    const bool entryBox = box == QLatin1String("TXT_NOT_EKLEME_SAYISAL_NOT");
    h.startAdding(system < 0 ? 0 : system, entryBox ? texts::VariableInterval : texts::EqualInterval);
    h.system()->setCurrentIndex(system);
    QLineEdit* target = h.box(qPrintable(box));
    h.replace(target, {});
    h.messages.clear();

    typeText(target, withSeparators(typed, regional));

    QCOMPARE(target->text(), withSeparators(text, regional));
    QCOMPARE(h.messages.beeps, beeps);
    QCOMPARE(h.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(h.messages.messages.first().icon, IconInfo);
        QCOMPARE(h.messages.messages.first().style, StyleOk);
        QCOMPARE(h.focus(), target);
    }
}

void TestOtherScaleEntry::editingKeysKeepWorking() {
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    QLineEdit* box = h.maxGrade();
    box->setFocus();
    typeText(box, "5,25");
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("5,2"));
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("5,"));
    typeText(box, "12");
    QTest::keyClick(box, Qt::Key_Home);
    typeText(box, "9");
    QCOMPARE(box->text(), QStringLiteral("95,12"));
    // Typing over a selected decimal is allowed even with two decimals there.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    typeText(box, "7");
    QCOMPARE(box->text(), QStringLiteral("95,17"));
    QCOMPARE(h.messages.beeps, 0);
}

void TestOtherScaleEntry::enterPerBox() {
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::VariableInterval);
    h.enter(h.maxFail(), "49");
    h.messages.clear();
    for (QLineEdit* box : {h.maxFail(), h.minGrade(), h.maxGrade(), h.interval()}) {
        box->setFocus();
        const QString before = box->text();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), before);
    }
    QCOMPARE(h.messages.beeps, 0);
    QVERIFY(h.messages.messages.isEmpty());
    QVERIFY(h.entry->grades().isEmpty());

    // The entry box: Enter with a value adds the grade.
    h.value()->setFocus();
    typeText(h.value(), "70");
    QTest::keyClick(h.value(), Qt::Key_Enter);
    QCOMPARE(h.values(), QVector<double>{70});
    // ... and in the empty box it is a refused character (beep; the message only for letter scales).
    QTest::keyClick(h.value(), Qt::Key_Return);
    QCOMPARE(h.messages.beeps, 1);
    QVERIFY(h.messages.messages.isEmpty());
    h.system()->setCurrentIndex(texts::LetterSystem);
    h.distribution()->setCurrentIndex(texts::EqualInterval);
    h.distribution()->setCurrentIndex(texts::VariableInterval);
    h.value()->setFocus();
    QTest::keyClick(h.value(), Qt::Key_Return);
    QCOMPARE(h.messages.beeps, 2);
    QCOMPARE(h.messages.texts(), QStringList{texts::EntryValueKeyMessage()});
}

void TestOtherScaleEntry::pastedTextGoesThroughTheChangeRule_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::newRow("number") << "TXT_MAX_NOT"
                            << "85,5"
                            << "85,5";
    QTest::newRow("grouped number") << "TXT_MAX_NOT"
                                    << "1.250,5"
                                    << "1.250,5";
    // What deleting a digit of 1.000,00 leaves is still a number.
    QTest::newRow("grouping separator out of place") << "TXT_MAX_NOT"
                                                     << "1.00,00"
                                                     << "1.00,00";
    QTest::newRow("words") << "TXT_MAX_NOT"
                           << "yüz"
                           << "";
    QTest::newRow("words into the lowest grade") << "TXT_MIN_NOT"
                                                 << "yüz"
                                                 << "0,00";
    QTest::newRow("infinity") << "TXT_MAX_KALIR_NOT"
                              << "inf"
                              << "";
    QTest::newRow("not a number") << "TXT_NOT_ARALIGI"
                                  << "nan"
                                  << "";
    QTest::newRow("beyond a double") << "TXT_MAX_NOT"
                                     << "1e999"
                                     << "";
    QTest::newRow("beyond a double, lowest") << "TXT_MIN_NOT"
                                             << "1e999"
                                             << "0,00";
    QTest::newRow("negative interval stays") << "TXT_NOT_ARALIGI"
                                             << "-5"
                                             << "-5";
}

void TestOtherScaleEntry::pastedTextGoesThroughTheChangeRule() {
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    QLineEdit* target = h.box(qPrintable(box));
    target->setFocus();
    target->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(target->text(), text);
    QCOMPARE(h.messages.beeps, 0);
    QVERIFY(h.messages.messages.isEmpty());
}

void TestOtherScaleEntry::emptiedBoxes() {
    EntryHarness h;
    QCOMPARE(h.minGrade()->text(), QStringLiteral("0,00")); // from the start
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    h.enter(h.minGrade(), "5");
    h.enter(h.maxGrade(), "100");
    h.replace(h.minGrade(), {});
    QCOMPARE(h.minGrade()->text(), QStringLiteral("0,00"));
    QCOMPARE(h.minGrade()->selectedText(), QStringLiteral("0,00"));
    h.replace(h.maxGrade(), {});
    QCOMPARE(h.maxGrade()->text(), QString());
    // The program's own text goes through the rule as well.
    h.maxGrade()->setText(QStringLiteral("abc"));
    QCOMPARE(h.maxGrade()->text(), QString());
    QVERIFY(h.messages.messages.isEmpty());
}

void TestOtherScaleEntry::leavingAndEnteringRules_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tr whole") << "tr"
                              << "100"
                              << "100,00";
    QTest::newRow("tr one decimal") << "tr"
                                    << "7,5"
                                    << "7,50";
    QTest::newRow("tr grouping") << "tr"
                                 << "12345"
                                 << "12.345,00";
    QTest::newRow("tr trailing separator") << "tr"
                                           << "5,"
                                           << "5,00";
    QTest::newRow("en whole") << "en"
                              << "100"
                              << "100.00";
    QTest::newRow("en grouping") << "en"
                                 << "12345.5"
                                 << "12,345.50";
    // Monetary separators no locale of Qt pairs ("." and a narrow no-break space, as az_AZ has).
    QTest::newRow("monetary point, decimals") << "az"
                                              << "7.5"
                                              << "7.50";
    QTest::newRow("monetary point, grouping") << "az"
                                              << "12345.5" << QStringLiteral("12\u202f345.50");
}

void TestOtherScaleEntry::leavingAndEnteringRules() {
    QFETCH(QString, settings);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    EntryHarness h(settingsNamed(settings));
    h.startAdding(texts::LetterSystem, texts::EqualInterval);
    h.enter(h.maxGrade(), typed);
    QCOMPARE(h.maxGrade()->text(), shown);
    QCOMPARE(h.focus(), h.minGrade()); // Tab went on
    QCOMPARE(h.minGrade()->selectedText(), h.minGrade()->text());

    // Entering by a click, by Tab or from the program selects the whole text.
    for (QLineEdit* box : {h.maxGrade(), h.box("TXT_OLCEK_ADI"), h.letter()}) {
        if (box->text().isEmpty())
            box->setText(QStringLiteral("12"));
        h.maxFail()->setFocus();
        box->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, box->height() / 2));
        QCoreApplication::processEvents();
        QCOMPARE(box->selectedText(), box->text());
    }
    // An empty box is left empty.
    h.replace(h.interval(), {});
    QTest::keyClick(h.interval(), Qt::Key_Tab);
    QCOMPARE(h.interval()->text(), QString());
}

void TestOtherScaleEntry::parameterCheck_data() {
    QTest::addColumn<int>("distribution");
    QTest::addColumn<QString>("maxFail");
    QTest::addColumn<QString>("highest");
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("message"); // empty: the check passes
    QTest::addColumn<QString>("focus");

    const int equal = texts::EqualInterval, variable = texts::VariableInterval;
    QTest::newRow("1 max fail missing") << equal << ""
                                        << "100"
                                        << "0"
                                        << "10" << texts::MaxFailMissing() << "TXT_MAX_KALIR_NOT";
    QTest::newRow("1 max fail missing, variable") << variable << ""
                                                  << ""
                                                  << "0"
                                                  << "" << texts::MaxFailMissing() << "TXT_MAX_KALIR_NOT";
    QTest::newRow("2 variable needs nothing else") << variable << "49"
                                                   << ""
                                                   << "0"
                                                   << ""
                                                   << ""
                                                   << "";
    QTest::newRow("3 highest missing") << equal << "49"
                                       << ""
                                       << "0"
                                       << "10" << texts::MaxGradeMissing() << "TXT_MAX_NOT";
    QTest::newRow("4 interval missing") << equal << "49"
                                        << "100"
                                        << "0"
                                        << "" << texts::IntervalMissing() << "TXT_NOT_ARALIGI";
    QTest::newRow("5 interval zero") << equal << "49"
                                     << "100"
                                     << "0"
                                     << "0" << texts::IntervalZero() << "TXT_NOT_ARALIGI";
    QTest::newRow("5 interval negative") << equal << "49"
                                         << "100"
                                         << "0"
                                         << "-10" << texts::IntervalNegative() << "TXT_NOT_ARALIGI";
    QTest::newRow("6 highest below max fail") << equal << "101"
                                              << "100"
                                              << "0"
                                              << "10" << texts::MaxGradeBelowMaxFail() << "TXT_MAX_NOT";
    QTest::newRow("7 highest equals max fail") << equal << "100"
                                               << "100"
                                               << "0"
                                               << "10" << texts::MaxGradeEqualsMaxFail() << "TXT_MAX_NOT";
    QTest::newRow("8 lowest above max fail") << equal << "59"
                                             << "100"
                                             << "60"
                                             << "10" << texts::MinGradeAboveMaxFail() << "TXT_MIN_NOT";
    QTest::newRow("8 lowest equal to max fail passes") << equal << "60"
                                                       << "100"
                                                       << "60"
                                                       << "10"
                                                       << ""
                                                       << "";
    QTest::newRow("9 interval wider than pass range") << equal << "59"
                                                      << "100"
                                                      << "0"
                                                      << "50" << texts::IntervalTooWide() << "TXT_MAX_NOT";
    QTest::newRow("9 interval equal to pass range passes") << equal << "59"
                                                           << "100"
                                                           << "0"
                                                           << "41"
                                                           << ""
                                                           << "";
    QTest::newRow("10 all good") << equal << "49"
                                 << "100"
                                 << "0"
                                 << "10"
                                 << ""
                                 << "";
}

void TestOtherScaleEntry::parameterCheck() {
    QFETCH(int, distribution);
    QFETCH(QString, maxFail);
    QFETCH(QString, highest);
    QFETCH(QString, lowest);
    QFETCH(QString, interval);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::EqualInterval); // all boxes reachable
    h.maxFail()->setText(maxFail);
    h.maxGrade()->setText(highest);
    h.minGrade()->setText(lowest);
    h.interval()->setText(interval);
    h.distribution()->setCurrentIndex(distribution);
    h.box("TXT_OLCEK_ADI")->setFocus();

    QCOMPARE(h.entry->CheckScaleParameters(), message.isEmpty());
    QCOMPARE(h.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(h.messages.messages.first().icon, IconStop);
        QCOMPARE(h.messages.messages.first().style, StyleOk);
        QCOMPARE(h.focus()->objectName(), focus);
    }
    // Nothing is changed by the check.
    QCOMPARE(h.maxFail()->text(), maxFail);
    QCOMPARE(h.maxGrade()->text(), highest);
    QCOMPARE(h.interval()->text(), interval);
    QVERIFY(h.entry->grades().isEmpty());
}

void TestOtherScaleEntry::numericGeneration_data() {
    QTest::addColumn<QString>("highest");
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("maxFail");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<int>("passes");

    QVector<double> tens;
    for (int v = 100; v >= 0; v -= 10)
        tens << v;
    QTest::newRow("100/0/10 max fail 49") << "100"
                                          << "0"
                                          << "10"
                                          << "49" << tens << 6;
    QTest::newRow("100/0/10 max fail 50") << "100"
                                          << "0"
                                          << "10"
                                          << "50" << tens << 5;
    QTest::newRow("100/0/15 ends at -5") << "100"
                                         << "0"
                                         << "15"
                                         << "49" << QVector<double>{100, 85, 70, 55, 40, 25, 10, -5} << 4;
    QTest::newRow("100/0/30 stops at 10") << "100"
                                          << "0"
                                          << "30"
                                          << "49" << QVector<double>{100, 70, 40, 10} << 2;
    QTest::newRow("100/0/40 half to even") << "100"
                                           << "0"
                                           << "40"
                                           << "59" << QVector<double>{100, 60, 20} << 2;
    QTest::newRow("4/0/0.5 max fail 1.5") << "4"
                                          << "0"
                                          << "0,5"
                                          << "1,5" << QVector<double>{4, 3.5, 3, 2.5, 2, 1.5, 1, 0.5, 0} << 5;
    QTest::newRow("no fail grade") << "100"
                                   << "60"
                                   << "30"
                                   << "60" << QVector<double>{100, 70} << 2;
    // The 82nd value, 10 - 81 × 0.1, is 1.9000000000000004: shown 1,90, and it fails under 1,90.
    QTest::newRow("10/0/0.1 max fail 1.9") << "10"
                                           << "0"
                                           << "0,1"
                                           << "1,9" << EqualIntervalValues(10, 0.1, 100) << 81;
}

void TestOtherScaleEntry::numericGeneration() {
    QFETCH(QString, highest);
    QFETCH(QString, lowest);
    QFETCH(QString, interval);
    QFETCH(QString, maxFail);
    QFETCH(QVector<double>, values);
    QFETCH(int, passes);
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    h.enter(h.maxFail(), maxFail);
    h.enter(h.maxGrade(), highest);
    h.replace(h.minGrade(), lowest);
    h.enter(h.interval(), interval);
    QVERIFY(!h.shown("DG_ARRAY"));

    h.entry->GenerateEqualIntervalScale();

    QVERIFY(h.messages.messages.isEmpty());
    QCOMPARE(h.values(), values);
    QStringList statuses;
    for (int i = 0; i < values.size(); ++i)
        statuses << (i < passes ? pass : fail);
    QCOMPARE(h.statuses(), statuses);
    QVERIFY(h.shown("DG_ARRAY"));
    QCOMPARE(h.grid()->model()->rowCount(), values.size());
    QCOMPARE(h.grid()->currentRowNumber(), 0);
    QCOMPARE(h.cell(0, RemoveColumn), QStringLiteral("Notu Sil"));
    QCOMPARE(h.cell(values.size() - 1, ValueColumn),
             RegionalSettings::turkish().numbers().fixed(values.last(), 2));
    QCOMPARE(h.cell(values.size() - 1, StatusColumn), statuses.last());
    QVERIFY(!h.grid()->isColumnShown(LetterColumn));
    QVERIFY(!h.grid()->isColumnShown(StepColumn));
    QVERIFY(h.entry->grades().at(0).letter.isEmpty());
}

void TestOtherScaleEntry::generatingAgainReplacesTheList() {
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "49");
    h.enter(h.maxGrade(), "100");
    h.enter(h.interval(), "10");
    h.entry->GenerateEqualIntervalScale();
    h.replace(h.interval(), "25");
    h.entry->GenerateEqualIntervalScale();
    QCOMPARE(h.values(), (QVector<double>{100, 75, 50, 25, 0}));
    QCOMPARE(h.grid()->model()->rowCount(), 5);
}

void TestOtherScaleEntry::tooManyGradesAreRefused() {
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "49");
    h.enter(h.maxGrade(), "100");
    h.enter(h.interval(), "10");
    h.entry->GenerateEqualIntervalScale();

    h.replace(h.maxGrade(), "200000"); // 20,001 grades
    h.entry->GenerateEqualIntervalScale();
    QCOMPARE(h.messages.texts(), QStringList{texts::TooManyGrades()});
    QCOMPARE(h.messages.messages.first().icon, IconStop);
    QCOMPARE(h.focus(), h.interval());
    QCOMPARE(h.values().size(), 11); // the list as it was
    QCOMPARE(h.grid()->model()->rowCount(), 11);

    // Exactly 10,001 grades are made.
    h.messages.clear();
    h.replace(h.maxGrade(), "100000");
    h.entry->GenerateEqualIntervalScale();
    QVERIFY(h.messages.messages.isEmpty());
    QCOMPARE(h.entry->grades().size(), 10001);
}

void TestOtherScaleEntry::guidedLetterEntry_data() {
    QTest::addColumn<QString>("settings");
    QTest::newRow("tr") << "tr";
    QTest::newRow("en") << "en";
}

void TestOtherScaleEntry::guidedLetterEntry() {
    QFETCH(QString, settings);
    const RegionalSettings regional = settingsNamed(settings);
    EntryHarness h(regional);
    h.startAdding(texts::LetterSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "49");
    h.enter(h.maxGrade(), "100");
    h.enter(h.interval(), "10");
    QVERIFY(!h.shown("CER_NOT_EKLE"));

    h.entry->GenerateEqualIntervalScale();
    QVERIFY(h.shown("CER_NOT_EKLE"));
    QVERIFY(h.shown("CER_ESIT_ARALIKLI_DAGILIM"));
    QVERIFY(!h.value()->isEnabled());
    QCOMPARE(h.value()->text(), regional.numbers().fixed(100.0, 2));
    QCOMPARE(h.focus(), h.letter());
    QVERIFY(h.entry->grades().isEmpty());

    const QStringList letters{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"};
    for (int i = 0; i < letters.size(); ++i) {
        QCOMPARE(h.value()->text(), regional.numbers().fixed(100.0 - 10 * i, 2));
        typeText(h.letter(), letters.at(i));
        QTest::keyClick(h.letter(), Qt::Key_Return);
        QCOMPARE(h.focus(), h.letter());
        QCOMPARE(h.letter()->text(), QString());
    }
    QCOMPARE(h.value()->text(), QString()); // below 0: nothing more to propose
    QVERIFY(h.messages.messages.isEmpty());
    QCOMPARE(h.values().size(), 11);
    QCOMPARE(h.values().last(), 0.0);
    QCOMPARE(h.entry->grades().at(0).letter, QStringLiteral("A"));
    QCOMPARE(h.statuses().count(pass), 6);

    typeText(h.letter(), "L");
    QTest::keyClick(h.letter(), Qt::Key_Return);
    QCOMPARE(h.messages.texts(), QStringList{texts::GuidedEntryOver()});
    QCOMPARE(h.messages.messages.first().icon, IconInfo);
    QCOMPARE(h.focus(), h.letter());
    QCOMPARE(h.values().size(), 11);
}

void TestOtherScaleEntry::guidedEntryKeepsFullPrecision() {
    EntryHarness h;
    h.startAdding(texts::LetterSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "49");
    h.enter(h.maxGrade(), "100");
    h.enter(h.interval(), "0,3");
    h.entry->GenerateEqualIntervalScale();
    double guided = 100;
    for (int i = 0; i < 10; ++i) {
        typeText(h.letter(), QStringLiteral("N%1").arg(i));
        QTest::keyClick(h.letter(), Qt::Key_Return);
        guided -= 0.3;
    }
    QCOMPARE(h.entry->guidedValue(), guided); // ten subtractions, not 97 exactly
    QVERIFY(h.entry->guidedValue() != 97.0);
    QCOMPARE(h.value()->text(), QStringLiteral("97,00"));
    // The grades carry the two-decimal values shown.
    QCOMPARE(h.values().mid(0, 4), (QVector<double>{100, 99.7, 99.4, 99.1}));
    QCOMPARE(h.values().last(), 97.3);
}

// A proposed value whose two-decimal text is longer than the box's 50
// characters is shown whole, and the grade added is that value.
void TestOtherScaleEntry::aLongGuidedValueIsShownWhole() {
    EntryHarness h;
    h.startAdding(texts::LetterSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "49");
    h.enter(h.maxGrade(), QString(48, QLatin1Char('9')));
    h.enter(h.interval(), "1" + QString(47, QLatin1Char('0')));
    h.entry->GenerateEqualIntervalScale();
    typeText(h.letter(), "AA");
    QTest::keyClick(h.letter(), Qt::Key_Return);
    const QString shown = TwoDecimalText(h.entry->guidedValue(), RegionalSettings::turkish());
    QVERIFY(shown.size() > 50);
    QCOMPARE(h.value()->text(), shown);
    typeText(h.letter(), "BA");
    QTest::keyClick(h.letter(), Qt::Key_Return);
    QVERIFY(h.messages.messages.isEmpty());
    QCOMPARE(h.values().size(), 2);
    QCOMPARE(h.values().at(1), ReadNumberText(shown, RegionalSettings::turkish()).value());
}

void TestOtherScaleEntry::guidedEntryRestartsAtTheHighestGrade() {
    EntryHarness h;
    h.startAdding(texts::LetterSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "49");
    h.enter(h.maxGrade(), "100");
    h.enter(h.interval(), "10");
    h.entry->GenerateEqualIntervalScale();
    typeText(h.letter(), "AA");
    QTest::keyClick(h.letter(), Qt::Key_Return);
    QCOMPARE(h.value()->text(), QStringLiteral("90,00"));

    h.entry->GenerateEqualIntervalScale(); // proposes 100 again, keeps the list
    QCOMPARE(h.value()->text(), QStringLiteral("100,00"));
    QCOMPARE(h.values(), QVector<double>{100});
    typeText(h.letter(), "BA");
    QTest::keyClick(h.letter(), Qt::Key_Return);
    QCOMPARE(h.messages.texts(), QStringList{texts::DuplicateValue()});
    QCOMPARE(h.focus(), h.letter()); // the value box is disabled
    QCOMPARE(h.values(), QVector<double>{100});
}

void TestOtherScaleEntry::manualNumericEntry() {
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::VariableInterval);
    QVERIFY(h.shown("CER_NOT_EKLE"));
    QVERIFY(!h.shown("TXT_NOT_EKLEME_HARF_NOTU"));
    h.enter(h.maxFail(), "49");
    h.value()->setFocus();
    for (const char* value : {"70", "90", "30"}) {
        typeText(h.value(), value);
        QTest::keyClick(h.value(), Qt::Key_Return);
        QCOMPARE(h.value()->text(), QString());
        QCOMPARE(h.focus(), h.value());
        QCOMPARE(h.cell(h.grid()->currentRowNumber(), ValueColumn), QString(value) + ",00");
    }
    QCOMPARE(h.values(), (QVector<double>{90, 70, 30}));
    QCOMPARE(h.statuses(), (QStringList{pass, pass, fail}));
    QVERIFY(h.shown("DG_ARRAY"));

    typeText(h.value(), "70");
    QTest::keyClick(h.value(), Qt::Key_Return);
    QCOMPARE(h.messages.texts(), QStringList{texts::DuplicateValue()});
    QCOMPARE(h.messages.messages.first().icon, IconStop);
    QCOMPARE(h.grid()->currentRowNumber(), 1);
    QCOMPARE(h.focus(), h.value());
    QCOMPARE(h.value()->text(), QStringLiteral("70")); // kept for correction
    QCOMPARE(h.values(), (QVector<double>{90, 70, 30}));

    // Manual entry ignores the equal-interval boxes: any number goes.
    h.replace(h.value(), "1234,5");
    QTest::keyClick(h.value(), Qt::Key_Return);
    QCOMPARE(h.values().first(), 1234.5);
}

void TestOtherScaleEntry::manualLetterEntry() {
    EntryHarness h;
    h.startAdding(texts::LetterSystem, texts::VariableInterval);
    h.enter(h.maxFail(), "1");
    const auto add = [&](const QString& letter, const QString& value) {
        h.letter()->setText(letter);
        h.value()->setText(value);
        h.entry->AddGradeToScale();
    };
    add("AA", "4");
    QCOMPARE(h.focus(), h.letter());
    QCOMPARE(h.value()->text(), QString());
    add("  BB  ", "3");
    QCOMPARE(h.entry->grades().at(1).letter, QStringLiteral("BB"));
    add("FF", "0");
    QCOMPARE(h.cell(2, LetterColumn), QStringLiteral("FF"));
    QVERIFY(h.grid()->isColumnShown(LetterColumn));

    // The same letter again, in any ASCII case, is refused with the first row current.
    h.messages.clear();
    add("aa", "3,5");
    QCOMPARE(h.messages.texts(), QStringList{texts::DuplicateLetter()});
    QCOMPARE(h.messages.messages.first().icon, IconStop);
    QCOMPARE(h.grid()->currentRowNumber(), 0);
    QCOMPARE(h.focus(), h.letter());
    QCOMPARE(h.entry->grades().size(), 3);

    // The value is checked before the letter.
    h.messages.clear();
    add("BA", "3");
    QCOMPARE(h.messages.texts(), QStringList{texts::DuplicateValue()});
    QCOMPARE(h.grid()->currentRowNumber(), 1);
    QCOMPARE(h.focus(), h.value());
    QCOMPARE(h.statuses(), (QStringList{pass, pass, fail}));
}

void TestOtherScaleEntry::entryMessages() {
    EntryHarness h;
    h.startAdding(texts::LetterSystem, texts::VariableInterval);
    // The parameter check comes first.
    h.letter()->setText(QStringLiteral("AA"));
    h.value()->setText(QStringLiteral("4"));
    h.entry->AddGradeToScale();
    QCOMPARE(h.messages.texts(), QStringList{texts::MaxFailMissing()});
    QCOMPARE(h.focus(), h.maxFail());

    h.enter(h.maxFail(), "1");
    struct Case {
        int system;
        QString letter, value, message;
        QLineEdit* focus;
    };
    const QVector<Case> cases{
        {texts::LetterSystem, "   ", "4", texts::LetterMissing(), h.letter()},
        {texts::LetterSystem, "AA", "", texts::LetterValueMissing(), h.value()},
        {texts::NumericSystem, "", "", texts::GradeMissing(), h.value()},
    };
    for (const Case& c : cases) {
        if (h.system()->currentIndex() != c.system) {
            h.system()->setCurrentIndex(c.system);
            h.distribution()->setCurrentIndex(-1);
            h.distribution()->setCurrentIndex(texts::VariableInterval);
        }
        h.messages.clear();
        h.letter()->setText(c.letter);
        h.value()->setText(c.value);
        h.entry->AddGradeToScale();
        QCOMPARE(h.messages.texts(), QStringList{c.message});
        QCOMPARE(h.messages.messages.first().icon, IconInfo);
        QCOMPARE(h.focus(), c.focus);
        QCOMPARE(h.letter()->text(), c.letter); // untouched
        QVERIFY(h.entry->grades().isEmpty());
    }
}

void TestOtherScaleEntry::letterBoxEnter() {
    EntryHarness h;
    h.startAdding(texts::LetterSystem, texts::VariableInterval);
    h.enter(h.maxFail(), "1");
    h.letter()->setFocus();
    // Blanks only: nothing happens.
    typeText(h.letter(), "  ");
    QTest::keyClick(h.letter(), Qt::Key_Return);
    QCOMPARE(h.focus(), h.letter());
    QVERIFY(h.messages.messages.isEmpty());
    // A letter with the value box empty and enabled: on to the value box.
    typeText(h.letter(), "AA");
    QTest::keyClick(h.letter(), Qt::Key_Return);
    QCOMPARE(h.focus(), h.value());
    QVERIFY(h.entry->grades().isEmpty());
    typeText(h.value(), "4");
    QTest::keyClick(h.value(), Qt::Key_Return);
    QCOMPARE(h.entry->grades().size(), 1);
    QCOMPARE(h.entry->grades().at(0).letter, QStringLiteral("AA"));
    QCOMPARE(h.focus(), h.letter());
    // With a value already there, Enter in the letter box adds at once.
    h.value()->setText(QStringLiteral("3"));
    h.letter()->setFocus();
    typeText(h.letter(), "BA");
    QTest::keyClick(h.letter(), Qt::Key_Enter);
    QCOMPARE(h.values(), (QVector<double>{4, 3}));
}

void TestOtherScaleEntry::numericGradesCarryNoLetter() {
    EntryHarness h;
    h.startAdding(texts::LetterSystem, texts::VariableInterval);
    h.letter()->setText(QStringLiteral(" AA "));
    h.system()->setCurrentIndex(texts::NumericSystem);
    // Hidden, not emptied.
    QVERIFY(!h.shown("TXT_NOT_EKLEME_HARF_NOTU"));
    QVERIFY(!h.shown("LBL_NOT_EKLEME_HARF_NOTU"));
    QCOMPARE(h.letter()->text(), QStringLiteral(" AA "));
    QCOMPARE(h.get<QLabel>("LBL_NOT_EKLEME_SAYISAL_NOT")->text(), QStringLiteral("Sayısal Not :"));

    h.enter(h.maxFail(), "49");
    h.value()->setText(QStringLiteral("70"));
    h.entry->AddGradeToScale();
    QCOMPARE(h.values(), QVector<double>{70});
    // A numeric scale's grade is found by its number: no stale letter is attached to it.
    QCOMPARE(h.entry->grades().at(0).letter, QString());
    QCOMPARE(h.letter()->text(), QString());
}

void TestOtherScaleEntry::removingRows() {
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::VariableInterval);
    h.enter(h.maxFail(), "49");
    for (const char* v : {"90", "70", "30", "10"}) {
        h.value()->setText(QString::fromLatin1(v));
        h.entry->AddGradeToScale();
    }
    DataGrid* grid = h.grid();
    const auto press = [&](int row, int column) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    press(3, StatusColumn); // another column's cell: nothing removed
    QCOMPARE(h.values().size(), 4);

    press(3, RemoveColumn); // the last row: the new last row becomes current
    QCOMPARE(h.values(), (QVector<double>{90, 70, 30}));
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->currentRowNumber(), 2);

    press(0, RemoveColumn); // the row that moved up becomes current
    QCOMPARE(h.values(), (QVector<double>{70, 30}));
    QCOMPARE(grid->currentRowNumber(), 0);

    h.entry->RemoveGradeRow(1);
    h.entry->RemoveGradeRow(0);
    QVERIFY(h.entry->grades().isEmpty());
    QCOMPARE(grid->model()->rowCount(), 0);
    QVERIFY(!h.shown("DG_ARRAY"));
    QVERIFY(h.messages.messages.isEmpty());
}

void TestOtherScaleEntry::remarkingFollowsTheMaxFailGrade() {
    EntryHarness h;
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "59");
    h.enter(h.maxGrade(), "100");
    h.enter(h.interval(), "10");
    h.entry->GenerateEqualIntervalScale();
    QCOMPARE(h.cell(4, StatusColumn), pass); // 60
    h.grid()->setCurrentRowNumber(7);

    h.replace(h.maxFail(), "64");
    QCOMPARE(h.entry->grades().at(4).status, fail);
    QCOMPARE(h.cell(4, StatusColumn), fail);
    QCOMPARE(h.grid()->currentRowNumber(), 7);
    // An emptied max fail grade marks nothing.
    h.replace(h.maxFail(), {});
    QCOMPARE(h.cell(4, StatusColumn), fail);
    h.replace(h.maxFail(), "5");
    QCOMPARE(h.statuses().count(fail), 1);
}

void TestOtherScaleEntry::choosingListsShowsTheRightFrames() {
    EntryHarness h;
    QVERIFY(!h.shown("CER_MAX_KALIR_NOT"));
    QVERIFY(!h.shown("DG_ARRAY"));

    h.startAdding(texts::LetterSystem, texts::EqualInterval);
    QVERIFY(h.shown("CER_MAX_KALIR_NOT"));
    QVERIFY(h.shown("CER_ESIT_ARALIKLI_DAGILIM"));
    QVERIFY(!h.shown("CER_NOT_EKLE"));
    QVERIFY(!h.value()->isEnabled());
    QCOMPARE(h.get<QLabel>("LBL_NOT_EKLEME_SAYISAL_NOT")->text(), QStringLiteral("Sayısal Değer :"));

    h.distribution()->setCurrentIndex(texts::VariableInterval);
    QVERIFY(!h.shown("CER_ESIT_ARALIKLI_DAGILIM"));
    QVERIFY(h.shown("CER_NOT_EKLE"));
    QVERIFY(h.value()->isEnabled());

    // Choosing "Eşit Aralık" empties both entry boxes.
    h.letter()->setText(QStringLiteral("AA"));
    h.value()->setText(QStringLiteral("4"));
    h.distribution()->setCurrentIndex(texts::EqualInterval);
    QCOMPARE(h.letter()->text(), QString());
    QCOMPARE(h.value()->text(), QString());

    // Another grading system empties the working list.
    h.distribution()->setCurrentIndex(texts::VariableInterval);
    h.enter(h.maxFail(), "1");
    h.letter()->setText(QStringLiteral("AA"));
    h.value()->setText(QStringLiteral("4"));
    h.entry->AddGradeToScale();
    QCOMPARE(h.entry->grades().size(), 1);
    h.system()->setCurrentIndex(texts::NumericSystem);
    QVERIFY(h.entry->grades().isEmpty());
    QVERIFY(!h.shown("DG_ARRAY"));
    QVERIFY(!h.grid()->isColumnShown(LetterColumn));
    QVERIFY(h.shown("CER_NOT_EKLE")); // "Değişken Aralık" still chosen, in add mode

    h.system()->setCurrentIndex(-1);
    QVERIFY(!h.shown("CER_MAX_KALIR_NOT"));
    QVERIFY(!h.shown("CER_NOT_EKLE"));

    // Outside add mode the distribution is not offered and the entry frame stays as it is.
    h.entry->setMode(QString());
    h.system()->setCurrentIndex(texts::LetterSystem);
    QVERIFY(!h.shown("CER_MAX_KALIR_NOT"));
    QVERIFY(!h.shown("CER_NOT_EKLE"));
    QVERIFY(h.grid()->isColumnShown(LetterColumn));
    h.entry->setMode(QStringLiteral("DUZENLE"));
    h.distribution()->setCurrentIndex(texts::EqualInterval);
    QVERIFY(!h.shown("CER_ESIT_ARALIKLI_DAGILIM")); // follows the hidden distribution frame
}

void TestOtherScaleEntry::gridModelStaysConsistent() {
    EntryHarness h;
    QAbstractItemModelTester tester(h.grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    h.startAdding(texts::NumericSystem, texts::EqualInterval);
    h.enter(h.maxFail(), "49");
    h.enter(h.maxGrade(), "100");
    h.enter(h.interval(), "10");
    h.entry->GenerateEqualIntervalScale();
    h.replace(h.maxFail(), "55");
    h.entry->RemoveGradeRow(3);
    h.distribution()->setCurrentIndex(texts::VariableInterval);
    h.value()->setText(QStringLiteral("65"));
    h.entry->AddGradeToScale();
    QCOMPARE(h.grid()->model()->rowCount(), 11);
    QCOMPARE(h.grid()->model()->columnCount(), 5);
    QCOMPARE(h.grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Sil"));
    QCOMPARE(h.grid()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Başarı Durumu"));
}

QTEST_MAIN(TestOtherScaleEntry)
#include "tst_otherscaleentry.moc"
