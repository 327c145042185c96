// The conversion files window FRMDOSYA through its real widgets, offscreen:
// entry by keyboard, a course changed in place and deleted after its
// question, the search as the user types, save and reopen, a save refused
// because another program changed the file, and the batch window's courses
// handed over to a new file.
#include "ConversionFixture.h"
#include "ConversionWindowDriver.h"
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "conversion/BatchHandOver.h"
#include "conversion/BatchWindow.h"
#include "conversion/CourseReport.h"
#include "conversion/Explanation.h"
#include "conversion/ReportPathDialog.h"
#include "files/FileEditorPage.h"
#include "files/FileListPage.h"
#include "files/FileReport.h"
#include "files/FileStore.h"
#include "files/FilesWindow.h"
#include "files/SchemaUpgrade.h"
#include "ui/DataGrid.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace zendaro;
using namespace zendaro::test;

namespace {

constexpr int LetterColumn = 6;
constexpr int MarkColumn = 9;

// The fixture's scales on a database upgraded for conversion files.
struct FilesDatabase {
    TestDatabase db{conversionFixtureSql()};
    FilesDatabase() { UpgradeSchema(db.path()); }
    QString path() const { return db.path(); }
};

// FRMDOSYA shown on a database, with recording messages and navigator.
struct FilesDriver {
    RecordingMessages messages;
    RecordingNavigator navigator;
    std::unique_ptr<FilesWindow> window;

    explicit FilesDriver(const QString& path, const QVariant& handOver = {},
                         SchemaState::Kind kind = SchemaState::Kind::Current) {
        SchemaState schema;
        schema.kind = kind;
        schema.message = QStringLiteral("newer");
        window =
            std::make_unique<FilesWindow>(path, RegionalSettings::turkish(), navigator, schema, handOver);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QCoreApplication::processEvents();
    }

    template <typename T> T* get(const char* name) {
        return control<T>(window.get(), QString::fromLatin1(name));
    }
    DataGrid* table() { return get<DataGrid>("DG_DERSLER"); }
    DataGrid* list() { return get<DataGrid>("DG_DOSYALAR"); }
    QString cell(int row, int column) {
        return table()->model()->index(row, column).data(Qt::DisplayRole).toString();
    }
    void press(const char* button) { get<PictureBttn>(button)->press(); }

    void pick(const char* picker, qint64 id) {
        auto* combo = get<QComboBox>(picker);
        const int index = combo->findData(id);
        QVERIFY2(index >= 0, picker);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // A new file on the 100-point scale and the home ladder.
    void newFile() {
        press("BTN_YENI_DOSYA");
        pick("CMB_KAYNAK_OLCEK", fixture::Hundred);
        pick("CMB_DORNELA_OLCEK", fixture::HomeLadder);
    }
    // Keys to whatever has the focus, as a keyboard sends them.
    static void type(const QString& text) { typeText(QApplication::focusWidget(), text); }
    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    static QString focusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // One course typed box after box, each confirmed with Enter.
    void enterCourse(const QString& code, const QString& name, const QString& credit, const QString& grade) {
        get<QLineEdit>("TXT_DERS_KODU")->setFocus();
        for (const QString& text : {code, name, credit, QString(), grade}) {
            type(text);
            key(Qt::Key_Return);
        }
    }
};

// Whether a cell of a grid is painted with (nearly) this colour somewhere.
bool cellPaints(QAbstractItemView* view, int row, int column, const QColor& colour) {
    const QRect cell = view->visualRect(view->model()->index(row, column));
    const QImage image = view->viewport()->grab(cell).toImage();
    if (qEnvironmentVariableIsSet("DUMP"))
        view->window()->grab().save(QStringLiteral("/tmp/cell-%1-%2.png").arg(row).arg(column));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                    qAbs(c.blue() - colour.blue()) <
                60)
                return true;
        }
    return false;
}

