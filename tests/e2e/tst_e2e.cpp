// One whole run of the real program, as a user would make it, on its own
// virtual X screen: every working window from the main menu and back with
// "ANA MENÜ", help (from the menu and from a working window) and about, one
// conversion (85 on the 100-point scale is BA on the bachelor's scale, read
// from the screen), then the exit button. The run uses a copy of the
// application folder, so the shipped database is never touched. Needs Xvfb,
// xdotool and ImageMagick (scripts/ensure-deps test).
//
// With ZENDARO_E2E_WINDOWS_APP naming the Windows application folder (the
// one with zendaro.exe), the same run is made by the Windows edition under
// Wine (packaging/windows/test-session; WINEPREFIX and the other Wine
// settings come from the environment).
#include "ScreenText.h"
#include "XScreen.h"
#include "files/SchemaUpgrade.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro::test;

namespace {

// The program under test: the Linux build's, or the Windows edition's under Wine.
struct ProgramUnderTest {
    QString folder;
    QString executable;
    bool underWine = false;
};

ProgramUnderTest programUnderTest() {
    const QString windowsFolder = qEnvironmentVariable("ZENDARO_E2E_WINDOWS_APP");
    if (!windowsFolder.isEmpty())
        return {windowsFolder, QStringLiteral("zendaro.exe"), true};
    return {QStringLiteral(ZENDARO_APP_DIR), QStringLiteral("zendaro"), false};
}

const QString Zendaro = QStringLiteral("^ZENDARO$");
const QString HelpTitle = QStringLiteral("^ZENDARO YARDIM$");
const QSize WindowSize(827, 619);

// Centres of the main menu's buttons (pictures 64 px, small ones 48 px),
// in pixels from the menu's top left.
const QPoint OneToOneButton(96, 274);
const QPoint BatchButton(456, 274);
const QPoint HomeScalesButton(96, 422);
const QPoint OtherScalesButton(456, 422);
const QPoint HelpButton(88, 520);
const QPoint AboutButton(671, 520);
const QPoint ExitButton(739, 520);
// "ANA MENÜ" of every working window: 9900, 8100 twips, a 48 px picture.
const QPoint BackButton(684, 564);
// "YARDIM" of the windows that have it: 600, 8100 twips, a 48 px picture.
const QPoint WindowHelpButton(64, 564);
// The drop-down arrows of the two scale pickers of the conversion windows.
const QPoint OtherPickerArrow(389, 196);
const QPoint HomePickerArrow(801, 196);
// Where the home letter comes to rest after a conversion: the panel at
// 240, 6180 twips, the letter at 8880, 480, 1155 x 825 twips inside it.
const QRect HomeLetterArea(608, 444, 77, 55);
const QColor PassColour(0, 128, 0);
const QString BachelorsScale = QStringLiteral("Dornela Lisans Not Sistemi");

bool copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target))
            return false;
        QFile::setPermissions(target, QFile(source).permissions());
    }
    return true;
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

int pixelsOfColour(const QImage& image, const QRect& area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.rect().contains(x, y) && image.pixelColor(x, y) == colour)
                ++n;
    return n;
}

// The letters of a home scale, as the database holds them.
QStringList homeLetters(const QString& database, const QString& scale) {
    QStringList letters;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("letters"));
        db.setDatabaseName(database);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT harf_notu FROM dornela_notlar n JOIN dornela_olcek o "
                                         "ON n.olcek_id = o.id WHERE o.olcek_adi = ? ORDER BY n.id"));
            query.addBindValue(scale);
            query.exec();
            while (query.next())
                letters += query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("letters"));
    return letters;
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aWholeRunEndsWithStatusZero();

private:
    // From the menu into a working window; returns the window, the menu hidden.
    QString openFromMenu(QPoint button);
    // "ANA MENÜ": the working window goes, the same menu shows again.
    void backToMenu(const QString& window);
    void convertOneGrade(const QString& window);

    const ProgramUnderTest program_ = programUnderTest();
    XScreen* screen_ = nullptr;
    QString menu_;
    QStringList bachelorsLetters_;
};

