// The working grade list, the status rule, the summary, the generation
// arithmetic and the numeric key rule, without any window.
#include "conversion/RegionalSettings.h"
#include "otherscale/BoxRules.h"
#include "otherscale/EqualInterval.h"
#include "otherscale/NumericKey.h"
#include "otherscale/WorkingGradeList.h"

#include <QTest>

using namespace zendaro;

namespace {

const QString pass = QStringLiteral("Geçer");
const QString fail = QStringLiteral("Kalır");

WorkingGradeList listOf(const QVector<std::pair<QString, double>>& grades, double maxFail) {
    WorkingGradeList list;
    for (const auto& [letter, value] : grades)
        list.insertByValue({letter, value, GradeStatus(value, maxFail), -1});
    return list;
}

QVector<double> valuesOf(const WorkingGradeList& list) {
    QVector<double> values;
    for (const WorkingGrade& row : list.rows())
        values << row.value;
    return values;
}

} // namespace

class TestOtherScaleLogic : public QObject {
    Q_OBJECT
private slots:
    void statusRule_data();
    void statusRule();
    void listKeepsHighestFirst();
    void findAndRemove();
    void letterComparisonFollowsTheStore_data();
    void letterComparisonFollowsTheStore();
    void remarkFollowsMaxFail();

    void summaryOfLetterScale();
    void summaryOfNumericScale_data();
    void summaryOfNumericScale();

    void steps_data();
    void steps();
    void valuesKeepFullPrecision();

    void keyRule_data();
    void keyRule();
    void leavingText_data();
    void leavingText();
};

void TestOtherScaleLogic::statusRule_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("maxFail");
    QTest::addColumn<QString>("status");
    QTest::newRow("below") << 40.0 << 49.0 << fail;
    QTest::newRow("equal fails") << 50.0 << 50.0 << fail;
    QTest::newRow("above") << 50.0 << 49.0 << pass;
    QTest::newRow("negative") << -5.0 << 0.0 << fail;
    // 10 - 81 × 0.1 is 1.9000000000000004: the same grade as 1.9 at 15 significant digits.
    QTest::newRow("the same grade at 15 digits fails") << 10 - 81 * 0.1 << 1.9 << fail;
    QTest::newRow("15th digit above") << 1.90000000000001 << 1.9 << pass;
}

void TestOtherScaleLogic::statusRule() {
    QFETCH(double, value);
    QFETCH(double, maxFail);
    QFETCH(QString, status);
    QCOMPARE(GradeStatus(value, maxFail), status);
}

void TestOtherScaleLogic::listKeepsHighestFirst() {
    WorkingGradeList list = listOf({{"", 70}, {"", 90}, {"", 30}, {"", 80.5}, {"", -1}}, 49);
    QCOMPARE(valuesOf(list), (QVector<double>{90, 80.5, 70, 30, -1}));
    QCOMPARE(list.insertByValue({"", 100, pass, -1}), 0);
    QCOMPARE(list.insertByValue({"", -2, fail, -1}), 6);
    QCOMPARE(list.insertByValue({"", 75, pass, -1}), 3);
    QCOMPARE(list.at(3).value, 75.0);
}

void TestOtherScaleLogic::findAndRemove() {
    WorkingGradeList list = listOf({{"AA", 4}, {"BA", 3.5}, {"BB", 3}}, 3);
    QCOMPARE(list.findValue(3.5), 1);
    QCOMPARE(list.findValue(3.25), -1);
    QCOMPARE(list.findLetter("BB"), 2);
    list.removeRow(1);
    QCOMPARE(valuesOf(list), (QVector<double>{4, 3}));
    list.removeRow(7); // out of range: nothing
    QCOMPARE(list.size(), 2);
}

void TestOtherScaleLogic::letterComparisonFollowsTheStore_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("same");
    QTest::newRow("same") << "AA"
                          << "AA" << true;
    QTest::newRow("ascii case") << "AA"
                                << "aa" << true;
    QTest::newRow("mixed case") << "Ba"
                                << "bA" << true;
    QTest::newRow("other letter") << "AA"
                                  << "AB" << false;
    QTest::newRow("longer") << "A"
                            << "A+" << false;
    // The store folds ASCII letters only: these are different grades there.
    QTest::newRow("dotted i") << QString("İ") << QString("i") << false;
    QTest::newRow("dotless i") << QString("ı") << QString("I") << false;
    QTest::newRow("c cedilla") << QString("Ç") << QString("ç") << false;
    QTest::newRow("c cedilla same") << QString("Ç") << QString("Ç") << true;
}

