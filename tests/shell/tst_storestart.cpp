// The store a run uses, as the shell starts: zendaro.ini read first (a file
// with a problem ends the program with its message), the start-up check on a
// server (missing tables: what to run), the password window asked once, the
// store every window is given, and the about window naming it.
#include "PrivateServer.h"
#include "RecordingMessages.h"
#include "ShellTestSupport.h"
#include "files/SchemaUpgrade.h"
#include "otherscale/LibraryWindow.h"
#include "shell/AboutWindow.h"
#include "shell/PasswordWindow.h"
#include "shell/Shell.h"
#include "shell/Startup.h"
#include "store/ServerLogin.h"
#include "store/ServerSchema.h"
#include "store/StoreAddress.h"
#include "store/StoreConnection.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace zendaro;
using zendaro::test::PrivateServer;

namespace {

QApplication& application() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

void writeIni(const QTemporaryDir& folder, const QString& text) {
    QFile ini(folder.filePath(QStringLiteral("zendaro.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(text.toUtf8());
}

QString serverIni(const PrivateServer& server, const QString& user) {
    return QStringLiteral("[Veritabani]\nTur=PostgreSQL\nSunucu=%1\nAd=zendaro_test\nKullanici=%2\n")
        .arg(server.host(), user);
}

const QString kPassword = QStringLiteral("ofis-Parola 7");

} // namespace

class StoreStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void iniWithAProblemEndsTheProgramWithItsMessage();
    void serverWithoutTablesSaysWhatToRun();
    void windowsAndAboutGetTheServer();
    void passwordAskedInItsWindowOncePerRun();
    void passwordWindowByKeyboard();
    void scaleLibraryBesideTheProgramOnAServer();

private:
    // The server as `zendaro --sunucu-kur` leaves it, open to both roles.
    void setUpTables() const;
    std::unique_ptr<PrivateServer> server_;
};

void StoreStartTest::setUpTables() const {
    {
        auto connection = StoreConnection::Acquire(server_->address());
        if (!ServerHasScaleTables(*connection))
            CreateScaleTables(*connection);
    }
    QVERIFY(UpgradeSchema(server_->address()).filesUsable());
    server_->superuser(QStringLiteral("GRANT ALL ON ALL TABLES IN SCHEMA public TO parolali;"
                                      "GRANT ALL ON ALL SEQUENCES IN SCHEMA public TO parolali"));
}

void StoreStartTest::initTestCase() {
    server_ = std::make_unique<PrivateServer>();
    // A role that logs in with a password only (the others are trusted).
    server_->addPasswordRole(QStringLiteral("parolali"), kPassword);
}

void StoreStartTest::init() {
    ForgetServerPasswords();
}

void StoreStartTest::iniWithAProblemEndsTheProgramWithItsMessage() {
    QTemporaryDir folder;
    writeIni(folder, QStringLiteral("[Veritabani]\nTur=MySQL\nAd=zendaro\n"));
    zendaro::test::RecordingMessages messages;
    int status = 0;
    {
        Shell shell(folder.path());
        status = RunZendaro(application(), shell);
        QVERIFY(!shell.mainMenu());
    }
    QVERIFY(status != 0);
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(!messages.messages.first().plain); // the program's own box
    QVERIFY2(messages.messages.first().text.contains(QStringLiteral("Tur=SQLite ya da Tur=PostgreSQL")),
             qPrintable(messages.messages.first().text));
    QCOMPARE(zendaro::test::visibleTopLevels(), QStringList());
}

void StoreStartTest::serverWithoutTablesSaysWhatToRun() {
    QTemporaryDir folder;
    writeIni(folder, serverIni(*server_, QStringLiteral("zendaro")));
    zendaro::test::RecordingMessages messages;
    Shell shell(folder.path());
    QVERIFY(shell.start());
    shell.checkSchema();
    QVERIFY(!shell.schema()->filesUsable());
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY2(messages.messages.first().text.contains(QStringLiteral("zendaro --sunucu-kur")),
             qPrintable(messages.messages.first().text));
    // Nothing was made on the server: the file tables did not go in without the scale tables.
    auto connection = StoreConnection::Acquire(shell.store());
    QCOMPARE(connection->schemaVersion(), 0);
    QVERIFY(!ServerHasScaleTables(*connection));
}

void StoreStartTest::windowsAndAboutGetTheServer() {
    setUpTables();
    QTemporaryDir folder;
    writeIni(folder, serverIni(*server_, QStringLiteral("zendaro")));
    zendaro::test::RecordingMessages messages;
    Shell shell(folder.path());
    QString given;
    shell.registerWindow(WorkingWindow::OneToOne, [&given](const WindowContext& context) {
        given = context.store;
        return new zendaro::test::StandInWindow(context.navigator, WorkingWindow::OneToOne);
    });
    QVERIFY(shell.start());
    shell.openWindow(WorkingWindow::OneToOne);
    QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    QVERIFY(shell.schema()->filesUsable());
    const StoreAddress address = StoreAddress::Parse(given);
    QCOMPARE(address.engine, StoreEngine::PostgreSQL);
    QCOMPARE(address.host, server_->host());
    QCOMPARE(address.database, QStringLiteral("zendaro_test"));

    QString shown;
    QVERIFY(zendaro::test::whileModal([&] { shell.showAbout(shell.workingWindow()); },
                                      [&](QWidget* modal) {
                                          auto* line =
                                              modal->findChild<QLabel*>(QStringLiteral("LBL_VERITABANI"));
                                          if (line && line->isVisible())
                                              shown = line->toolTip();
                                          modal->close();
                                      }));
    QCOMPARE(shown, QStringLiteral("Veritabanı: ") + address.description());
}

void StoreStartTest::passwordAskedInItsWindowOncePerRun() {
    QTemporaryDir folder;
    setUpTables();
    writeIni(folder, serverIni(*server_, QStringLiteral("parolali")));
    zendaro::test::RecordingMessages messages;
    Shell shell(folder.path());
    QVERIFY(shell.start());
    // The keys a user would press in the password window: a wrong password,
    // then the right one, each ended by Enter.
    QStringList typed{QStringLiteral("yanlis"), kPassword};
    QList<bool> saidWrong;
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QLatin1String("FRMPAROLA") || typed.isEmpty() ||
            QApplication::focusWidget() == nullptr ||
            QApplication::focusWidget()->objectName() != QLatin1String("TXT_PAROLA"))
            return;
        // The window is painted with its title band: blue at the top.
        const QImage painted = modal->grab().toImage();
        const QColor band = painted.pixelColor(painted.width() / 2, 12);
        QVERIFY2(band.blue() > 150 && band.red() < 120, qPrintable(band.name()));
        const auto* wrong = modal->findChild<QLabel*>(QStringLiteral("LBL_PAROLA_YANLIS"));
        saidWrong << (wrong && wrong->isVisible());
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QTest::keyClicks(box, typed.takeFirst());
        QTest::keyClick(box, Qt::Key_Return);
    });
    answer.start();
    shell.checkSchema();
    answer.stop();
    QVERIFY(typed.isEmpty());
    QCOMPARE(saidWrong, (QList<bool>{false, true}));
    QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    // Kept for the run: a later login (the check's connection is gone) asks nothing.
    int askedAgain = 0;
    SetServerPasswordPrompt([&askedAgain](const StoreAddress&, bool) -> std::optional<QString> {
        ++askedAgain;
        return std::nullopt;
    });
    StoreConnection::Acquire(shell.store())->exec(QStringLiteral("SELECT 1"));
    QCOMPARE(askedAgain, 0);
}

