// The data view: recordset positions and writes, field names, searches that
// agree with the store's own query, the shared connection and store failures.
#include "StoreTestHelpers.h"
#include "TestDatabase.h"
#include "UnderWine.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTest>

using namespace zendaro;
using zendaro::test::TestDatabase;

namespace {

const char* kThreeScales = R"sql(
INSERT INTO diger_olcek (olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
VALUES ('Bir', 'Harf Notu', 4, 2, 1, 0, 3, 2), ('İki', 'Sayısal Not', 100, 50, 49, 0, 51, 50),
       ('Üç', 'Harf Notu', 6, 2, 1, 0, 5, 2);
)sql";

// Grades of scale 1 with letters that test the comparison rules: letter case,
// a quote, Turkish letters, and one value stored twice.
const char* kLetterGrades = R"sql(
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, 'AA', 4, 'Geçer', 0), (1, 'A''', 3.5, 'Geçer', 1), (1, 'Ç', 3, 'Geçer', 2), (1, 'bb', 3, 'Geçer', 3),
  (1, 'FF', 0, 'Kalır', 0), (2, 'AA', 4, 'Geçer', 0);
)sql";

struct Position {
    qint64 currentId; // -1: no current row
    bool bof;
    bool eof;
    int count;
};

Position positionOf(const DataView& view) {
    const qint64 id = view.CurrentRow() >= 0 ? view.Field("id").toLongLong() : -1;
    return {id, view.AtBOF(), view.AtEOF(), view.RecordCount()};
}

void openOn(DataView& view, const TestDatabase& db, const QString& query, const QVariantList& values = {}) {
    view.SetDatabaseName(db.path());
    view.SetRecordSource(query, values);
    view.Refresh();
}

} // namespace

class TestDataView : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void emptyViews_data();
    void emptyViews();
    void writesReachTheFile();
    void pendingRowAndFieldNames();
    void misuseIsReportedNotCrashing();
    void signalsForGrids();
    void scaleNamesInTurkishOrder_data();
    void scaleNamesInTurkishOrder();
    void findFirstAgreesWithQuery_data();
    void findFirstAgreesWithQuery();
    void findFirstTakesFirstRowInViewOrder();
    void numberCriteriaRefuseNonNumerals();
    void connectionIsSharedPerFile();
    void storeFailures_data();
    void storeFailures();
};

// A sequence of operations on the three scales (ids 1, 2, 3) and where it leaves the view.
void TestDataView::positions_data() {
    QTest::addColumn<QString>("operations");
    QTest::addColumn<qint64>("currentId");
    QTest::addColumn<bool>("bof");
    QTest::addColumn<bool>("eof");
    QTest::addColumn<int>("count");

    QTest::newRow("refresh makes the first row current") << "" << qint64(1) << false << false << 3;
    QTest::newRow("last") << "MoveLast" << qint64(3) << false << false << 3;
    QTest::newRow("next twice") << "MoveNext MoveNext" << qint64(3) << false << false << 3;
    QTest::newRow("past the last row") << "MoveLast MoveNext" << qint64(-1) << false << true << 3;
    QTest::newRow("stays after the last row")
        << "MoveLast MoveNext MoveNext" << qint64(-1) << false << true << 3;
    QTest::newRow("before the first row") << "SetCurrentRow-1" << qint64(-1) << true << false << 3;
    QTest::newRow("next from before the first row")
        << "SetCurrentRow-1 MoveNext" << qint64(1) << false << false << 3;
    QTest::newRow("delete leaves no current row") << "MoveNext Delete" << qint64(-1) << false << false << 2;
    QTest::newRow("next after delete is the following row")
        << "MoveNext Delete MoveNext" << qint64(3) << false << false << 2;
    QTest::newRow("delete the last row, then next")
        << "MoveLast Delete MoveNext" << qint64(-1) << false << true << 2;
    QTest::newRow("delete everything, then first")
        << "Delete MoveFirst Delete MoveFirst Delete MoveFirst" << qint64(-1) << true << true << 0;
    QTest::newRow("add keeps the current row")
        << "MoveNext AddNew Update" << qint64(2) << false << false << 4;
    QTest::newRow("the added row comes last") << "AddNew Update MoveLast" << qint64(4) << false << false << 4;
    QTest::newRow("edit keeps the row current") << "MoveLast Edit Update" << qint64(3) << false << false << 3;
    QTest::newRow("a move drops a pending edit") << "Edit MoveNext" << qint64(2) << false << false << 3;
    QTest::newRow("refresh after writes")
        << "MoveLast Delete AddNew Update Refresh MoveLast" << qint64(4) << false << false << 3;
}

