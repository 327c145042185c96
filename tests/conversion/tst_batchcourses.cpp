// The course list of FRMCOGUL through its controls: adding courses on a letter
// and a numeric scale, every refusal, removal, the totals under the list, the
// list following a change of either scale, and the PDF report.
#include "ConversionFixture.h"
#include "ConversionWindowDriver.h"
#include "GuiHelpers.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "conversion/BatchWindow.h"
#include "conversion/CourseList.h"
#include "conversion/ReportPathDialog.h"
#include "ui/DataGrid.h"
#include "ui/PictureBttn.h"
#include "ui/Twips.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

struct Window : ConversionWindowDriver<BatchWindow> {
    using ConversionWindowDriver::ConversionWindowDriver;

    QLineEdit* grade() { return get<QLineEdit>("TXT_DERSNOTU"); }
    QLineEdit* credit() { return get<QLineEdit>("TXT_KREDI"); }
    DataGrid* list() { return get<DataGrid>("DG_ARRAY"); }
    QString text(const char* label) { return get<QLabel>(label)->text(); }

    // The Enter path: grade, Enter, credit, Enter.
    void enterCourse(const QString& grade, const QString& credit) {
        this->grade()->setFocus();
        typeText(this->grade(), grade);
        QTest::keyClick(this->grade(), Qt::Key_Return);
        typeText(this->credit(), credit);
        QTest::keyClick(this->credit(), Qt::Key_Return);
    }
    // The add button.
    void addCourse(const QString& grade, const QString& credit) {
        this->grade()->setText(grade);
        this->credit()->setText(credit);
        clickOn(get<PictureBttn>("BTN_LISTEYE_EKLE"));
    }
    int rows() { return list()->model()->rowCount(); }
    QString cell(int row, int column) { return list()->model()->index(row, column).data().toString(); }
    // Grade (as the shown grade column has it), credit, home letter, home value, status.
    QStringList row(int r) {
        const int gradeColumn = list()->isColumnShown(CourseList::ColumnLetter) ? CourseList::ColumnLetter
                                                                                : CourseList::ColumnNumeric;
        return {cell(r, gradeColumn), cell(r, CourseList::ColumnCredit),
                cell(r, CourseList::ColumnHomeLetter), cell(r, CourseList::ColumnHomeValue),
                cell(r, CourseList::ColumnStatus)};
    }
};

// Answers the report's save dialog: from `next` while it lasts, then with `path`.
struct ChosenPath : ReportPathChooser {
    explicit ChosenPath(QString answer) : path(std::move(answer)) { setReportPathChooser(this); }
    ~ChosenPath() override { setReportPathChooser(nullptr); }
    QString choosePdfPath(QWidget*, const QString& suggested) override {
        ++asked;
        suggestion = suggested;
        return next.isEmpty() ? path : next.takeFirst();
    }
    QString path;
    QStringList next;
    QString suggestion;
    int asked = 0;
};

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestBatchCourses : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }

    void addingConvertsTheCourse_data();
    void addingConvertsTheCourse();
    void refusalsAddNothing_data();
    void refusalsAddNothing();
    void aFailureAfterTheSearchUsesThePlainBox();
    void totalsOfAWorkedTranscript();
    void silRemovesTheRowAtOnce();
    void anotherHomeScaleReconvertsEveryCourse();
    void anotherOtherScaleMarksTheCoursesItLacks();
    void courseListLeavesTheSingleConversionAlone();
    void totalsAndReportShowWithThePanel();
    void reportHoldsTheListAndItsTotals();
    void reportRefusals();
    void reportNeverOverwritesSilently_data();
    void reportNeverOverwritesSilently();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestBatchCourses::addingConvertsTheCourse_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<bool>("enterPath");
    QTest::addColumn<QString>("typedGrade");
    QTest::addColumn<QString>("typedCredit");
    QTest::addColumn<QStringList>("row");
    using namespace fixture;
    QTest::newRow("letter, Enter path") << Letters << true << "  BA"
                                        << "4" << QStringList{"BA", "4,00", "BA", "3,63", "GEÇER"};
    QTest::newRow("letter, fail block") << Letters << false << "DD"
                                        << "3,5" << QStringList{"DD", "3,50", "DD", "1,00", "KALIR"};
    QTest::newRow("letter, other case")
        << Letters << false << "cc"
        << "2" << QStringList{"CC", "2,00", "CB", "2,50", "GEÇER"}; // as the scale stores it
    QTest::newRow("numeric, full stop") << FiveTurkish << true << "4.5"
                                        << "6" << QStringList{"4,50", "6,00", "BA", "3,63", "GEÇER"};
    QTest::newRow("numeric, grade 73, credit with a full stop")
        << Hundred << false << "73"
        << "2.5" << QStringList{"73,00", "2,50", "BB", "3,19", "GEÇER"};
}

