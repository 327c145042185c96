// The main menu and the moves between it and the working windows.
#include "RecordingMessages.h"
#include "ShellTestSupport.h"
#include "shell/MainMenu.h"
#include "shell/Shell.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace zendaro;
using zendaro::test::StandInWindow;

Q_DECLARE_METATYPE(zendaro::WorkingWindow)

class MainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuIsTheBorderlessCentredWindow();
    void buttonsCarryTheirCaptionsAndTooltips_data();
    void buttonsCarryTheirCaptionsAndTooltips();
    void workingButtonOpensItsWindowAndHidesTheMenu_data();
    void workingButtonOpensItsWindowAndHidesTheMenu();
    void returningShowsTheSameMenuWithoutANewCheck();
    void unregisteredWindowOpensNothing();
    void handOverKeepsTheMenuHidden();
    void workingWindowClosedOtherwiseBringsTheMenuBack();
    void helpButtonOpensTheTopOfThePageModally();
    void infoButtonOpensTheAboutWindowModally();
    void exitEndsTheProgramClosingEveryWindow();

private:
    // Registers stand-ins for all four working windows; `made` collects them.
    void registerStandIns();

    std::unique_ptr<zendaro::test::RecordingMessages> messages_;
    std::unique_ptr<Shell> shell_;
    QList<QPointer<StandInWindow>> made_;
};

void MainMenuTest::init() {
    messages_ = std::make_unique<zendaro::test::RecordingMessages>();
    shell_ = std::make_unique<Shell>(QStringLiteral(ZENDARO_APP_DIR));
    made_.clear();
    QVERIFY(shell_->start());
    QVERIFY(QTest::qWaitForWindowExposed(shell_->mainMenu()));
}

void MainMenuTest::cleanup() {
    shell_.reset();
    messages_.reset();
    QCOMPARE(zendaro::test::visibleTopLevels(), QStringList());
}

void MainMenuTest::registerStandIns() {
    for (WorkingWindow which : {WorkingWindow::OneToOne, WorkingWindow::Batch, WorkingWindow::HomeScales,
                                WorkingWindow::OtherScales}) {
        shell_->registerWindow(which, [this, which](const WindowContext& context) {
            auto* window = new StandInWindow(context.navigator, which);
            made_.append(window);
            return window;
        });
    }
}

void MainMenuTest::menuIsTheBorderlessCentredWindow() {
    MainMenu* menu = shell_->mainMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("FRMMAIN"));
    QCOMPARE(menu->windowTitle(), QStringLiteral("ZENDARO"));
    QCOMPARE(menu->size(), QSize(827, 619)); // 12405 x 9285 twips
    QVERIFY(menu->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect screen = menu->screen()->availableGeometry();
    QVERIFY(qAbs(menu->frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(menu->frameGeometry().center().y() - screen.center().y()) <= 1);
    QVERIFY(messages_->messages.isEmpty());
}

void MainMenuTest::buttonsCarryTheirCaptionsAndTooltips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("one-to-one") << "BTN_BIREBIR_DONUSTUR"
                                << "ZENDARO"
                                << "Zendaro";
    QTest::newRow("batch") << "BTN_COGUL_DONUSTUR"
                           << "Çoğul Zendaro "
                           << "Çoğul Zendaro ";
    QTest::newRow("home scales") << "BTN_DORNELA_OLCEK"
                                 << "Dornela Üniversitesi Not Ölçekleri"
                                 << "Dornela Üniversitesi Not Ölçekleri";
    QTest::newRow("other scales") << "BTN_DIGER_OLCEK"
                                  << "Diğer Üniversitelerin Not Ölçekleri"
                                  << "Diğer Üniversitelerin Not Ölçekleri";
    QTest::newRow("help") << "BTN_HELP"
                          << "Kullanım Klavuzu"
                          << "KULLANIM KLAVUZU";
    QTest::newRow("info") << "BTN_INFO"
                          << ""
                          << "Program Hakkında";
    QTest::newRow("exit") << "BTN_EXIT"
                          << ""
                          << "Ç I K I Ş";
}

void MainMenuTest::buttonsCarryTheirCaptionsAndTooltips() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    PictureBttn* button = shell_->mainMenu()->findChild<PictureBttn*>(name);
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QCOMPARE(button->caption(), caption);
    QCOMPARE(button->toolTip(), tooltip);
    // Each button shows its own pictures, never the built-in ones, and lies
    // wholly on the menu.
    QVERIFY(!button->pictureNormal().isNull());
    QVERIFY(!button->pictureLight().isNull());
    const QRect onMenu(button->mapTo(shell_->mainMenu(), QPoint(0, 0)), button->size());
    QVERIFY(shell_->mainMenu()->rect().contains(onMenu));
}

void MainMenuTest::workingButtonOpensItsWindowAndHidesTheMenu_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<WorkingWindow>("which");
    QTest::newRow("one-to-one") << "BTN_BIREBIR_DONUSTUR" << WorkingWindow::OneToOne;
    QTest::newRow("batch") << "BTN_COGUL_DONUSTUR" << WorkingWindow::Batch;
    QTest::newRow("home scales") << "BTN_DORNELA_OLCEK" << WorkingWindow::HomeScales;
    QTest::newRow("other scales") << "BTN_DIGER_OLCEK" << WorkingWindow::OtherScales;
}

