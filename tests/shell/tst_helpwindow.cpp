// The help window and the shared help target.
#include "ShellTestSupport.h"
#include "shell/HelpTarget.h"
#include "shell/HelpWindow.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace zendaro;

namespace {

struct HelpSeen {
    QString title;
    QString source;
    QString localFile;
    int scroll = -1;
    bool browserHasFocus = false;
    bool ownerBlocked = false;
    Qt::WindowFlags flags;
    QSize size;
    QRect browserGeometry;
};

// Opens help through the shell the way a window's help button does, and
// records what the help window showed while it was open.
HelpSeen openHelp(Shell& shell, const QString& anchor, QWidget* owner) {
    HelpSeen seen;
    zendaro::test::whileModal([&] { shell.showHelp(anchor, owner); },
                              [&](QWidget* modal) {
                                  auto* browser = modal->findChild<QTextBrowser*>(QStringLiteral("WB"));
                                  if (!browser)
                                      return;
                                  QTRY_VERIFY(modal->isActiveWindow());
                                  seen.title = modal->windowTitle();
                                  seen.source = browser->source().toString();
                                  seen.localFile = browser->source().toLocalFile();
                                  seen.scroll = browser->verticalScrollBar()->value();
                                  seen.browserHasFocus = browser->hasFocus();
                                  seen.ownerBlocked = QApplication::activeModalWidget() == modal &&
                                                      (!owner || !owner->isActiveWindow());
                                  seen.flags = modal->windowFlags();
                                  seen.size = modal->size();
                                  seen.browserGeometry = browser->geometry();
                                  modal->close();
                              });
    return seen;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void pageHoldsTheThreeAnchors();
    void opensAtTheCallersAnchor_data();
    void opensAtTheCallersAnchor();
    void windowFillsTheScreenWithTheBrowserInside();
    void secondOpeningShowsTheNewCallersAnchor();
    void focusReturnsToTheBrowserOnEveryActivation();
    void missingPageStillOpensAndCloses();
};

void HelpWindowTest::pageHoldsTheThreeAnchors() {
    // The page the build put into the application folder.
    QFile page(HelpPagePath(QStringLiteral(ZENDARO_APP_DIR)));
    QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
    const QString html = QString::fromUtf8(page.readAll());
    for (const char* anchor : {"HV", "DG", "DN"})
        QVERIFY2(html.contains(QStringLiteral("<a name=\"%1\"></a>").arg(QLatin1String(anchor))), anchor);
    // Every picture the page shows is delivered beside it.
    static const QRegularExpression image(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
    for (auto it = image.globalMatch(html); it.hasNext();) {
        const QString file = it.next().captured(1);
        QVERIFY2(QFile::exists(QStringLiteral(ZENDARO_APP_DIR "/HELP/") + file), qPrintable(file));
    }
}

void HelpWindowTest::opensAtTheCallersAnchor_data() {
    QTest::addColumn<QString>("anchor");
    QTest::newRow("main menu") << "";
    QTest::newRow("home-scale editor") << "#HV";
    QTest::newRow("other-scale editor") << "#DG";
    QTest::newRow("one-to-one conversion") << "#DN";
}

void HelpWindowTest::opensAtTheCallersAnchor() {
    QFETCH(QString, anchor);
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));

    const HelpSeen seen = openHelp(shell, anchor, &owner);

    QCOMPARE(seen.title, QStringLiteral("ZENDARO YARDIM"));
    QCOMPARE(HelpTarget(), QStringLiteral(ZENDARO_APP_DIR "/HELP/KH.html") + anchor);
    QCOMPARE(seen.localFile, QStringLiteral(ZENDARO_APP_DIR "/HELP/KH.html"));
    if (anchor.isEmpty()) {
        QVERIFY(!seen.source.contains(QLatin1Char('#')));
        QCOMPARE(seen.scroll, 0);
    } else {
        QVERIFY2(seen.source.endsWith(anchor), qPrintable(seen.source));
        QVERIFY2(seen.scroll > 0, "the page is scrolled to its anchor");
    }
    QVERIFY(seen.ownerBlocked);
    // Closing returns to the caller as it was.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(owner.isVisible());
    QVERIFY(owner.isEnabled());
}

void HelpWindowTest::windowFillsTheScreenWithTheBrowserInside() {
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    const HelpSeen seen = openHelp(shell, QStringLiteral("#HV"), nullptr);
    QVERIFY(seen.flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(seen.flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!seen.flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!seen.flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(seen.size, QGuiApplication::primaryScreen()->availableGeometry().size());
    // 200 twips in from the left and the top; 400 twips narrower, 800 lower.
    QCOMPARE(seen.browserGeometry, QRect(13, 13, seen.size.width() - 27, seen.size.height() - 53));
    QVERIFY(seen.browserHasFocus);
}

void HelpWindowTest::secondOpeningShowsTheNewCallersAnchor() {
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    const HelpSeen first = openHelp(shell, QStringLiteral("#HV"), nullptr);
    const HelpSeen second = openHelp(shell, QStringLiteral("#DN"), nullptr);
    const HelpSeen third = openHelp(shell, QString(), nullptr);
    QVERIFY(first.source.endsWith(QStringLiteral("#HV")));
    QVERIFY(second.source.endsWith(QStringLiteral("#DN")));
    QVERIFY(!third.source.contains(QLatin1Char('#')));
    QVERIFY(first.scroll != second.scroll);
    QCOMPARE(third.scroll, 0);
}

void HelpWindowTest::focusReturnsToTheBrowserOnEveryActivation() {
    SetHelpTarget(QStringLiteral(ZENDARO_APP_DIR), QString());
    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QTRY_VERIFY(help.browser()->hasFocus());

    // Another window takes the activation; the focus inside help moves away.
    auto* other = new QLineEdit(&help);
    other->show();
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QTRY_VERIFY(elsewhere.isActiveWindow());

    help.activateWindow();
    QTRY_VERIFY(help.isActiveWindow());
    QTRY_VERIFY(help.browser()->hasFocus());
}

void HelpWindowTest::missingPageStillOpensAndCloses() {
    // No test of its own: a missing page shows as the browser shows it.
    Shell shell(QDir::tempPath() + QStringLiteral("/zendaro-no-such-folder"));
    const HelpSeen seen = openHelp(shell, QStringLiteral("#DG"), nullptr);
    QVERIFY(seen.source.endsWith(QStringLiteral("/HELP/KH.html#DG")));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
