// The real program as a process on a virtual X screen: what the user sees at
// start-up and how the run ends. Needs Xvfb and xdotool (scripts/ensure-deps test).
#include "XScreen.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace {

const QString Program = QStringLiteral(ZENDARO_APP_DIR "/zendaro");

void startProgram(QProcess& program, const zendaro::test::XScreen& screen, const QString& lcAll) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), screen.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), lcAll);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(Program, {});
}

} // namespace

class ProcessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void unreadableSettingsShowTheMessageThenExitNonZero();
    void exitButtonEndsTheRunWithStatusZero();
};

void ProcessTest::initTestCase() {
    QVERIFY2(QFileInfo(Program).isExecutable(), qPrintable(Program));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty(), "Xvfb is missing");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(), "xdotool is missing");
}

void ProcessTest::unreadableSettingsShowTheMessageThenExitNonZero() {
    zendaro::test::XScreen screen;
    QVERIFY(screen.ready());
    QProcess program;
    startProgram(program, screen, QStringLiteral("xx_XX.UTF-8"));
    QVERIFY(program.waitForStarted());

    // One window: the message box, not the 827 x 619 main menu. The program
    // waits for the user and does not end by itself.
    const QStringList windows = screen.waitForWindows(QStringLiteral("^ZENDARO$"), 1);
    QCOMPARE(windows.size(), 1);
    QVERIFY(screen.geometry(windows.first()).size() != QSize(827, 619));
    QVERIFY(!program.waitForFinished(500));

    // The user answers the box with Enter; the program ends, not successfully.
    screen.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windows.first()});
    screen.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(program.exitCode() != 0);
}

void ProcessTest::exitButtonEndsTheRunWithStatusZero() {
    zendaro::test::XScreen screen;
    QVERIFY(screen.ready());
    QProcess program;
    startProgram(program, screen, QStringLiteral("C.UTF-8"));
    QVERIFY(program.waitForStarted());

    const QStringList windows = screen.waitForWindows(QStringLiteral("^ZENDARO$"), 1);
    QCOMPARE(windows.size(), 1);
    QCOMPARE(screen.geometry(windows.first()).size(), QSize(827, 619));
    QVERIFY(!program.waitForFinished(300));

    // The exit button: bottom right of the menu's lowest group.
    screen.xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), windows.first(),
                    QStringLiteral("739"), QStringLiteral("520")});
    QThread::msleep(100);
    screen.xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(ProcessTest)
#include "tst_process.moc"
