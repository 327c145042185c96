// One suite body, two stores: what must hold alike on an SQLite file and on a
// PostgreSQL server (the Turkish order, letters compared without regard to
// ASCII case, ids, numbers, transactions, the schema version).
#include "TestStore.h"
#include "files/SchemaUpgrade.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"

#include <QTest>
#include <cstring>
#include <limits>

using namespace zendaro;
using zendaro::test::TestStore;

class TestEngines : public QObject {
    Q_OBJECT
public:
    explicit TestEngines(StoreEngine engine) : engine_(engine) {}

private slots:
    void initTestCase();
    void scaleNamesInTurkishOrder_data();
    void scaleNamesInTurkishOrder();
    void lettersCompareIgnoringAsciiCase_data();
    void lettersCompareIgnoringAsciiCase();
    void idsGrowAndAreNeverReused();
    void numbersRoundTripExactly();
    void nestedTransactions();
    void schemaUpgradeAddsFileTablesOnce();
    void missingTableIsExplained();
    void viewRunsOneStatementOnly();
    void fieldNamesAsTheFileSpellsThem();
    void textWithNulKeptOnlyByAFile();

private:
    StoreEngine engine_;
};

void TestEngines::initTestCase() {
    // Run from the test run, the server is always there: its absence is a failure.
    if (engine_ == StoreEngine::PostgreSQL && test::testServerHost().isEmpty())
        QFAIL("ZENDARO_TEST_PGHOST is not set: the PostgreSQL half needs the server the test run starts");
}

void TestEngines::scaleNamesInTurkishOrder_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("listed");
    const auto row = [](const char* name, const char* stored, const char* listed) {
        QTest::newRow(name) << QString::fromUtf8(stored).split('|') << QString::fromUtf8(listed).split('|');
    };
    row("Ç, Ğ, Ö, Ş, Ü after their plain letters", "Zonguldak|Çukurova|Dicle|Cumhuriyet|Şırnak|Sakarya",
        "Cumhuriyet|Çukurova|Dicle|Sakarya|Şırnak|Zonguldak");
    row("ı before i; I is the capital of ı, İ of i", "İzmir|Isparta|ikinci|ılıca|Jandarma",
        "ılıca|Isparta|ikinci|İzmir|Jandarma");
    row("letter case ignored", "Bilkent|ankara|ANADOLU|DİCLE|çukurova|ÇANKAYA",
        "ANADOLU|ankara|Bilkent|ÇANKAYA|çukurova|DİCLE");
    row("names alike but for case: capitals first", "ali|Ali|ALİ", "ALİ|Ali|ali");
}

void TestEngines::scaleNamesInTurkishOrder() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, listed);
    TestStore store(engine_);
    for (const QString& name : stored) {
        DataView add;
        add.SetDatabaseName(store.address());
        add.SetRecordSource(queries::Q3());
        add.Refresh();
        add.AddNew();
        add.SetField("olcek_adi", name);
        add.SetField("not_sistemi", "Harf Notu");
        add.Update();
    }
    DataView view;
    view.SetDatabaseName(store.address());
    view.SetRecordSource(queries::Q5());
    view.Refresh();
    QStringList names;
    for (const QSqlRecord& r : view.Rows())
        names << r.value("olcek_adi").toString();
    QCOMPARE(names, listed);
    QVERIFY(view.FindFirst(queries::C2(stored.size())));
    QCOMPARE(view.Field("olcek_adi").toString(), stored.last());
}

// The letter grades: ASCII letters match whatever their case; other letters
// only as they stand (as SQLite's NOCASE compares them).
void TestEngines::lettersCompareIgnoringAsciiCase_data() {
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("found"); // empty: none
    QTest::newRow("same case") << "AA"
                               << "AA";
    QTest::newRow("small for capital") << "aa"
                                       << "AA";
    QTest::newRow("mixed") << "Bb"
                           << "bb";
    QTest::newRow("quote inside") << "a'"
                                  << "A'";
    QTest::newRow("Turkish capital as stored") << "Ç"
                                               << "Ç";
    QTest::newRow("Turkish small letter is another letter") << "ç"
                                                            << "";
    QTest::newRow("no such letter") << "CC"
                                    << "";
}