// The save dialog as a test answers it: the paths in turn, then "cancel".
class AnsweredDialog : public ReportPathChooser {
public:
    AnsweredDialog() { setReportPathChooser(this); }
    ~AnsweredDialog() override { setReportPathChooser(nullptr); }
    AnsweredDialog(const AnsweredDialog&) = delete;
    AnsweredDialog& operator=(const AnsweredDialog&) = delete;
    QString choosePdfPath(QWidget*, const QString& suggested) override { return next(suggested); }
    QString chooseXlsxPath(QWidget*, const QString& suggested) override { return next(suggested); }
    QStringList answers;
    QStringList suggestions;

private:
    QString next(const QString& suggested) {
        suggestions.append(suggested);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

ConversionFile storedFile(const QString& name, const QString& number) {
    ConversionFile file;
    file.studentName = name;
    file.studentNumber = number;
    file.otherScaleId = fixture::Hundred;
    file.homeScaleId = fixture::HomeLadder;
    FileCourse course;
    course.code = QStringLiteral("MAT101");
    course.name = QStringLiteral("Matematik");
    course.credit = 4;
    course.grade = QStringLiteral("85");
    file.courses.append(course);
    return file;
}

} // namespace

class FilesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void tabGoesThroughTheFileInReadingOrder();
    void aCourseIsTypedConvertedAndTheCodeBoxIsNext();
    void aWrongBoxIsNamedAndNothingIsAdded();
    void aRowIsChangedInPlace();
    void aLongGradeIsLoadedWhole();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void theListAnswersAsTheUserTypes_data();
    void theListAnswersAsTheUserTypes();
    void aSavedFileOpensAgainWholeFromTheList();
    void aFileChangedElsewhereIsNotOverwritten();
    void aChangedResultIsMarkedUntilSaved();
    void leavingWithUnsavedChangesAsks();
    void aNewerDatabaseIsReadOnly();
    void theBatchWindowHandsItsCoursesToANewFile();
    void aReportAsksBeforeReplacingAFile_data();
    void aReportAsksBeforeReplacingAFile();
    void aCourseExplainsItsResultInItsTooltip_data();
    void aCourseExplainsItsResultInItsTooltip();
};

void FilesWindowTest::tabGoesThroughTheFileInReadingOrder() {
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"),
                  QStringLiteral("85"));
    const QStringList order{
        "TXT_OGRENCI_ADI",   "TXT_OGRENCI_NO",   "TXT_PROGRAM",       "TXT_DIGER_UNIVERSITE",
        "TXT_ACIKLAMA",      "CMB_KAYNAK_OLCEK", "CMB_DORNELA_OLCEK", "TXT_DERS_KODU",
        "TXT_DERS_ADI",      "TXT_KREDI",        "TXT_AKTS",          "TXT_DERSNOTU",
        "CHK_ORTALAMA",      "BTN_DERS_EKLE",    "BTN_DERS_SIL",      "DG_DERSLER",
        "BTN_HELP",          "BTN_KAYDET",       "BTN_PDF",           "BTN_XLSX",
        "BTN_DOSYA_LISTESI", "BTN_BACK"};
    d.get<QWidget>("TXT_OGRENCI_ADI")->setFocus();
    QStringList seen{FilesDriver::focusName()};
    for (int i = 0; i < order.size(); ++i) {
        FilesDriver::key(Qt::Key_Tab);
        seen.append(FilesDriver::focusName());
    }
    QCOMPARE(seen.mid(0, order.size()), order);
    QCOMPARE(seen.last(), order.first()); // and round again
}

