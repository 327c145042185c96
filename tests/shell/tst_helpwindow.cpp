// The help window and the shared help target.
#include "MessageScan.h"
#include "ShellTestSupport.h"
#include "shell/HelpTarget.h"
#include "shell/HelpWindow.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
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
    void messagesAreFoundInTheSources_data();
    void messagesAreFoundInTheSources();
    void manualCellsHoldMessages_data();
    void manualCellsHoldMessages();
    void manualListsEveryMessage();
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

void HelpWindowTest::messagesAreFoundInTheSources_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("a message shown")
        << QStringLiteral("ShowMessage(QStringLiteral(\"LÜTFEN NOTU GİRİNİZ...\"), StyleOk, IconStop, this);")
        << QStringList{QStringLiteral("LÜTFEN NOTU GİRİNİZ...")};
    QTest::newRow("a message returned by a function")
        << QStringLiteral(
               "QString IntervalZero() {\n    return QStringLiteral(\"NOT ARALIĞI 'SIFIR' OLAMAZ...\");\n}")
        << QStringList{QStringLiteral("NOT ARALIĞI 'SIFIR' OLAMAZ...")};
    QTest::newRow("a message written over two lines")
        << QStringLiteral(
               "return QStringLiteral(\"Dosya kullanılıyor; işlem \"\n  // why\n  \"yapılamadı.\");")
        << QStringList{QStringLiteral("Dosya kullanılıyor; işlem yapılamadı.")};
    QTest::newRow("a lead-in with a place")
        << QStringLiteral("throw StoreError(QStringLiteral(\"Alan bulunamadı: %1\").arg(name));")
        << QStringList{QStringLiteral("Alan bulunamadı: %1")};
    QTest::newRow("a lead-in before a cause")
        << QStringLiteral("text + QStringLiteral(\" adlı dosyaya kaydedilemedi: \") + e")
        << QStringList{QStringLiteral(" adlı dosyaya kaydedilemedi: ")};
    QTest::newRow("quotes inside") << QStringLiteral("QStringLiteral(\"\\\"id\\\" alanı yazılamaz.\")")
                                   << QStringList{QStringLiteral("\"id\" alanı yazılamaz.")};
    QTest::newRow("captions, names and queries are none")
        << QStringLiteral("label(QStringLiteral(\"Ölçek Adı :\"));\nsetObjectName(\"BTN_HELP\");\n"
                          "QLatin1Char('\"'); x = 10'000;\n"
                          "QStringLiteral(\"SELECT * FROM diger_olcek WHERE id = ?\");\n"
                          "QStringLiteral(\"color: %1;\");\nQStringLiteral(\"<p>Bir paragraf.</p>\");")
        << QStringList{};
    QTest::newRow("comments are none")
        << QStringLiteral("// \"BU BİR YORUM.\"\n/* \"Bu da yorum.\" */ x = 1;") << QStringList{};
}

void HelpWindowTest::messagesAreFoundInTheSources() {
    QFETCH(QString, source);
    QFETCH(QStringList, messages);
    QStringList found;
    for (const auto& literal : zendaro::test::StringLiterals(source)) {
        if (zendaro::test::LooksLikeMessage(literal.text))
            found << literal.text;
    }
    QCOMPARE(found, messages);
}

void HelpWindowTest::manualCellsHoldMessages_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("held");
    QTest::newRow("the same text") << QStringLiteral("LÜTFEN NOTU GİRİNİZ...")
                                   << QStringLiteral("LÜTFEN NOTU GİRİNİZ...") << true;
    QTest::newRow("the end of a message after a name")
        << QStringLiteral("Girmiş olduğunuz not ... adlı not ölçeğinde bulunamadı...")
        << QStringLiteral(" adlı not ölçeğinde bulunamadı...") << true;
    QTest::newRow("places in the message") << QStringLiteral("Veritabanı dosyası açılamadı: ... (...)")
                                           << QStringLiteral("Veritabanı dosyası açılamadı: %1 (%2)") << true;
    QTest::newRow("lines of the message") << QStringLiteral("Birinci satır.<br><br>İkinci satır?")
                                          << QStringLiteral("Birinci satır.\r\n\r\nİkinci satır?") << true;
    QTest::newRow("another message") << QStringLiteral("LÜTFEN NOTU GİRİNİZ...")
                                     << QStringLiteral("LÜTFEN HARF NOTUNU GİRİNİZ...") << false;
    QTest::newRow("half of the message")
        << QStringLiteral("Birinci satır.") << QStringLiteral("Birinci satır.\r\n\r\nİkinci satır?") << false;
}

void HelpWindowTest::manualCellsHoldMessages() {
    QFETCH(QString, cell);
    QFETCH(QString, message);
    QFETCH(bool, held);
    const QString page = QStringLiteral("<table><tr><td class=\"msg\">") + cell +
                         QStringLiteral("</td><td>Ne yapmalı</td></tr></table>");
    const QStringList cells = zendaro::test::ManualMessageCells(page);
    QCOMPARE(cells.size(), 1);
    QCOMPARE(zendaro::test::ManualHolds(cells, message), held);
}

void HelpWindowTest::manualListsEveryMessage() {
    QFile page(QStringLiteral(ZENDARO_SOURCE_DIR "/help/KH.html"));
    QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
    const QStringList cells = zendaro::test::ManualMessageCells(QString::fromUtf8(page.readAll()));
    QVERIFY(!cells.isEmpty());

    // Texts on the windows that read like sentences but are no messages.
    const QStringList notMessages = {
        QStringLiteral("Sayısal Not: "),               // the result of a conversion
        QStringLiteral("Ders Sayısı: %1"),             // the totals of the course list
        QStringLiteral(" (%1 ders hesaba katılmadı)"), //
        QStringLiteral("Toplam Kredi: "),              //
        QStringLiteral("PostgreSQL: %1"),              // the store a run uses, by name
        QStringLiteral("PostgreSQL: %1 (%2)"),         //
        QStringLiteral("Ağırlıklı Ortalama: "),        //
        QStringLiteral(
            "          Bu program, Dornela Üniversitesi Not Sisteminden farklı not sistemi kullanan "
            "üniversitelerden gelen notların Dornela Üniversitesi Not Sistemine dönüştürülmesinde "
            "kullanılır."), // the about window's purpose sentence
    };
    const QString sources = QStringLiteral(ZENDARO_SOURCE_DIR "/src");
    QStringList missing;
    int messages = 0;
    QDirIterator files(sources, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        for (const auto& literal : zendaro::test::StringLiterals(QString::fromUtf8(file.readAll()))) {
            if (!zendaro::test::LooksLikeMessage(literal.text) || notMessages.contains(literal.text))
                continue;
            ++messages;
            if (!zendaro::test::ManualHolds(cells, literal.text))
                missing << QStringLiteral("  \"%1\" (src/%2:%3)")
                               .arg(literal.text, QDir(sources).relativeFilePath(file.fileName()),
                                    QString::number(literal.line));
        }
    }
    QVERIFY2(messages > 0, "no message found: the sources were not read");
    // Each on a line of its own: a failure message of Qt Test is cut short.
    for (const QString& line : missing)
        qWarning().noquote() << line;
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 messages the program can show are not listed in help/KH.html (see "
                                       "above; add a row with what to do to its message chapter)")
                            .arg(missing.size())));
}

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
