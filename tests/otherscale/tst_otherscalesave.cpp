// The save of an other scale without its window: the values it stores, the
// question about the max fail grade, and the guarantees the conversion relies on.
#include "RecordingMessages.h"
#include "TestDatabase.h"
#include "otherscale/EqualInterval.h"
#include "otherscale/OtherScaleSave.h"
#include "otherscale/OtherScaleTexts.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

const QString pass = QStringLiteral("Geçer");
const QString fail = QStringLiteral("Kalır");

struct Store {
    TestDatabase db;
    RecordingMessages messages;
    DataView scales;
    DataView grades;
    explicit Store(const QString& sql = {}) : db(sql) {
        scales.SetDatabaseName(db.path());
        grades.SetDatabaseName(db.path());
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
    }
    OtherSaveResult save(WorkingGradeList& list, double maxFail, const QString& mode = QStringLiteral("EKLE"),
                         const RegionalSettings& settings = RegionalSettings::turkish(),
                         bool maxFailAsStored = false) {
        OtherScaleForm form{mode,    QStringLiteral("Ölçek"), 1, QStringLiteral("Sayısal Not"),
                            maxFail, maxFailAsStored};
        return SaveOtherScaleForm(scales, grades, form, list, settings, nullptr);
    }
    QString column(const QString& sql) { return db.scalar(sql).toString(); }
};

WorkingGradeList listOf(const QVector<WorkingGrade>& rows) {
    WorkingGradeList list;
    list.setRows(rows);
    return list;
}

} // namespace

class TestOtherScaleSave : public QObject {
    Q_OBJECT
private slots:
    void letterFieldOfNumericGrades_data();
    void letterFieldOfNumericGrades();
    void generatedValuesNeedNoQuestion_data();
    void generatedValuesNeedNoQuestion();
    void remarkingOnSave_data();
    void remarkingOnSave();
    void editedGradesLoadInListOrder();
    void sameGradeValue_data();
    void sameGradeValue();
};

void TestOtherScaleSave::letterFieldOfNumericGrades_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Turkish") << "tr"
                             << "85,5|85|AB|0,25";
    QTest::newRow("English") << "en"
                             << "85.5|85|AB|0.25";
}

// The letter field holds the value's shortest text with the regional separator
// (the form the conversion searches a numeric grade by); a letter stays as typed.
void TestOtherScaleSave::letterFieldOfNumericGrades() {
    QFETCH(QString, settings);
    QFETCH(QString, stored);
    const RegionalSettings s = settings == "tr" ? RegionalSettings::turkish() : RegionalSettings::english();
    Store store;
    WorkingGradeList list =
        listOf({{{}, 85.5, pass, -1}, {{}, 85, pass, -1}, {"AB", 40, fail, -1}, {{}, 0.25, fail, -1}});
    const OtherSaveResult result = store.save(list, 40, "EKLE", s);
    QVERIFY(result.saved);
    QCOMPARE(
        store.column(
            "SELECT group_concat(harf_notu, '|') FROM (SELECT harf_notu FROM diger_notlar ORDER BY id) AS t"),
        stored);
    QCOMPARE(
        store.column(
            "SELECT group_concat(adim_no, '|') FROM (SELECT adim_no FROM diger_notlar ORDER BY id) AS t"),
        QString("0|1|0|1"));
}

void TestOtherScaleSave::generatedValuesNeedNoQuestion_data() {
    QTest::addColumn<double>("highest");
    QTest::addColumn<double>("interval");
    QTest::addColumn<int>("steps");
    QTest::addColumn<double>("maxFail");
    QTest::addColumn<int>("fails");
    QTest::addColumn<QString>("maxFailText");
    // 1 - 6 × 0.1 is 0.3999999999999999: the max fail grade 0.4 is that grade.
    QTest::newRow("1 by 0.1, max fail 0.4") << 1.0 << 0.1 << 10 << 0.4 << 5 << "0,4";
    // 10 - 81 × 0.1 is 1.9000000000000004: the max fail grade 1.9 is that grade, and it fails.
    QTest::newRow("10 by 0.1, max fail 1.9") << 10.0 << 0.1 << 100 << 1.9 << 20 << "1,9";
}

void TestOtherScaleSave::generatedValuesNeedNoQuestion() {
    QFETCH(double, highest);
    QFETCH(double, interval);
    QFETCH(int, steps);
    QFETCH(double, maxFail);
    QFETCH(int, fails);
    QFETCH(QString, maxFailText);
    Store store;
    QVector<WorkingGrade> rows;
    for (const double value : EqualIntervalValues(highest, interval, steps))
        rows.append({{}, value, GradeStatus(value, maxFail), -1});
    WorkingGradeList list = listOf(rows);
    const OtherSaveResult result = store.save(list, maxFail);
    QVERIFY(result.saved);
    QVERIFY(store.messages.messages.isEmpty());
    QCOMPARE(store.db.scalar("SELECT Kalir_Not_Sayisi FROM diger_olcek").toInt(), fails);
    QCOMPARE(store.column("SELECT harf_notu FROM diger_notlar WHERE adim_no=0 AND durum='Kalır'"),
             maxFailText);

    // a max fail grade that really is no grade still asks
    WorkingGradeList again = listOf(rows);
    store.messages.answers = {ResultHayir};
    QVERIFY(!store.save(again, maxFail + 0.05).saved);
    QCOMPARE(store.messages.texts(), QStringList{otherscale::MaxFailNotInScale()});
    QCOMPARE(store.db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 1);
}