void TestDataView::positions() {
    QFETCH(QString, operations);
    QFETCH(qint64, currentId);
    QFETCH(bool, bof);
    QFETCH(bool, eof);
    QFETCH(int, count);

    TestDatabase db(kThreeScales);
    DataView view;
    openOn(view, db, queries::Q3());
    for (const QString& op : operations.split(' ', Qt::SkipEmptyParts)) {
        if (op == "MoveFirst")
            view.MoveFirst();
        else if (op == "MoveNext")
            view.MoveNext();
        else if (op == "MoveLast")
            view.MoveLast();
        else if (op == "Delete")
            view.Delete();
        else if (op == "Refresh")
            view.Refresh();
        else if (op == "SetCurrentRow-1")
            view.SetCurrentRow(-1);
        else if (op == "Edit") {
            view.Edit();
            view.SetField("olcek_adi", "Değişti");
        } else if (op == "AddNew") {
            view.AddNew();
            view.SetField("olcek_adi", "Yeni");
            view.SetField("not_sistemi", "Harf Notu");
        } else if (op == "Update")
            view.Update();
        else
            QFAIL(qPrintable("unknown operation " + op));
    }
    const Position p = positionOf(view);
    QCOMPARE(p.currentId, currentId);
    QCOMPARE(p.bof, bof);
    QCOMPARE(p.eof, eof);
    QCOMPARE(p.count, count);
    // The view and the file agree on how many rows there are.
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek").toInt(), count);
}

void TestDataView::emptyViews_data() {
    QTest::addColumn<QString>("query");
    QTest::newRow("empty query text") << QString();
    QTest::newRow("empty table") << queries::Q1();
    QTest::newRow("no matching rows") << queries::Q4(99);
}

void TestDataView::emptyViews() {
    QFETCH(QString, query);
    TestDatabase db(kThreeScales);
    DataView view;
    openOn(view, db, query);
    QCOMPARE(view.RecordCount(), 0);
    QVERIFY(view.AtBOF());
    QVERIFY(view.AtEOF());
    view.MoveFirst();
    view.MoveNext();
    view.MoveLast();
    QVERIFY(view.AtBOF() && view.AtEOF());
    QCOMPARE(view.CurrentRow(), -1);
    QVERIFY(!view.FindFirst(queries::C1(1)));
}

void TestDataView::writesReachTheFile() {
    TestDatabase db(kThreeScales);
    DataView view;
    openOn(view, db, queries::Q3());

    view.AddNew();
    view.SetField("olcek_adi", "Yeni ölçek");
    view.SetField("not_sistemi", "Sayısal Not");
    view.SetField("max_gn", 20.5); // any letter case reaches Max_GN
    const qint64 newId = view.Update();
    QCOMPARE(newId, qint64(4));
    QCOMPARE(db.scalar("SELECT Max_GN FROM diger_olcek WHERE id=4").toDouble(), 20.5);
    QCOMPARE(db.scalar("SELECT olcek_adi FROM diger_olcek WHERE id=4").toString(), QString("Yeni ölçek"));
    view.MoveLast();
    QCOMPARE(view.Field("ID").toLongLong(), newId);

    view.MoveFirst();
    view.Edit();
    view.SetField("Olcek_Adi", "O'Brien \"x\"");
    QCOMPARE(view.Update(), qint64(1));
    QCOMPARE(view.Field("olcek_adi").toString(), QString("O'Brien \"x\""));
    QCOMPARE(db.scalar("SELECT olcek_adi FROM diger_olcek WHERE id=1").toString(), QString("O'Brien \"x\""));
    // Only the changed field was written.
    QCOMPARE(db.scalar("SELECT not_sistemi FROM diger_olcek WHERE id=1").toString(), QString("Harf Notu"));

    view.Delete();
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek WHERE id=1").toInt(), 0);
}

