// The database the build ships: its scales meet every guarantee the
// conversion relies on (block order, step numbers, counts, limits), and its
// schema compares letters and assigns ids as the store promises.
#include "TestDatabase.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cmath>

using namespace zendaro;
using zendaro::test::TestDatabase;

class TestShipped : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void otherScales_data();
    void otherScales();
    void homeScales();
    void schema();
    void readableBySqliteTool();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestShipped::initTestCase() {
    db_ = std::make_unique<TestDatabase>(TestDatabase::copyOfShipped());
}

void TestShipped::otherScales_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("passCount");
    QTest::addColumn<int>("failCount");
    QTest::addColumn<QString>("firstFail"); // letter of the highest fail grade
    QTest::newRow("100-point") << "100'lük Sayısal Not Sistemi"
                               << "Sayısal Not" << 51 << 50 << "49";
    QTest::newRow("20-point") << "20'lik Sayısal Not Sistemi"
                              << "Sayısal Not" << 11 << 10 << "9";
    QTest::newRow("US letters") << "ABD Harf Notu Sistemi"
                                << "Harf Notu" << 10 << 1 << "F";
    QTest::newRow("ECTS") << "ECTS Not Sistemi"
                          << "Harf Notu" << 5 << 2 << "FX";
}

void TestShipped::otherScales() {
    QFETCH(QString, name);
    QFETCH(QString, system);
    QFETCH(int, passCount);
    QFETCH(int, failCount);
    QFETCH(QString, firstFail);

    DataView scales;
    scales.SetDatabaseName(db_->path());
    scales.SetRecordSource(queries::Q3());
    scales.Refresh();
    QCOMPARE(scales.RecordCount(), 4);
    QVERIFY(scales.FindFirst("olcek_adi = ?", {name}));
    QCOMPARE(scales.Field("not_sistemi").toString(), system);
    QCOMPARE(scales.Field("Gecer_Not_Sayisi").toInt(), passCount);
    QCOMPARE(scales.Field("Kalir_Not_Sayisi").toInt(), failCount);

    DataView grades;
    grades.SetDatabaseName(db_->path());
    grades.SetRecordSource(queries::Q4(scales.Field("id").toLongLong()));
    grades.Refresh();
    const QVector<QSqlRecord>& rows = grades.Rows();
    QCOMPARE(rows.size(), passCount + failCount);

    // Pass grades first, then fail grades; steps count from 0 within each
    // block; values strictly fall from the first grade to the last.
    for (int i = 0; i < rows.size(); ++i) {
        const QSqlRecord& r = rows.at(i);
        const bool passes = i < passCount;
        QCOMPARE(r.value("durum").toString(), passes ? QString("Geçer") : QString("Kalır"));
        QCOMPARE(r.value("adim_no").toInt(), passes ? i : i - passCount);
        QVERIFY(!r.value("harf_notu").toString().isEmpty());
        if (i > 0)
            QVERIFY(r.value("sayisal_not").toDouble() < rows.at(i - 1).value("sayisal_not").toDouble());
        if (system == "Sayısal Not") {
            // Whole numbers, stored as their own text: the same under every decimal separator.
            const double v = r.value("sayisal_not").toDouble();
            QCOMPARE(v, std::floor(v));
            QCOMPARE(r.value("harf_notu").toString(), QString::number(qint64(v)));
        }
    }
    QCOMPARE(rows.at(passCount).value("harf_notu").toString(), firstFail);

    // Limits as a save computes them, in the order the formula needs.
    const double maxGN = scales.Field("Max_GN").toDouble();
    const double minGN = scales.Field("Min_GN").toDouble();
    const double maxKN = scales.Field("Max_KN").toDouble();
    const double minKN = scales.Field("Min_KN").toDouble();
    QCOMPARE(maxGN, rows.first().value("sayisal_not").toDouble());
    QCOMPARE(minGN, rows.at(passCount - 1).value("sayisal_not").toDouble());
    QCOMPARE(maxKN, rows.at(passCount).value("sayisal_not").toDouble());
    QCOMPARE(minKN, rows.last().value("sayisal_not").toDouble());
    QVERIFY(maxGN >= minGN && minGN > maxKN && maxKN >= minKN);

    const QString stored = scales.Field("olcek_adi").toString();
    QCOMPARE(stored, stored.trimmed());
    QVERIFY(stored.size() <= 40);
}