void TestBatchCourses::addingConvertsTheCourse() {
    QFETCH(qint64, other);
    QFETCH(bool, enterPath);
    QFETCH(QString, typedGrade);
    QFETCH(QString, typedCredit);
    QFETCH(QStringList, row);
    Window w(db_->path());
    w.choose(other, fixture::HomeLadder);
    if (enterPath)
        w.enterCourse(typedGrade, typedCredit);
    else
        w.addCourse(typedGrade, typedCredit);
    QVERIFY2(w.messages.messages.isEmpty(), qPrintable(w.messages.texts().join('|')));
    QCOMPARE(w.rows(), 1);
    QCOMPARE(w.row(0), row);
    QCOMPARE(w.cell(0, CourseList::ColumnDelete), QString("Sil"));
    QCOMPARE(w.grade()->text(), QString());
    QCOMPARE(w.credit()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w.grade());
    // A second course goes below the first.
    w.enterCourse(typedGrade, QStringLiteral("1"));
    QCOMPARE(w.rows(), 2);
    QCOMPARE(w.row(1).mid(2), row.mid(2));
}

void TestBatchCourses::refusalsAddNothing_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<QString>("typedGrade");
    QTest::addColumn<QString>("typedCredit");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    using namespace fixture;
    const QString gradeBox = QStringLiteral("TXT_DERSNOTU");
    const QString creditBox = QStringLiteral("TXT_KREDI");
    QTest::newRow("empty grade") << Letters << "   "
                                 << "4"
                                 << "LÜTFEN DERSİN NOTUNU GİRİNİZ..." << gradeBox;
    QTest::newRow("grade the scale lacks")
        << Letters << "ZZ"
        << "4"
        << "Girmiş olduğunuz not Harf Ölçeği adlı not ölçeğinde bulunamadı..." << gradeBox;
    QTest::newRow("number for a letter scale")
        << Letters << "3.5"
        << "4"
        << "Girmiş olduğunuz not Harf Ölçeği adlı not ölçeğinde bulunamadı..." << gradeBox;
    QTest::newRow("letters for a numeric scale")
        << Hundred << "AB"
        << "4"
        << "GİRDİĞİNİZ NOT SAYISAL BİR NOT DEĞİL...LÜTFEN GEÇERLİ BİR SAYISAL NOT GİRİNİZ..." << gradeBox;
    QTest::newRow("empty credit") << Letters << "AA"
                                  << "  "
                                  << "LÜTFEN DERSİN KREDİSİNİ GİRİNİZ..." << creditBox;
    QTest::newRow("zero credit") << Letters << "AA"
                                 << "0"
                                 << "DERSİN KREDİSİ SIFIRDAN BÜYÜK BİR SAYI OLMALIDIR..." << creditBox;
    QTest::newRow("negative credit") << Letters << "AA"
                                     << "-2"
                                     << "DERSİN KREDİSİ SIFIRDAN BÜYÜK BİR SAYI OLMALIDIR..." << creditBox;
    QTest::newRow("credit no number") << Letters << "AA"
                                      << "dört"
                                      << "DERSİN KREDİSİ SIFIRDAN BÜYÜK BİR SAYI OLMALIDIR..." << creditBox;
    QTest::newRow("credit infinite") << Letters << "AA"
                                     << "1e400"
                                     << "DERSİN KREDİSİ SIFIRDAN BÜYÜK BİR SAYI OLMALIDIR..." << creditBox;
    QTest::newRow("credit beyond 1000") << Letters << "AA"
                                        << "1000,5"
                                        << "DERSİN KREDİSİ EN FAZLA 1000 OLABİLİR..." << creditBox;
}

