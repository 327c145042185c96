// The save and delete procedures of the scale store: what lands in the file,
// which ids grades keep or get, and that each save or delete lands whole or
// not at all (the old system left half-stored scales behind; here every save
// and delete is one transaction).
#include "StoreTestHelpers.h"
#include "TestDatabase.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace zendaro;
using zendaro::test::TestDatabase;

namespace {

QVector<HomeGradeValues> ladder(bool ccFails) {
    const char* letters[] = {"AA", "BA", "BB", "CB", "CC", "DC", "DD", "FD", "FF"};
    const double maxKN = ccFails ? 2.0 : 1.5;
    QVector<HomeGradeValues> out;
    for (int i = 0; i < 9; ++i) {
        const double value = 4.0 - 0.5 * i;
        out.append({letters[i], value, value <= maxKN ? "KALIR" : "GEÇER"});
    }
    return out;
}

HomeScaleValues homeScale(const QString& name, bool ccFails) {
    return {name, "Lisans", 4, ccFails ? 2.5 : 2.0, ccFails ? 2.0 : 1.5, 0};
}

// A numeric scale from `top` down to 0 by 1, failing at `maxFail` and below.
QVector<OtherGradeValues> numericList(int top, int maxFail) {
    QVector<OtherGradeValues> out;
    int pass = 0;
    int fail = 0;
    for (int v = top; v >= 0; --v) {
        const bool passes = v > maxFail;
        out.append({QString::number(v), double(v), passes ? "Geçer" : "Kalır", passes ? pass++ : fail++});
    }
    return out;
}

OtherScaleValues numericScale(const QString& name, int top, int maxFail) {
    return {name, "Sayısal Not", double(top), double(maxFail + 1), double(maxFail),
            0,    top - maxFail, maxFail + 1};
}

QList<qint64> ids(const TestDatabase& db, const QString& table, qint64 scaleId) {
    QList<qint64> out;
    const int n =
        db.scalar(QString("SELECT count(*) FROM %1 WHERE olcek_id=%2").arg(table).arg(scaleId)).toInt();
    for (int i = 0; i < n; ++i)
        out << db.scalar(QString("SELECT id FROM %1 WHERE olcek_id=%2 ORDER BY id LIMIT 1 OFFSET %3")
                             .arg(table)
                             .arg(scaleId)
                             .arg(i))
                   .toLongLong();
    return out;
}

// The rows a view holds, each value with its kind: equal for two views when
// they hold the same rows as the store gives them back.
QString heldRows(const DataView& view) {
    QStringList out;
    for (const QSqlRecord& row : view.Rows()) {
        QStringList values;
        for (int i = 0; i < row.count(); ++i)
            values << QString("%1:%2").arg(row.value(i).typeName(), row.value(i).toString());
        out << values.join(',');
    }
    return out.join('\n');
}

// A view holds exactly what its query reads from the file now.
void holdsWhatTheFileHolds(const DataView& view) {
    DataView fresh;
    fresh.SetDatabaseName(view.DatabaseName());
    fresh.SetRecordSource(view.RecordSource(), view.RecordSourceValues());
    fresh.Refresh();
    QCOMPARE(heldRows(view), heldRows(fresh));
    QCOMPARE(view.CurrentRow(), fresh.CurrentRow());
}

struct Editor {
    DataView scales;
    DataView grades;
    Editor(const TestDatabase& db, bool home) {
        for (DataView* v : {&scales, &grades})
            v->SetDatabaseName(db.path());
        scales.SetRecordSource(home ? queries::Q1() : queries::Q3());
        scales.Refresh();
        showCurrent(home);
    }
    void showCurrent(bool home) {
        if (scales.CurrentRow() < 0)
            return;
        const qint64 id = scales.Field("id").toLongLong();
        grades.SetRecordSource(home ? queries::Q2(id) : queries::Q4(id));
        grades.Refresh();
    }
};

} // namespace