void TestDataView::pendingRowAndFieldNames() {
    TestDatabase db(kThreeScales +
                    QString("INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi, max_GN, min_GN, "
                            "max_KN, min_KN) VALUES ('Ev', 'Lisans', 4, 2.5, 2.0, 0);"));
    DataView home;
    openOn(home, db, queries::Q1());
    // The home table is written as max_GN and read as Max_GN: one field.
    QCOMPARE(home.Field("Max_GN").toDouble(), 4.0);
    QCOMPARE(home.Field("max_KN").toDouble(), 2.0);
    QCOMPARE(home.FieldNames(),
             QStringList({"id", "olcek_adi", "egitim_duzeyi", "max_GN", "min_GN", "max_KN", "min_KN"}));

    // Between AddNew and Update, fields read the pending row; CancelUpdate drops it.
    home.AddNew();
    QVERIFY(home.Field("olcek_adi").isNull());
    home.SetField("olcek_adi", "Taslak");
    QCOMPARE(home.Field("olcek_adi").toString(), QString("Taslak"));
    QCOMPARE(home.CurrentRow(), 0);
    home.CancelUpdate();
    QCOMPARE(home.Field("olcek_adi").toString(), QString("Ev"));
    QCOMPARE(db.scalar("SELECT count(*) FROM dornela_olcek").toInt(), 1);
}

void TestDataView::misuseIsReportedNotCrashing() {
    TestDatabase db(kThreeScales);
    DataView view;
    openOn(view, db, queries::Q3());
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Field("yok_boyle_alan"));
    QVERIFY_THROWS_EXCEPTION(StoreError, view.SetField("olcek_adi", "x")); // nothing pending
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Update());                   // nothing pending
    view.AddNew();
    QVERIFY_THROWS_EXCEPTION(StoreError, view.SetField("id", 7)); // the store assigns ids
    view.CancelUpdate();
    view.Delete();
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Field("id")); // no current row after Delete
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Delete());
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Edit());
    QVERIFY_THROWS_EXCEPTION(StoreError, view.FindFirst("no_such_column = 1"));
    // A view's query only reads.
    view.SetRecordSource("DELETE FROM diger_olcek");
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Refresh());
    view.SetRecordSource("SELECT * FROM diger_olcek; DELETE FROM diger_olcek");
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Refresh());
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 2);
}

void TestDataView::signalsForGrids() {
    TestDatabase db(kThreeScales);
    DataView view;
    view.SetDatabaseName(db.path());
    view.SetRecordSource(queries::Q3());
    QSignalSpy reset(&view, &DataView::rowsReset);
    QSignalSpy moved(&view, &DataView::currentRowChanged);
    QSignalSpy changed(&view, &DataView::rowChanged);

    view.Refresh();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(moved.takeLast().at(0).toInt(), 0);
    view.MoveLast();
    QCOMPARE(moved.takeLast().at(0).toInt(), 2);
    view.Edit();
    view.SetField("olcek_adi", "x");
    view.Update();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);
    QCOMPARE(view.Rows().at(2).value("olcek_adi").toString(), QString("x"));
    view.Delete();
    QCOMPARE(reset.count(), 2);
    QCOMPARE(moved.takeLast().at(0).toInt(), -1);
    view.AddNew();
    view.SetField("olcek_adi", "y");
    view.SetField("not_sistemi", "Harf Notu");
    view.Update();
    QCOMPARE(reset.count(), 3);
    QCOMPARE(view.Rows().size(), 3);
}

// The conversion windows list scales by name (Q5, Q6) in Turkish alphabetical
// order, letter case ignored the Turkish way: "I" is the capital of "ı", "İ" of "i".
void TestDataView::scaleNamesInTurkishOrder_data() {
    QTest::addColumn<QStringList>("stored"); // in the order they are added
    QTest::addColumn<QStringList>("listed");
    const auto row = [](const char* name, const char* stored, const char* listed) {
        QTest::newRow(name) << QString::fromUtf8(stored).split('|') << QString::fromUtf8(listed).split('|');
    };
    row("Ç between C and D", "Zonguldak|Çukurova|Dicle|Cumhuriyet", "Cumhuriyet|Çukurova|Dicle|Zonguldak");
    row("Ğ between G and H", "Bohçacı|Boğaziçi|Bogazkent", "Bogazkent|Boğaziçi|Bohçacı");
    row("dotless ı before dotted i", "ikinci|ılıca|Hitit", "Hitit|ılıca|ikinci");
    row("capital I is ı, capital İ is i", "İzmir|Isparta|Iğdır|Jandarma", "Iğdır|Isparta|İzmir|Jandarma");
    row("Ö between O and P", "Özyeğin|Zonguldak|Pamukkale|Ortadoğu", "Ortadoğu|Özyeğin|Pamukkale|Zonguldak");
    row("Ş between S and T", "Trakya|Şırnak|Sakarya", "Sakarya|Şırnak|Trakya");
    row("Ü between U and V", "Van|Üsküdar|Uludağ", "Uludağ|Üsküdar|Van");
    row("letter case ignored", "Bilkent|ankara|ANADOLU", "ANADOLU|ankara|Bilkent");
    row("Turkish capitals and small letters alike", "DİCLE|çukurova|Cumhuriyet|ÇANKAYA",
        "Cumhuriyet|ÇANKAYA|çukurova|DİCLE");
}