void TestBatchCourses::refusalsAddNothing() {
    QFETCH(qint64, other);
    QFETCH(QString, typedGrade);
    QFETCH(QString, typedCredit);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    Window w(db_->path());
    w.choose(other, fixture::HomeLadder);
    w.addCourse(QStringLiteral("AA"), QStringLiteral("1")); // a course already listed
    w.addCourse(QStringLiteral("50"), QStringLiteral("1"));
    const int before = w.rows();
    const QString average = w.text("LBL_AGIRLIKLI_ORTALAMA");
    w.messages.clear();

    w.addCourse(typedGrade, typedCredit);
    QCOMPARE(w.messages.texts(), QStringList{message});
    QCOMPARE(w.messages.messages.first().icon, IconStop);
    QVERIFY(!w.messages.messages.first().plain);
    QCOMPARE(w.messages.messages.first().owner.data(), w.window);
    QCOMPARE(w.rows(), before);
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), average);
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(w.credit()->text(), typedCredit); // what was typed stays to be corrected
    QVERIFY(!w.window->animating());
}

void TestBatchCourses::aFailureAfterTheSearchUsesThePlainBox() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeWithoutBA);
    w.addCourse(QStringLiteral("BA"), QStringLiteral("3"));
    QCOMPARE(w.messages.texts(), QStringList{HomeGradeMissingText()});
    QVERIFY(w.messages.messages.first().plain);
    QCOMPARE(w.rows(), 0);
}

