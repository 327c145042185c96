// ZENDARO without a mouse. The program's own shell and windows on a copy of
// the shipped database, driven by key events alone: every key goes to the
// widget that has the keyboard focus, as a real keyboard's would, and not one
// pointer event may reach the program. Also: the Tab order of every window,
// Escape and F1 in the working windows, and an accessible name on every
// control that can be acted on.
#include "GuiHelpers.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "conversion/BatchWindow.h"
#include "conversion/ExplanationWindow.h"
#include "conversion/OneToOneWindow.h"
#include "files/FilesWindow.h"
#include "files/SchemaUpgrade.h"
#include "homescale/HomeScaleEditor.h"
#include "library/ScaleFile.h"
#include "otherscale/LibraryWindow.h"
#include "otherscale/OtherScaleEditor.h"
#include "shell/AboutWindow.h"
#include "shell/HelpWindow.h"
#include "shell/MainMenu.h"
#include "shell/PasswordWindow.h"
#include "shell/Shell.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "ui/DataGrid.h"
#include "ui/KeyboardAccess.h"
#include "ui/MsgForm.h"
#include "ui/PictureBttn.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// Counts every pointer event that reaches the program.
class PointerWatch : public QObject {
public:
    PointerWatch() { qApp->installEventFilter(this); }
    ~PointerWatch() override { qApp->removeEventFilter(this); }
    PointerWatch(const PointerWatch&) = delete;
    PointerWatch& operator=(const PointerWatch&) = delete;
    int seen = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            ++seen;
            break;
        default:
            break;
        }
        return false;
    }
};

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusName() {
    return focused() ? focused()->objectName() : QStringLiteral("(no focus)");
}

// One key, to whatever has the focus.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = focused() ? focused() : QApplication::activeWindow();
    QVERIFY2(target, "no window has the keyboard");
    QTest::keyClick(target, k, modifiers);
}

void type(const QString& text) {
    QVERIFY2(focused(), "nothing has the keyboard focus");
    typeText(focused(), text);
}

// Presses Tab until the control with that name has the focus (at most once round).
bool tabTo(const QString& name) {
    for (int i = 0; i < 30 && focusName() != name; ++i)
        QTest::keyClick(focused(), Qt::Key_Tab);
    return focusName() == name;
}

// Answers every message box of the program with the keys a user would
// press: the first answer queued, else Enter (the default button). The key
// goes to the box's focus, so a box that does not take the focus is not answered.
class BoxAnswers : public QObject {
public:
    BoxAnswers() {
        poll_.setInterval(20);
        connect(&poll_, &QTimer::timeout, this, [this] { answer(); });
        poll_.start();
    }
    QStringList texts;
    QList<Qt::Key> keys;

private:
    void answer() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<MsgForm*>(top);
            if (!box || !box->isVisible() || box->isAnswered() || !focused() || focused()->window() != box)
                continue;
            texts.append(box->MyMessage);
            QTest::keyClick(focused(), keys.isEmpty() ? Qt::Key_Return : keys.takeFirst());
        }
    }
    QTimer poll_;
};

// Waits until the active window is the one named; the window, or null.
QWidget* activeWindowNamed(const QString& name) {
    QWidget* found = nullptr;
    for (int i = 0; i < 500 && !found; ++i) {
        QWidget* active = QApplication::activeWindow();
        if (active && active->objectName() == name && active->isVisible())
            found = active;
        else
            QTest::qWait(10);
    }
    return found;
}

// Keys to the modal window `name` once it is up; the check and the keys run
// inside its event loop.
void whenModal(const QString& name, const std::function<void(QWidget*)>& act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name || QApplication::activeWindow() != modal)
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start();
}

