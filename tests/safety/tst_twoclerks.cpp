// Two clerks' windows on one store, each through a connection of its own (the
// file under a second path): a save of a scale the other clerk changed or
// deleted meanwhile is refused with a message saying so, and the editor shows
// the scale as it now is; a scale deleted while a conversion window, an
// editor or a conversion file shows it makes the next action say so. Nothing
// crashes (the tests run under the sanitizers) and nothing is half-written.
#include "ConversionWindowDriver.h"
#include "FixtureSql.h"
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "conversion/ConvertGrade.h"
#include "conversion/OneToOneWindow.h"
#include "files/FileWork.h"
#include "files/SchemaUpgrade.h"
#include "homescale/HomeScaleEditor.h"
#include "otherscale/OtherScaleEditor.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"
#include "ui/DataGrid.h"
#include "ui/PictureBttn.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_WIN
#include <filesystem>
#include <system_error>
#endif

using namespace zendaro;
using namespace zendaro::test;

namespace {

// Home scales 1 (Lisans) and 2 (Önlisans), other scale 1 (letters).
QString fixture() {
    return LisansLadderSql() + QStringLiteral(R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
  VALUES (2, 'Önlisans', 'Önlisans', 4, 2, 1.5, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (2, 'AA', 4, 'GEÇER'), (2, 'BA', 3.5, 'GEÇER'), (2, 'BB', 3, 'GEÇER'), (2, 'CB', 2.5, 'GEÇER'),
  (2, 'CC', 2, 'GEÇER'), (2, 'DC', 1.5, 'KALIR'), (2, 'DD', 1, 'KALIR'), (2, 'FD', 0.5, 'KALIR'),
  (2, 'FF', 0, 'KALIR');
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi,
                         Kalir_Not_Sayisi) VALUES (1, 'Harfli', 'Harf Notu', 4, 2, 1.5, 0, 5, 3);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, 'AA', 4, 'Geçer', 0), (1, 'BA', 3.5, 'Geçer', 1), (1, 'BB', 3, 'Geçer', 2), (1, 'CB', 2.5, 'Geçer', 3),
  (1, 'CC', 2, 'Geçer', 4), (1, 'DC', 1.5, 'Kalır', 0), (1, 'DD', 1, 'Kalır', 1), (1, 'FF', 0, 'Kalır', 2);
)");
}

const QString kPickedScaleGone = QStringLiteral("Seçtiğiniz ölçek başka bir kullanıcı tarafından silinmiş; "
                                                "listeden çıkarıldı. Lütfen başka bir ölçek seçiniz.");

// A second path to the same file: a link (Windows' QFile::link makes a
// shortcut, which is no path to the file: a hard link there).
bool linkTo(const QString& file, const QString& link) {
#ifdef Q_OS_WIN
    std::error_code error;
    std::filesystem::create_hard_link(file.toStdU16String(), link.toStdU16String(), error);
    return !error;
#else
    return QFile::link(file, link);
#endif
}

// The store, upgraded (scales have change counters), and a second path to it.
struct Store {
    TestDatabase db{fixture()};
    QTemporaryDir dir;
    QString second = dir.filePath(QStringLiteral("ikinci.evk"));
    Store() {
        if (UpgradeSchema(db.path()).kind != SchemaState::Kind::Upgraded || !linkTo(db.path(), second))
            qFatal("the two clerks' store cannot be made");
    }
    QString scalar(const QString& sql) const { return db.scalar(sql).toString(); }
};

// Another clerk deletes a scale, through the store's own delete.
void deleteElsewhere(const QString& path, bool home, qint64 id) {
    DataView scales;
    DataView grades;
    scales.SetDatabaseName(path);
    grades.SetDatabaseName(path);
    scales.SetRecordSource(home ? queries::Q1() : queries::Q3());
    scales.Refresh();
    QVERIFY(scales.FindFirst(queries::C1(id)));
    grades.SetRecordSource(home ? queries::Q2(id) : queries::Q4(id));
    grades.Refresh();
    DeleteCurrentScale(scales, grades, ReadShownScale(scales));
}

template <typename T> T* child(QWidget* window, const char* name) {
    return control<T>(window, QString::fromLatin1(name));
}

void click(QWidget* window, const char* name) {
    auto* button = child<PictureBttn>(window, name);
    QVERIFY2(button->isVisibleTo(window), name);
    clickOn(button);
}