class TestScaleStore : public QObject {
    Q_OBJECT
private slots:
    void newHomeScaleIntoEmptyTable();
    void changedHomeScaleKeepsItsNineGradeIds();
    void changedHomeScaleRepairsItsRowCount_data();
    void changedHomeScaleRepairsItsRowCount();
    void newAndChangedOtherScale();
    void deleteRemovesGradesBeforeTheScale();
    void deleteRefusesGradesOfAnotherScale();
    void idsAreNeverReused();
    void failurePartWayLeavesFileUnchanged_data();
    void failurePartWayLeavesFileUnchanged();
    void readOnlyFileIsLeftUnchanged();
    void largeScaleRoundTrip();
};

void TestScaleStore::newHomeScaleIntoEmptyTable() {
    TestDatabase db;
    Editor editor(db, true);
    QCOMPARE(editor.scales.RecordCount(), 0);
    QSignalSpy reset(&editor.grades, &DataView::rowsReset);

    const int id = SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("Lisans Ölçeği", true),
                                 ladder(true));
    QCOMPARE(id, 1);
    QCOMPARE(editor.scales.RecordCount(), 1);
    QCOMPARE(editor.scales.Field("id").toInt(), id);
    QCOMPARE(editor.scales.Field("Max_GN").toDouble(), 4.0);
    QCOMPARE(editor.scales.Field("min_GN").toDouble(), 2.5);
    // The grade view holds the nine grades, AA first, with the CC rule's statuses.
    QCOMPARE(editor.grades.RecordCount(), 9);
    QCOMPARE(editor.grades.Rows().first().value("harf_notu").toString(), QString("AA"));
    QCOMPARE(editor.grades.Rows().last().value("harf_notu").toString(), QString("FF"));
    QCOMPARE(editor.grades.Rows().at(3).value("durum").toString(), QString("GEÇER"));
    QCOMPARE(editor.grades.Rows().at(4).value("durum").toString(), QString("KALIR"));
    QCOMPARE(ids(db, "dornela_notlar", id), QList<qint64>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // Grids hear of the result once, not once per row written.
    QCOMPARE(reset.count(), 1);
}

void TestScaleStore::changedHomeScaleKeepsItsNineGradeIds() {
    TestDatabase db;
    Editor editor(db, true);
    const int first =
        SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("Bir", true), ladder(true));
    const int second =
        SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("İki", true), ladder(true));
    const QList<qint64> before = ids(db, "dornela_notlar", first);

    editor.scales.FindFirst(queries::C1(first));
    editor.showCurrent(true);
    const int saved = SaveHomeScale(editor.scales, editor.grades, ReadShownScale(editor.scales),
                                    homeScale("Bir, değişti", false), ladder(false));
    QCOMPARE(saved, first);
    QCOMPARE(ids(db, "dornela_notlar", first), before);
    QCOMPARE(db.scalar("SELECT durum FROM dornela_notlar WHERE olcek_id=1 AND harf_notu='CC'").toString(),
             QString("GEÇER"));
    QCOMPARE(db.scalar("SELECT max_KN FROM dornela_olcek WHERE id=1").toDouble(), 1.5);
    QCOMPARE(db.scalar("SELECT olcek_adi FROM dornela_olcek WHERE id=1").toString(), QString("Bir, değişti"));
    QCOMPARE(db.scalar("SELECT count(*) FROM dornela_notlar").toInt(), 18);
    // The other scale is untouched and the saved one is current.
    QCOMPARE(db.scalar(QString("SELECT olcek_adi FROM dornela_olcek WHERE id=%1").arg(second)).toString(),
             QString("İki"));
    QCOMPARE(editor.scales.Field("id").toInt(), first);
}

// A home scale left with too few or too many grade rows (by an older program
// that stopped part-way) is saved with exactly its nine grades; the rows it
// has keep their ids.
void TestScaleStore::changedHomeScaleRepairsItsRowCount_data() {
    QTest::addColumn<int>("rowsBefore");
    QTest::newRow("seven rows") << 7;
    QTest::newRow("eleven rows") << 11;
}