void FilesWindowTest::aCourseIsTypedConvertedAndTheCodeBoxIsNext() {
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik I"), QStringLiteral("4"),
                  QStringLiteral("85"));

    QCOMPARE(d.messages.messages.size(), 0);
    QCOMPARE(d.table()->model()->rowCount(), 1);
    QCOMPARE(d.cell(0, 0), QStringLiteral("MAT101"));
    QCOMPARE(d.cell(0, 1), QStringLiteral("Matematik I"));
    QCOMPARE(d.cell(0, LetterColumn), QStringLiteral("BA"));
    QCOMPARE(d.focusName(), QStringLiteral("TXT_DERS_KODU"));
    for (const char* box : {"TXT_DERS_KODU", "TXT_DERS_ADI", "TXT_KREDI", "TXT_DERSNOTU"})
        QVERIFY2(d.get<QLineEdit>(box)->text().isEmpty(), box);
    // Painted where the user looks: the home letter in the pass colour, the totals below.
    QVERIFY(cellPaints(d.table(), 0, LetterColumn, PassColour()));
    const QString totals = d.get<QLabel>("LBL_TOPLAMLAR")->text();
    QVERIFY2(totals.contains(QStringLiteral("Ders: 1")) && totals.contains(QStringLiteral("Geçer: 1")) &&
                 totals.contains(QStringLiteral("Toplam Kredi: 4,00")),
             qPrintable(totals));

    // A second course, a fail: the totals follow.
    d.enterCourse(QStringLiteral("FIZ101"), QStringLiteral("Fizik"), QStringLiteral("2"),
                  QStringLiteral("45"));
    QCOMPARE(d.table()->model()->rowCount(), 2);
    QVERIFY(cellPaints(d.table(), 1, LetterColumn, FailColour()));
    QVERIFY(d.get<QLabel>("LBL_TOPLAMLAR")->text().contains(QStringLiteral("Kalır: 1")));
}

void FilesWindowTest::aWrongBoxIsNamedAndNothingIsAdded() {
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"),
                  QStringLiteral("250"));
    QCOMPARE(d.messages.messages.size(), 1);
    QCOMPARE(d.table()->model()->rowCount(), 0);
    QCOMPARE(d.focusName(), QStringLiteral("TXT_DERSNOTU"));
    // What was typed stays to be mended.
    QCOMPARE(d.get<QLineEdit>("TXT_DERS_KODU")->text(), QStringLiteral("MAT101"));
}

void FilesWindowTest::aRowIsChangedInPlace() {
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"),
                  QStringLiteral("85"));
    d.enterCourse(QStringLiteral("FIZ101"), QStringLiteral("Fizik"), QStringLiteral("2"),
                  QStringLiteral("90"));

    d.table()->setFocus();
    d.table()->setCurrentRowNumber(0);
    FilesDriver::key(Qt::Key_F2);
    QCOMPARE(d.focusName(), QStringLiteral("TXT_DERS_KODU"));
    QCOMPARE(d.get<QLineEdit>("TXT_DERSNOTU")->text(), QStringLiteral("85"));
    auto* grade = d.get<QLineEdit>("TXT_DERSNOTU");
    grade->setFocus();
    grade->selectAll();
    FilesDriver::type(QStringLiteral("45"));
    FilesDriver::key(Qt::Key_Return);

    QCOMPARE(d.table()->model()->rowCount(), 2);
    QCOMPARE(d.cell(0, 0), QStringLiteral("MAT101"));
    QCOMPARE(d.cell(0, 4), QStringLiteral("45"));
    QVERIFY(cellPaints(d.table(), 0, LetterColumn, FailColour()));
    QCOMPARE(d.cell(1, 0), QStringLiteral("FIZ101"));
    QCOMPARE(d.window->editorPage()->editedRow(), -1);

    // A double-click loads a row too; Escape leaves it unchanged.
    const QRect second = d.table()->visualRect(d.table()->model()->index(1, 1));
    // A real double-click: a click, then the second press that makes it double.
    QTest::mouseClick(d.table()->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(d.table()->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(d.window->editorPage()->editedRow(), 1);
    QCOMPARE(d.get<QLineEdit>("TXT_DERS_KODU")->text(), QStringLiteral("FIZ101"));
    FilesDriver::key(Qt::Key_Escape);
    QCOMPARE(d.window->editorPage()->editedRow(), -1);
    QCOMPARE(d.navigator.returns, 0);
    QCOMPARE(d.cell(1, 4), QStringLiteral("90"));
}

void FilesWindowTest::aLongGradeIsLoadedWhole() {
    FilesDatabase db;
    {
        FileStore store(db.path());
        ConversionFile file = storedFile(QStringLiteral("Ali Veli"), QStringLiteral("1"));
        file.otherScaleId = fixture::LongLetters;
        file.courses[0].grade = QStringLiteral("Mükemmel");
        store.save(file);
    }
    FilesDriver d(db.path());
    d.press("BTN_DOSYA_AC");
    QCOMPARE(d.cell(0, LetterColumn), QStringLiteral("AA"));
    d.table()->setFocus();
    FilesDriver::key(Qt::Key_F2);
    // Beyond the five characters a user may type, yet not cut.
    QCOMPARE(d.get<QLineEdit>("TXT_DERSNOTU")->text(), QStringLiteral("Mükemmel"));
    d.get<QLineEdit>("TXT_DERSNOTU")->setFocus();
    FilesDriver::key(Qt::Key_Return);
    QCOMPARE(d.messages.messages.size(), 0);
    QCOMPARE(d.cell(0, 4), QStringLiteral("Mükemmel"));
}

void FilesWindowTest::deleteAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("rowsLeft");
    QTest::newRow("Evet") << int(ResultEvet) << 1;
    QTest::newRow("Hayır") << int(ResultHayir) << 2;
}