void selectRow(QWidget* window, const char* grid, int row) {
    auto* list = child<DataGrid>(window, grid);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

QString cell(QWidget* window, const char* grid, int row, int column) {
    return child<DataGrid>(window, grid)->model()->index(row, column).data().toString();
}

} // namespace

class TestTwoClerks : public QObject {
    Q_OBJECT
private slots:
    void homeEditorRefusesASaveOverAnotherClerksChange();
    void otherEditorRefusesASaveOfADeletedScale();
    void editorSaysAScaleItShowsIsGone();
    void conversionWindowSaysAPickedScaleIsGone();
    void conversionSaysAChosenScaleWasDeleted_data();
    void conversionSaysAChosenScaleWasDeleted();
    void conversionFileSaysItsScaleWasDeleted();
};

void TestTwoClerks::homeEditorRefusesASaveOverAnotherClerksChange() {
    Store store;
    RecordingMessages messages;
    RecordingNavigator navigator;
    HomeScaleEditor a(store.db.path(), QLocale(QLocale::Turkish, QLocale::Turkey), navigator);
    HomeScaleEditor b(store.second, QLocale(QLocale::Turkish, QLocale::Turkey), navigator);
    a.show();
    b.show();
    click(&a, "BTN_OLCEK_DUZENLE");
    click(&b, "BTN_OLCEK_DUZENLE");
    child<QLineEdit>(&a, "TXT_OLCEK_ADI")->setText(QStringLiteral("Birinci"));
    click(&a, "BTN_OLCEK_KAYDET");
    QVERIFY(messages.texts().isEmpty());
    child<QLineEdit>(&b, "TXT_OLCEK_ADI")->setText(QStringLiteral("İkinci"));
    child<QComboBox>(&b, "CMB_MAX_KN")->setCurrentIndex(1);
    click(&b, "BTN_OLCEK_KAYDET");

    QCOMPARE(messages.texts(), QStringList{ScaleChangedBeforeSaveText()});
    QCOMPARE(store.scalar("SELECT olcek_adi || max_KN FROM dornela_olcek WHERE id = 1"),
             QString("Birinci2.0"));
    QCOMPARE(store.scalar("SELECT group_concat(durum) FROM dornela_notlar WHERE olcek_id = 1"),
             QString("GEÇER,GEÇER,GEÇER,GEÇER,KALIR,KALIR,KALIR,KALIR,KALIR"));
    // The refused editor shows the scale as it now is.
    QCOMPARE(b.state(), HomeScaleEditor::State::Browsing);
    QCOMPARE(child<QLineEdit>(&b, "TXT_OLCEK_ADI")->text(), QString("Birinci"));
    QCOMPARE(child<QComboBox>(&b, "CMB_MAX_KN")->currentText(), QString("CC"));
    QCOMPARE(cell(&b, "DG_DORNELA_OLCEKLER", 0, 0), QString("Birinci"));

    // Made again on what it now shows, the change lands.
    click(&b, "BTN_OLCEK_DUZENLE");
    child<QLineEdit>(&b, "TXT_OLCEK_ADI")->setText(QStringLiteral("İkinci"));
    click(&b, "BTN_OLCEK_KAYDET");
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(store.scalar("SELECT olcek_adi FROM dornela_olcek WHERE id = 1"), QString("İkinci"));
    QCOMPARE(store.scalar("SELECT surum FROM olcek_surumu WHERE olcek_tablosu = 'dornela_olcek'"),
             QString("2"));
}

void TestTwoClerks::otherEditorRefusesASaveOfADeletedScale() {
    Store store;
    RecordingMessages messages;
    RecordingNavigator navigator;
    OtherScaleEditor a(store.db.path(), RegionalSettings::turkish(), navigator);
    OtherScaleEditor b(store.second, RegionalSettings::turkish(), navigator);
    a.show();
    b.show();
    click(&b, "BTN_OLCEK_DUZENLE");
    click(&a, "BTN_OLCEK_SIL"); // the question is answered "Evet"
    messages.clear();
    child<QLineEdit>(&b, "TXT_OLCEK_ADI")->setText(QStringLiteral("Değişti"));
    b.SaveScale();

    QCOMPARE(messages.texts(), QStringList{ScaleDeletedBeforeSaveText()});
    QCOMPARE(store.scalar("SELECT count(*) FROM diger_olcek"), QString("0"));
    QCOMPARE(store.scalar("SELECT count(*) FROM diger_notlar"), QString("0"));
    QCOMPARE(b.state(), OtherScaleEditor::State::Browsing);
    QCOMPARE(child<DataGrid>(&b, "DG_DIGER_OLCEKLER")->model()->rowCount(), 0);
}