std::unique_ptr<QWidget> makeWindow(const QString& name, const QString& database, Navigator& navigator) {
    const RegionalSettings regional = RegionalSettings::turkish();
    if (name == QLatin1String("FRMMAIN"))
        return std::make_unique<MainMenu>();
    if (name == QLatin1String("FRMBIREBIR"))
        return std::make_unique<OneToOneWindow>(database, regional, navigator);
    if (name == QLatin1String("FRMCOGUL"))
        return std::make_unique<BatchWindow>(database, regional, navigator);
    if (name == QLatin1String("FRMDOSYA"))
        return std::make_unique<FilesWindow>(database, regional, navigator, UpgradeSchema(database));
    if (name == QLatin1String("FRMDORNELAOLCEK"))
        return std::make_unique<HomeScaleEditor>(database, regional.numbers(), navigator);
    if (name == QLatin1String("FRMDIGEROLCEK"))
        return std::make_unique<OtherScaleEditor>(database, regional, navigator);
    if (name == QLatin1String("FRMKUTUPHANE")) {
        // The library window adds through the editor's views: they go with the window.
        auto* scales = new DataView;
        auto* grades = new DataView;
        for (DataView* view : {scales, grades})
            view->SetDatabaseName(database);
        scales->SetRecordSource(queries::Q3());
        scales->Refresh();
        const library::ReadResult read =
            library::ReadScaleFile(QStringLiteral(ZENDARO_SOURCE_DIR "/data/library/KUTUPHANE.zolcek"));
        auto window = std::make_unique<LibraryWindow>(read.file ? read.file->otherScales
                                                                : QVector<library::OtherScale>{},
                                                      *scales, *grades, regional, nullptr);
        scales->setParent(window.get());
        grades->setParent(window.get());
        return window;
    }
    if (name == QLatin1String("FRMHESAP")) {
        // The explanation of 85 on the 100-point scale, as the one-to-one window hands it over.
        DataView other, home, otherGrades, homeGrades, search;
        for (DataView* view : {&other, &home, &otherGrades, &homeGrades, &search})
            view->SetDatabaseName(database);
        other.SetRecordSource(queries::Q5());
        other.Refresh();
        other.FindFirst(QStringLiteral("olcek_adi = '100''lük Sayısal Not Sistemi'"));
        home.SetRecordSource(queries::Q6());
        home.Refresh();
        home.FindFirst(QStringLiteral("olcek_adi = 'Dornela Lisans Not Sistemi'"));
        const qint64 otherId = other.Field(QStringLiteral("id")).toLongLong();
        const qint64 homeId = home.Field(QStringLiteral("id")).toLongLong();
        otherGrades.SetRecordSource(queries::Q4(otherId));
        otherGrades.Refresh();
        homeGrades.SetRecordSource(queries::Q2(homeId));
        homeGrades.Refresh();
        ConversionViews views{other, home, otherGrades, homeGrades, search};
        return std::make_unique<ExplanationWindow>(
            database, otherId, homeId,
            ConvertGradeQuietly(QStringLiteral("85"), ConversionVariant::OneToOne, views, regional), regional,
            nullptr);
    }
    if (name == QLatin1String("FRMHELP"))
        return std::make_unique<HelpWindow>();
    if (name == QLatin1String("FRMABOUT"))
        return std::make_unique<AboutWindow>();
    if (name == QLatin1String("FRMPAROLA"))
        return std::make_unique<PasswordWindow>(StoreAddress::Server(QStringLiteral("db.ofis"), 0,
                                                                     QStringLiteral("zendaro"),
                                                                     QStringLiteral("memur")),
                                                false);
    auto box = std::make_unique<MsgForm>();
    box->MyMessage = QStringLiteral("Ölçeği bu haliyle kaydetmek ister misiniz?");
    box->MyFlag = 9;
    box->load();
    return box;
}

// The controls Tab can reach in the window now.
QStringList reachable(QWidget* window) {
    QStringList names;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) &&
            w->isEnabled())
            names.append(w->objectName());
    return names;
}