void MainMenuTest::workingButtonOpensItsWindowAndHidesTheMenu() {
    QFETCH(QString, name);
    QFETCH(WorkingWindow, which);
    registerStandIns();
    MainMenu* menu = shell_->mainMenu();

    zendaro::test::clickPictureButton(menu->button(name));

    QCOMPARE(made_.size(), 1);
    StandInWindow* window = made_.first();
    QVERIFY(window);
    QCOMPARE(window->which(), which);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(shell_->workingWindow(), window);
    QVERIFY(!menu->isVisible());

    window->goBack();
    QVERIFY(menu->isVisible());
    QTRY_VERIFY(made_.first().isNull()); // the working window is gone, not just hidden
    QCOMPARE(zendaro::test::visibleTopLevels(), QStringList{QStringLiteral("FRMMAIN")});
}

void MainMenuTest::returningShowsTheSameMenuWithoutANewCheck() {
    registerStandIns();
    MainMenu* menu = shell_->mainMenu();
    // Regional settings that could no longer be read: a second check would fail.
    qputenv("LC_ALL", "xx_XX.UTF-8");
    for (int round = 0; round < 2; ++round) {
        shell_->openWindow(WorkingWindow::HomeScales);
        QVERIFY(!menu->isVisible());
        made_.last()->goBack();
        QVERIFY(menu->isVisible());
    }
    qunsetenv("LC_ALL");
    QCOMPARE(shell_->mainMenu(), menu);
    QVERIFY(messages_->messages.isEmpty());
}

void MainMenuTest::unregisteredWindowOpensNothing() {
    const int before = QApplication::topLevelWidgets().size();
    zendaro::test::clickPictureButton(shell_->mainMenu()->button(QStringLiteral("BTN_BIREBIR_DONUSTUR")));
    QVERIFY(shell_->mainMenu()->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
    QVERIFY(!shell_->workingWindow());
}

void MainMenuTest::handOverKeepsTheMenuHidden() {
    // A conversion window that finds no scale opens an editor and closes itself.
    registerStandIns();
    shell_->openWindow(WorkingWindow::OneToOne);
    StandInWindow* conversion = made_.first();
    conversion->navigator().openWindow(WorkingWindow::OtherScales);
    conversion->close();
    QTRY_VERIFY(made_.first().isNull());
    QTest::qWait(20);

    QCOMPARE(made_.size(), 2);
    StandInWindow* editor = made_.last();
    QVERIFY(editor->isVisible());
    QCOMPARE(shell_->workingWindow(), editor);
    QVERIFY(!shell_->mainMenu()->isVisible());

    editor->goBack();
    QVERIFY(shell_->mainMenu()->isVisible());
}

void MainMenuTest::workingWindowClosedOtherwiseBringsTheMenuBack() {
    // Closed by the desktop rather than by "ANA MENÜ": the program must not go
    // on running with no window at all.
    registerStandIns();
    shell_->openWindow(WorkingWindow::Batch);
    QVERIFY(!shell_->mainMenu()->isVisible());
    made_.first()->close();
    QTRY_VERIFY(shell_->mainMenu()->isVisible());
}

void MainMenuTest::helpButtonOpensTheTopOfThePageModally() {
    MainMenu* menu = shell_->mainMenu();
    QString source;
    bool menuVisible = false;
    bool menuBlocked = false;
    const bool appeared = zendaro::test::whileModal(
        [&] { zendaro::test::clickPictureButton(menu->button(QStringLiteral("BTN_HELP"))); },
        [&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("FRMHELP"));
            source = modal->findChild<QTextBrowser*>(QStringLiteral("WB"))->source().toString();
            menuVisible = menu->isVisible();
            menuBlocked = QApplication::activeModalWidget() == modal && modal->isModal();
            modal->close();
        });
    QVERIFY(appeared);
    QVERIFY(source.endsWith(QStringLiteral("/HELP/KH.html")));
    QVERIFY(menuVisible);
    QVERIFY(menuBlocked);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(menu->isVisible());
}

void MainMenuTest::infoButtonOpensTheAboutWindowModally() {
    MainMenu* menu = shell_->mainMenu();
    QString name;
    bool menuVisible = false;
    const bool appeared = zendaro::test::whileModal(
        [&] { zendaro::test::clickPictureButton(menu->button(QStringLiteral("BTN_INFO"))); },
        [&](QWidget* modal) {
            name = modal->objectName();
            menuVisible = menu->isVisible();
            modal->close();
        });
    QVERIFY(appeared);
    QCOMPARE(name, QStringLiteral("FRMABOUT"));
    QVERIFY(menuVisible);
    QVERIFY(menu->isVisible());
}

void MainMenuTest::exitEndsTheProgramClosingEveryWindow() {
    registerStandIns();
    MainMenu* menu = shell_->mainMenu();
    // A stray window of the program left open (the menu itself is the only
    // window the user can see at this point, but exit closes them all).
    QWidget stray;
    stray.setObjectName(QStringLiteral("STRAY"));
    stray.show();

    QTimer::singleShot(0, this,
                       [&] { zendaro::test::clickPictureButton(menu->button(QStringLiteral("BTN_EXIT"))); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); }); // guard
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!menu->isVisible());
    QVERIFY(!stray.isVisible());
    QVERIFY(messages_->messages.isEmpty()); // no question asked
}

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