void FilesWindowTest::deleteAsksFirst() {
    QFETCH(int, answer);
    QFETCH(int, rowsLeft);
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"),
                  QStringLiteral("85"));
    d.enterCourse(QStringLiteral("FIZ101"), QStringLiteral("Fizik"), QStringLiteral("2"),
                  QStringLiteral("90"));
    d.table()->setFocus();
    d.table()->setCurrentRowNumber(0);
    d.messages.answers = {answer};
    FilesDriver::key(Qt::Key_Delete);
    QCOMPARE(d.messages.messages.size(), 1);
    QCOMPARE(d.messages.messages.at(0).style, StyleYesNo);
    QVERIFY(d.messages.messages.at(0).text.contains(QStringLiteral("“MAT101”")));
    QCOMPARE(d.table()->model()->rowCount(), rowsLeft);
    QCOMPARE(d.cell(rowsLeft - 1, 0), QStringLiteral("FIZ101"));
}

void FilesWindowTest::theListAnswersAsTheUserTypes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("capital dotless I finds ı") << "IŞIL" << QStringList{"Işıl Yılmaz"};
    QTest::newRow("small dotted i does not find ı") << "işıl" << QStringList{};
    QTest::newRow("small i finds İ") << "ismail" << QStringList{"İsmail Çelik"};
    QTest::newRow("capital I does not find İ") << "ISMAIL" << QStringList{};
    QTest::newRow("number") << "2021" << QStringList{"Işıl Yılmaz", "İsmail Çelik"};
    QTest::newRow("nothing typed") << "" << QStringList{"Ayşe Demir", "Işıl Yılmaz", "İsmail Çelik"};
}

void FilesWindowTest::theListAnswersAsTheUserTypes() {
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    FilesDatabase db;
    {
        FileStore store(db.path());
        for (const auto& [name, number] :
             {std::pair{"Işıl Yılmaz", "2021001"}, std::pair{"İsmail Çelik", "2021002"},
              std::pair{"Ayşe Demir", "2019003"}}) {
            ConversionFile file = storedFile(QString::fromUtf8(name), QString::fromUtf8(number));
            store.save(file);
        }
    }
    FilesDriver d(db.path());
    QCOMPARE(d.list()->model()->rowCount(), 3);
    auto* search = d.get<QLineEdit>("TXT_ARA");
    search->setFocus();
    FilesDriver::type(typed); // no Enter: the list answers each key
    QStringList listed;
    for (int row = 0; row < d.list()->model()->rowCount(); ++row)
        listed.append(d.list()->model()->index(row, 0).data().toString());
    listed.sort();
    found.sort();
    QCOMPARE(listed, found);
}

