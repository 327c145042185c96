// A PostgreSQL server stopped at once (pg_ctl stop -m immediate, as a power
// cut would stop it) while a clerk saves a 10,001-grade scale over a small
// one: after the server starts again it holds either the old scale or the new
// one, whole, never a mix. The save is one transaction; the server's own
// recovery undoes what was not committed. Runs on a server of its own.
#include "FixtureSql.h"
#include "PrivateServer.h"
#include "TestDatabase.h"
#include "files/SchemaUpgrade.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"
#include "store/ServerSchema.h"
#include "store/StoreAddress.h"
#include "store/StoreConnection.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QThread>
#include <atomic>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// The scale every save writes over: "Eski", 10 down to 0.
const OtherScaleValues kOldScale{QStringLiteral("Eski"), QStringLiteral("Sayısal Not"), 10, 5, 4, 0, 6, 5};

QVector<OtherGradeValues> oldGrades() {
    QVector<OtherGradeValues> list;
    for (int value = 10; value >= 0; --value)
        list.append({QString::number(value), double(value),
                     value >= 5 ? QStringLiteral("Geçer") : QStringLiteral("Kalır"),
                     value >= 5 ? 10 - value : 4 - value});
    return list;
}

// A scale and its grades without their ids, as one text.
QString content(const QString& address, qint64 id) {
    DataView scales;
    DataView grades;
    scales.SetDatabaseName(address);
    grades.SetDatabaseName(address);
    scales.SetRecordSource(queries::Q3());
    scales.Refresh();
    if (!scales.FindFirst(queries::C1(id)))
        return QStringLiteral("no scale");
    QStringList out;
    for (const char* field : {"olcek_adi", "not_sistemi", "Max_GN", "Min_GN", "Max_KN", "Min_KN",
                              "Gecer_Not_Sayisi", "Kalir_Not_Sayisi"})
        out << scales.Field(QString::fromLatin1(field)).toString();
    grades.SetRecordSource(queries::Q4(id));
    grades.Refresh();
    for (const QSqlRecord& grade : grades.Rows())
        out << grade.value(QStringLiteral("harf_notu")).toString() +
                   grade.value(QStringLiteral("sayisal_not")).toString() +
                   grade.value(QStringLiteral("durum")).toString() +
                   grade.value(QStringLiteral("adim_no")).toString();
    return out.join(QLatin1Char('|'));
}

} // namespace

class TestServerCrash : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void crashWhileTheSaveWaitsForItsGrades();
    void crashAtSomePointOfTheSave_data();
    void crashAtSomePointOfTheSave();
    void cleanupTestCase();

private:
    // A new scale as it was before every save; returns its id.
    qint64 addOldScale();
    // Saves the big scale over scale `id` while `crasher` stops the server;
    // then starts the server again. Returns whether the save reported success.
    // `ready` (when given) is released by the crasher when the save may begin.
    bool saveWhile(qint64 id, QThread* crasher, QSemaphore* ready = nullptr);
    // "old", "new" or what else the scale is after the restart.
    QString outcome(qint64 id);

    std::unique_ptr<PrivateServer> server_;
    OtherScaleValues bigScale_;
    QVector<OtherGradeValues> bigGrades_;
    QString oldContent_;
    QString newContent_;
    qint64 untouchedId_ = 0;
    QString untouched_;
    qint64 saveMs_ = 0; // an undisturbed save
};

void TestServerCrash::initTestCase() {
    server_ = std::make_unique<PrivateServer>();
    {
        auto connection = StoreConnection::Acquire(server_->address());
        CreateScaleTables(*connection);
    }
    QCOMPARE(UpgradeSchema(server_->address()).kind, SchemaState::Kind::Upgraded);

    // The big scale as the shared fixture makes it.
    {
        const TestDatabase fixture(TenThousandOneGradesSql(1));
        DataView scales;
        DataView grades;
        scales.SetDatabaseName(fixture.path());
        grades.SetDatabaseName(fixture.path());
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
        bigScale_ = {scales.Field("olcek_adi").toString(),     scales.Field("not_sistemi").toString(),
                     scales.Field("Max_GN").toDouble(),        scales.Field("Min_GN").toDouble(),
                     scales.Field("Max_KN").toDouble(),        scales.Field("Min_KN").toDouble(),
                     scales.Field("Gecer_Not_Sayisi").toInt(), scales.Field("Kalir_Not_Sayisi").toInt()};
        grades.SetRecordSource(queries::Q4(1));
        grades.Refresh();
        for (const QSqlRecord& grade : grades.Rows())
            bigGrades_.append({grade.value("harf_notu").toString(), grade.value("sayisal_not").toDouble(),
                               grade.value("durum").toString(), grade.value("adim_no").toInt()});
    }
    QCOMPARE(bigGrades_.size(), 10001);

    untouchedId_ = addOldScale();
    untouched_ = content(server_->address(), untouchedId_);
    oldContent_ = untouched_;
    // An undisturbed save: what "new" looks like, and how long a save takes here.
    const qint64 id = addOldScale();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(saveWhile(id, nullptr));
    saveMs_ = clock.elapsed();
    newContent_ = content(server_->address(), id);
    QVERIFY(newContent_.startsWith(
        QStringLiteral("Onbinbir|Sayısal Not|100|50|49.99|0|5001|5000|100100Geçer0|")));
    QCOMPARE(newContent_.count('|'), 8 + 10001 - 1);
}

