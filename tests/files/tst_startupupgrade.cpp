// The upgrade of donustur.evk at start-up: the main menu comes first, the
// upgrade follows at once, its message (if any) is shown over the menu, and
// every working window is told what it came to.
#include "RecordingMessages.h"
#include "TestDatabase.h"
#include "files/SchemaUpgrade.h"
#include "shell/Shell.h"
#include "ui/MessageService.h"

#include <QFile>
#include <QTest>

using namespace zendaro;
using zendaro::test::TestDatabase;

class StartupUpgradeTest : public QObject {
    Q_OBJECT

private slots:
    void upgradeFollowsTheMenu_data();
    void upgradeFollowsTheMenu();
    void windowOpenedFirstWaitsForTheUpgrade();
};

void StartupUpgradeTest::upgradeFollowsTheMenu_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<SchemaState::Kind>("kind");
    QTest::addColumn<int>("icon"); // -1: no message
    QTest::newRow("shipped file") << "shipped" << SchemaState::Kind::Upgraded << -1;
    QTest::newRow("file of a newer ZENDARO") << "newer" << SchemaState::Kind::Newer << IconInfo;
    QTest::newRow("not a database") << "damaged" << SchemaState::Kind::Failed << IconStop;
}

void StartupUpgradeTest::upgradeFollowsTheMenu() {
    QFETCH(QString, file);
    QFETCH(SchemaState::Kind, kind);
    QFETCH(int, icon);
    const TestDatabase db = TestDatabase::copyOfShipped();
    if (file == QLatin1String("newer")) {
        db.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1));
    } else if (file == QLatin1String("damaged")) {
        QFile damaged(db.path());
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("not a database");
    }
    zendaro::test::RecordingMessages messages;
    Shell shell(db.folder());
    QVERIFY(shell.start());
    // The menu is up and has not waited for the file.
    QVERIFY(shell.mainMenu()->isVisible());
    QVERIFY(!shell.schema());
    if (file == QLatin1String("shipped"))
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA user_version")).toInt(), 0);

    QTRY_VERIFY(shell.schema());
    QCOMPARE(shell.schema()->kind, kind);
    if (icon < 0) {
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA user_version")).toInt(), kSchemaVersion);
    } else {
        QCOMPARE(messages.messages.size(), 1);
        const auto& message = messages.messages.first();
        QVERIFY(!message.plain);
        QCOMPARE(message.text, shell.schema()->message);
        QCOMPARE(message.style, StyleOk);
        QCOMPARE(message.icon, icon);
        QCOMPARE(message.owner.data(), shell.mainMenu());
    }

    // A working window reads the same state from its context.
    const SchemaState* seen = nullptr;
    shell.registerWindow(WorkingWindow::Batch, [&](const WindowContext& context) {
        seen = context.schema;
        return new QWidget;
    });
    shell.openWindow(WorkingWindow::Batch);
    QCOMPARE(seen, shell.schema());
    QCOMPARE(messages.messages.size(), icon < 0 ? 0 : 1); // told once
}

void StartupUpgradeTest::windowOpenedFirstWaitsForTheUpgrade() {
    const TestDatabase db = TestDatabase::copyOfShipped();
    zendaro::test::RecordingMessages messages;
    Shell shell(db.folder());
    QVERIFY(shell.start());
    SchemaState seen;
    shell.registerWindow(WorkingWindow::OneToOne, [&](const WindowContext& context) {
        if (context.schema)
            seen = *context.schema;
        return new QWidget;
    });
    shell.openWindow(WorkingWindow::OneToOne); // before the queued upgrade ran
    QCOMPARE(seen.kind, SchemaState::Kind::Upgraded);
    QCoreApplication::processEvents();
    QCOMPARE(shell.schema()->kind, SchemaState::Kind::Upgraded); // not run a second time
    QVERIFY(messages.messages.isEmpty());
}

QTEST_MAIN(StartupUpgradeTest)
#include "tst_startupupgrade.moc"
