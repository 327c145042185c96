#include "ConversionFixture.h"
#include "RecordingMessages.h"
#include "conversion/Formula.h"
#include "store/Queries.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace zendaro;
using namespace zendaro::test;

// Doubles compared exactly (QCOMPARE on doubles is fuzzy).
#define COMPARE_EXACT(actual, expected)                                                                      \
    do {                                                                                                     \
        const double a_ = (actual);                                                                          \
        const double e_ = (expected);                                                                        \
        QVERIFY2(                                                                                            \
            a_ == e_ || (std::isnan(a_) && std::isnan(e_)),                                                  \
            qPrintable(QStringLiteral("actual %1, expected %2").arg(a_, 0, 'g', 17).arg(e_, 0, 'g', 17)));   \
    } while (false)

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();

// Makes the grade of the given letter current on the grade view.
void onGrade(ConversionWindowViews& w, const QString& letter) {
    const SqlText c = queries::C5(letter);
    QVERIFY(w.otherGrades.FindFirst(c.text, c.values));
}

} // namespace

class TestFormula : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> db_; // read only: shared by the cases that do not break it

private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }
    void cleanupTestCase() { db_.reset(); }

    void reduceToTwoDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("3.625 tie away from zero") << 3.625 << 3.63;
        QTest::newRow("3.6249 via 3.625") << 3.6249 << 3.63;
        QTest::newRow("2.875") << 2.875 << 2.88;
        QTest::newRow("3.19 stays") << 3.19 << 3.19;
        QTest::newRow("4 stays") << 4.0 << 4.0;
        QTest::newRow("2.0625 even tie at three decimals") << 2.0625 << 2.06;
        QTest::newRow("1.1875 even tie upwards") << 1.1875 << 1.19;
        QTest::newRow("2.3449 via 2.345") << 2.3449 << 2.35;
        QTest::newRow("2.345 on its decimal text") << 2.345 << 2.35;
        QTest::newRow("1.005 on its decimal text") << 1.005 << 1.01;
        QTest::newRow("9.995 carries") << 9.995 << 10.0;
        QTest::newRow("99.9949 carries via 99.995") << 99.9949 << 100.0;
        QTest::newRow("negative tie away from zero") << -2.345 << -2.35;
        QTest::newRow("0.005 up") << 0.005 << 0.01;
        QTest::newRow("0.0049 via 0.005") << 0.0049 << 0.01;
        QTest::newRow("0.0044 down to zero") << 0.0044 << 0.0;
        QTest::newRow("tiny") << 1e-300 << 0.0;
        QTest::newRow("large whole") << 1e20 << 1e20;
        QTest::newRow("largest double overflows") << std::numeric_limits<double>::max() << inf;
        QTest::newRow("infinity stays") << inf << inf;
        QTest::newRow("nan stays") << notANumber << notANumber;
    }
    void reduceToTwoDecimals() {
        QFETCH(double, value);
        QFETCH(double, expected);
        COMPARE_EXACT(ReduceToTwoDecimals(value), expected);
    }

    void roundToHalfStep_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("3.63") << 3.63 << 3.5;
        QTest::newRow("3.25 upwards") << 3.25 << 3.5;
        QTest::newRow("2.88") << 2.88 << 3.0;
        QTest::newRow("2.5 stays") << 2.5 << 2.5;
        QTest::newRow("1.74") << 1.74 << 1.5;
        QTest::newRow("3.19") << 3.19 << 3.0;
        QTest::newRow("0.24") << 0.24 << 0.0;
        QTest::newRow("0.25 upwards") << 0.25 << 0.5;
        QTest::newRow("0.74") << 0.74 << 0.5;
        QTest::newRow("0.75 upwards") << 0.75 << 1.0;
        QTest::newRow("2.25 upwards") << 2.25 << 2.5;
        QTest::newRow("2.75 upwards") << 2.75 << 3.0;
        QTest::newRow("4 stays") << 4.0 << 4.0;
        QTest::newRow("negative") << -0.3 << -0.5;
        QTest::newRow("infinity fails") << inf << FormulaFailure;
        QTest::newRow("minus infinity fails") << -inf << FormulaFailure;
        QTest::newRow("nan fails") << notANumber << FormulaFailure;
    }
    void roundToHalfStep() {
        QFETCH(double, value);
        QFETCH(double, expected);
        COMPARE_EXACT(RoundToHalfStep(value), expected);
    }

    // The worked example: home 4 / 2.5 / 2 / 0, other scale of 5 pass and 3
    // fail grades; status and step read from the current grade and handed back.
    void computeFromCurrentGrade_data() {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("status");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("reduced");
        QTest::addColumn<double>("rounded");
        QTest::newRow("AA pass step 0: the top") << "AA"
                                                 << "Geçer" << 0.0 << 4.0 << 4.0 << 4.0;
        QTest::newRow("BA") << "BA"
                            << "Geçer" << 1.0 << 3.625 << 3.63 << 3.5;
        QTest::newRow("BB") << "BB"
                            << "Geçer" << 2.0 << 3.25 << 3.25 << 3.5;
        QTest::newRow("CB") << "CB"
                            << "Geçer" << 3.0 << 2.875 << 2.88 << 3.0;
        QTest::newRow("CC pass bottom") << "CC"
                                        << "Geçer" << 4.0 << 2.5 << 2.5 << 2.5;
        QTest::newRow("DC fail step 0: Max_KN") << "DC"
                                                << "Kalır" << 0.0 << 2.0 << 2.0 << 2.0;
        QTest::newRow("DD") << "DD"
                            << "Kalır" << 1.0 << 1.0 << 1.0 << 1.0;
        QTest::newRow("FF fail bottom") << "FF"
                                        << "Kalır" << 2.0 << 0.0 << 0.0 << 0.0;
    }
    void computeFromCurrentGrade() {
        QFETCH(QString, letter);
        QFETCH(QString, status);
        QFETCH(double, step);
        QFETCH(double, value);
        QFETCH(double, reduced);
        QFETCH(double, rounded);
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(fixture::Letters, fixture::HomeLadder);
        onGrade(w, letter);
        QString readStatus;
        double readStep = -1;
        const double v = ComputeHomeValue(readStatus, readStep, w.formulaViews, nullptr);
        COMPARE_EXACT(v, value);
        QCOMPARE(readStatus, status);
        COMPARE_EXACT(readStep, step);
        COMPARE_EXACT(ReduceToTwoDecimals(v), reduced);
        COMPARE_EXACT(RoundToHalfStep(ReduceToTwoDecimals(v)), rounded);
        QVERIFY(messages.messages.isEmpty());
    }

    // Grade 73 of the 51-pass-grade numeric scale: step 27, 4 - (1.5 / 50) x 27.
    void numericScaleGrade73() {
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(fixture::Hundred, fixture::HomeLadder);
        onGrade(w, QStringLiteral("73"));
        QString status;
        double step = -1;
        const double v = ComputeHomeValue(status, step, w.formulaViews, nullptr);
        COMPARE_EXACT(step, 27.0);
        COMPARE_EXACT(v, 4 - (1.5 / 50) * 27);
        COMPARE_EXACT(ReduceToTwoDecimals(v), 3.19);
        COMPARE_EXACT(RoundToHalfStep(ReduceToTwoDecimals(v)), 3.0);
    }

    // Given status and step are used as they are: the grade view is not read
    // (here it has no current row at all).
    void givenStatusAndStep_data() {
        QTest::addColumn<qint64>("otherScale");
        QTest::addColumn<QString>("status");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("value");
        QTest::newRow("Geçer") << fixture::Letters << "Geçer" << 2.0 << 3.25;
        QTest::newRow("GEÇER") << fixture::Letters << "GEÇER" << 1.0 << 3.625;
        QTest::newRow("geçer") << fixture::Letters << "geçer" << 4.0 << 2.5;
        QTest::newRow("KALIR") << fixture::Letters << "KALIR" << 1.0 << 1.0;
        QTest::newRow("kalır") << fixture::Letters << "kalır" << 2.0 << 0.0;
        QTest::newRow("last of four: the bottom") << fixture::Letters << "Geçer" << 3.0 << 4 - (1.5 / 4) * 3;
        QTest::newRow("pass block of one: top whatever the step")
            << fixture::SingleBlocks << "Geçer" << 7.0 << 4.0;
        QTest::newRow("fail block of one: top whatever the step")
            << fixture::SingleBlocks << "Kalır" << 9.0 << 2.0;
    }
    void givenStatusAndStep() {
        QFETCH(qint64, otherScale);
        QFETCH(QString, status);
        QFETCH(double, step);
        QFETCH(double, value);
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(otherScale, fixture::HomeLadder);
        w.otherGrades.SetCurrentRow(-1);
        QString s = status;
        double k = step;
        COMPARE_EXACT(ComputeHomeValue(s, k, w.formulaViews, nullptr), value);
        QCOMPARE(s, status);
        COMPARE_EXACT(k, step);
        QVERIFY(messages.messages.isEmpty());
    }

    // Four of every five inputs to the formula can be wrong in a broken store;
    // each gives the plain formula failure message and -1, never a crash.
    void failures_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("breakSql");
        QTest::newRow("status neither block") << "Belki" << QString();
        QTest::newRow("status without the Turkish letter") << "Gecer" << QString();
        QTest::newRow("dotted capital İ is not ı") << "KALİR" << QString();
        QTest::newRow("status with a trailing space") << "Geçer " << QString();
        QTest::newRow("empty status read from the grade")
            << ""
            << "UPDATE diger_notlar SET durum = '' WHERE olcek_id = 1 AND harf_notu = 'BA'";
        QTest::newRow("step missing")
            << ""
            << "UPDATE diger_notlar SET adim_no = NULL WHERE olcek_id = 1 AND harf_notu = 'BA'";
        QTest::newRow("step not a number")
            << ""
            << "UPDATE diger_notlar SET adim_no = 'bir' WHERE olcek_id = 1 AND harf_notu = 'BA'";
        QTest::newRow("pass count missing") << "Geçer"
                                            << "UPDATE diger_olcek SET Gecer_Not_Sayisi = NULL WHERE id = 1";
        QTest::newRow("pass count zero") << "Geçer"
                                         << "UPDATE diger_olcek SET Gecer_Not_Sayisi = 0 WHERE id = 1";
        QTest::newRow("fail count not a number")
            << "Kalır"
            << "UPDATE diger_olcek SET Kalir_Not_Sayisi = 'üç' WHERE id = 1";
        QTest::newRow("Max_GN missing") << "Geçer"
                                        << "UPDATE dornela_olcek SET max_GN = NULL WHERE id = 1";
        QTest::newRow("Min_KN missing") << "Kalır"
                                        << "UPDATE dornela_olcek SET min_KN = NULL WHERE id = 1";
        QTest::newRow("result not finite")
            << "Geçer"
            << "UPDATE dornela_olcek SET max_GN = 1e308, min_GN = -1e308 WHERE id = 1";
    }
    void failures() {
        QFETCH(QString, status);
        QFETCH(QString, breakSql);
        if (TestDatabase::onServer() && QByteArray(QTest::currentDataTag()).endsWith("not a number"))
            QSKIP("about the file itself: only a file's number column can hold a text");
        RecordingMessages messages;
        std::unique_ptr<TestDatabase> broken;
        if (!breakSql.isEmpty())
            broken = std::make_unique<TestDatabase>(conversionFixtureSql() + breakSql + QLatin1Char(';'));
        ConversionWindowViews w(broken ? broken->path() : db_->path());
        w.choose(fixture::Letters, fixture::HomeLadder);
        onGrade(w, QStringLiteral("BA"));
        QWidget owner;
        double step = status.isEmpty() ? -1 : 1;
        COMPARE_EXACT(ComputeHomeValue(status, step, w.formulaViews, &owner), FormulaFailure);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("FORMÜL HATASI. LÜTFEN TEKRAR DENEYİNİZ...")});
        QVERIFY(messages.messages.first().plain);
        QCOMPARE(messages.messages.first().owner.data(), &owner);
    }

    // A view without the field at all (a query that does not select it).
    void missingColumnFails() {
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(fixture::Letters, fixture::HomeLadder);
        w.homeScales.SetRecordSource(QStringLiteral("SELECT id, olcek_adi FROM dornela_olcek"));
        w.homeScales.Refresh();
        QString status = QStringLiteral("Geçer");
        double step = 1;
        COMPARE_EXACT(ComputeHomeValue(status, step, w.formulaViews, nullptr), FormulaFailure);
        QCOMPARE(messages.messages.size(), 1);
    }
};

QTEST_MAIN(TestFormula)
#include "tst_formula.moc"
