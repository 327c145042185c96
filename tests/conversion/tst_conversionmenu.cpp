// The two conversion windows opened from the main menu by the shell, on a copy
// of the shipped database: open, convert one grade, go back.
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "TestDatabase.h"
#include "conversion/BatchWindow.h"
#include "conversion/OneToOneWindow.h"
#include "shell/MainMenu.h"
#include "shell/Shell.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

class TestConversionMenu : public QObject {
    Q_OBJECT
private slots:
    void menuButtonOpensTheWindowThatConverts_data();
    void menuButtonOpensTheWindowThatConverts();
};

void TestConversionMenu::menuButtonOpensTheWindowThatConverts_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("one-to-one") << "BTN_BIREBIR_DONUSTUR"
                                << "FRMBIREBIR";
    QTest::newRow("batch") << "BTN_COGUL_DONUSTUR"
                           << "FRMCOGUL";
}

void TestConversionMenu::menuButtonOpensTheWindowThatConverts() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    RecordingMessages messages;
    TestDatabase db = TestDatabase::copyOfShipped();
    auto shell = std::make_unique<Shell>(db.folder());
    const QString path = db.path();
    shell->registerWindow(WorkingWindow::OneToOne, [path](const WindowContext& c) {
        return new OneToOneWindow(path, c.regional, c.navigator);
    });
    shell->registerWindow(WorkingWindow::Batch, [path](const WindowContext& c) {
        return new BatchWindow(path, c.regional, c.navigator);
    });
    QVERIFY(shell->start());
    MainMenu* menu = shell->mainMenu();
    QVERIFY(QTest::qWaitForWindowExposed(menu));

    clickOn(control<PictureBttn>(menu, button));
    QPointer<QWidget> opened = shell->workingWindow();
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), window);
    QVERIFY(QTest::qWaitForWindowExposed(opened));
    QVERIFY(!menu->isVisible());

    // The first activation fills the pickers from the shipped scales.
    auto* other = control<QComboBox>(opened, QStringLiteral("CMB_KAYNAK_OLCEK"));
    auto* home = control<QComboBox>(opened, QStringLiteral("CMB_DORNELA_OLCEK"));
    QTRY_VERIFY(other->count() > 0);
    for (auto [combo, text] : {std::pair{other, QStringLiteral("ABD Harf Notu Sistemi (Harf Notu)")},
                               std::pair{home, QStringLiteral("Dornela Lisans Not Sistemi")}}) {
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    auto* input = control<QLineEdit>(opened, QStringLiteral("TXT_DONUSTURULECEK_NOT"));
    typeText(input, QStringLiteral("A"));
    clickOn(control<PictureBttn>(opened, QStringLiteral("BTN_ZENDARO")));
    auto* form = qobject_cast<ConversionForm*>(opened.data());
    QVERIFY(form);
    QVERIFY(form->animating());
    while (form->advanceAnimation()) {
    }
    QCOMPARE(control<QLabel>(opened, QStringLiteral("LBL_DORNELA_HARF_NOTU"))->text(), QString("AA"));
    QVERIFY(control<QLabel>(opened, QStringLiteral("LBL_DORNELA_SAYISAL_NOT"))->isVisible());
    QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.texts().join('|')));

    clickOn(control<PictureBttn>(opened, QStringLiteral("BTN_BACK")));
    QVERIFY(menu->isVisible());
    QTRY_VERIFY(opened.isNull()); // the window is gone, not just hidden
    shell.reset();
}

QTEST_MAIN(TestConversionMenu)
#include "tst_conversionmenu.moc"