void TestScaleStore::changedHomeScaleRepairsItsRowCount() {
    QFETCH(int, rowsBefore);
    TestDatabase db("INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN) "
                    "VALUES ('Eksik', 'Lisans', 4, 2.5, 2.0, 0);");
    for (int i = 0; i < rowsBefore; ++i)
        db.exec(QString("INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) "
                        "VALUES (1, 'X%1', 0, 'KALIR');")
                    .arg(i));
    const QList<qint64> before = ids(db, "dornela_notlar", 1);
    Editor editor(db, true);
    SaveHomeScale(editor.scales, editor.grades, ReadShownScale(editor.scales), homeScale("Tam", true),
                  ladder(true));
    const QList<qint64> after = ids(db, "dornela_notlar", 1);
    QCOMPARE(after.size(), 9);
    QCOMPARE(after.mid(0, qMin(rowsBefore, 9)), before.mid(0, qMin(rowsBefore, 9)));
    QCOMPARE(editor.grades.RecordCount(), 9);
    QCOMPARE(editor.grades.Rows().last().value("harf_notu").toString(), QString("FF"));
    QCOMPARE(db.scalar("SELECT group_concat(harf_notu, '') FROM (SELECT harf_notu FROM dornela_notlar ORDER "
                       "BY id) AS t")
                 .toString(),
             QString("AABABBCBCCDCDDFDFF"));
}

void TestScaleStore::newAndChangedOtherScale() {
    TestDatabase db;
    Editor editor(db, false);
    const int id = SaveOtherScale(editor.scales, editor.grades, std::nullopt, numericScale("Onluk", 10, 4),
                                  numericList(10, 4));
    QCOMPARE(editor.scales.Field("id").toInt(), id);
    QCOMPARE(editor.grades.RecordCount(), 11);
    QCOMPARE(editor.grades.Rows().at(5).value("harf_notu").toString(), QString("5"));
    QCOMPARE(editor.grades.Rows().at(5).value("adim_no").toInt(), 5);
    QCOMPARE(editor.grades.Rows().at(6).value("durum").toString(), QString("Kalır"));
    QCOMPARE(editor.grades.Rows().at(6).value("adim_no").toInt(), 0);
    const QList<qint64> before = ids(db, "diger_notlar", id);
    QCOMPARE(before.size(), 11);
    holdsWhatTheFileHolds(editor.grades);

    // Changed: one grade fewer; the scale keeps its id, every grade row is new.
    QVector<OtherGradeValues> shorter = numericList(10, 4);
    shorter.removeLast();
    const int saved = SaveOtherScale(editor.scales, editor.grades, ReadShownScale(editor.scales),
                                     numericScale("Onluk", 10, 4), shorter);
    QCOMPARE(saved, id);
    const QList<qint64> after = ids(db, "diger_notlar", id);
    QCOMPARE(after.size(), 10);
    QVERIFY(after.first() > before.last());
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 1);
    QCOMPARE(editor.grades.RecordCount(), 10);
    holdsWhatTheFileHolds(editor.grades);
}

void TestScaleStore::deleteRemovesGradesBeforeTheScale() {
    TestDatabase db;
    // The store refuses to delete a scale that still has grades, so the delete
    // only succeeds when the grades went first.
    db.refuse("grades_first",
              "BEFORE DELETE ON diger_olcek WHEN EXISTS (SELECT 1 FROM diger_notlar WHERE olcek_id = OLD.id)",
              "grades remain");
    Editor editor(db, false);
    const int a = SaveOtherScale(editor.scales, editor.grades, std::nullopt, numericScale("A", 10, 4),
                                 numericList(10, 4));
    const int b = SaveOtherScale(editor.scales, editor.grades, std::nullopt, numericScale("B", 20, 9),
                                 numericList(20, 9));
    editor.scales.FindFirst(queries::C1(a));
    editor.showCurrent(false);

    DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales));
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 1);
    QCOMPARE(db.scalar(QString("SELECT count(*) FROM diger_notlar WHERE olcek_id=%1").arg(a)).toInt(), 0);
    QCOMPARE(db.scalar(QString("SELECT count(*) FROM diger_notlar WHERE olcek_id=%1").arg(b)).toInt(), 21);
    QCOMPARE(editor.scales.RecordCount(), 1);
    QCOMPARE(editor.grades.RecordCount(), 0);

    // A scale whose grade view is empty: only the scale row goes.
    db.stopRefusing("grades_first");
    db.exec("INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Boş', 'Harf Notu');");
    editor.scales.Refresh();
    editor.scales.MoveLast();
    editor.showCurrent(false);
    QCOMPARE(editor.grades.RecordCount(), 0);
    DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales));
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 1);
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_notlar").toInt(), 21);
}