void FilesWindowTest::aSavedFileOpensAgainWholeFromTheList() {
    FilesDatabase db;
    {
        FilesDriver d(db.path());
        d.newFile();
        d.get<QLineEdit>("TXT_OGRENCI_ADI")->setFocus();
        FilesDriver::type(QStringLiteral("Zeynep Öztürk"));
        d.get<QLineEdit>("TXT_OGRENCI_NO")->setFocus();
        FilesDriver::type(QStringLiteral("2020117"));
        d.get<QLineEdit>("TXT_DIGER_UNIVERSITE")->setFocus();
        FilesDriver::type(QStringLiteral("Ege Üniversitesi"));
        d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"),
                      QStringLiteral("85"));
        d.press("BTN_KAYDET");
        QCOMPARE(d.messages.texts(), QStringList{QStringLiteral("Dönüşüm dosyası kaydedildi...")});
        QVERIFY(!d.window->editorPage()->work().hasChanges());
        d.press("BTN_DOSYA_LISTESI");
        QVERIFY(!d.window->editing());
        QCOMPARE(d.list()->model()->rowCount(), 1);
        QCOMPARE(d.list()->model()->index(0, 0).data().toString(), QStringLiteral("Zeynep Öztürk"));
        QCOMPARE(d.list()->model()->index(0, 5).data().toInt(), 1);
    }
    FilesDriver d(db.path());
    d.list()->setFocus();
    d.list()->setCurrentRowNumber(0);
    FilesDriver::key(Qt::Key_Return);
    QVERIFY(d.window->editing());
    QCOMPARE(d.get<QLineEdit>("TXT_OGRENCI_ADI")->text(), QStringLiteral("Zeynep Öztürk"));
    QCOMPARE(d.get<QLineEdit>("TXT_DIGER_UNIVERSITE")->text(), QStringLiteral("Ege Üniversitesi"));
    QCOMPARE(d.get<QComboBox>("CMB_KAYNAK_OLCEK")->currentData().toLongLong(), fixture::Hundred);
    QCOMPARE(d.cell(0, 0), QStringLiteral("MAT101"));
    QCOMPARE(d.cell(0, LetterColumn), QStringLiteral("BA"));
    QCOMPARE(d.cell(0, MarkColumn), QString());
    QVERIFY(!d.window->editorPage()->work().hasChanges());
}

void FilesWindowTest::aFileChangedElsewhereIsNotOverwritten() {
    FilesDatabase db;
    qint64 id = -1;
    {
        FileStore store(db.path());
        ConversionFile file = storedFile(QStringLiteral("Ali Veli"), QStringLiteral("1"));
        store.save(file);
        id = file.id;
    }
    FilesDriver d(db.path());
    d.list()->setCurrentRowNumber(0);
    d.press("BTN_DOSYA_AC");
    d.enterCourse(QStringLiteral("FIZ101"), QStringLiteral("Fizik"), QStringLiteral("2"),
                  QStringLiteral("90"));

    // Another program saves the same file meanwhile.
    FileStore other(db.path());
    ConversionFile theirs = other.load(id);
    theirs.note = QStringLiteral("başka yerde");
    other.save(theirs);

    d.press("BTN_KAYDET");
    QCOMPARE(d.messages.texts(), QStringList{FileStore::ChangedElsewhereText()});
    // Nothing lost here, nothing overwritten there.
    QCOMPARE(d.table()->model()->rowCount(), 2);
    QVERIFY(d.window->editorPage()->work().hasChanges());
    QCOMPARE(other.load(id).courses.size(), 1);
    QCOMPARE(other.load(id).note, QStringLiteral("başka yerde"));
}

void FilesWindowTest::aChangedResultIsMarkedUntilSaved() {
    FilesDatabase db;
    {
        // The file keeps BB 3,00 for 85, as the scales gave it before an edit.
        FileStore store(db.path());
        ConversionFile file = storedFile(QStringLiteral("Ali Veli"), QStringLiteral("1"));
        CourseResult& stored = file.courses[0].stored;
        stored.converted = true;
        stored.homeLetter = QStringLiteral("BB");
        stored.homeValue = 3;
        stored.letterValue = 3;
        stored.homeStatus = QStringLiteral("GEÇER");
        stored.passed = true;
        store.save(file);
    }
    FilesDriver d(db.path());
    d.press("BTN_DOSYA_AC");
    QCOMPARE(d.cell(0, MarkColumn), QStringLiteral("SONUÇ DEĞİŞTİ: BB 3,00 → BA 3,55"));
    QCOMPARE(d.cell(0, LetterColumn), QStringLiteral("BA"));
    d.table()->setCurrentRowNumber(-1); // the marked row as the user sees it when not current
    QVERIFY(cellPaints(d.table(), 0, 1, QColor(255, 236, 179)));
    QVERIFY(d.window->editorPage()->work().hasChanges());
    // The save accepts the new result: the mark goes.
    d.press("BTN_KAYDET");
    QCOMPARE(d.cell(0, MarkColumn), QString());
    QVERIFY(!cellPaints(d.table(), 0, 1, QColor(255, 236, 179)));
}