void TestServerCrash::cleanupTestCase() {
    server_.reset();
}

qint64 TestServerCrash::addOldScale() {
    DataView scales;
    DataView grades;
    scales.SetDatabaseName(server_->address());
    grades.SetDatabaseName(server_->address());
    scales.SetRecordSource(queries::Q3());
    scales.Refresh();
    return SaveOtherScale(scales, grades, std::nullopt, kOldScale, oldGrades());
}

bool TestServerCrash::saveWhile(qint64 id, QThread* crasher, QSemaphore* ready) {
    bool saved = false;
    {
        DataView scales;
        DataView grades;
        scales.SetDatabaseName(server_->address());
        grades.SetDatabaseName(server_->address());
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
        if (!scales.FindFirst(queries::C1(id)))
            return false;
        grades.SetRecordSource(queries::Q4(id));
        grades.Refresh();
        const ShownScale shown = ReadShownScale(scales);
        if (crasher)
            crasher->start();
        if (ready)
            ready->acquire();
        try {
            SaveOtherScale(scales, grades, shown, bigScale_, bigGrades_);
            saved = true;
        } catch (const StoreError&) {
            // The server went away: reported, nothing more.
        }
    } // the views let go of the broken connection
    if (crasher) {
        crasher->wait();
        server_->restart();
    }
    return saved;
}

QString TestServerCrash::outcome(qint64 id) {
    if (content(server_->address(), untouchedId_) != untouched_)
        return QStringLiteral("the scale that was not saved changed");
    const QString now = content(server_->address(), id);
    if (now == oldContent_)
        return QStringLiteral("old");
    if (now == newContent_)
        return QStringLiteral("new");
    return QStringLiteral("a mix (%1 grades)").arg(now.count('|') - 7);
}

// A second connection holds the grades' table; the save, its scale row
// already written, waits for it; the server stops then.
void TestServerCrash::crashWhileTheSaveWaitsForItsGrades() {
    const qint64 id = addOldScale();
    QSemaphore locked;
    std::atomic<bool> saveWaited = false;
    const QString host = server_->host();
    PrivateServer* server = server_.get();
    std::unique_ptr<QThread> crasher(QThread::create([&] {
        const QString name = QStringLiteral("zendaro_lock_holder");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(host);
            db.setDatabaseName(QStringLiteral("zendaro_test"));
            db.setUserName(QStringLiteral("zendaro"));
            const bool opened = db.open();
            QSqlQuery query(db);
            const bool holding = opened && query.exec(QStringLiteral("BEGIN")) &&
                                 query.exec(QStringLiteral("LOCK TABLE diger_notlar IN SHARE MODE"));
            locked.release();
            QElapsedTimer clock;
            clock.start();
            while (holding && !saveWaited && clock.elapsed() < 60000) {
                saveWaited =
                    query.exec(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE "
                                              "application_name = 'ZENDARO' AND wait_event_type = 'Lock'")) &&
                    query.next() && query.value(0).toInt() > 0;
                QThread::msleep(20);
            }
            try {
                server->crash();
            } catch (const std::runtime_error&) {
            }
        }
        QSqlDatabase::removeDatabase(name);
    }));
    // The crasher holds the table before the save begins.
    const bool saved = saveWhile(id, crasher.get(), &locked);
    QVERIFY2(saveWaited, "the save never waited for the held table");
    QVERIFY(!saved);
    QCOMPARE(outcome(id), QStringLiteral("old"));
}

void TestServerCrash::crashAtSomePointOfTheSave_data() {
    QTest::addColumn<int>("percent");
    for (int percent : {0, 25, 50, 75, 100})
        QTest::addRow("%d %% into an undisturbed save's time", percent) << percent;
}

// Wherever the stop lands, the scale is one of the two, whole; a save that
// reported success left the new one.
void TestServerCrash::crashAtSomePointOfTheSave() {
    QFETCH(int, percent);
    const qint64 id = addOldScale();
    PrivateServer* server = server_.get();
    const unsigned long delay = static_cast<unsigned long>(saveMs_ * percent / 100);
    std::unique_ptr<QThread> crasher(QThread::create([server, delay] {
        QThread::msleep(delay);
        try {
            server->crash();
        } catch (const std::runtime_error&) {
        }
    }));
    const bool saved = saveWhile(id, crasher.get());
    const QString after = outcome(id);
    QVERIFY2(after == QStringLiteral("old") || after == QStringLiteral("new"), qPrintable(after));
    if (saved)
        QCOMPARE(after, QStringLiteral("new"));
}

QTEST_GUILESS_MAIN(TestServerCrash)
#include "tst_servercrash.moc"