void TestScaleStore::deleteRefusesGradesOfAnotherScale() {
    TestDatabase db;
    Editor editor(db, true);
    const int a =
        SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("A", true), ladder(true));
    const int b =
        SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("B", true), ladder(true));
    // The grade view shows b's grades while a is current.
    editor.scales.FindFirst(queries::C1(a));
    QCOMPARE(editor.grades.Rows().first().value("olcek_id").toInt(), b);
    const QString before = zendaro::test::dumpScales(db);
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales)));
    QCOMPARE(zendaro::test::dumpScales(db), before);
    QCOMPARE(editor.scales.Field("id").toInt(), a);
}

void TestScaleStore::idsAreNeverReused() {
    TestDatabase db;
    Editor editor(db, true);
    SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("A", true), ladder(true));
    const int b =
        SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("B", true), ladder(true));
    // Delete the newest scale, then add another: neither its id nor its grades' ids come back.
    editor.scales.FindFirst(queries::C1(b));
    editor.showCurrent(true);
    DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales));
    const int c =
        SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("C", true), ladder(true));
    QCOMPARE(c, b + 1);
    QCOMPARE(ids(db, "dornela_notlar", c).first(), 19);
}

// A trigger makes the store fail part-way through a procedure: the file must
// be as it was before, and the views must show it so.
void TestScaleStore::failurePartWayLeavesFileUnchanged_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<QString>("storeText");

    QTest::newRow("new home scale, at the fifth grade")
        << "BEFORE INSERT ON dornela_notlar WHEN NEW.harf_notu = 'CC'"
        << "newHome"
        << "home boom";
    QTest::newRow("changed home scale, at the fifth grade")
        << "BEFORE UPDATE ON dornela_notlar WHEN NEW.harf_notu = 'CC'"
        << "changeHome"
        << "home boom";
    QTest::newRow("new other scale, at the seventh grade")
        << "BEFORE INSERT ON diger_notlar WHEN NEW.harf_notu = '4' AND NEW.olcek_id > 2"
        << "newOther"
        << "other boom";
    QTest::newRow("changed other scale, after its old grades went")
        << "BEFORE INSERT ON diger_notlar WHEN NEW.harf_notu = '4'"
        << "changeOther"
        << "other boom";
    QTest::newRow("deleted scale, after its grades went") << "BEFORE DELETE ON diger_olcek"
                                                          << "deleteOther"
                                                          << "other boom";
}

void TestScaleStore::failurePartWayLeavesFileUnchanged() {
    QFETCH(QString, trigger);
    QFETCH(QString, procedure);
    QFETCH(QString, storeText);

    TestDatabase db;
    const bool home = procedure.endsWith("Home");
    {
        Editor setup(db, home);
        for (const char* name : {"Birinci", "İkinci"}) {
            if (home)
                SaveHomeScale(setup.scales, setup.grades, std::nullopt, homeScale(name, true), ladder(true));
            else
                SaveOtherScale(setup.scales, setup.grades, std::nullopt, numericScale(name, 10, 4),
                               numericList(10, 4));
        }
    }
    db.refuse("boom", trigger, storeText);
    const QString before = zendaro::test::dumpScales(db);

    Editor editor(db, home);
    editor.scales.MoveFirst();
    editor.showCurrent(home);
    const QString gradeSource = editor.grades.RecordSource();
    try {
        if (procedure == "newHome")
            SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("Yeni", true), ladder(true));
        else if (procedure == "changeHome")
            SaveHomeScale(editor.scales, editor.grades, ReadShownScale(editor.scales),
                          homeScale("Değişen", false), ladder(false));
        else if (procedure == "newOther")
            SaveOtherScale(editor.scales, editor.grades, std::nullopt, numericScale("Yeni", 10, 4),
                           numericList(10, 4));
        else if (procedure == "changeOther")
            SaveOtherScale(editor.scales, editor.grades, ReadShownScale(editor.scales),
                           numericScale("Değişen", 10, 5), numericList(10, 5));
        else
            DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales));
        QFAIL("the procedure did not fail");
    } catch (const StoreError& e) {
        QVERIFY2(e.text().contains(storeText), qPrintable(e.text()));
    }
    QCOMPARE(zendaro::test::dumpScales(db), before);
    // The views show the file as it is: both scales, the first one current, its grades listed.
    QCOMPARE(editor.scales.RecordCount(), 2);
    QCOMPARE(editor.scales.Field("id").toInt(), 1);
    QCOMPARE(editor.scales.Field("olcek_adi").toString(), QString("Birinci"));
    QVERIFY(!editor.scales.IsPending());
    QCOMPARE(editor.grades.RecordSource(), gradeSource);
    QCOMPARE(editor.grades.RecordCount(), home ? 9 : 11);
    // The store works on afterwards: the transaction is closed.
    db.stopRefusing("boom");
    if (home)
        SaveHomeScale(editor.scales, editor.grades, std::nullopt, homeScale("Sonra", true), ladder(true));
    else
        SaveOtherScale(editor.scales, editor.grades, std::nullopt, numericScale("Sonra", 10, 4),
                       numericList(10, 4));
    QCOMPARE(editor.scales.RecordCount(), 3);
}