// The rows are re-marked under the max fail grade when the user set it, or
// when their statuses do not form a pass block above a fail block; an edited
// scale's statuses in blocks under its stored max fail grade stay as they are.
void TestOtherScaleSave::remarkingOnSave_data() {
    QTest::addColumn<QString>("statuses"); // of 90, 60, 50, 20: G pass, K fail
    QTest::addColumn<double>("maxFail");
    QTest::addColumn<bool>("asStored");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("summary"); // Max_GN|Min_GN|Max_KN|Min_KN|counts
    QTest::newRow("out of order, set by the user")
        << "GKGK" << 50.0 << false << "Geçer0|Geçer1|Kalır0|Kalır1" << false << "90|60|50|20|2|2";
    QTest::newRow("out of order, as stored")
        << "GKGK" << 50.0 << true << "Geçer0|Geçer1|Kalır0|Kalır1" << false << "90|60|50|20|2|2";
    QTest::newRow("in blocks, set by the user")
        << "GGKK" << 60.0 << false << "Geçer0|Kalır0|Kalır1|Kalır2" << false << "90|90|60|20|1|3";
    QTest::newRow("in blocks, as stored")
        << "GGKK" << 60.0 << true << "Geçer0|Geçer1|Kalır0|Kalır1" << true << "90|60|50|20|2|2";
}

void TestOtherScaleSave::remarkingOnSave() {
    QFETCH(QString, statuses);
    QFETCH(double, maxFail);
    QFETCH(bool, asStored);
    QFETCH(QString, stored);
    QFETCH(bool, asked);
    QFETCH(QString, summary);
    Store store;
    QVector<WorkingGrade> rows;
    const QVector<double> values{90, 60, 50, 20};
    for (int i = 0; i < values.size(); ++i)
        rows.append({{}, values.at(i), statuses.at(i) == QLatin1Char('G') ? pass : fail, -1});
    WorkingGradeList list = listOf(rows);
    QVERIFY(store.save(list, maxFail, QStringLiteral("EKLE"), RegionalSettings::turkish(), asStored).saved);
    QCOMPARE(
        store.column(
            "SELECT group_concat(durum || adim_no, '|') FROM (SELECT * FROM diger_notlar ORDER BY id) AS t"),
        stored);
    QCOMPARE(
        store.db.row(
            "SELECT Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi FROM diger_olcek"),
        summary);
    QCOMPARE(store.messages.texts(), asked ? QStringList{otherscale::MaxFailNotInScale()} : QStringList());
}

void TestOtherScaleSave::editedGradesLoadInListOrder() {
    Store store(R"(
        INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
          (7,'B',3,'Geçer',1),(7,'A',4,'Geçer',0),(7,'F',0,'Kalır',0);)");
    store.grades.SetRecordSource(queries::Q4(7));
    store.grades.Refresh();
    const QVector<WorkingGrade> letters = WorkingGradesOf(store.grades, true);
    QCOMPARE(letters.size(), 3);
    QCOMPARE(letters.at(0).letter, QString("A"));
    QCOMPARE(letters.at(1).value, 3.0);
    QCOMPARE(letters.at(2).status, fail);
    QCOMPARE(letters.at(2).step, -1); // recomputed by the save
    QVERIFY(WorkingGradesOf(store.grades, false).at(0).letter.isEmpty());

    store.grades.SetRecordSource(queries::Q4(8));
    store.grades.Refresh();
    QVERIFY(WorkingGradesOf(store.grades, true).isEmpty());
}

void TestOtherScaleSave::sameGradeValue_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("equal") << 40.0 << 40.0 << true;
    QTest::newRow("binary remainder") << 1 - 6 * 0.1 << 0.4 << true;
    QTest::newRow("binary remainder above") << 10 - 81 * 0.1 << 1.9 << true;
    QTest::newRow("another grade") << 40.0 << 45.0 << false;
    QTest::newRow("close, but typed differently") << 0.4 << 0.41 << false;
    QTest::newRow("15th digit differs") << 1.00000000000001 << 1.0 << false;
    QTest::newRow("rounds to the same 15 digits") << 1.000000000000004 << 1.0 << true;
    QTest::newRow("rounds to the same 15 digits, large") << 123456789012345.4 << 123456789012345.0 << true;
    QTest::newRow("rounds to the same 15 digits, negative") << -99999.99999999996 << -100000.0 << true;
    QTest::newRow("rounds apart at the 15th digit") << 1.000000000000006 << 1.0 << false;
}

void TestOtherScaleSave::sameGradeValue() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, same);
    QCOMPARE(SameGradeValue(a, b), same);
}

QTEST_MAIN(TestOtherScaleSave)
#include "tst_otherscalesave.moc"
