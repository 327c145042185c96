#include "GuiHelpers.h"
#include "HomeScaleFixtures.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "homescale/HomeScaleEditor.h"
#include "ui/DataGrid.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

template <typename T> T* child(QWidget* window, const char* name) {
    return control<T>(window, QString::fromLatin1(name));
}

void click(QWidget* window, const char* name) {
    auto* button = child<PictureBttn>(window, name);
    QVERIFY2(button->isVisibleTo(window), name);
    clickOn(button);
}

QString cell(QWidget* window, const char* grid, int row, int column) {
    return child<DataGrid>(window, grid)->model()->index(row, column).data().toString();
}

struct Fixture {
    TestDatabase db;
    RecordingMessages messages;
    RecordingNavigator navigator;
    HomeScaleEditor editor;
    explicit Fixture(const QString& sql = {}) : db(sql), editor(db.path(), turkish, navigator) {
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
    }
    QLineEdit* name() { return child<QLineEdit>(&editor, "TXT_OLCEK_ADI"); }
    QComboBox* level() { return child<QComboBox>(&editor, "CMB_EGITIM_DUZEYI"); }
    QComboBox* maxFail() { return child<QComboBox>(&editor, "CMB_MAX_KN"); }
};

} // namespace

class TestHomeScaleEditor : public QObject {
    Q_OBJECT
private slots:
    void opensShowingTheFirstScale();
    void controlsFollowTheStateTable_data();
    void controlsFollowTheStateTable();
    void firstScaleOnAnEmptyList();
    void aRefusedSaveKeepsTheStateAndFocusesTheBox_data();
    void aRefusedSaveKeepsTheStateAndFocusesTheBox();
    void aLongStoredNameIsShownAndSavedWhole();
    void changingCcToDcUpdatesListAndGrades();
    void cancelRestoresTheStoredScale();
    void answeringHayirKeepsTheScale();
    void deleteRemovesTheScaleAndItsGrades();
    void emptyListIgnoresChangeAndDelete();
    void helpOpensAtItsAnchor();
    void aMissingFileIsReportedAndTheMenuComesBack();
    void aMissingGradeTableIsReportedAndTheMenuComesBack();
};

