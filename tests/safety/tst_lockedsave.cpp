// Another program holds the database file while a save or a delete runs: the
// store waits a short while for it, then reports a clear Turkish message with
// the store's own text; the file and the views are as they were, and the
// next save, once the file is free, lands whole.
#include "StoreTestHelpers.h"
#include "TestDatabase.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"
#include "store/StoreError.h"

#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <sqlite3.h>

using namespace zendaro;
using namespace zendaro::test;

namespace {

const char* kFixture = R"sql(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
VALUES (1, 'Harfli', 'Harf Notu', 4, 3, 2, 0, 2, 2);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1,'AA',4,'Geçer',0),(1,'BB',3,'Geçer',1),(1,'CC',2,'Kalır',0),(1,'FF',0,'Kalır',1);
)sql";

// A second program on the same file, holding it in an open transaction.
class OtherProgram {
public:
    OtherProgram(const QString& path, const char* begin) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
        run(begin);
        run("SELECT count(*) FROM diger_notlar"); // a reader's lock is taken at its first read
    }
    ~OtherProgram() {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

private:
    void run(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            qFatal("%s: %s", sql, sqlite3_errmsg(db_));
    }
    sqlite3* db_ = nullptr;
};

// The other-scale editor's views, open on the scale before the file is held.
struct Editor {
    DataView scales;
    DataView grades;
    explicit Editor(const TestDatabase& db) {
        scales.SetDatabaseName(db.path());
        grades.SetDatabaseName(db.path());
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
        grades.SetRecordSource(queries::Q4(1));
        grades.Refresh();
    }
};

OtherScaleValues changedScale() {
    return {QStringLiteral("Değişen"), QStringLiteral("Harf Notu"), 4, 3, 2, 0, 2, 1};
}

QVector<OtherGradeValues> changedGrades() {
    return {{QStringLiteral("AA"), 4, QStringLiteral("Geçer"), 0},
            {QStringLiteral("BB"), 3, QStringLiteral("Geçer"), 1},
            {QStringLiteral("CC"), 2, QStringLiteral("Kalır"), 0}};
}

} // namespace

class TestLockedSave : public QObject {
    Q_OBJECT
private slots:
    void waitsThenReportsAndKeepsTheFile_data();
    void waitsThenReportsAndKeepsTheFile();
};

void TestLockedSave::waitsThenReportsAndKeepsTheFile_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("lock");
    for (const char* operation : {"save", "delete"}) {
        // A writer holds the file from the start; a reader lets the save run
        // but not land (the commit must wait for it).
        QTest::newRow(qPrintable(QStringLiteral("%1, a writer holds the file").arg(operation)))
            << operation << "BEGIN EXCLUSIVE";
        QTest::newRow(qPrintable(QStringLiteral("%1, a reader holds the file").arg(operation)))
            << operation << "BEGIN";
    }
}

void TestLockedSave::waitsThenReportsAndKeepsTheFile() {
    QFETCH(QString, operation);
    QFETCH(QString, lock);
    const TestDatabase db(kFixture);
    const QString before = dumpScales(db);
    Editor editor(db);
    const std::function<void()> write = [&] {
        if (operation == QStringLiteral("save"))
            SaveOtherScale(editor.scales, editor.grades, ReadShownScale(editor.scales), changedScale(),
                           changedGrades());
        else
            DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales));
    };
    {
        const OtherProgram other(db.path(), lock.toUtf8().constData());
        QElapsedTimer waited;
        waited.start();
        try {
            write();
            QFAIL("the write did not fail while another program held the file");
        } catch (const StoreError& error) {
            QVERIFY2(waited.elapsed() >= 1500, "the store gave up without waiting for the other program");
            QVERIFY2(error.text().startsWith(
                         QStringLiteral("Veritabanı dosyası başka bir program tarafından kullanılıyor")),
                     qPrintable(error.text()));
            QVERIFY2(error.text().contains(QStringLiteral("database is locked")), qPrintable(error.text()));
        }
        // The views show the scale as it was.
        QCOMPARE(editor.scales.RecordCount(), 1);
        QCOMPARE(editor.scales.Field("olcek_adi").toString(), QString("Harfli"));
        QCOMPARE(editor.grades.RecordCount(), 4);
        QVERIFY(!editor.scales.IsPending() && !editor.grades.IsPending());
    }
    QCOMPARE(dumpScales(db), before);

    // Once the file is free the same write lands whole.
    write();
    if (operation == QStringLiteral("save")) {
        QCOMPARE(db.scalar("SELECT olcek_adi FROM diger_olcek").toString(), QString("Değişen"));
        QCOMPARE(db.scalar("SELECT group_concat(harf_notu) FROM diger_notlar").toString(),
                 QString("AA,BB,CC"));
    } else {
        QCOMPARE(db.scalar("SELECT count(*) FROM diger_olcek").toInt(), 0);
        QCOMPARE(db.scalar("SELECT count(*) FROM diger_notlar").toInt(), 0);
    }
}

QTEST_GUILESS_MAIN(TestLockedSave)
#include "tst_lockedsave.moc"