void TestBatchCourses::totalsOfAWorkedTranscript() {
    // grade -> home letter (value) x credit:
    //   AA -> AA (4.0) x 4      = 16
    //   BA -> BA (3.5) x 3      = 10.5
    //   CC -> CB (2.5) x 2      = 5
    //   DD -> DD (1.0) x 5      = 5
    //   FF -> FF (0.0) x 1      = 0
    //   BB -> BA (3.5) x 1,5    = 5.25
    // 41.75 / 16.5 = 2.5303... -> 2,53
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    QCOMPARE(w.text("LBL_DERS_SAYISI"), QString("Ders Sayısı: 0"));
    QCOMPARE(w.text("LBL_TOPLAM_KREDI"), QString("Toplam Kredi: 0,00"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: —"));
    const QList<QPair<QString, QString>> transcript = {{"AA", "4"}, {"BA", "3"}, {"CC", "2"},
                                                       {"DD", "5"}, {"FF", "1"}, {"BB", "1,5"}};
    for (const auto& [grade, credit] : transcript)
        w.enterCourse(grade, credit);
    QVERIFY2(w.messages.messages.isEmpty(), qPrintable(w.messages.texts().join('|')));
    QCOMPARE(w.rows(), 6);
    QCOMPARE(w.text("LBL_DERS_SAYISI"), QString("Ders Sayısı: 6"));
    QCOMPARE(w.text("LBL_TOPLAM_KREDI"), QString("Toplam Kredi: 16,50"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 2,53"));
    // The letter values are weighted, not the two-decimal values (those would give 2,58).
    const CourseTotals totals = w.window->courses().totals();
    QVERIFY(totals.average);
    QCOMPARE(*totals.average, 41.75 / 16.5);

    // English settings write the same totals their way.
    Window e(db_->path(), RegionalSettings::english());
    e.choose(fixture::Letters, fixture::HomeLadder);
    e.enterCourse(QStringLiteral("AA"), QStringLiteral("1000"));
    e.enterCourse(QStringLiteral("FF"), QStringLiteral("1.5"));
    QCOMPARE(e.text("LBL_TOPLAM_KREDI"), QString("Toplam Kredi: 1,001.50"));
    QCOMPARE(e.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 3.99"));
}

void TestBatchCourses::silRemovesTheRowAtOnce() {
    Window w(db_->path());
    QAbstractItemModelTester tester(w.list()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.enterCourse(QStringLiteral("AA"), QStringLiteral("4"));
    w.enterCourse(QStringLiteral("FF"), QStringLiteral("4"));
    w.enterCourse(QStringLiteral("BB"), QStringLiteral("2"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 2,30"));

    auto pressSil = [&w](int row) {
        const QRect cell = w.list()->visualRect(w.list()->model()->index(row, CourseList::ColumnDelete));
        QVERIFY(cell.isValid());
        QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, cell.center());
    };
    // A click on another cell removes nothing.
    const QRect other = w.list()->visualRect(w.list()->model()->index(1, CourseList::ColumnLetter));
    QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, other.center());
    QCOMPARE(w.rows(), 3);

    pressSil(1);                            // FF
    QVERIFY(w.messages.messages.isEmpty()); // no question asked
    QCOMPARE(w.rows(), 2);
    QCOMPARE(w.cell(0, CourseList::ColumnLetter), QString("AA"));
    QCOMPARE(w.cell(1, CourseList::ColumnLetter), QString("BB"));
    QCOMPARE(w.text("LBL_DERS_SAYISI"), QString("Ders Sayısı: 2"));
    QCOMPARE(w.text("LBL_TOPLAM_KREDI"), QString("Toplam Kredi: 6,00"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 3,83"));
    pressSil(1);
    pressSil(0);
    QCOMPARE(w.rows(), 0);
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: —"));
}

void TestBatchCourses::anotherHomeScaleReconvertsEveryCourse() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.enterCourse(QStringLiteral("BA"), QStringLiteral("3"));
    w.enterCourse(QStringLiteral("AA"), QStringLiteral("1"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 3,63"));

    // Statuses stored in small letters: every course converted again on it.
    w.pick("CMB_DORNELA_OLCEK", fixture::HomeLowercaseStatus);
    QCOMPARE(w.rows(), 2);
    QCOMPARE(w.row(0), (QStringList{"BA", "3,00", "BA", "3,63", "geçer"}));
    QCOMPARE(w.row(1), (QStringList{"AA", "1,00", "AA", "4,00", "geçer"}));
    QCOMPARE(w.grade()->text(), QString()); // the boxes are emptied as before

    // A home scale without BA cannot convert the BA course: marked and left out.
    w.pick("CMB_DORNELA_OLCEK", fixture::HomeWithoutBA);
    QVERIFY(w.messages.messages.isEmpty());
    QCOMPARE(w.row(0), (QStringList{"BA", "3,00", "—", "—", "DÖNÜŞTÜRÜLEMEDİ"}));
    QCOMPARE(w.row(1), (QStringList{"AA", "1,00", "AA", "4,00", "GEÇER"}));
    QCOMPARE(w.text("LBL_DERS_SAYISI"), QString("Ders Sayısı: 1 (1 ders hesaba katılmadı)"));
    QCOMPARE(w.text("LBL_TOPLAM_KREDI"), QString("Toplam Kredi: 1,00"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 4,00"));

    w.pick("CMB_DORNELA_OLCEK", fixture::HomeLadder);
    QCOMPARE(w.row(0), (QStringList{"BA", "3,00", "BA", "3,63", "GEÇER"}));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 3,63"));
}

void TestBatchCourses::anotherOtherScaleMarksTheCoursesItLacks() {
    Window w(db_->path());
    QAbstractItemModelTester tester(w.list()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.enterCourse(QStringLiteral("AA"), QStringLiteral("2"));
    w.enterCourse(QStringLiteral("DD"), QStringLiteral("2"));

    // "Tekli" has the letters A and F only.
    w.pick("CMB_KAYNAK_OLCEK", fixture::SingleBlocks);
    QCOMPARE(w.rows(), 2);
    QCOMPARE(w.row(0), (QStringList{"AA", "2,00", "—", "—", "ÖLÇEKTE YOK"}));
    QCOMPARE(w.text("LBL_DERS_SAYISI"), QString("Ders Sayısı: 0 (2 ders hesaba katılmadı)"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: —"));
    w.enterCourse(QStringLiteral("F"), QStringLiteral("1"));
    QCOMPARE(w.row(2), (QStringList{"F", "1,00", "CC", "2,00", "KALIR"}));

    // On a numeric scale the letters are no numbers: marked too; nothing typed is lost.
    w.pick("CMB_KAYNAK_OLCEK", fixture::FiveTurkish);
    w.enterCourse(QStringLiteral("4,5"), QStringLiteral("2"));
    QCOMPARE(w.row(3), (QStringList{"4,50", "2,00", "BA", "3,63", "GEÇER"}));
    QCOMPARE(w.cell(0, CourseList::ColumnNumeric), QString("AA"));
    QCOMPARE(w.cell(0, CourseList::ColumnStatus), QString("ÖLÇEKTE YOK"));
    QCOMPARE(w.text("LBL_DERS_SAYISI"), QString("Ders Sayısı: 1 (3 ders hesaba katılmadı)"));

    // Back on the first scale, its courses count again.
    w.pick("CMB_KAYNAK_OLCEK", fixture::Letters);
    QCOMPARE(w.row(0), (QStringList{"AA", "2,00", "AA", "4,00", "GEÇER"}));
    QCOMPARE(w.row(1), (QStringList{"DD", "2,00", "DD", "1,00", "KALIR"}));
    QCOMPARE(w.text("LBL_DERS_SAYISI"), QString("Ders Sayısı: 2 (2 ders hesaba katılmadı)"));
    QCOMPARE(w.text("LBL_AGIRLIKLI_ORTALAMA"), QString("Ağırlıklı Ortalama: 2,50"));
    QVERIFY(w.messages.messages.isEmpty());
}

void TestBatchCourses::courseListLeavesTheSingleConversionAlone() {
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    auto* otherGrid = w.get<DataGrid>("DG_DIGER_NOTLAR");
    auto* homeGrid = w.get<DataGrid>("DG_DORNELA_NOTLAR");
    auto* input = w.get<QLineEdit>("TXT_DONUSTURULECEK_NOT");
    typeText(input, QStringLiteral("CB"));
    clickOn(w.get<PictureBttn>("BTN_ZENDARO"));
    while (w.window->advanceAnimation()) {
    }
    const int otherRow = otherGrid->currentRowNumber();
    const int homeRow = homeGrid->currentRowNumber();
    QCOMPARE(w.get<QLabel>("LBL_DORNELA_HARF_NOTU")->text(), QString("BB"));

    w.enterCourse(QStringLiteral("FF"), QStringLiteral("3"));
    QCOMPARE(w.rows(), 1);
    QCOMPARE(otherGrid->currentRowNumber(), otherRow);
    QCOMPARE(homeGrid->currentRowNumber(), homeRow);
    QCOMPARE(input->text(), QString("CB"));
    QCOMPARE(w.get<QLabel>("LBL_DORNELA_HARF_NOTU")->text(), QString("BB"));
    QVERIFY(w.get<QLabel>("LBL_DORNELA_SAYISAL_NOT")->isVisible());
    QVERIFY(!w.window->animating());
}

void TestBatchCourses::totalsAndReportShowWithThePanel() {
    Window w(db_->path());
    auto* totals = w.get<QWidget>("CER_TOPLAM");
    auto* panel = w.get<QWidget>("CER_DONUSUM");
    QVERIFY(!totals->isVisible());
    w.pick("CMB_KAYNAK_OLCEK", fixture::Letters);
    QVERIFY(!totals->isVisible());
    w.pick("CMB_DORNELA_OLCEK", fixture::HomeLadder);
    QVERIFY(totals->isVisible());
    QVERIFY(w.get<PictureBttn>("BTN_RAPOR")->isVisible());
    QCOMPARE(w.get<PictureBttn>("BTN_RAPOR")->caption(), QString("Rapor (PDF)"));
    // Below the panel, clear of the single-grade box and of "ANA MENÜ".
    QVERIFY(totals->geometry().top() >= panel->geometry().bottom());
    QVERIFY(!totals->geometry().intersects(w.get<QWidget>("TXT_DONUSTURULECEK_NOT")->geometry()));
    QVERIFY(!totals->geometry().intersects(w.get<QWidget>("BTN_BACK")->geometry()));
    QVERIFY(totals->geometry().bottom() < w.window->height());
    // The list grew within the panel, clear of the convert button.
    const QRect list = w.list()->geometry();
    QVERIFY(panel->rect().contains(list));
    QVERIFY(!list.intersects(w.get<QWidget>("BTN_ZENDARO")->geometry()));
    QCOMPARE(list.topLeft(), twipsRect(2760, 480, 0, 0).topLeft());
    for (const char* name : {"LBL_DERS_SAYISI", "LBL_TOPLAM_KREDI", "LBL_AGIRLIKLI_ORTALAMA"}) {
        auto* label = w.get<QLabel>(name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
}

void TestBatchCourses::reportHoldsTheListAndItsTotals() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.enterCourse(QStringLiteral("BA"), QStringLiteral("4"));
    w.enterCourse(QStringLiteral("dd"), QStringLiteral("2,5"));  // shown as stored: DD
    w.enterCourse(QStringLiteral("A'<b>"), QStringLiteral("1")); // refused: not on the scale
    w.pick("CMB_KAYNAK_OLCEK", fixture::Letters);                // nothing changes, boxes emptied
    w.messages.clear();

    ChosenPath chosen(dir.filePath(QStringLiteral("transkript"))); // ".pdf" is added
    clickOn(w.get<PictureBttn>("BTN_RAPOR"));
    QCOMPARE(chosen.asked, 1);
    QVERIFY(chosen.suggestion.endsWith(QStringLiteral(".pdf")));
    const QString path = dir.filePath(QStringLiteral("transkript.pdf"));
    QCOMPARE(w.messages.texts(),
             QStringList{"Rapor " + QDir::toNativeSeparators(path) + " adlı dosyaya kaydedildi..."});
    QCOMPARE(w.messages.messages.first().icon, IconInfo);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"transkript.pdf"}); // no temporary left

    const QString text = pdfText(path);
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    const QString today =
        QLocale(QLocale::Turkish).toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"));
    const QStringList expected = {"Çoğul Not Dönüştürme Raporu",
                                  "Tarih: " + today,
                                  "Harf Ölçeği",
                                  "Harf Notu",
                                  "Lisans",
                                  "Eğitim Düzeyi",
                                  "Dornela Harf Notu",
                                  "Dornela Sayısal Not",
                                  "Başarı Durumu",
                                  "3,63",
                                  "GEÇER",
                                  "KALIR",
                                  "Ders Sayısı",
                                  "Toplam Kredi",
                                  "6,50",
                                  "Ağırlıklı Ortalama",
                                  "2,54"}; // (3.5 x 4 + 1.0 x 2.5) / 6.5 = 2.538...
    for (const QString& piece : expected)
        QVERIFY2(text.contains(piece), qPrintable(piece + " not in:\n" + text));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("1\\s+BA\\s+4,00\\s+BA\\s+3,63\\s+GEÇER"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("2\\s+DD\\s+2,50\\s+DD\\s+1,00\\s+KALIR"))));
}

void TestBatchCourses::reportRefusals() {
    QTemporaryDir dir;
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    ChosenPath chosen(dir.filePath(QStringLiteral("bos.pdf")));
    // An empty list makes no report and asks for no path.
    clickOn(w.get<PictureBttn>("BTN_RAPOR"));
    QCOMPARE(w.messages.texts(), QStringList{"RAPOR İÇİN LÜTFEN ÖNCE LİSTEYE DERS EKLEYİNİZ..."});
    QCOMPARE(chosen.asked, 0);

    w.enterCourse(QStringLiteral("AA"), QStringLiteral("3"));
    w.messages.clear();
    // Cancelling the dialog writes nothing and says nothing.
    chosen.path.clear();
    clickOn(w.get<PictureBttn>("BTN_RAPOR"));
    QCOMPARE(chosen.asked, 1);
    QVERIFY(w.messages.messages.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // A folder that does not exist, or a folder of the chosen name: told why
    // in Turkish, and nothing is written.
    chosen.path = dir.filePath(QStringLiteral("yok/klasor/rapor.pdf"));
    clickOn(w.get<PictureBttn>("BTN_RAPOR"));
    QCOMPARE(w.messages.texts(), QStringList{"Rapor " + QDir::toNativeSeparators(chosen.path) +
                                             " adlı dosyaya kaydedilemedi: Seçilen klasör bulunamadı."});
    QCOMPARE(w.messages.messages.first().icon, IconStop);
    QVERIFY(!QFile::exists(chosen.path));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    w.messages.clear();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("klasor.pdf")));
    chosen.path = dir.filePath(QStringLiteral("klasor"));
    clickOn(w.get<PictureBttn>("BTN_RAPOR"));
    QCOMPARE(w.messages.texts(), QStringList{"Rapor " + QDir::toNativeSeparators(chosen.path) +
                                             ".pdf adlı dosyaya kaydedilemedi: Bu adda bir klasör var."});
}

void TestBatchCourses::reportNeverOverwritesSilently_data() {
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QList<int>>("answers"); // to the overwrite question, in turn
    QTest::addColumn<bool>("replaced");
    QTest::newRow("name without .pdf, Hayır, then cancel") << "eski" << QList<int>{int(ResultHayir)} << false;
    QTest::newRow("name without .pdf, Evet") << "eski" << QList<int>{int(ResultEvet)} << true;
    QTest::newRow("full name, Hayır, then cancel") << "eski.pdf" << QList<int>{int(ResultHayir)} << false;
}

void TestBatchCourses::reportNeverOverwritesSilently() {
    QFETCH(QString, typedName);
    QFETCH(QList<int>, answers);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("eski.pdf"));
    {
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("another student's report");
    }
    Window w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    w.enterCourse(QStringLiteral("AA"), QStringLiteral("3"));
    w.messages.clear();
    w.messages.answers = answers;
    ChosenPath chosen{QString()}; // after "Hayır" the dialog is cancelled
    chosen.next = {dir.filePath(typedName)};

    clickOn(w.get<PictureBttn>("BTN_RAPOR"));
    QVERIFY(!w.messages.messages.isEmpty());
    QCOMPARE(w.messages.messages.first().text,
             QDir::toNativeSeparators(existing) +
                 " adlı dosya zaten var. Dosyanın üzerine yazmak istiyor musunuz?");
    QCOMPARE(w.messages.messages.first().style, StyleYesNo);
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    if (replaced) {
        QVERIFY(content.startsWith("%PDF"));
        QCOMPARE(w.messages.messages.size(), 2); // and then: saved
        QCOMPARE(chosen.asked, 1);
    } else {
        QCOMPARE(content, QByteArray("another student's report"));
        QCOMPARE(w.messages.messages.size(), 1);
        QCOMPARE(chosen.asked, 2); // "Hayır" asks for another name
        QCOMPARE(chosen.suggestion, existing);
    }
}

QTEST_MAIN(TestBatchCourses)
#include "tst_batchcourses.moc"