const QStringList AllWindows{
    QStringLiteral("FRMMAIN"),         QStringLiteral("FRMBIREBIR"),    QStringLiteral("FRMCOGUL"),
    QStringLiteral("FRMDORNELAOLCEK"), QStringLiteral("FRMDIGEROLCEK"), QStringLiteral("FRMHELP"),
    QStringLiteral("FRMABOUT"),        QStringLiteral("MsgForm"),       QStringLiteral("FRMKUTUPHANE"),
    QStringLiteral("FRMDOSYA"),        QStringLiteral("FRMHESAP"),      QStringLiteral("FRMPAROLA")};

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void aWholeSessionWithoutAMouse();
    void tabGoesRoundEveryControlInReadingOrder_data();
    void tabGoesRoundEveryControlInReadingOrder();
    void escapeAndF1InTheWorkingWindows_data();
    void escapeAndF1InTheWorkingWindows();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
    void theManualsKeyboardSectionIsOneLinkFromEveryWindowsPlace();
    void typedLettersChooseTheTurkishWay_data();
    void typedLettersChooseTheTurkishWay();
};

void KeyboardTest::aWholeSessionWithoutAMouse() {
    const TestDatabase db = TestDatabase::copyOfShipped();
    const QString database = db.path();
    PointerWatch pointer;
    BoxAnswers boxes;
    Shell shell(QStringLiteral(ZENDARO_APP_DIR));
    shell.registerWindow(WorkingWindow::OneToOne, [&](const WindowContext& c) {
        return new OneToOneWindow(database, c.regional, c.navigator);
    });
    shell.registerWindow(WorkingWindow::Batch, [&](const WindowContext& c) {
        return new BatchWindow(database, c.regional, c.navigator);
    });
    shell.registerWindow(WorkingWindow::HomeScales, [&](const WindowContext& c) {
        return new HomeScaleEditor(database, c.regional.numbers(), c.navigator);
    });
    shell.registerWindow(WorkingWindow::OtherScales, [&](const WindowContext& c) {
        return new OtherScaleEditor(database, c.regional, c.navigator);
    });
    const SchemaState schema = UpgradeSchema(database);
    shell.registerWindow(WorkingWindow::Files, [&](const WindowContext& c) {
        return new FilesWindow(database, c.regional, c.navigator, schema, c.handOver);
    });
    QVERIFY(shell.start());
    QVERIFY(activeWindowNamed(QStringLiteral("FRMMAIN")));
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_BIREBIR_DONUSTUR"));
    QVERIFY2(!shell.mainMenu()->button(QStringLiteral("BTN_BIREBIR_DONUSTUR"))->showsFocusMark(),
             "no focus mark before the keyboard is used");

    // One-to-one: 85 on the 100-point scale is BA on the bachelor's scale.
    key(Qt::Key_Return);
    QWidget* oneToOne = activeWindowNamed(QStringLiteral("FRMBIREBIR"));
    QVERIFY(oneToOne);
    auto* otherPicker = control<QComboBox>(oneToOne, QStringLiteral("CMB_KAYNAK_OLCEK"));
    auto* homePicker = control<QComboBox>(oneToOne, QStringLiteral("CMB_DORNELA_OLCEK"));
    QTRY_VERIFY(homePicker->count() > 0);
    QCOMPARE(focusName(), QStringLiteral("CMB_KAYNAK_OLCEK"));
    // The home scale first: each arrow is a pick, and only the second picker
    // chosen moves the focus on to the box.
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("CMB_DORNELA_OLCEK"));
    for (int i = 0; i < homePicker->count() && homePicker->currentText() != "Dornela Lisans Not Sistemi"; ++i)
        key(Qt::Key_Down);
    QCOMPARE(homePicker->currentText(), QStringLiteral("Dornela Lisans Not Sistemi"));
    QVERIFY2(control<DataGrid>(oneToOne, QStringLiteral("DG_DORNELA_NOTLAR"))->isVisible(),
             "a choice by keyboard shows the scale's grades, as a click does");
    key(Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("CMB_KAYNAK_OLCEK"));
    type(QStringLiteral("1")); // the first letter chooses "100'lük ..."
    QCOMPARE(otherPicker->currentText(), QStringLiteral("100'lük Sayısal Not Sistemi (Sayısal Not)"));
    QCOMPARE(focusName(), QStringLiteral("TXT_DONUSTURULECEK_NOT")); // both picked: the panel's box
    type(QStringLiteral("85"));
    key(Qt::Key_Return);
    auto* letter = control<QLabel>(oneToOne, QStringLiteral("LBL_DORNELA_HARF_NOTU"));
    auto* numeric = control<QLabel>(oneToOne, QStringLiteral("LBL_DORNELA_SAYISAL_NOT"));
    QTRY_VERIFY_WITH_TIMEOUT(numeric->isVisible(), 10000);
    QCOMPARE(letter->text(), QStringLiteral("BA"));
    // What a screen reader is told when the result shows.
    QCOMPARE(QAccessible::queryAccessibleInterface(letter)->text(QAccessible::Name),
             QStringLiteral("BA, GEÇER, ") + numeric->text());
    QVERIFY(numeric->text().startsWith(QStringLiteral("Sayısal Not: 3")));
    QCOMPARE(focusName(), QStringLiteral("TXT_DONUSTURULECEK_NOT"));

    // How it was computed: the link after the convert button, Enter opens
    // the explanation, whose table Tab reaches; Escape closes it.
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("LBL_NASIL_HESAPLANDI"));
    QString explained;
    whenModal(QStringLiteral("FRMHESAP"), [&explained](QWidget* window) {
        explained = control<QLabel>(window, QStringLiteral("LBL_ACIKLAMA"))->text();
        QCOMPARE(focusName(), QStringLiteral("LBL_ACIKLAMA"));
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("DG_DONUSUM_TABLOSU"));
        key(Qt::Key_Escape);
    });
    key(Qt::Key_Return);
    QVERIFY(explained.endsWith(QStringLiteral("→ BA (GEÇER).")));
    QTRY_COMPARE(focusName(), QStringLiteral("LBL_NASIL_HESAPLANDI"));

    // Escape leaves it; the focus is back where it was on the menu.
    key(Qt::Key_Escape);
    QVERIFY(activeWindowNamed(QStringLiteral("FRMMAIN")));
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_BIREBIR_DONUSTUR"));

    // The batch window, by Tab and Space, and back.
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("BTN_COGUL_DONUSTUR"));
    QVERIFY(shell.mainMenu()->button(QStringLiteral("BTN_COGUL_DONUSTUR"))->showsFocusMark());
    key(Qt::Key_Space);
    QVERIFY(activeWindowNamed(QStringLiteral("FRMCOGUL")));
    QTRY_COMPARE(focusName(), QStringLiteral("CMB_KAYNAK_OLCEK"));
    key(Qt::Key_Escape);
    QVERIFY(activeWindowNamed(QStringLiteral("FRMMAIN")));
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_COGUL_DONUSTUR"));

    // The conversion files, and back.
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("BTN_DOSYALAR"));
    key(Qt::Key_Return);
    QVERIFY(activeWindowNamed(QStringLiteral("FRMDOSYA")));
    QTRY_COMPARE(focusName(), QStringLiteral("TXT_ARA"));
    key(Qt::Key_Escape);
    QVERIFY(activeWindowNamed(QStringLiteral("FRMMAIN")));
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_DOSYALAR"));

    // Home scales: a scale added, saved and deleted.
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    QWidget* home = activeWindowNamed(QStringLiteral("FRMDORNELAOLCEK"));
    QVERIFY(home);
    QTRY_COMPARE(focusName(), QStringLiteral("DG_DORNELA_OLCEKLER"));
    const int homeScales = db.scalar(QStringLiteral("SELECT count(*) FROM dornela_olcek")).toInt();
    QVERIFY(tabTo(QStringLiteral("BTN_OLCEK_EKLE")));
    key(Qt::Key_Space);
    QCOMPARE(focusName(), QStringLiteral("TXT_OLCEK_ADI"));
    type(QStringLiteral("Klavye Ölçeği"));
    key(Qt::Key_Tab);
    type(QStringLiteral("ö")); // a Turkish first letter, small
    QCOMPARE(control<QComboBox>(home, QStringLiteral("CMB_EGITIM_DUZEYI"))->currentText(),
             QStringLiteral("Önlisans"));
    key(Qt::Key_Tab);
    type(QStringLiteral("D"));
    QCOMPARE(control<QComboBox>(home, QStringLiteral("CMB_MAX_KN"))->currentText(), QStringLiteral("DC"));
    QVERIFY(tabTo(QStringLiteral("BTN_OLCEK_KAYDET")));
    key(Qt::Key_Return);
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM dornela_olcek")).toInt(), homeScales + 1);
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT egitim_duzeyi FROM dornela_olcek WHERE olcek_adi = 'Klavye Ölçeği'"))
            .toString(),
        QStringLiteral("Önlisans"));
    QVERIFY(tabTo(QStringLiteral("DG_DORNELA_OLCEKLER")));
    key(Qt::Key_Home, Qt::ControlModifier);
    auto* homeList = control<DataGrid>(home, QStringLiteral("DG_DORNELA_OLCEKLER"));
    for (int i = 0;
         i < 10 && control<QLineEdit>(home, QStringLiteral("TXT_OLCEK_ADI"))->text() != "Klavye Ölçeği"; ++i)
        key(Qt::Key_Down);
    QCOMPARE(homeList->currentRowNumber(), homeScales);
    QVERIFY(tabTo(QStringLiteral("BTN_OLCEK_SIL")));
    boxes.texts.clear();
    key(Qt::Key_Space);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Klavye Ölçeği isimli ölçeği silmek istiyor musunuz?")});
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM dornela_olcek")).toInt(), homeScales);
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_OLCEK_SIL")); // back where it was before the question
    key(Qt::Key_Escape);
    QVERIFY(activeWindowNamed(QStringLiteral("FRMMAIN")));
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_DORNELA_OLCEK"));

    // Other scales: a numeric scale generated, a grade taken out with Space
    // on its "Notu Sil" cell, saved, then deleted.
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    QWidget* other = activeWindowNamed(QStringLiteral("FRMDIGEROLCEK"));
    QVERIFY(other);
    const int otherScales = db.scalar(QStringLiteral("SELECT count(*) FROM diger_olcek")).toInt();
    QVERIFY(tabTo(QStringLiteral("BTN_OLCEK_EKLE")));
    key(Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("TXT_OLCEK_ADI"));
    type(QStringLiteral("Klavye Sayısal"));
    key(Qt::Key_Tab);
    type(QStringLiteral("S"));
    QCOMPARE(control<QComboBox>(other, QStringLiteral("CMB_NOT_SISTEMI"))->currentText(),
             QStringLiteral("Sayısal Not"));
    key(Qt::Key_Tab);
    type(QStringLiteral("4"));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("CMB_NOT_DAGILIMI"));
    type(QStringLiteral("e"));
    key(Qt::Key_Tab);
    type(QStringLiteral("10"));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("TXT_MIN_NOT"));
    key(Qt::Key_Tab);
    type(QStringLiteral("1"));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("BTN_OLCEK_OLUSTUR"));
    key(Qt::Key_Space);
    auto* working = control<DataGrid>(other, QStringLiteral("DG_ARRAY"));
    QCOMPARE(working->gridModel()->rowCount(), 11);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(working);
    QVERIFY(grid && grid->tableInterface());
    QCOMPARE(grid->tableInterface()->columnDescription(0), QStringLiteral("Sil"));
    QCOMPARE(grid->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Notu Sil"));
    QCOMPARE(grid->tableInterface()->cellAt(0, 2)->text(QAccessible::Name),
             working->gridModel()->index(0, 2).data().toString());
    const QString eight = working->gridModel()->index(2, 2).data().toString();
    QVERIFY(tabTo(QStringLiteral("DG_ARRAY")));
    key(Qt::Key_Down); // the second row: 9
    key(Qt::Key_Space);
    QCOMPARE(working->gridModel()->rowCount(), 10);
    QCOMPARE(working->gridModel()->index(1, 2).data().toString(), eight);
    QVERIFY(tabTo(QStringLiteral("BTN_OLCEK_KAYDET")));
    boxes.texts.clear();
    key(Qt::Key_Return);
    QCOMPARE(boxes.texts, QStringList()); // a sound scale is saved without a question
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM diger_olcek")).toInt(), otherScales + 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM diger_notlar n JOIN diger_olcek o ON o.id = "
                                      "n.olcek_id WHERE o.olcek_adi = 'Klavye Sayısal'"))
                 .toInt(),
             10);
    QVERIFY(tabTo(QStringLiteral("DG_DIGER_OLCEKLER")));
    key(Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0;
         i < 10 && control<QLineEdit>(other, QStringLiteral("TXT_OLCEK_ADI"))->text() != "Klavye Sayısal";
         ++i)
        key(Qt::Key_Down);
    QCOMPARE(control<QLineEdit>(other, QStringLiteral("TXT_OLCEK_ADI"))->text(),
             QStringLiteral("Klavye Sayısal"));
    QVERIFY(tabTo(QStringLiteral("BTN_OLCEK_SIL")));
    key(Qt::Key_Space);
    QCOMPARE(boxes.texts,
             QStringList{QStringLiteral("Klavye Sayısal isimli ölçeği silmek istiyor musunuz?")});
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM diger_olcek")).toInt(), otherScales);
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_OLCEK_SIL"));

    // F1: the manual at this window's place; Escape closes it, the focus comes back.
    QString shownAt;
    whenModal(QStringLiteral("FRMHELP"), [&shownAt](QWidget* help) {
        shownAt = static_cast<HelpWindow*>(help)->browser()->source().fragment();
        QCOMPARE(focusName(), QStringLiteral("WB"));
        key(Qt::Key_Escape);
    });
    key(Qt::Key_F1);
    QCOMPARE(shownAt, QStringLiteral("DG"));
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_OLCEK_SIL"));
    key(Qt::Key_Escape);
    QVERIFY(activeWindowNamed(QStringLiteral("FRMMAIN")));
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_DIGER_OLCEK"));

    // About, closed with Escape; then the exit button.
    QVERIFY(tabTo(QStringLiteral("BTN_INFO")));
    bool aboutShown = false;
    whenModal(QStringLiteral("FRMABOUT"), [&aboutShown](QWidget*) {
        aboutShown = true;
        key(Qt::Key_Escape);
    });
    key(Qt::Key_Space);
    QVERIFY(aboutShown);
    QTRY_COMPARE(focusName(), QStringLiteral("BTN_INFO"));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("BTN_EXIT"));
    key(Qt::Key_Return);
    QTRY_VERIFY(!shell.mainMenu() || !shell.mainMenu()->isVisible());

    QCOMPARE(pointer.seen, 0);
}