void TestDataView::scaleNamesInTurkishOrder() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, listed);
    if (qstrcmp(QTest::currentDataTag(), "dotless ı before dotted i") == 0 && test::UnderWine())
        QSKIP("Wine's collation lacks the Turkish order of ı and i that Windows' own Turkish collation has");

    TestDatabase db;
    for (const QString& name : stored) {
        QString quotedName = name;
        quotedName.replace('\'', "''");
        db.exec(QString("INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('%1', 'Harf Notu');"
                        "INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi) VALUES ('%1', 'Lisans');")
                    .arg(quotedName));
    }
    for (const QString& query : {queries::Q5(), queries::Q6()}) {
        DataView view;
        openOn(view, db, query);
        QStringList names;
        for (const QSqlRecord& r : view.Rows())
            names << r.value("olcek_adi").toString();
        QCOMPARE(names, listed);
        // A chosen scale is found in the ordered list (C2 runs on the same query).
        const qint64 lastAdded = stored.size();
        QVERIFY(view.FindFirst(queries::C2(lastAdded)));
        QCOMPARE(view.Field("olcek_adi").toString(), stored.last());
    }
}

// Each criterion: FindFirst on a scale's grades finds a row exactly when the
// store's own query (Q8 with that criterion) does, and then the first of the
// query's rows in the view's order.
void TestDataView::findFirstAgreesWithQuery_data() {
    QTest::addColumn<QString>("criterion");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QString>("expectedLetter"); // empty: no row

    const auto c5 = [](const QString& letter) {
        return queries::C5(letter);
    };
    const auto row = [](const char* name, const SqlText& c, const char* letter) {
        QTest::newRow(name) << c.text << c.values << QString::fromUtf8(letter);
    };
    row("letter as stored", c5("AA"), "AA");
    row("letter in another case", c5("aa"), "AA");
    row("small stored letter found in capitals", c5("BB"), "bb");
    row("a quote inside the letter", c5("A'"), "A'");
    row("a quote that would widen the search", c5("x' OR '1'='1"), "");
    row("a quote that would end the query", c5("'; DELETE FROM diger_notlar; --"), "");
    row("Turkish letter as stored", c5("Ç"), "Ç");
    row("Turkish letter case is not folded", c5("ç"), "");
    row("number with decimals", queries::C4("3.5"), "A'");
    row("whole number against a decimal column", queries::C4("4"), "AA");
    row("number of a value stored twice", queries::C4(3.0), "Ç");
    row("number not in the scale", queries::C4("2.5"), "");
    row("number without space (C3 form)", queries::C3("0"), "FF");
}

void TestDataView::findFirstAgreesWithQuery() {
    QFETCH(QString, criterion);
    QFETCH(QVariantList, values);
    QFETCH(QString, expectedLetter);

    TestDatabase db(kThreeScales + QString(kLetterGrades));
    DataView search;
    const SqlText q8 = queries::Q8(1, {criterion, values});
    openOn(search, db, q8.text, q8.values);

    DataView grades;
    openOn(grades, db, queries::Q4(1));
    grades.MoveLast();
    const bool found = grades.FindFirst(criterion, values);

    QCOMPARE(found, search.RecordCount() > 0);
    if (expectedLetter.isEmpty()) {
        QVERIFY(!found);
        QCOMPARE(grades.CurrentRow(), grades.RecordCount() - 1); // not moved
    } else {
        QVERIFY(found);
        QCOMPARE(grades.Field("harf_notu").toString(), expectedLetter);
        // The view's order is by id: the found row is the lowest id the query returns.
        qint64 first = -1;
        for (const QSqlRecord& r : search.Rows())
            first = first < 0 ? r.value("id").toLongLong() : qMin(first, r.value("id").toLongLong());
        QCOMPARE(grades.Field("id").toLongLong(), first);
    }
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_notlar").toInt(), 6);
}