void FilesWindowTest::leavingWithUnsavedChangesAsks() {
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"),
                  QStringLiteral("85"));
    d.messages.answers = {ResultHayir};
    FilesDriver::key(Qt::Key_Escape);
    QCOMPARE(d.messages.messages.size(), 1);
    QCOMPARE(d.messages.messages.at(0).style, StyleYesNo);
    QCOMPARE(d.navigator.returns, 0);
    QCOMPARE(d.table()->model()->rowCount(), 1);
    d.messages.answers = {ResultEvet};
    d.press("BTN_BACK");
    QCOMPARE(d.navigator.returns, 1);
}

void FilesWindowTest::aNewerDatabaseIsReadOnly() {
    FilesDatabase db;
    {
        FileStore store(db.path());
        ConversionFile file = storedFile(QStringLiteral("Ali Veli"), QStringLiteral("1"));
        store.save(file);
    }
    FilesDriver d(db.path(), {}, SchemaState::Kind::Newer);
    QTRY_COMPARE(d.messages.texts(), QStringList{QStringLiteral("newer")});
    QCOMPARE(d.list()->model()->rowCount(), 1);
    QVERIFY(!d.get<PictureBttn>("BTN_YENI_DOSYA")->isEnabled());
    QVERIFY(!d.get<PictureBttn>("BTN_DOSYA_SIL")->isEnabled());
    d.press("BTN_DOSYA_AC");
    QVERIFY(d.window->editing());
    QCOMPARE(d.cell(0, LetterColumn), QStringLiteral("BA"));
    QVERIFY(!d.get<PictureBttn>("BTN_KAYDET")->isEnabled());
}

void FilesWindowTest::theBatchWindowHandsItsCoursesToANewFile() {
    FilesDatabase db;
    QVariant handOver;
    {
        ConversionWindowDriver<BatchWindow> batch(db.path());
        batch.choose(fixture::Hundred, fixture::HomeLadder);
        for (const auto& [grade, credit] : {std::pair{"85", "4"}, std::pair{"45", "2,5"}}) {
            batch.get<QLineEdit>("TXT_DERSNOTU")->setText(QString::fromUtf8(grade));
            batch.get<QLineEdit>("TXT_KREDI")->setText(QString::fromUtf8(credit));
            batch.get<PictureBttn>("BTN_LISTEYE_EKLE")->press();
        }
        auto* toFile = batch.get<PictureBttn>("BTN_DOSYAYA_AKTAR");
        QVERIFY(toFile->isVisibleTo(batch.window));
        toFile->press();
        QCOMPARE(batch.navigator.opened, QList<WorkingWindow>{WorkingWindow::Files});
        QVERIFY(!batch.alive || !batch.window->isVisible());
        QCOMPARE(batch.messages.messages.size(), 0);
        handOver = batch.navigator.handedOver.value(0);
    }
    QVERIFY(handOver.canConvert<BatchHandOver>());
    FilesDriver d(db.path(), handOver);
    QVERIFY(d.window->editing());
    QCOMPARE(d.get<QComboBox>("CMB_KAYNAK_OLCEK")->currentData().toLongLong(), fixture::Hundred);
    QCOMPARE(d.get<QComboBox>("CMB_DORNELA_OLCEK")->currentData().toLongLong(), fixture::HomeLadder);
    QCOMPARE(d.table()->model()->rowCount(), 2);
    QCOMPARE(d.cell(0, 4), QStringLiteral("85"));
    QCOMPARE(d.cell(0, LetterColumn), QStringLiteral("BA"));
    QCOMPARE(d.cell(1, 2), QStringLiteral("2,50"));
    QVERIFY(cellPaints(d.table(), 1, LetterColumn, FailColour()));
    QVERIFY(d.window->editorPage()->work().hasChanges()); // not saved yet
}

void FilesWindowTest::aReportAsksBeforeReplacingAFile_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("PDF") << "BTN_PDF"
                         << ".pdf";
    QTest::newRow("xlsx") << "BTN_XLSX"
                          << ".xlsx";
}