void KeyboardTest::tabGoesRoundEveryControlInReadingOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("main menu")
        << "FRMMAIN"
        << QStringList{"BTN_BIREBIR_DONUSTUR", "BTN_COGUL_DONUSTUR", "BTN_DOSYALAR", "BTN_DORNELA_OLCEK",
                       "BTN_DIGER_OLCEK",      "BTN_HELP",           "BTN_INFO",     "BTN_EXIT"};
    QTest::newRow("one-to-one") << "FRMBIREBIR"
                                << QStringList{"CMB_KAYNAK_OLCEK", "CMB_DORNELA_OLCEK", "BTN_HELP",
                                               "BTN_BACK"};
    QTest::newRow("batch") << "FRMCOGUL"
                           << QStringList{"CMB_KAYNAK_OLCEK", "CMB_DORNELA_OLCEK", "TXT_DONUSTURULECEK_NOT",
                                          "BTN_BACK"};
    QTest::newRow("conversion files")
        << "FRMDOSYA" << QStringList{"TXT_ARA", "DG_DOSYALAR", "BTN_HELP", "BTN_YENI_DOSYA", "BTN_BACK"};
    QTest::newRow("home scales") << "FRMDORNELAOLCEK"
                                 << QStringList{"DG_DORNELA_OLCEKLER", "BTN_OLCEK_DUZENLE", "BTN_OLCEK_SIL",
                                                "BTN_OLCEK_EKLE",      "BTN_HELP",          "BTN_ICE_AKTAR",
                                                "BTN_DISA_AKTAR",      "BTN_BACK"};
    QTest::newRow("other scales") << "FRMDIGEROLCEK"
                                  << QStringList{"DG_DIGER_OLCEKLER", "DG_DIGER_NOTLAR", "BTN_OLCEK_DUZENLE",
                                                 "BTN_OLCEK_SIL",     "BTN_OLCEK_EKLE",  "BTN_HELP",
                                                 "BTN_KUTUPHANE",     "BTN_ICE_AKTAR",   "BTN_DISA_AKTAR",
                                                 "BTN_BACK"};
    QTest::newRow("message box") << "MsgForm" << QStringList{"ActBttn", "MainShpe", "ActBttn"};
    QTest::newRow("explanation") << "FRMHESAP"
                                 << QStringList{"LBL_ACIKLAMA", "DG_DONUSUM_TABLOSU", "BTN_PDF_AKTAR",
                                                "BTN_KAPAT"};
    QTest::newRow("server password") << "FRMPAROLA" << QStringList{"TXT_PAROLA", "BTN_TAMAM", "BTN_VAZGEC"};
}