void TestOtherScaleLogic::letterComparisonFollowsTheStore() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, same);
    QCOMPARE(SameLetterGrade(stored, typed), same);
    QCOMPARE(SameLetterGrade(typed, stored), same);
    WorkingGradeList list = listOf({{stored, 1}}, 0);
    QCOMPARE(list.findLetter(typed), same ? 0 : -1);
}

void TestOtherScaleLogic::remarkFollowsMaxFail() {
    WorkingGradeList list = listOf({{"", 100}, {"", 60}, {"", 50}}, 59);
    QCOMPARE(list.at(1).status, pass);
    list.remark(64);
    QCOMPARE(list.at(0).status, pass);
    QCOMPARE(list.at(1).status, fail);
    QCOMPARE(list.at(2).status, fail);
    list.remark(10);
    QCOMPARE(list.at(2).status, pass);
}

void TestOtherScaleLogic::summaryOfLetterScale() {
    WorkingGradeList list = listOf({{"AA", 4},
                                    {"BA", 3.5},
                                    {"BB", 3},
                                    {"CB", 2.5},
                                    {"CC", 2},
                                    {"DC", 1.5},
                                    {"DD", 1},
                                    {"FD", 0.5},
                                    {"FF", 0}},
                                   0.5);
    const ScaleSummary s = BuildScaleSummary(list);
    QCOMPARE(s.maxPass, 4.0);
    QCOMPARE(s.minPass, 1.0);
    QCOMPARE(s.maxFail, 0.5);
    QCOMPARE(s.minFail, 0.0);
    QCOMPARE(s.passCount, 7);
    QCOMPARE(s.failCount, 2);
    QVector<int> steps;
    for (const WorkingGrade& row : list.rows())
        steps << row.step;
    QCOMPARE(steps, (QVector<int>{0, 1, 2, 3, 4, 5, 6, 0, 1}));
}

void TestOtherScaleLogic::summaryOfNumericScale_data() {
    QTest::addColumn<double>("typedMaxFail");
    // Typed 45: no grade has it, the summary takes the highest fail value in the list.
    QTest::newRow("max fail in the list") << 40.0;
    QTest::newRow("max fail between grades") << 45.0;
}

void TestOtherScaleLogic::summaryOfNumericScale() {
    QFETCH(double, typedMaxFail);
    WorkingGradeList list;
    QVector<WorkingGrade> rows;
    for (const double v : EqualIntervalValues(100, 10, 10))
        rows.append({QString(), v, GradeStatus(v, typedMaxFail), 99});
    list.setRows(rows);
    const ScaleSummary s = BuildScaleSummary(list);
    QCOMPARE(s.maxPass, 100.0);
    QCOMPARE(s.minPass, 50.0);
    QCOMPARE(s.maxFail, 40.0);
    QCOMPARE(s.minFail, 0.0);
    QCOMPARE(s.passCount, 6);
    QCOMPARE(s.failCount, 5);
    QCOMPARE(list.at(5).step, 5);
    QCOMPARE(list.at(6).step, 0);
    QCOMPARE(list.at(10).step, 4);
}

void TestOtherScaleLogic::steps_data() {
    QTest::addColumn<double>("highest");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("interval");
    QTest::addColumn<int>("steps"); // -1: refused
    QTest::newRow("100/0/10") << 100.0 << 0.0 << 10.0 << 10;
    QTest::newRow("100/0/15 rounds up") << 100.0 << 0.0 << 15.0 << 7;
    QTest::newRow("100/0/30 rounds down") << 100.0 << 0.0 << 30.0 << 3;
    QTest::newRow("2.5 goes to 2") << 100.0 << 0.0 << 40.0 << 2;
    QTest::newRow("3.5 goes to 4") << 7.0 << 0.0 << 2.0 << 4;
    QTest::newRow("4/0/0.5") << 4.0 << 0.0 << 0.5 << 8;
    QTest::newRow("10,001 grades") << 100.0 << 0.0 << 0.01 << 10000;
    QTest::newRow("10,002 grades refused") << 10001.0 << 0.0 << 1.0 << -1;
    QTest::newRow("tiny interval refused") << 100.0 << 0.0 << 1e-300 << -1;
    QTest::newRow("overflowing range refused") << 1e308 << -1e308 << 1.0 << -1;
}

void TestOtherScaleLogic::steps() {
    QFETCH(double, highest);
    QFETCH(double, lowest);
    QFETCH(double, interval);
    QFETCH(int, steps);
    const std::optional<int> n = EqualIntervalSteps(highest, lowest, interval);
    QCOMPARE(n.value_or(-1), steps);
}