void StoreStartTest::passwordWindowByKeyboard() {
    zendaro::test::RecordingMessages messages;
    const StoreAddress server = StoreAddress::Parse(server_->address());
    std::optional<QString> given = QStringLiteral("not asked");
    // Enter on an empty box: a message, the window stays; Escape: no password.
    QVERIFY(zendaro::test::whileModal([&] { given = AskServerPassword(server, false, nullptr); },
                                      [&](QWidget* modal) {
                                          QCOMPARE(QApplication::focusWidget()->objectName(),
                                                   QStringLiteral("TXT_PAROLA"));
                                          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                          QVERIFY(modal->isVisible());
                                          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                                      }));
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("LÜTFEN PAROLANIZI GİRİNİZ...")});
    QVERIFY(!given.has_value());
    // Tab to "Tamam" and Space give what was typed.
    QVERIFY(zendaro::test::whileModal(
        [&] { given = AskServerPassword(server, true, nullptr); },
        [&](QWidget*) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc 1"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BTN_TAMAM"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }));
    QCOMPARE(given, std::optional<QString>(QStringLiteral("abc 1")));
}

void StoreStartTest::scaleLibraryBesideTheProgramOnAServer() {
    // A server address has no folder: the library is the one beside the program.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/KUTUPHANE.zolcek");
    QVERIFY(!QFile::exists(beside));
    QVERIFY(QFile::copy(QStringLiteral(ZENDARO_SOURCE_DIR "/data/library/KUTUPHANE.zolcek"), beside));
    zendaro::test::RecordingMessages messages;
    const auto scales = ReadScaleLibrary(server_->address(), nullptr);
    QFile::remove(beside);
    QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    QVERIFY(scales && !scales->isEmpty());
}

QTEST_MAIN(StoreStartTest)
#include "tst_storestart.moc"