void KeyboardTest::tabGoesRoundEveryControlInReadingOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    const TestDatabase db = TestDatabase::copyOfShipped();
    RecordingNavigator navigator;
    std::unique_ptr<QWidget> w = makeWindow(window, db.path(), navigator);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::qWait(20); // a conversion window's first activation fills its pickers
    // The first control has the focus; Tab goes round every control once.
    QStringList seen{focusName()};
    for (int i = 0; i < 2 * order.size() && seen.size() <= order.size(); ++i) {
        key(Qt::Key_Tab);
        seen.append(focusName());
    }
    QCOMPARE(seen.mid(0, order.size()), order.mid(0, order.size()));
    QCOMPARE(seen.last(), seen.first());
    QStringList everything = reachable(w.get());
    QStringList cycle = seen.mid(0, order.size());
    everything.sort();
    cycle.sort();
    QCOMPARE(cycle, everything);
    // Shift+Tab goes back the same way.
    key(Qt::Key_Backtab);
    QCOMPARE(focusName(), order.at(order.size() - 1));
}

void KeyboardTest::escapeAndF1InTheWorkingWindows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("one-to-one") << "FRMBIREBIR"
                                << "#DN";
    QTest::newRow("batch: no help button, its chapter") << "FRMCOGUL"
                                                        << "#COGUL";
    QTest::newRow("home scales") << "FRMDORNELAOLCEK"
                                 << "#HV";
    QTest::newRow("other scales") << "FRMDIGEROLCEK"
                                  << "#DG";
    QTest::newRow("conversion files") << "FRMDOSYA"
                                      << "#DOSYA";
}

