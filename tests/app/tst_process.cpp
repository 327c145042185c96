// The real program as a process on a virtual X screen: what the user sees at
// start-up and how the run ends. Needs Xvfb and xdotool (scripts/ensure-deps test).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace {

const QString Program = QStringLiteral(ZENDARO_APP_DIR "/zendaro");

// A virtual X screen for the duration of one test.
class VirtualScreen {
public:
    VirtualScreen() {
        int n = 140;
        while (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            ++n;
        display_ = QStringLiteral(":%1").arg(n);
        server_.setProgram(QStringLiteral("Xvfb"));
        server_.setArguments({display_, QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                              QStringLiteral("tcp")});
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start();
        server_.waitForStarted(5000);
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
        for (int i = 0; i < 100 && !QFileInfo::exists(socket); ++i)
            QThread::msleep(50);
        ready_ = server_.state() == QProcess::Running && QFileInfo::exists(socket);
    }
    ~VirtualScreen() {
        server_.terminate();
        server_.waitForFinished(3000);
    }
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    bool ready() const { return ready_; }
    const QString& display() const { return display_; }

    // Runs xdotool on this screen; its standard output, trimmed.
    QString xdotool(const QStringList& arguments, int* status = nullptr) const {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_);
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(5000);
        if (status)
            *status = tool.exitCode();
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }

    // The visible windows titled exactly "ZENDARO", once at least one shows.
    QStringList zendaroWindows() const {
        for (int i = 0; i < 200; ++i) {
            const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--name"), QStringLiteral("^ZENDARO$")});
            if (!found.isEmpty()) {
                QThread::msleep(300); // let any second window appear too
                return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"), QStringLiteral("^ZENDARO$")})
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            }
            QThread::msleep(50);
        }
        return {};
    }

    QSize windowSize(const QString& window) const {
        const QString shell =
            xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        int w = 0, h = 0;
        for (const QString& line : shell.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("WIDTH=")))
                w = line.mid(6).toInt();
            else if (line.startsWith(QLatin1String("HEIGHT=")))
                h = line.mid(7).toInt();
        }
        return {w, h};
    }

private:
    QProcess server_;
    QString display_;
    bool ready_ = false;
};

void startProgram(QProcess& program, const VirtualScreen& screen, const QString& lcAll) {
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
    VirtualScreen screen;
    QVERIFY(screen.ready());
    QProcess program;
    startProgram(program, screen, QStringLiteral("xx_XX.UTF-8"));
    QVERIFY(program.waitForStarted());

    // One window: the message box, not the 827 x 619 main menu. The program
    // waits for the user and does not end by itself.
    const QStringList windows = screen.zendaroWindows();
    QCOMPARE(windows.size(), 1);
    QVERIFY(screen.windowSize(windows.first()) != QSize(827, 619));
    QVERIFY(!program.waitForFinished(500));

    // The user answers the box with Enter; the program ends, not successfully.
    screen.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windows.first()});
    screen.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(program.exitCode() != 0);
}

void ProcessTest::exitButtonEndsTheRunWithStatusZero() {
    VirtualScreen screen;
    QVERIFY(screen.ready());
    QProcess program;
    startProgram(program, screen, QStringLiteral("C.UTF-8"));
    QVERIFY(program.waitForStarted());

    const QStringList windows = screen.zendaroWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(screen.windowSize(windows.first()), QSize(827, 619));
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