void TestOtherScaleLogic::valuesKeepFullPrecision() {
    QCOMPARE(EqualIntervalValues(100, 15, 7), (QVector<double>{100, 85, 70, 55, 40, 25, 10, -5}));
    QCOMPARE(EqualIntervalValues(100, 40, 2), (QVector<double>{100, 60, 20}));
    // H - i * D as computed, not rounded to the two decimals the grid shows.
    const QVector<double> tenths = EqualIntervalValues(1, 0.1, 6);
    QCOMPARE(tenths.at(6), 1 - 6 * 0.1);
    QVERIFY(tenths.at(6) != 0.4);
}

void TestOtherScaleLogic::keyRule_data() {
    QTest::addColumn<QString>("separators"); // decimal then thousands
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("insert");

    const int accept = int(KeyVerdict::Accept), pass = int(KeyVerdict::Pass);
    const int sep = int(KeyVerdict::RefuseSeparator), digit = int(KeyVerdict::RefuseDigit);
    const int other = int(KeyVerdict::RefuseOther);
    for (const QString& s : {QStringLiteral(",."), QStringLiteral(".,")}) {
        const QString d = s.left(1), t = s.mid(1);
        const QString tag = d == "," ? "tr " : "en ";
        auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(tag + name)) << s;
        };
        row("digit in empty") << "" << 0 << false << "7" << accept << "7";
        row("separator in empty") << "" << 0 << false << d << sep << "";
        row("thousands in empty") << "" << 0 << false << t << sep << "";
        row("separator after digit") << "5" << 1 << false << d << accept << d;
        row("thousands becomes decimal") << "5" << 1 << false << t << accept << d;
        row("second separator") << "5" + d + "2" << 3 << false << d << sep << "";
        row("second via thousands") << "5" + d + "2" << 3 << false << t << sep << "";
        row("second decimal") << "5" + d + "2" << 3 << false << "5" << accept << "5";
        row("third decimal") << "5" + d + "25" << 4 << false << "1" << digit << "";
        row("third decimal over selection") << "5" + d + "25" << 4 << true << "1" << accept << "1";
        row("digit left of separator") << "5" + d + "25" << 1 << false << "9" << accept << "9";
        row("digit just after separator") << "5" + d + "25" << 2 << false << "9" << digit << "";
        row("long integer part") << "123456789" << 9 << false << "0" << accept << "0";
        row("backspace") << "5" << 1 << false << "\b" << pass << "\b";
        row("tab") << "5" << 1 << false << "\t" << pass << "\t";
        row("letter") << "5" << 1 << false << "a" << other << "";
        row("minus") << "5" << 0 << false << "-" << other << "";
        row("blank") << "5" << 1 << false << " " << other << "";
        row("enter") << "" << 0 << false << "\r" << other << "";
    }
}

void TestOtherScaleLogic::keyRule() {
    QFETCH(QString, separators);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(bool, selection);
    QFETCH(QString, typed);
    QFETCH(int, verdict);
    QFETCH(QString, insert);
    const KeyDecision decision =
        DecideNumericKey({text, caret, selection}, typed.at(0), separators.at(0), separators.at(1));
    QCOMPARE(int(decision.verdict), verdict);
    if (!insert.isEmpty())
        QCOMPARE(QString(decision.insert), insert);
}

void TestOtherScaleLogic::leavingText_data() {
    QTest::addColumn<bool>("turkish");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tr whole") << true << "85"
                              << "85,00";
    QTest::newRow("tr decimals") << true << "5,25"
                                 << "5,25";
    QTest::newRow("tr leading zero") << true << ",5"
                                     << "0,50";
    QTest::newRow("tr trailing separator") << true << "5,"
                                           << "5,00";
    QTest::newRow("tr grouping") << true << "1234567"
                                 << "1.234.567,00";
    QTest::newRow("tr rounds to two") << true << "12,345"
                                      << "12,35";
    QTest::newRow("tr empty") << true << ""
                              << "";
    QTest::newRow("en whole") << false << "85"
                              << "85.00";
    QTest::newRow("en grouping") << false << "1234.5"
                                 << "1,234.50";
    QTest::newRow("en trailing separator") << false << "5."
                                           << "5.00";
    // Would not fit the 50 characters of the box: kept as typed, nothing cut off.
    QTest::newRow("tr too long to format")
        << true << QString(45, QLatin1Char('9')) << QString(45, QLatin1Char('9'));
}

void TestOtherScaleLogic::leavingText() {
    QFETCH(bool, turkish);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const RegionalSettings settings = turkish ? RegionalSettings::turkish() : RegionalSettings::english();
    QCOMPARE(LeavingText(text, settings, 50), shown);
}

QTEST_GUILESS_MAIN(TestOtherScaleLogic)
#include "tst_otherscalelogic.moc"