void TestDataView::findFirstTakesFirstRowInViewOrder() {
    TestDatabase db(kThreeScales + QString(kLetterGrades));
    DataView view;
    openOn(view, db, "SELECT * FROM diger_notlar where olcek_id=1 order by harf_notu DESC");
    // 'Ç' (id 3) and 'bb' (id 4) both have the value 3; in this order 'Ç' comes first.
    QVERIFY(view.FindFirst(queries::C4("3").text));
    QCOMPARE(view.Field("harf_notu").toString(), QString("Ç"));
    // A criterion that matches a row of the file that the view does not hold finds nothing.
    QVERIFY(!view.FindFirst("olcek_id=2"));
    // A new query text takes effect at the next Refresh; until then searches run on the rows held.
    view.SetRecordSource(queries::Q4(2));
    QVERIFY(view.FindFirst(queries::C1(5)));
    QCOMPARE(view.Field("harf_notu").toString(), QString("FF"));
}

void TestDataView::numberCriteriaRefuseNonNumerals() {
    for (const char* bad : {"3,5", "1 OR 1=1", "", "3.5; DROP TABLE diger_notlar", "nan"})
        QVERIFY_THROWS_EXCEPTION(StoreError, queries::C4(QString(bad)));
    QCOMPARE(queries::C3(85.5).text, QString("sayisal_not=85.5"));
    QCOMPARE(queries::C4(85.0).text, QString("sayisal_not= 85"));
}

void TestDataView::connectionIsSharedPerFile() {
    TestDatabase one(kThreeScales);
    TestDatabase other;
    QString shared;
    {
        DataView a;
        DataView b;
        DataView c;
        openOn(a, one, queries::Q3());
        openOn(b, one, queries::Q4(1));
        openOn(c, other, queries::Q1());
        shared = a.ConnectionName();
        QCOMPARE(b.ConnectionName(), shared);
        QVERIFY(c.ConnectionName() != shared);
        QVERIFY(QSqlDatabase::connectionNames().contains(shared));
    }
    QVERIFY(!QSqlDatabase::connectionNames().contains(shared));
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TestDataView::storeFailures_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("storeText");
    QTest::newRow("missing file") << "missing"
                                  << "unable to open database file";
    QTest::newRow("not a database") << "garbage"
                                    << "file is not a database";
    QTest::newRow("missing table") << "notable"
                                   << "gerekli bir tablo ya da alan yok";
    QTest::newRow("read-only file") << "readonly"
                                    << "readonly database";
}

void TestDataView::storeFailures() {
    QFETCH(QString, kind);
    QFETCH(QString, storeText);

    if (TestDatabase::onServer() && kind != "notable")
        QSKIP("about the file itself: a missing, damaged or read-only file");
    TestDatabase db(kThreeScales);
    QString path = db.path();
    if (kind == "missing") {
        path = db.folder() + "/yok.evk";
    } else if (kind == "garbage") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    } else if (kind == "notable") {
        db.exec("DROP TABLE diger_olcek;");
    }

    DataView view;
    view.SetDatabaseName(path);
    view.SetRecordSource(queries::Q3());
    if (kind == "readonly") {
        zendaro::test::ReadOnlyFile readOnly(path);
        if (!readOnly.active())
            QSKIP("the file cannot be made read-only here");
        view.Refresh(); // reading still works
        QCOMPARE(view.RecordCount(), 3);
        try {
            view.Delete();
            QFAIL("a write to a read-only file did not fail");
        } catch (const StoreError& e) {
            QVERIFY2(e.text().contains(storeText), qPrintable(e.text()));
        }
        QCOMPARE(view.RecordCount(), 3);
        QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 3);
        return;
    }
    try {
        view.Refresh();
        QFAIL("no StoreError");
    } catch (const StoreError& e) {
        QVERIFY2(e.text().contains(storeText), qPrintable(e.text()));
        if (kind == "notable")
            QVERIFY2(e.text().contains("diger_olcek"), qPrintable(e.text()));
    }
    QCOMPARE(view.RecordCount(), 0);
    if (kind == "missing")
        QVERIFY(!QFile::exists(path)); // the store never creates the file
}

QTEST_GUILESS_MAIN(TestDataView)
#include "tst_dataview.moc"