void EndToEndTest::initTestCase() {
    const QFileInfo executable(program_.folder + QLatin1Char('/') + program_.executable);
    QVERIFY2(program_.underWine ? executable.exists() : executable.isExecutable(),
             qPrintable(executable.filePath()));
    QStringList tools{QStringLiteral("Xvfb"), QStringLiteral("xdotool"), QStringLiteral("import")};
    if (program_.underWine)
        tools += {QStringLiteral("wine"), QStringLiteral("wineserver")};
    for (const QString& tool : tools)
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), qPrintable(tool));
}

QString EndToEndTest::openFromMenu(QPoint button) {
    screen_->clickAt(menu_, button);
    const QStringList shown = screen_->waitForWindows(Zendaro, 1);
    if (shown.size() != 1 || shown.first() == menu_)
        return {};
    return shown.first();
}

void EndToEndTest::backToMenu(const QString& window) {
    QCOMPARE(screen_->geometry(window).size(), WindowSize);
    screen_->clickAt(window, BackButton);
    QCOMPARE(screen_->waitForWindows(Zendaro, 1), QStringList{menu_});
}

void EndToEndTest::convertOneGrade(const QString& window) {
    // The first other scale, "100'lük Sayısal Not Sistemi", and the second home
    // scale by name, the bachelor's. 85 is the 16th of 51 pass grades: BA, a pass.
    screen_->clickAt(window, OtherPickerArrow);
    screen_->keys(window, {QStringLiteral("Home"), QStringLiteral("Return")});
    screen_->clickAt(window, HomePickerArrow);
    screen_->keys(window, {QStringLiteral("Home"), QStringLiteral("Down"), QStringLiteral("Return")});
    QCOMPARE(pixelsOfColour(screen_->picture(window), HomeLetterArea, PassColour), 0);
    screen_->type(window, QStringLiteral("85"));
    screen_->keys(window, {QStringLiteral("Return")});

    // The animation ends with the letter at rest, green for a pass: the
    // letter's place shows it and stays the same.
    QImage seen;
    QImage before;
    bool resting = false;
    for (int i = 0; i < 100 && !resting; ++i) {
        QThread::msleep(100);
        seen = screen_->picture(window).copy(HomeLetterArea);
        resting = pixelsOfColour(seen, seen.rect(), PassColour) >= 30 && seen == before;
        before = seen;
    }
    QString scores;
    const QString letter = readText(inkOfColour(seen, seen.rect(), PassColour), bachelorsLetters_, &scores);
    if (!resting || letter != QLatin1String("BA")) {
        const QString shot = QDir::temp().filePath(QStringLiteral("tst_e2e-conversion.png"));
        screen_->picture(window).save(shot);
        QFAIL(qPrintable(
            QStringLiteral("converting 85 did not show a green BA at rest (read \"%1\"; %2); see %3")
                .arg(letter, scores, shot)));
    }
    qInfo("85 read as %s from the screen (%s)", qPrintable(letter), qPrintable(scores));
}