void TestShipped::homeScales() {
    DataView scales;
    scales.SetDatabaseName(db_->path());
    scales.SetRecordSource(queries::Q1());
    scales.Refresh();
    const QStringList levels{"Önlisans", "Lisans", "Yüksek Lisans", "Doktora"};
    const QStringList letters{"AA", "BA", "BB", "CB", "CC", "DC", "DD", "FD", "FF"};
    QCOMPARE(scales.RecordCount(), levels.size());
    for (int s = 0; s < levels.size(); ++s) {
        scales.SetCurrentRow(s);
        QCOMPARE(scales.Field("egitim_duzeyi").toString(), levels.at(s));
        const QString name = scales.Field("olcek_adi").toString();
        QVERIFY(!name.isEmpty() && name == name.trimmed() && name.size() <= 40);
        // "CC" as the highest fail grade.
        QCOMPARE(scales.Field("max_GN").toDouble(), 4.0);
        QCOMPARE(scales.Field("min_GN").toDouble(), 2.5);
        QCOMPARE(scales.Field("max_KN").toDouble(), 2.0);
        QCOMPARE(scales.Field("min_KN").toDouble(), 0.0);

        DataView grades;
        grades.SetDatabaseName(db_->path());
        grades.SetRecordSource(queries::Q2(scales.Field("id").toLongLong()));
        grades.Refresh();
        QCOMPARE(grades.RecordCount(), 9);
        for (int i = 0; i < 9; ++i) {
            const QSqlRecord& r = grades.Rows().at(i);
            const double value = 4.0 - 0.5 * i;
            QCOMPARE(r.value("harf_notu").toString(), letters.at(i));
            QCOMPARE(r.value("sayisal_not").toDouble(), value);
            QCOMPARE(r.value("durum").toString(), value <= 2.0 ? QString("KALIR") : QString("GEÇER"));
        }
    }
}

void TestShipped::schema() {
    // Letters compare without regard to letter case, in the query and in FindFirst alike.
    DataView grades;
    grades.SetDatabaseName(db_->path());
    const SqlText fx = queries::Q8(4, queries::C5("fx"));
    grades.SetRecordSource(fx.text, fx.values);
    grades.Refresh();
    QCOMPARE(grades.RecordCount(), 1);
    QCOMPARE(grades.Field("harf_notu").toString(), QString("FX"));

    // Ids keep growing after a delete: the store keeps a counter per table.
    if (!TestDatabase::onServer())
        QCOMPARE(db_->scalar("SELECT count(*) FROM sqlite_sequence").toInt(), 4);
    db_->exec("DELETE FROM diger_notlar WHERE id = (SELECT max(id) FROM diger_notlar);\n"
              "INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES (4, 'Z', "
              "-1, 'Kalır', 2);");
    QCOMPARE(db_->scalar("SELECT max(id) FROM diger_notlar").toInt(), 141);

    // Grade lookups by scale are indexed: an index leads with olcek_id.
    if (TestDatabase::onServer()) {
        for (const char* table : {"dornela_notlar", "diger_notlar"}) {
            const int indexes = db_->scalar(QString("SELECT count(*) FROM pg_indexes WHERE tablename = '%1' "
                                                    "AND indexdef LIKE '%(olcek_id%'")
                                                .arg(table))
                                    .toInt();
            QVERIFY2(indexes >= 1, table);
        }
        return;
    }
    for (const char* table : {"dornela_notlar", "diger_notlar"}) {
        const int indexes =
            db_->scalar(QString("SELECT count(*) FROM pragma_index_list('%1') l "
                                "JOIN pragma_index_info(l.name) i WHERE i.seqno = 0 AND i.name = 'olcek_id'")
                            .arg(table))
                .toInt();
        QVERIFY2(indexes >= 1, table);
    }
}

// The file stays an ordinary SQLite file: the standard sqlite3 tool reads
// every table (the program's own collation lives in its queries only).
void TestShipped::readableBySqliteTool() {
    if (TestDatabase::onServer())
        QSKIP("about the file itself: the sqlite3 tool reads the file");
    const QString tool = QStandardPaths::findExecutable("sqlite3");
    if (tool.isEmpty())
        QSKIP("the sqlite3 tool is not installed");
    for (const char* table : {"dornela_olcek", "dornela_notlar", "diger_olcek", "diger_notlar"}) {
        QProcess sqlite;
        sqlite.start(tool, {"-readonly", "-bail", db_->path(),
                            QString("SELECT * FROM %1; SELECT count(*) FROM %1;").arg(table)});
        QVERIFY(sqlite.waitForFinished(30000));
        QVERIFY2(sqlite.exitStatus() == QProcess::NormalExit && sqlite.exitCode() == 0,
                 sqlite.readAllStandardError().constData());
        const QStringList lines = QString::fromUtf8(sqlite.readAllStandardOutput()).trimmed().split('\n');
        const int count = db_->scalar(QString("SELECT count(*) FROM %1").arg(table)).toInt();
        QVERIFY(count > 0);
        QCOMPARE(lines.size(), count + 1); // every row, then the count
        QCOMPARE(lines.last().toInt(), count);
    }
}

QTEST_GUILESS_MAIN(TestShipped)
#include "tst_shipped.moc"