// The list was read before another clerk deleted its second scale: choosing
// that scale says so, and the list is read again.
void TestTwoClerks::editorSaysAScaleItShowsIsGone() {
    Store store;
    RecordingMessages messages;
    RecordingNavigator navigator;
    HomeScaleEditor b(store.second, QLocale(QLocale::Turkish, QLocale::Turkey), navigator);
    b.show();
    deleteElsewhere(store.db.path(), true, 2);
    selectRow(&b, "DG_DORNELA_OLCEKLER", 1);
    QCOMPARE(messages.texts(), QStringList{ScaleGoneText()});
    QCOMPARE(child<DataGrid>(&b, "DG_DORNELA_OLCEKLER")->model()->rowCount(), 1);
    QCOMPARE(child<QLineEdit>(&b, "TXT_OLCEK_ADI")->text(), QString("Lisans"));
    // Deleting what it now shows works.
    click(&b, "BTN_OLCEK_SIL");
    QCOMPARE(store.scalar("SELECT count(*) FROM dornela_olcek"), QString("0"));
}

// The pickers were filled before another clerk deleted the other scale.
void TestTwoClerks::conversionWindowSaysAPickedScaleIsGone() {
    Store store;
    ConversionWindowDriver<OneToOneWindow> w(store.second);
    deleteElsewhere(store.db.path(), false, 1);
    w.pick("CMB_KAYNAK_OLCEK", 1);
    QCOMPARE(w.messages.texts(), QStringList{kPickedScaleGone});
    auto* picker = w.get<QComboBox>("CMB_KAYNAK_OLCEK");
    QCOMPARE(picker->findData(1), -1);
    QCOMPARE(picker->currentIndex(), -1);
    QVERIFY(!w.get<QWidget>("DG_DIGER_NOTLAR")->isVisible());
    QVERIFY(w.get<QWidget>("TXT_KAYNAK_SEC")->isVisible());
}

void TestTwoClerks::conversionSaysAChosenScaleWasDeleted_data() {
    QTest::addColumn<bool>("home");
    QTest::addColumn<QString>("picker");
    QTest::newRow("the other scale") << false << "CMB_KAYNAK_OLCEK";
    QTest::newRow("the home scale") << true << "CMB_DORNELA_OLCEK";
}

// Both scales chosen, one deleted by another clerk: converting says so, and
// the picker of the deleted scale forgets it.
void TestTwoClerks::conversionSaysAChosenScaleWasDeleted() {
    QFETCH(bool, home);
    QFETCH(QString, picker);
    Store store;
    ConversionWindowDriver<OneToOneWindow> w(store.second);
    w.choose(1, 1);
    deleteElsewhere(store.db.path(), home, 1);
    w.input()->setText(QStringLiteral("BA"));
    clickOn(w.get<QWidget>("BTN_ZENDARO"));
    QCOMPARE(w.messages.texts(), QStringList{ScaleDeletedText()});
    QVERIFY(!w.window->animating());
    auto* combo = w.get<QComboBox>(picker.toLatin1().constData());
    QCOMPARE(combo->findData(1), -1);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(!w.get<QWidget>("CER_DONUSUM")->isVisible());
}

// A conversion file open while its other scale is deleted: the next course
// added is refused with the reason, and nothing is added.
void TestTwoClerks::conversionFileSaysItsScaleWasDeleted() {
    Store store;
    FileWork work(store.second, RegionalSettings::turkish());
    ConversionFile file;
    file.otherScaleId = 1;
    file.homeScaleId = 1;
    work.open(file);
    CourseEntry entry{QStringLiteral("FİZ101"), QStringLiteral("Fizik"),
                      QStringLiteral("4"),      {},
                      QStringLiteral("BA"),     true};
    QVERIFY(work.add(entry).done);
    deleteElsewhere(store.db.path(), false, 1);
    entry.code = QStringLiteral("KİM101");
    const CourseEntryResult refused = work.add(entry);
    QVERIFY(!refused.done);
    QCOMPARE(refused.message, ScaleDeletedText());
    QCOMPARE(work.size(), 1);
    // Opened again (or its scales chosen again), the file marks its courses
    // and still says why a course cannot be added.
    work.setScales(1, 1);
    QCOMPARE(work.states().at(0).mark, CourseMark::ScaleMissing);
    QCOMPARE(work.add(entry).message, ScaleDeletedText());
}

QTEST_MAIN(TestTwoClerks)
#include "tst_twoclerks.moc"