void KeyboardTest::escapeAndF1InTheWorkingWindows() {
    QFETCH(QString, window);
    QFETCH(QString, anchor);
    const TestDatabase db = TestDatabase::copyOfShipped();
    RecordingNavigator navigator;
    std::unique_ptr<QWidget> w = makeWindow(window, db.path(), navigator);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));

    key(Qt::Key_F1);
    QCOMPARE(navigator.helpAnchors, QStringList{anchor});

    auto* cancel = w->findChild<PictureBttn*>(QStringLiteral("BTN_OLCEK_VAZGEC"));
    if (cancel) {
        // An edit open: Escape is "İPTAL", and "ANA MENÜ" (hidden) does nothing.
        QVERIFY(tabTo(QStringLiteral("BTN_OLCEK_EKLE")));
        key(Qt::Key_Space);
        QVERIFY(cancel->isVisible());
        key(Qt::Key_Escape);
        QVERIFY(!cancel->isVisible());
        QCOMPARE(navigator.returns, 0);
        QVERIFY(w->isVisible());
    }
    key(Qt::Key_Escape);
    QCOMPARE(navigator.returns, 1);
}

void KeyboardTest::everyControlHasAnAccessibleName_data() {
    QTest::addColumn<QString>("window");
    for (const QString& name : AllWindows)
        QTest::newRow(qPrintable(name)) << name;
}

