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
                         const RegionalSettings& settings = RegionalSettings::turkish()) {
        OtherScaleForm form{mode, QStringLiteral("Ölçek"), 1, QStringLiteral("Sayısal Not"), maxFail};
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
    void generatedValuesNeedNoQuestion();
    void statusesFollowTheMaxFailGrade();
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
    QCOMPARE(store.column(
                 "SELECT group_concat(harf_notu, '|') FROM (SELECT harf_notu FROM diger_notlar ORDER BY id)"),
             stored);
    QCOMPARE(
        store.column("SELECT group_concat(adim_no, '|') FROM (SELECT adim_no FROM diger_notlar ORDER BY id)"),
        QString("0|1|0|1"));
}

// 1 - 6 × 0.1 is 0.3999999999999999: the max fail grade 0.4 is that grade.
void TestOtherScaleSave::generatedValuesNeedNoQuestion() {
    Store store;
    QVector<WorkingGrade> rows;
    for (const double value : EqualIntervalValues(1, 0.1, 10))
        rows.append({{}, value, GradeStatus(value, 0.4), -1});
    WorkingGradeList list = listOf(rows);
    const OtherSaveResult result = store.save(list, 0.4);
    QVERIFY(result.saved);
    QVERIFY(store.messages.messages.isEmpty());
    QCOMPARE(store.db.scalar("SELECT Kalir_Not_Sayisi FROM diger_olcek").toInt(), 5);
    QCOMPARE(store.column("SELECT harf_notu FROM diger_notlar WHERE adim_no=0 AND durum='Kalır'"),
             QString("0,4"));

    // a max fail grade that really is no grade still asks
    WorkingGradeList again = listOf(rows);
    store.messages.answers = {ResultHayir};
    QVERIFY(!store.save(again, 0.45).saved);
    QCOMPARE(store.messages.texts(), QStringList{otherscale::MaxFailNotInScale()});
    QCOMPARE(store.db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 1);
}

// An edited scale's rows come with their stored statuses; what is saved
// follows the max fail grade, so the pass block always lies above the fail block.
void TestOtherScaleSave::statusesFollowTheMaxFailGrade() {
    Store store;
    WorkingGradeList list =
        listOf({{{}, 90, pass, -1}, {{}, 60, fail, -1}, {{}, 50, pass, -1}, {{}, 20, fail, -1}});
    QVERIFY(store.save(list, 50).saved);
    QCOMPARE(store.column(
                 "SELECT group_concat(durum || adim_no, '|') FROM (SELECT * FROM diger_notlar ORDER BY id)"),
             QString("Geçer0|Geçer1|Kalır0|Kalır1"));
    QCOMPARE(store.column("SELECT Max_GN || '|' || Min_GN || '|' || Max_KN || '|' || Min_KN || '|' || "
                          "Gecer_Not_Sayisi || Kalir_Not_Sayisi FROM diger_olcek"),
             QString("90.0|60.0|50.0|20.0|22"));
    QVERIFY(store.messages.messages.isEmpty());
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
    QTest::newRow("another grade") << 40.0 << 45.0 << false;
    QTest::newRow("close, but typed differently") << 0.4 << 0.41 << false;
    QTest::newRow("15th digit differs") << 1.00000000000001 << 1.0 << false;
}

void TestOtherScaleSave::sameGradeValue() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, same);
    QCOMPARE(SameGradeValue(a, b), same);
}

QTEST_MAIN(TestOtherScaleSave)
#include "tst_otherscalesave.moc"