void TestHomeScaleEditor::opensShowingTheFirstScale() {
    Fixture f(TwoHomeScales);
    QCOMPARE(f.editor.objectName(), QString("FRMDORNELAOLCEK"));
    QCOMPARE(f.editor.size(), QSize(827, 619));
    QCOMPARE(f.name()->text(), QString("Lisans Ölçeği"));
    QCOMPARE(f.level()->currentText(), QString("Lisans"));
    QCOMPARE(f.maxFail()->currentText(), QString("CC"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_NOTLAR", 4, 2), QString("KALIR"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_OLCEKLER", 1, 4), QString("1,50"));

    // selecting the second row shows its details
    auto* list = child<DataGrid>(&f.editor, "DG_DORNELA_OLCEKLER");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    QCOMPARE(f.name()->text(), QString("Önlisans Ölçeği"));
    QCOMPARE(f.maxFail()->currentText(), QString("DC"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_NOTLAR", 4, 2), QString("GEÇER"));
}

void TestHomeScaleEditor::controlsFollowTheStateTable_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("panelEnabled");
    QTest::addColumn<bool>("listEnabled");
    QTest::addColumn<bool>("browseGroup");
    QTest::addColumn<bool>("editGroup");
    QTest::addColumn<bool>("gradeList");
    QTest::addColumn<bool>("back");
    QTest::newRow("browsing") << "" << false << true << true << false << true << true;
    QTest::newRow("adding") << "BTN_OLCEK_EKLE" << true << false << false << true << false << false;
    QTest::newRow("changing") << "BTN_OLCEK_DUZENLE" << true << false << false << true << true << false;
}

void TestHomeScaleEditor::controlsFollowTheStateTable() {
    QFETCH(QString, button);
    Fixture f(TwoHomeScales);
    if (!button.isEmpty())
        click(&f.editor, button.toLatin1().constData());
    QWidget* w = &f.editor;
    QTEST(child<QWidget>(w, "CER_OLCEK_DUZENLEME")->isEnabled(), "panelEnabled");
    QTEST(child<QWidget>(w, "DG_DORNELA_OLCEKLER")->isEnabled(), "listEnabled");
    QTEST(child<QWidget>(w, "CER_BUTONLAR_EKLE_SIL_DUZENLE")->isVisible(), "browseGroup");
    QTEST(child<QWidget>(w, "CER_BUTONLAR_IPTAL_KAYDET")->isVisible(), "editGroup");
    QTEST(child<QWidget>(w, "DG_DORNELA_NOTLAR")->isVisible(), "gradeList");
    QTEST(child<QWidget>(w, "BTN_BACK")->isVisible(), "back");
    QVERIFY(child<QWidget>(w, "BTN_HELP")->isVisible()); // in every state
}

void TestHomeScaleEditor::firstScaleOnAnEmptyList() {
    Fixture f;
    QCOMPARE(f.name()->text(), QString());
    click(&f.editor, "BTN_OLCEK_EKLE");
    QCOMPARE(f.editor.mode(), QString("EKLE"));
    typeText(f.name(), QStringLiteral("  Yeni Ölçek "));
    f.level()->setCurrentIndex(1);
    f.maxFail()->setCurrentIndex(0);
    click(&f.editor, "BTN_OLCEK_KAYDET");

    QVERIFY(f.messages.messages.isEmpty());
    QCOMPARE(f.editor.state(), HomeScaleEditor::State::Browsing);
    QCOMPARE(f.name()->text(), QString("Yeni Ölçek"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_OLCEKLER", 0, 0), QString("Yeni Ölçek"));
    QCOMPARE(child<DataGrid>(&f.editor, "DG_DORNELA_NOTLAR")->model()->rowCount(), 9);
    for (int row = 4; row < 9; ++row)
        QCOMPARE(cell(&f.editor, "DG_DORNELA_NOTLAR", row, 2), QString("KALIR"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_NOTLAR", 3, 2), QString("GEÇER"));
}

void TestHomeScaleEditor::aRefusedSaveKeepsTheStateAndFocusesTheBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no level") << "Ölçek" << -1 << "LÜTFEN EĞİTİM DÜZEYİNİ SEÇİNİZ..."
                              << "CMB_EGITIM_DUZEYI";
    QTest::newRow("no level, blanks around the name")
        << "  Ölçek  " << -1 << "LÜTFEN EĞİTİM DÜZEYİNİ SEÇİNİZ..."
        << "CMB_EGITIM_DUZEYI";
    QTest::newRow("no highest fail, blank after the name")
        << "Ölçek " << 1 << "LÜTFEN MAKSİMUM KALIR NOTU SEÇİNİZ..."
        << "CMB_MAX_KN";
    QTest::newRow("name of blanks") << "   " << 1 << "LÜTFEN BİR ÖLÇEK ADI GİRİNİZ..."
                                    << "TXT_OLCEK_ADI";
}

// The trimmed name is in the box while the check message shows.
void TestHomeScaleEditor::aRefusedSaveKeepsTheStateAndFocusesTheBox() {
    QFETCH(QString, typed);
    QFETCH(int, level);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Fixture f;
    click(&f.editor, "BTN_OLCEK_EKLE");
    typeText(f.name(), typed);
    f.level()->setCurrentIndex(level);
    QString nameWhileShown;
    f.messages.onShow = [&](const RecordedMessage&) {
        nameWhileShown = f.name()->text();
    };
    click(&f.editor, "BTN_OLCEK_KAYDET");
    QCOMPARE(f.messages.texts(), QStringList{message});
    QCOMPARE(nameWhileShown, typed.trimmed());
    QCOMPARE(f.name()->text(), typed.trimmed());
    QCOMPARE(f.editor.state(), HomeScaleEditor::State::Adding);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(f.db.scalar("SELECT count(*) FROM dornela_olcek").toInt(), 0);
}

// A stored name longer than the 40 characters the box takes from typing is
// shown whole, and a change of the scale stores it whole again.
void TestHomeScaleEditor::aLongStoredNameIsShownAndSavedWhole() {
    const QString name = QString(44, QLatin1Char('L')) + QStringLiteral(" Son");
    Fixture f(QString(TwoHomeScales).replace(QStringLiteral("Lisans Ölçeği"), name));
    QCOMPARE(f.name()->text(), name);
    click(&f.editor, "BTN_OLCEK_DUZENLE");
    f.maxFail()->setCurrentIndex(1);
    click(&f.editor, "BTN_OLCEK_KAYDET");
    QVERIFY(f.messages.messages.isEmpty());
    QCOMPARE(f.db.scalar("SELECT olcek_adi FROM dornela_olcek WHERE id=1").toString(), name);
    QCOMPARE(f.name()->text(), name);
}

void TestHomeScaleEditor::changingCcToDcUpdatesListAndGrades() {
    Fixture f(TwoHomeScales);
    const QString ids =
        f.db.scalar("SELECT group_concat(id) FROM dornela_notlar WHERE olcek_id=1").toString();
    click(&f.editor, "BTN_OLCEK_DUZENLE");
    QCOMPARE(f.editor.mode(), QString("DUZENLE"));
    f.maxFail()->setCurrentIndex(1);
    click(&f.editor, "BTN_OLCEK_KAYDET");

    QCOMPARE(f.editor.state(), HomeScaleEditor::State::Browsing);
    QCOMPARE(cell(&f.editor, "DG_DORNELA_OLCEKLER", 0, 3), QString("2,00"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_OLCEKLER", 0, 4), QString("1,50"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_NOTLAR", 4, 0), QString("CC"));
    QCOMPARE(cell(&f.editor, "DG_DORNELA_NOTLAR", 4, 2), QString("GEÇER"));
    QCOMPARE(f.db.scalar("SELECT group_concat(id) FROM dornela_notlar WHERE olcek_id=1").toString(), ids);
}

void TestHomeScaleEditor::cancelRestoresTheStoredScale() {
    {
        Fixture f(TwoHomeScales);
        click(&f.editor, "BTN_OLCEK_EKLE");
        QCOMPARE(f.name()->text(), QString());
        QCOMPARE(f.maxFail()->currentIndex(), -1);
        click(&f.editor, "BTN_OLCEK_VAZGEC");
        QCOMPARE(f.editor.state(), HomeScaleEditor::State::Browsing);
        QCOMPARE(f.name()->text(), QString("Lisans Ölçeği"));
        QCOMPARE(f.maxFail()->currentText(), QString("CC"));
        QVERIFY(child<QWidget>(&f.editor, "DG_DORNELA_NOTLAR")->isVisible());
        QCOMPARE(f.db.scalar("SELECT count(*) FROM dornela_olcek").toInt(), 2);
    }
    {
        Fixture f;
        click(&f.editor, "BTN_OLCEK_EKLE");
        typeText(f.name(), QStringLiteral("Vazgeçilen"));
        click(&f.editor, "BTN_OLCEK_VAZGEC");
        QCOMPARE(f.name()->text(), QString()); // nothing stored to show
        QCOMPARE(f.db.scalar("SELECT count(*) FROM dornela_olcek").toInt(), 0);
    }
}

void TestHomeScaleEditor::answeringHayirKeepsTheScale() {
    Fixture f(TwoHomeScales);
    f.messages.answers = {ResultHayir};
    click(&f.editor, "BTN_OLCEK_SIL");
    QCOMPARE(f.messages.messages.size(), 1);
    QCOMPARE(f.messages.messages.first().text,
             QString("Lisans Ölçeği isimli ölçeği silmek istiyor musunuz?"));
    QCOMPARE(f.messages.messages.first().style, StyleYesNo);
    QCOMPARE(f.messages.messages.first().icon, IconStop);
    QCOMPARE(f.db.scalar("SELECT count(*) FROM dornela_notlar").toInt(), 18);
}

void TestHomeScaleEditor::deleteRemovesTheScaleAndItsGrades() {
    Fixture f(TwoHomeScales);
    f.messages.answers = {ResultEvet};
    click(&f.editor, "BTN_OLCEK_SIL");
    QCOMPARE(f.db.scalar("SELECT count(*) FROM dornela_olcek WHERE id=1").toInt(), 0);
    QCOMPARE(f.db.scalar("SELECT count(*) FROM dornela_notlar WHERE olcek_id=1").toInt(), 0);
    QCOMPARE(f.db.scalar("SELECT count(*) FROM dornela_notlar").toInt(), 9);
    QCOMPARE(child<DataGrid>(&f.editor, "DG_DORNELA_OLCEKLER")->model()->rowCount(), 1);
    QCOMPARE(f.name()->text(), QString("Önlisans Ölçeği")); // the remaining scale is shown
    QCOMPARE(cell(&f.editor, "DG_DORNELA_NOTLAR", 4, 2), QString("GEÇER"));
}

void TestHomeScaleEditor::emptyListIgnoresChangeAndDelete() {
    Fixture f;
    click(&f.editor, "BTN_OLCEK_DUZENLE");
    QCOMPARE(f.editor.state(), HomeScaleEditor::State::Browsing);
    click(&f.editor, "BTN_OLCEK_SIL");
    QVERIFY(f.messages.messages.isEmpty());
}

void TestHomeScaleEditor::helpOpensAtItsAnchor() {
    Fixture f(TwoHomeScales);
    click(&f.editor, "BTN_HELP");
    QCOMPARE(f.navigator.helpAnchors, QStringList{"#HV"});
    QCOMPARE(f.navigator.helpOwners.first().data(), &f.editor);
}

void TestHomeScaleEditor::aMissingFileIsReportedAndTheMenuComesBack() {
    RecordingMessages messages;
    RecordingNavigator navigator;
    auto* editor = new HomeScaleEditor("/nonexistent/folder/donustur.evk", turkish, navigator);
    QPointer<HomeScaleEditor> alive(editor);
    editor->show();
    QTRY_COMPARE(navigator.returns, 1);
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(!messages.messages.first().text.isEmpty());
    QTRY_VERIFY(alive.isNull()); // closed and gone
}

void TestHomeScaleEditor::aMissingGradeTableIsReportedAndTheMenuComesBack() {
    TestDatabase db(TwoHomeScales);
    db.exec("DROP TABLE dornela_notlar;");
    RecordingMessages messages;
    RecordingNavigator navigator;
    auto* editor = new HomeScaleEditor(db.path(), turkish, navigator);
    QPointer<HomeScaleEditor> alive(editor);
    editor->show();
    QTRY_COMPARE(navigator.returns, 1);
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY2(messages.messages.first().text.contains("dornela_notlar"),
             qPrintable(messages.messages.first().text));
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(TestHomeScaleEditor)
#include "tst_homescaleeditor.moc"