void KeyboardTest::everyControlHasAnAccessibleName() {
    QFETCH(QString, window);
    const TestDatabase db = TestDatabase::copyOfShipped();
    RecordingNavigator navigator;
    std::unique_ptr<QWidget> w = makeWindow(window, db.path(), navigator);
    // Every control that can take the focus, shown now or not.
    int controls = 0;
    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (control->window() != w.get() || !(control->focusPolicy() & Qt::TabFocus))
            continue;
        ++controls;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
        QVERIFY(iface);
        const QString what = window + QLatin1Char('/') + control->objectName() + QLatin1Char(' ') +
                             QString::fromLatin1(control->metaObject()->className());
        QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what + " has no name"));
        if (qobject_cast<PictureBttn*>(control)) {
            QCOMPARE(iface->role(), QAccessible::Button);
            QVERIFY(iface->actionInterface());
        }
        if (qobject_cast<DataGrid*>(control)) {
            QVERIFY(iface->tableInterface());
            QVERIFY2(!iface->tableInterface()->columnDescription(0).isEmpty(), qPrintable(what + " headers"));
        }
    }
    QVERIFY(window == QLatin1String("FRMABOUT") || controls > 0);
}

void KeyboardTest::theManualsKeyboardSectionIsOneLinkFromEveryWindowsPlace() {
    QFile file(QStringLiteral(ZENDARO_SOURCE_DIR "/help/KH.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    QVERIFY(page.contains(QStringLiteral("<a name=\"KLAVYE\"></a>\n<h2>10. Klavye ile kullanım</h2>")));
    // The top (main menu) and the place of every working window link to it
    // before the next section begins.
    for (const QString& anchor : {QStringLiteral("TOP"), QStringLiteral("MENU"), QStringLiteral("DN"),
                                  QStringLiteral("COGUL"), QStringLiteral("HV"), QStringLiteral("DG")}) {
        const qsizetype at = page.indexOf(QStringLiteral("<a name=\"%1\">").arg(anchor));
        QVERIFY2(at >= 0, qPrintable(anchor));
        const qsizetype next = page.indexOf(QStringLiteral("<a name="), at + 1);
        const qsizetype link = page.indexOf(QStringLiteral("href=\"#KLAVYE\""), at);
        QVERIFY2(link > at && link < next, qPrintable(anchor));
    }
}