void TestEngines::lettersCompareIgnoringAsciiCase() {
    QFETCH(QString, letter);
    QFETCH(QString, found);
    TestStore store(engine_);
    store.exec("INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Bir', 'Harf Notu');\n"
               "INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES "
               "(1, 'AA', 4, 'Geçer', 0), (1, 'A''', 3.5, 'Geçer', 1), (1, 'Ç', 3, 'Geçer', 2), "
               "(1, 'bb', 3, 'Geçer', 3)");
    const auto criterion = queries::C5(letter);
    DataView query;
    query.SetDatabaseName(store.address());
    const auto q8 = queries::Q8(1, criterion);
    query.SetRecordSource(q8.text, q8.values);
    query.Refresh();
    DataView all;
    all.SetDatabaseName(store.address());
    all.SetRecordSource(queries::Q4(1));
    all.Refresh();
    const bool hit = all.FindFirst(criterion.text, criterion.values);
    if (found.isEmpty()) {
        QCOMPARE(query.RecordCount(), 0);
        QVERIFY(!hit);
    } else {
        QCOMPARE(query.RecordCount(), 1);
        QCOMPARE(query.Field("harf_notu").toString(), found);
        QVERIFY(hit);
        QCOMPARE(all.Field("harf_notu").toString(), found);
    }
}

void TestEngines::idsGrowAndAreNeverReused() {
    TestStore store(engine_);
    DataView view;
    view.SetDatabaseName(store.address());
    view.SetRecordSource(queries::Q1());
    view.Refresh();
    QList<qint64> ids;
    for (const char* name : {"Bir", "İki", "Üç"}) {
        view.AddNew();
        view.SetField("olcek_adi", QString::fromUtf8(name));
        view.SetField("egitim_duzeyi", "Lisans");
        ids << view.Update();
    }
    QCOMPARE(ids, (QList<qint64>{1, 2, 3}));
    view.MoveLast();
    view.Delete();
    view.AddNew();
    view.SetField("olcek_adi", "Dört");
    view.SetField("egitim_duzeyi", "Lisans");
    QCOMPARE(view.Update(), qint64(4));
    view.Refresh();
    QCOMPARE(view.RecordCount(), 3);
    QCOMPARE(view.Rows().last().value("id").toLongLong(), qint64(4));
    // Read back as the signed whole number it was written as.
    QCOMPARE(view.Rows().last().value("id").typeId(), int(QMetaType::LongLong));
}

void TestEngines::numbersRoundTripExactly() {
    const QList<double> values = {0.1,  1.0 / 3.0, 3.141592653589793, 1e-300, 1.7976931348623157e308,
                                  -0.5, 99.95};
    TestStore store(engine_);
    DataView grades;
    grades.SetDatabaseName(store.address());
    grades.SetRecordSource(queries::Q2(1));
    grades.Refresh();
    for (double value : values) {
        grades.AddNew();
        grades.SetField("olcek_id", 1);
        grades.SetField("harf_notu", "AA");
        grades.SetField("sayisal_not", value);
        grades.SetField("durum", "Geçer");
        grades.Update();
    }
    grades.Refresh();
    QCOMPARE(grades.RecordCount(), values.size());
    for (int i = 0; i < values.size(); ++i) {
        const double back = grades.Rows().at(i).value("sayisal_not").toDouble();
        QVERIFY2(std::memcmp(&back, &values.at(i), sizeof back) == 0,
                 qPrintable(QString::number(values.at(i), 'g', 17)));
    }
    // A number in a criterion finds the very value stored.
    QVERIFY(grades.FindFirst(queries::C3(0.1).text));
    QCOMPARE(grades.Field("sayisal_not").toDouble(), 0.1);
}

void TestEngines::nestedTransactions() {
    TestStore store(engine_);
    DataView view;
    view.SetDatabaseName(store.address());
    view.SetRecordSource(queries::Q1());
    view.Refresh();
    const auto add = [&view](const QString& name) {
        view.AddNew();
        view.SetField("olcek_adi", name);
        view.SetField("egitim_duzeyi", "Lisans");
        view.Update();
    };
    {
        StoreTransaction outer(view);
        add("Kalır");
        {
            StoreTransaction inner(view);
            add("Geri alınır");
        } // undone: a savepoint of the outer
        outer.commit();
    }
    {
        StoreTransaction undone(view);
        add("Hiç yazılmaz");
    }
    view.Refresh();
    QCOMPARE(view.RecordCount(), 1);
    QCOMPARE(view.Field("olcek_adi").toString(), QString("Kalır"));
}

