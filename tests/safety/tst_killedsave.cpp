// A save of a large other scale killed part-way (SIGKILL, as a power cut or a
// crash would stop it) leaves a sound file holding either the old scale or the
// new one, never a mix. The old system wrote without a transaction and could
// leave a scale half-written; each save is now one transaction.
#include "OtherScaleChecks.h"
#include "SaveScaleChild.h"
#include "TestDatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// Scale 1, untouched by every save; scale 2 (5,001 grades, 50000 down to 0 in
// steps of 10) is the one the child saves the big scale over.
const char* kFixture = R"sql(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi, Kalir_Not_Sayisi)
VALUES (1, 'Harfli', 'Harf Notu', 4, 2, 1.5, 0, 5, 4),
       (2, 'Eski Ölçek', 'Sayısal Not', 50000, 25000, 24990, 0, 2501, 2500);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1,'AA',4,'Geçer',0),(1,'BA',3.5,'Geçer',1),(1,'BB',3,'Geçer',2),(1,'CB',2.5,'Geçer',3),(1,'CC',2,'Geçer',4),
  (1,'DC',1.5,'Kalır',0),(1,'DD',1,'Kalır',1),(1,'FD',0.5,'Kalır',2),(1,'FF',0,'Kalır',3);
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 5000)
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no)
SELECT 2, CAST(50000 - 10 * i AS TEXT), 50000 - 10 * i, CASE WHEN i <= 2500 THEN 'Geçer' ELSE 'Kalır' END,
       CASE WHEN i <= 2500 THEN i ELSE i - 2501 END FROM n ORDER BY i;
)sql";

const QString kChild = QStringLiteral(ZENDARO_SAFETY_CHILD);

// Starts the child on the file; it pauses at `pause` ("none": runs through).
void startChild(QProcess& child, const QString& path, const QString& pause) {
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(kChild, {path, QStringLiteral("2"), pause});
}

// Reads the child's lines until `moment`; false when the child ended first.
bool waitForLine(QProcess& child, const QByteArray& moment) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        while (child.canReadLine()) {
            if (child.readLine().trimmed() == moment)
                return true;
        }
        if (child.state() == QProcess::NotRunning)
            return false;
        child.waitForReadyRead(100);
    }
    return false;
}

void kill(QProcess& child) {
    child.kill(); // SIGKILL
    QVERIFY(child.waitForFinished(10000));
}

} // namespace

class TestKilledSave : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedAtAKnownMoment_data();
    void killedAtAKnownMoment();
    void killedAfterADelay_data();
    void killedAfterADelay();

private:
    // The file after the kill: sound, the untouched scale as it was, the
    // saved scale wholly old or wholly new, and every scale within the guarantees.
    QString checkAfterKill(const TestDatabase& db);

    QString untouched_;
    QString oldScale_;
    QString newScale_;
};

void TestKilledSave::initTestCase() {
    QVERIFY2(QFile::exists(kChild), qPrintable(kChild));
    const TestDatabase db(kFixture);
    QVERIFY2(otherScaleViolations(db.path()).isEmpty(),
             qPrintable(otherScaleViolations(db.path()).join('\n')));
    untouched_ = otherScaleContent(db.path(), 1);
    oldScale_ = otherScaleContent(db.path(), 2);

    // A save that is not disturbed stores the whole new scale.
    QProcess child;
    startChild(child, db.path(), QStringLiteral("none"));
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAllStandardError());
    newScale_ = otherScaleContent(db.path(), 2);
    QCOMPARE(newScale_.count('|'), 10001);
    QVERIFY(newScale_.startsWith("'Büyük Ölçek','Sayısal Not',10000.0,5000.0,4999.0,0.0,5001,5000|'10000',"));
    QVERIFY(newScale_.endsWith("|'0',0.0,'Kalır',4999"));
    QCOMPARE(otherScaleContent(db.path(), 1), untouched_);
    QCOMPARE(otherScaleViolations(db.path()), QStringList());
    QCOMPARE(db.scalar("SELECT count(*) FROM diger_notlar").toInt(), 9 + 10001);
}

QString TestKilledSave::checkAfterKill(const TestDatabase& db) {
    const QString integrity = integrityCheck(db.path());
    if (integrity != QStringLiteral("ok"))
        return QStringLiteral("integrity check: ") + integrity;
    if (otherScaleContent(db.path(), 1) != untouched_)
        return QStringLiteral("the scale that was not saved changed");
    const QStringList violations = otherScaleViolations(db.path());
    if (!violations.isEmpty())
        return violations.join('\n');
    const QString saved = otherScaleContent(db.path(), 2);
    if (saved == oldScale_)
        return QStringLiteral("old");
    if (saved == newScale_)
        return QStringLiteral("new");
    return QStringLiteral("a mix of the old and the new scale (%1 grade rows)").arg(saved.count('|'));
}

void TestKilledSave::killedAtAKnownMoment_data() {
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("before the save") << "start"
                                     << "old";
    QTest::newRow("half the old grades deleted") << "deleting"
                                                 << "old";
    QTest::newRow("half the new grades added") << "adding"
                                               << "old";
    QTest::newRow("inside the commit") << "committing"
                                       << "old";
    QTest::newRow("after the save") << "saved"
                                    << "new";
}

void TestKilledSave::killedAtAKnownMoment() {
    QFETCH(QString, moment);
    QFETCH(QString, expected);
    const TestDatabase db(kFixture);
    QProcess child;
    startChild(child, db.path(), moment);
    QVERIFY2(waitForLine(child, moment.toUtf8()), child.readAllStandardError());
    kill(child);
    QCOMPARE(checkAfterKill(db), expected);
}

void TestKilledSave::killedAfterADelay_data() {
    QTest::addColumn<int>("delayMs");
    for (int delay : {0, 5, 20, 50, 100, 200})
        QTest::newRow(qPrintable(QStringLiteral("%1 ms into the save").arg(delay))) << delay;
}

// Wherever the kill lands, the outcome is one of the two whole scales.
void TestKilledSave::killedAfterADelay() {
    QFETCH(int, delayMs);
    const TestDatabase db(kFixture);
    QProcess child;
    startChild(child, db.path(), QStringLiteral("none"));
    QVERIFY2(waitForLine(child, "start"), child.readAllStandardError());
    QThread::msleep(static_cast<unsigned long>(delayMs));
    kill(child);
    const QString outcome = checkAfterKill(db);
    QVERIFY2(outcome == QStringLiteral("old") || outcome == QStringLiteral("new"), qPrintable(outcome));
}

QTEST_GUILESS_MAIN(TestKilledSave)
#include "tst_killedsave.moc"