void KeyboardTest::typedLettersChooseTheTurkishWay_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("ı finds I") << "ı"
                               << "Isparta";
    QTest::newRow("ıl") << "ıl"
                        << "Ilgaz";
    QTest::newRow("i finds İ") << "i"
                               << "İzmir";
    QTest::newRow("ç, small") << "ç"
                              << "Çanakkale";
    QTest::newRow("the same letter again: the next") << "dd"
                                                     << "Dornela Lisans";
    QTest::newRow("whole words") << "dornela l"
                                 << "Dornela Lisans";
    QTest::newRow("no such item") << "z"
                                  << "";
}

void KeyboardTest::typedLettersChooseTheTurkishWay() {
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QWidget host;
    auto* list = new QComboBox(&host);
    list->addItems({"Çanakkale", "Dornela Doktora", "Dornela Lisans", "Isparta", "İzmir", "Ilgaz"});
    list->setCurrentIndex(-1);
    ChooseByTypedLetters(&host);
    QSignalSpy picked(list, &QComboBox::activated);
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    list->setFocus();
    type(typed);
    QCOMPARE(list->currentText(), chosen);
    // Each letter that changes the choice is a pick, as a click on the item is.
    QCOMPARE(picked.isEmpty(), chosen.isEmpty());
    if (!picked.isEmpty())
        QCOMPARE(picked.last().at(0).toInt(), list->currentIndex());
    QVERIFY(!list->view()->isVisible()); // the blank chose, it did not open the list
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