void TestEngines::schemaUpgradeAddsFileTablesOnce() {
    TestStore store(engine_);
    const SchemaState first = UpgradeSchema(store.address());
    QVERIFY2(first.kind == SchemaState::Kind::Upgraded, qPrintable(first.message));
    QCOMPARE(first.foundVersion, 0);
    QCOMPARE(StoreConnection::Acquire(store.address())->schemaVersion(), kSchemaVersion);
    QCOMPARE(store.scalar("SELECT count(*) FROM donusum_dosyasi").toInt(), 0);
    const SchemaState second = UpgradeSchema(store.address());
    QVERIFY(second.kind == SchemaState::Kind::Current);
}

// A failure reaches the user in Turkish words, with the engine's own text.
void TestEngines::missingTableIsExplained() {
    TestStore store(engine_);
    store.exec("DROP TABLE diger_notlar");
    DataView view;
    view.SetDatabaseName(store.address());
    view.SetRecordSource(queries::Q4(1));
    try {
        view.Refresh();
        QFAIL("a query on a missing table succeeded");
    } catch (const StoreError& error) {
        QVERIFY2(error.text().contains("gerekli bir tablo ya da alan yok"), qPrintable(error.text()));
        QVERIFY2(error.text().contains("diger_notlar"), qPrintable(error.text()));
    }
}

// A view's query only reads: a statement after it is refused, not run (a
// server would run it while the text is prepared).
void TestEngines::viewRunsOneStatementOnly() {
    TestStore store(engine_);
    store.exec("INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Bir;İki', 'Harf Notu')");
    DataView view;
    view.SetDatabaseName(store.address());
    view.SetRecordSource("SELECT * FROM diger_olcek; DELETE FROM diger_olcek");
    QVERIFY_THROWS_EXCEPTION(StoreError, view.Refresh());
    QCOMPARE(store.scalar("SELECT count(*) FROM diger_olcek").toInt(), 1);
    // A ";" inside a quoted text is no second statement, nor one at the end.
    view.SetRecordSource("SELECT * FROM diger_olcek WHERE olcek_adi <> 'x; DELETE FROM diger_olcek';");
    view.Refresh();
    QCOMPARE(view.RecordCount(), 1);
    QCOMPARE(view.Field("olcek_adi").toString(), QString("Bir;İki"));
}

// A server gives unquoted column names in small letters; views name their
// fields as the file does, whichever table they read.
void TestEngines::fieldNamesAsTheFileSpellsThem() {
    TestStore store(engine_);
    DataView home;
    home.SetDatabaseName(store.address());
    home.SetRecordSource(queries::Q1());
    home.Refresh();
    QCOMPARE(home.FieldNames(),
             QStringList({"id", "olcek_adi", "egitim_duzeyi", "max_GN", "min_GN", "max_KN", "min_KN"}));
    DataView other;
    other.SetDatabaseName(store.address());
    other.SetRecordSource("SELECT Max_GN, Kalir_Not_Sayisi, olcek_adi FROM diger_olcek");
    other.Refresh();
    QCOMPARE(other.FieldNames(), QStringList({"Max_GN", "Kalir_Not_Sayisi", "olcek_adi"}));
}

// A file keeps a NUL character inside a text; a server cannot, and refuses
// the write whole with a Turkish text instead of cutting the text there.
void TestEngines::textWithNulKeptOnlyByAFile() {
    TestStore store(engine_);
    const QString name = QString::fromUtf16(u"ön\u0000son", 7);
    DataView view;
    view.SetDatabaseName(store.address());
    view.SetRecordSource(queries::Q3());
    view.Refresh();
    view.AddNew();
    view.SetField("olcek_adi", name);
    view.SetField("not_sistemi", "Harf Notu");
    if (engine_ == StoreEngine::SQLite) {
        view.Update();
        view.Refresh();
        QCOMPARE(view.Field("olcek_adi").toString(), name);
        return;
    }
    try {
        view.Update();
        QFAIL("a text with NUL was written to the server");
    } catch (const StoreError& error) {
        QVERIFY2(error.text().contains("(NUL)"), qPrintable(error.text()));
    }
    QCOMPARE(store.scalar("SELECT count(*) FROM diger_olcek").toInt(), 0);
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestEngines onFile(StoreEngine::SQLite);
    TestEngines onServer(StoreEngine::PostgreSQL);
    const int fileFailures = QTest::qExec(&onFile, argc, argv);
    const int serverFailures = QTest::qExec(&onServer, argc, argv);
    return fileFailures + serverFailures;
}

#include "tst_engines.moc"