void TestScaleStore::readOnlyFileIsLeftUnchanged() {
    TestDatabase db;
    {
        Editor setup(db, false);
        SaveOtherScale(setup.scales, setup.grades, std::nullopt, numericScale("Var", 10, 4),
                       numericList(10, 4));
    }
    const QString before = zendaro::test::dumpScales(db);
    Editor editor(db, false);
    {
        if (TestDatabase::onServer())
            QSKIP("about the file itself: a read-only file");
        zendaro::test::ReadOnlyFile readOnly(db.path());
        if (!readOnly.active())
            QSKIP("the file cannot be made read-only here");
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 SaveOtherScale(editor.scales, editor.grades, ReadShownScale(editor.scales),
                                                numericScale("Değişen", 10, 5), numericList(10, 5)));
        QVERIFY_THROWS_EXCEPTION(
            StoreError, DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales)));
        QCOMPARE(editor.scales.RecordCount(), 1);
        QCOMPARE(editor.grades.RecordCount(), 11);
    }
    QCOMPARE(zendaro::test::dumpScales(db), before);
}

void TestScaleStore::largeScaleRoundTrip() {
    // 100 down to 0 by 0.01: 10,001 grades, stored and read back in list order.
    TestDatabase db;
    Editor editor(db, false);
    QVector<OtherGradeValues> list;
    for (int i = 10000; i >= 0; --i) {
        const bool passes = i > 4999;
        list.append({QString::number(i / 100.0), i / 100.0, passes ? "Geçer" : "Kalır",
                     passes ? 10000 - i : 4999 - i});
    }
    const int id = SaveOtherScale(editor.scales, editor.grades, std::nullopt,
                                  {"Yüzlük", "Sayısal Not", 100, 50, 49.99, 0, 5001, 5000}, list);
    QCOMPARE(editor.grades.RecordCount(), 10001);
    QCOMPARE(editor.grades.Rows().at(5000).value("harf_notu").toString(), QString("50"));
    QCOMPARE(editor.grades.Rows().at(5001).value("adim_no").toInt(), 0);
    QVERIFY(editor.grades.FindFirst(queries::C5("49.99").text, queries::C5("49.99").values));
    QCOMPARE(editor.grades.CurrentRow(), 5001);
    // Changing it replaces all 10,001 rows.
    SaveOtherScale(editor.scales, editor.grades, ReadShownScale(editor.scales),
                   {"Yüzlük", "Sayısal Not", 100, 50, 49.99, 0, 5001, 5000}, list);
    QCOMPARE(db.scalar(QString("SELECT min(id) FROM diger_notlar WHERE olcek_id=%1").arg(id)).toInt(), 10002);
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_notlar").toInt(), 10001);
}

QTEST_GUILESS_MAIN(TestScaleStore)
#include "tst_scalestore.moc"