void FilesWindowTest::aReportAsksBeforeReplacingAFile() {
    QFETCH(QString, button);
    QFETCH(QString, suffix);
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.get<QLineEdit>("TXT_OGRENCI_NO")->setFocus();
    FilesDriver::type(QStringLiteral("2020117"));
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"),
                  QStringLiteral("85"));
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("belge") + suffix);
    QFile old(existing);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("eski");
    old.close();
    AnsweredDialog dialog;
    // The name without its suffix; "Hayır" to replacing it; then a new name.
    dialog.answers = {folder.filePath(QStringLiteral("belge")), folder.filePath(QStringLiteral("yeni"))};
    // The document also asks whether the explanations go in: "Evet".
    const bool pdf = suffix == QLatin1String(".pdf");
    d.messages.answers = {ResultHayir, ResultEvet};
    control<PictureBttn>(d.window.get(), button)->press();

    QVERIFY(dialog.suggestions.first().endsWith(QStringLiteral("Not-Donusum-Belgesi-2020117-") +
                                                QDate::currentDate().toString(Qt::ISODate) + suffix));
    QCOMPARE(d.messages.messages.size(), pdf ? 3 : 2);
    QVERIFY(d.messages.messages.at(0).text.endsWith(
        QStringLiteral(" adlı dosya zaten var. Dosyanın üzerine yazmak istiyor musunuz?")));
    if (pdf)
        QCOMPARE(d.messages.messages.at(1).text, ExplanationAppendixQuestion());
    QFile kept(existing);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("eski"));
    const QString written = folder.filePath(QStringLiteral("yeni") + suffix);
    QCOMPARE(d.messages.messages.last().text, QStringLiteral("Rapor ") + QDir::toNativeSeparators(written) +
                                                  QStringLiteral(" adlı dosyaya kaydedildi..."));
    QVERIFY(QFileInfo(written).size() > 0);
    if (pdf) {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {written, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString read = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(read.contains(QStringLiteral("2020117")) && read.contains(QStringLiteral("Matematik")),
                 qPrintable(read));
        QVERIFY2(read.contains(ExplanationAppendixTitle()) &&
                     read.contains(d.window->editorPage()->work().explanation(0).simplified()),
                 qPrintable(read));
    }
}

void FilesWindowTest::aCourseExplainsItsResultInItsTooltip_data() {
    QTest::addColumn<QString>("grade");
    QTest::addColumn<qint64>("scaleAfter"); // the other scale chosen after the course is entered
    QTest::addColumn<bool>("converted");
    QTest::newRow("pass block") << "85" << fixture::Hundred << true;
    QTest::newRow("fail block") << "30" << fixture::Hundred << true;
    QTest::newRow("grade not in the scale chosen now") << "85" << fixture::Letters << false;
}

void FilesWindowTest::aCourseExplainsItsResultInItsTooltip() {
    QFETCH(QString, grade);
    QFETCH(qint64, scaleAfter);
    QFETCH(bool, converted);
    FilesDatabase db;
    FilesDriver d(db.path());
    d.newFile();
    d.enterCourse(QStringLiteral("MAT101"), QStringLiteral("Matematik"), QStringLiteral("4"), grade);
    d.pick("CMB_KAYNAK_OLCEK", scaleAfter);
    QCOMPARE(d.table()->model()->rowCount(), 1);

    // The grade converted alone on the scales chosen now, explained.
    const RegionalSettings turkish = RegionalSettings::turkish();
    ConversionWindowViews single(db.path());
    single.choose(scaleAfter, fixture::HomeLadder);
    const GradeConversion alone = ConvertGradeQuietly(grade, ConversionVariant::Batch, single.views, turkish);
    QCOMPARE(alone.converted(), converted);
    const QString expected =
        ExplanationText(alone, ChosenScales(single.otherScales, single.homeScales), turkish);
    QCOMPARE(expected.isEmpty(), !converted);

    for (int column : {0, LetterColumn}) {
        const QModelIndex cell = d.table()->model()->index(0, column);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), expected);
        QCOMPARE(cell.data(Qt::AccessibleDescriptionRole).toString(), expected);
    }
}

QTEST_MAIN(FilesWindowTest)
#include "tst_fileswindow.moc"
