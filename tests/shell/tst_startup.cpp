// Start-up: the regional-settings check and what follows from it.
#include "LocaleNames.h"
#include "RecordingMessages.h"
#include "ShellTestSupport.h"
#include "shell/Shell.h"
#include "shell/Startup.h"
#include "ui/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTest>

using namespace zendaro;

namespace {

const QString FailureText = QStringLiteral("BİLGİSAYARINIZIN YEREL AYARLARI OKUNURKEN HATA OLUŞTU... \r\n\r\n"
                                           "LÜTFEN YAZILIM ÜRETİCİSİ İLE GÖRÜŞÜNÜZ...");

QApplication& application() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Sets the locale variables for one test and puts them back afterwards.
class LocaleEnvironment {
public:
    LocaleEnvironment(const QByteArray& lcAll, const QByteArray& lang)
        : lcAll_(qgetenv("LC_ALL")), lang_(qgetenv("LANG")), hadLcAll_(qEnvironmentVariableIsSet("LC_ALL")) {
        set("LC_ALL", lcAll);
        set("LANG", lang);
    }
    ~LocaleEnvironment() {
        set("LC_ALL", hadLcAll_ ? lcAll_ : QByteArray());
        set("LANG", lang_);
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

private:
    static void set(const char* name, const QByteArray& value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QByteArray lcAll_;
    QByteArray lang_;
    bool hadLcAll_;
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void unreadableSettingsEndTheProgramWithoutAWindow_data();
    void unreadableSettingsEndTheProgramWithoutAWindow();
    void readableSettingsShowTheMenuSilently_data();
    void readableSettingsShowTheMenuSilently();
    void startUpRunsOnce();
    void applicationCarriesItsNameAndIcon();
    void qtDialogsSpeakTurkish_data();
    void qtDialogsSpeakTurkish();
};

void StartupTest::unreadableSettingsEndTheProgramWithoutAWindow_data() {
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lang");
    QTest::newRow("LC_ALL names no locale") << QByteArray("xx_XX.UTF-8") << QByteArray("C.UTF-8");
    QTest::newRow("LANG names no locale") << QByteArray() << QByteArray("xx_XX.UTF-8");
}

void StartupTest::unreadableSettingsEndTheProgramWithoutAWindow() {
#ifdef Q_OS_WIN
    QSKIP("Windows gives its regional settings from the user's own, never from LC_ALL or LANG");
#endif
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lang);
    zendaro::test::RecordingMessages messages;
    int status = 0;
    {
        LocaleEnvironment environment(lcAll, lang);
        Shell shell(QStringLiteral(ZENDARO_APP_DIR));
        // The event loop never starts: RunZendaro returns straight after the message.
        status = RunZendaro(application(), shell);
        QVERIFY(!shell.mainMenu());
    }
    QVERIFY(status != 0);
    QCOMPARE(messages.messages.size(), 1);
    const auto& message = messages.messages.first();
    QVERIFY(message.plain); // the standard box, not the program's own
    QCOMPARE(message.text, FailureText);
    QVERIFY(!message.owner);
    QCOMPARE(zendaro::test::visibleTopLevels(), QStringList());
}

void StartupTest::readableSettingsShowTheMenuSilently_data() {
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8") << ".";
    QTest::newRow("POSIX") << QByteArray("POSIX") << ".";
    // Qt's locale data stands in for a locale the C library lacks.
    const QByteArray turkish = zendaro::test::turkishLocaleTheCLibraryLacks();
    if (!turkish.isEmpty())
        QTest::newRow("a Turkish locale the C library lacks") << turkish << ",";
}

void StartupTest::readableSettingsShowTheMenuSilently() {
    QFETCH(QByteArray, lcAll);
    QFETCH(QString, decimal);
    zendaro::test::RecordingMessages messages;
    LocaleEnvironment environment(lcAll, QByteArray("C.UTF-8"));
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    QVERIFY(shell.start());
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(shell.mainMenu());
    QVERIFY(shell.mainMenu()->isVisible());
    QCOMPARE(shell.regional().decimalSeparator, decimal);
    QCOMPARE(zendaro::test::visibleTopLevels(), QStringList{QStringLiteral("FRMMAIN")});
}

void StartupTest::startUpRunsOnce() {
    zendaro::test::RecordingMessages messages;
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    {
        LocaleEnvironment environment("C.UTF-8", "C.UTF-8");
        QVERIFY(shell.start());
    }
    MainMenu* menu = shell.mainMenu();
    LocaleEnvironment broken("xx_XX.UTF-8", "xx_XX.UTF-8");
    QVERIFY(shell.start());
    QCOMPARE(shell.mainMenu(), menu);
    QVERIFY(messages.messages.isEmpty());
}

void StartupTest::applicationCarriesItsNameAndIcon() {
    ConfigureApplication(application());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("ZENDARO"));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!QApplication::windowIcon().pixmap(64, 64).isNull());
    // Hiding the menu for a working window must not end the program.
    QVERIFY(!QApplication::quitOnLastWindowClosed());
}

void StartupTest::qtDialogsSpeakTurkish_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("turkish");
    QTest::addColumn<QStringList>("english");
    QTest::newRow("plain box") << QStringLiteral("plain") << QStringList{QStringLiteral("Tamam")}
                               << QStringList{QStringLiteral("OK")};
    QTest::newRow("report's save dialog")
        << QStringLiteral("save")
        << QStringList{QStringLiteral("Kaydet"), QStringLiteral("İptal"), QStringLiteral("Arama konumu:"),
                       QStringLiteral("Dosya adı:")}
        << QStringList{QStringLiteral("Save"), QStringLiteral("Cancel"), QStringLiteral("Look in:"),
                       QStringLiteral("File name:")};
}

void StartupTest::qtDialogsSpeakTurkish() {
    QFETCH(QString, dialog);
    QFETCH(QStringList, turkish);
    QFETCH(QStringList, english);
    ConfigureApplication(application());

    // The texts the dialog shows on its buttons and labels, without the
    // shortcut marks.
    QStringList shown;
    auto read = [&](QWidget* modal) {
        for (const auto* button : modal->findChildren<QAbstractButton*>())
            if (button->isVisible())
                shown << button->text().remove(QLatin1Char('&'));
        for (const auto* label : modal->findChildren<QLabel*>())
            if (label->isVisible())
                shown << label->text().remove(QLatin1Char('&'));
        modal->close();
    };
    if (dialog == QLatin1String("plain")) {
        QVERIFY(zendaro::test::whileModal([] { ShowPlainMessage(QStringLiteral("ileti"), nullptr); }, read));
    } else {
        QFileDialog files(nullptr, QStringLiteral("Raporu Kaydet"), QString(),
                          QStringLiteral("PDF belgesi (*.pdf)"));
        files.setAcceptMode(QFileDialog::AcceptSave);
        files.setOption(QFileDialog::DontUseNativeDialog);
        QVERIFY(zendaro::test::whileModal([&] { files.exec(); }, read));
    }
    for (const QString& text : turkish)
        QVERIFY2(shown.contains(text), qPrintable(text + QStringLiteral(" not in: ") + shown.join(u" | ")));
    for (const QString& text : english)
        QVERIFY2(!shown.contains(text), qPrintable(text + QStringLiteral(" is shown")));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