void EndToEndTest::aWholeRunEndsWithStatusZero() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(copyFolder(program_.folder, folder.path()));
    // The database as shipped, whatever the application folder's copy holds now.
    const QString database = folder.filePath(QStringLiteral("donustur.evk"));
    QVERIFY(QFile::remove(database) && QFile::copy(QStringLiteral(ZENDARO_SHIPPED_DATABASE), database));
    // Its first start adds the conversion-file tables (the upgrade's own tests
    // cover that); done here, the run finds the file current.
    QCOMPARE(zendaro::UpgradeSchema(database).kind, zendaro::SchemaState::Kind::Upgraded);
    bachelorsLetters_ = homeLetters(database, BachelorsScale);
    QVERIFY2(bachelorsLetters_.contains(QStringLiteral("BA")), qPrintable(bachelorsLetters_.join(u' ')));
    const QByteArray before = fileHash(database);
    QVERIFY(!before.isEmpty());

    XScreen screen;
    QVERIFY(screen.ready());
    screen_ = &screen;

    QProcess program;
    // Should a step fail, the program must not outlive the test.
    const struct Stopper {
        QProcess& p;
        ~Stopper() {
            if (p.state() != QProcess::NotRunning) {
                p.kill();
                p.waitForFinished(5000);
            }
        }
    } stopper{program};
    QProcessEnvironment environment = screen.environment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString executable = folder.filePath(program_.executable);
    if (program_.underWine) {
        environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // Qt for Windows draws on Wine's screen
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral("wine"), {executable});
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.start(executable, {});
    }
    QVERIFY(program.waitForStarted());

    const QStringList first = screen.waitForWindows(Zendaro, 1);
    QCOMPARE(first.size(), 1);
    menu_ = first.first();
    QCOMPARE(screen.geometry(menu_).size(), WindowSize);

    // One-to-one conversion: pick both scales, convert one grade, come back.
    const QString oneToOne = openFromMenu(OneToOneButton);
    QVERIFY2(!oneToOne.isEmpty(), "FRMBIREBIR did not replace the menu");
    convertOneGrade(oneToOne);
    if (QTest::currentTestFailed())
        return;
    // Its help, modal over it; the window stays as it was behind.
    screen.clickAt(oneToOne, WindowHelpButton);
    const QStringList windowHelp = screen.waitForWindows(HelpTitle, 1);
    QCOMPARE(windowHelp.size(), 1);
    QCOMPARE(screen.windows(Zendaro), QStringList{oneToOne});
    screen.keys(windowHelp.first(), {QStringLiteral("Escape")});
    QCOMPARE(screen.waitForWindows(HelpTitle, 0), QStringList{});
    backToMenu(oneToOne);
    if (QTest::currentTestFailed())
        return;

    // The other three working windows, each opened and left.
    const struct {
        const char* name;
        QPoint button;
    } others[] = {{"FRMCOGUL", BatchButton},
                  {"FRMDORNELAOLCEK", HomeScalesButton},
                  {"FRMDIGEROLCEK", OtherScalesButton}};
    for (const auto& other : others) {
        const QString window = openFromMenu(other.button);
        QVERIFY2(!window.isEmpty(), other.name);
        backToMenu(window);
        if (QTest::currentTestFailed())
            return;
    }

    // Help, modal over the menu; Escape closes it.
    screen.clickAt(menu_, HelpButton);
    const QStringList help = screen.waitForWindows(HelpTitle, 1);
    QCOMPARE(help.size(), 1);
    QCOMPARE(screen.windows(Zendaro), QStringList{menu_});
    screen.keys(help.first(), {QStringLiteral("Escape")});
    QCOMPARE(screen.waitForWindows(HelpTitle, 0), QStringList{});

    // About: a second window titled ZENDARO over the menu; a click closes it.
    screen.clickAt(menu_, AboutButton);
    QStringList both = screen.waitForWindows(Zendaro, 2);
    QCOMPARE(both.size(), 2);
    both.removeAll(menu_);
    QCOMPARE(both.size(), 1);
    screen.clickAt(both.first(), QRect(QPoint(0, 0), screen.geometry(both.first()).size()).center());
    QCOMPARE(screen.waitForWindows(Zendaro, 1), QStringList{menu_});

    // The exit button ends the run at once, with status 0 and no window left.
    screen.clickAt(menu_, ExitButton);
    QVERIFY(program.waitForFinished(15000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(screen.windows(QStringLiteral("ZENDARO")), QStringList{});
    if (program_.underWine) {
        // Wine's own processes (its desktop) end before the screen goes.
        QProcess wineserver;
        wineserver.start(QStringLiteral("wineserver"), {QStringLiteral("-w")});
        QVERIFY(wineserver.waitForFinished(30000));
    }

    // Browsing and converting only read: the database is as it was.
    QCOMPARE(fileHash(database), before);
}

QTEST_MAIN(EndToEndTest)
#include "tst_e2e.moc"
