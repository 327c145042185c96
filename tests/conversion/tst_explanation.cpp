// The explanation of a conversion: its figures are the conversion's own, the
// pair table converts every grade as the one conversion path does, the curve
// shows the grade and the blocks where they are, the table's PDF holds the
// table, and FRMBIREBIR offers the explanation only beside a result.
#include "ConversionFixture.h"
#include "ConversionWindowDriver.h"
#include "FixtureSql.h"
#include "conversion/ConversionCurve.h"
#include "conversion/Explanation.h"
#include "conversion/ExplanationWindow.h"
#include "conversion/NumberText.h"
#include "conversion/OneToOneWindow.h"
#include "conversion/PairTable.h"
#include "conversion/ReportPathDialog.h"
#include "ui/DataGrid.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

using namespace zendaro;
using namespace zendaro::test;

namespace {

constexpr qint64 TenThousand = 8; // numeric 100 down to 0 by 0,01: 5001 pass grades (100..50), 5000 fail

// The conversion fixture and a numeric scale of 10,001 grades, as a Turkish
// numeric scale stores them (100, 99,99, ..., 0,01, 0).
QString fixtureWithTenThousand() {
    return conversionFixtureSql() + TenThousandOneGradesSql(TenThousand);
}

// Answers the save dialog with a path of the test's own.
class FixedPath : public ReportPathChooser {
public:
    explicit FixedPath(QString path) : path_(std::move(path)) {}
    QString choosePdfPath(QWidget*, const QString&) override {
        ++asked;
        return asked > 1 ? QString() : path_;
    }
    int asked = 0;

private:
    QString path_;
};

QString pdfText(const QString& path) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!run.waitForFinished(60000))
        return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

class ExplanationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void figuresAreWrittenWholeAndLinedUp_data();
    void figuresAreWrittenWholeAndLinedUp();
    void theExplanationsFiguresAreTheConversions_data();
    void theExplanationsFiguresAreTheConversions();
    void thePairTableConvertsEveryGradeAsOneConversionDoes_data();
    void thePairTableConvertsEveryGradeAsOneConversionDoes();
    void theCurveMarksTheGradeAndSplitsTheBlocks_data();
    void theCurveMarksTheGradeAndSplitsTheBlocks();
    void thePairTableIsSavedAsAPdf();
    void aPdfThatCannotBeWrittenLeavesNothing();
    void theLinkShowsOnlyBesideAResult();
    void theLinkOpensTheExplanationOfTheResultShown();

private:
    std::unique_ptr<TestDatabase> db_;
};

void ExplanationTest::initTestCase() {
    db_ = std::make_unique<TestDatabase>(fixtureWithTenThousand());
}

// The explanation writes a figure as short as it is (up to four decimals);
// a table column pads it to two decimals so its figures line up.
void ExplanationTest::figuresAreWrittenWholeAndLinedUp_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("turkish");
    QTest::addColumn<int>("minDecimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::newRow("short") << 3.1 << true << 0 << "3,1" << true;
    QTest::newRow("padded") << 3.1 << true << 2 << "3,10" << true;
    QTest::newRow("whole padded") << 4.0 << true << 2 << "4,00" << true;
    QTest::newRow("english padded") << 2.5 << false << 2 << "2.50" << true;
    QTest::newRow("longer than the pad") << 3.625 << true << 2 << "3,625" << true;
    QTest::newRow("cut at four decimals") << 17.0 / 6.0 << true << 2 << "2,8333" << false;
}

void ExplanationTest::figuresAreWrittenWholeAndLinedUp() {
    QFETCH(double, value);
    QFETCH(bool, turkish);
    QFETCH(int, minDecimals);
    QFETCH(QString, text);
    QFETCH(bool, exact);
    bool wasExact = !exact;
    QCOMPARE(FigureText(value, turkish ? RegionalSettings::turkish() : RegionalSettings::english(), &wasExact,
                        minDecimals),
             text);
    QCOMPARE(wasExact, exact);
}

void ExplanationTest::theExplanationsFiguresAreTheConversions_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("pass");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("otherTop");
    QTest::addColumn<double>("homeTop");
    QTest::addColumn<double>("homeBottom");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QStringList>("words"); // what the text must say, in the user's number format

    QTest::newRow("numeric, pass block")
        << fixture::Hundred << "85" << false << true << 15.0 << 51.0 << 100.0 << 4.0 << 2.5 << 3.55 << 3.5
        << "BA"
        << QStringList{"85 notu, Yüzlük ölçeğinin geçer bloğunda (100,00 … 50,00; 51 not) 15. adımdadır",
                       "Oran 15 / 50 = 0,3.",
                       "Dornela geçer bloğu 4,00 … 2,50: 4,00 − 15 / 50 × 1,50 = 3,55.", "İki ondalık: 3,55",
                       "3,50 → BA (GEÇER)."};
    QTest::newRow("letters: 3.625 to two decimals")
        << fixture::Letters << "BA" << false << true << 1.0 << 5.0 << 4.0 << 4.0 << 2.5 << 3.63 << 3.5 << "BA"
        << QStringList{"BA notu, Harf Ölçeği ölçeğinin geçer bloğunda (4,00 … 2,00; 5 not) 1. adımdadır",
                       "= 3,625.", "İki ondalık: 3,63", "3,50 → BA"};
    QTest::newRow("letters: a half-step tie rounds up")
        << fixture::Letters << "BB" << false << true << 2.0 << 5.0 << 4.0 << 4.0 << 2.5 << 3.25 << 3.5 << "BA"
        << QStringList{"Oran 2 / 4 = 0,5.", "İki ondalık: 3,25", "(0,25 ve 0,75 yukarı): 3,50 → BA"};
    QTest::newRow("fail block") << fixture::Hundred << "30" << false << false << 19.0 << 50.0 << 49.0 << 2.0
                                << 0.0 << 1.22 << 1.0 << "DD"
                                << QStringList{
                                       "kalır bloğunda (49,00 … 0,00; 50 not) 19. adımdadır",
                                       "Oran 19 / 49 ≈ 0,3878.",
                                       "Dornela kalır bloğu 2,00 … 0,00: 2,00 − 19 / 49 × 2,00 ≈ 1,2245.",
                                       "1,00 → DD (KALIR)."};
    QTest::newRow("a block of one grade")
        << fixture::SingleBlocks << "A" << false << true << 7.0 << 1.0 << 10.0 << 4.0 << 2.5 << 4.0 << 4.0
        << "AA"
        << QStringList{"geçer bloğunda (10,00; 1 not) tek nottur.", "Dornela geçer bloğu 4,00 … 2,50: 4,00.",
                       "4,00 → AA"};
    QTest::newRow("English-style settings")
        << fixture::FiveEnglish << "4.5" << true << true << 1.0 << 5.0 << 5.0 << 4.0 << 2.5 << 3.63 << 3.5
        << "BA"
        << QStringList{"4.5 notu, Five ölçeğinin geçer bloğunda (5.00 … 3.00; 5 not)", "Oran 1 / 4 = 0.25.",
                       "4.00 − 1 / 4 × 1.50 = 3.625.",
                       "İki ondalık: 3.63; yarım adıma yuvarlama (0.25 ve 0.75 yukarı): 3.50 → BA"};
}

void ExplanationTest::theExplanationsFiguresAreTheConversions() {
    QFETCH(qint64, other);
    QFETCH(QString, typed);
    QFETCH(bool, english);
    QFETCH(bool, pass);
    QFETCH(double, step);
    QFETCH(double, count);
    QFETCH(double, otherTop);
    QFETCH(double, homeTop);
    QFETCH(double, homeBottom);
    QFETCH(double, value);
    QFETCH(double, rounded);
    QFETCH(QString, letter);
    QFETCH(QStringList, words);
    const RegionalSettings settings = english ? RegionalSettings::english() : RegionalSettings::turkish();
    ConversionWindowViews w(db_->path());
    w.choose(other, fixture::HomeLadder);

    const GradeConversion c = ConvertGradeQuietly(typed, ConversionVariant::OneToOne, w.views, settings);
    QVERIFY(c.converted());
    const FormulaFigures& f = c.figures;
    QCOMPARE(f.passBlock, pass);
    QCOMPARE(f.step, step);
    QCOMPARE(f.count, count);
    QCOMPARE(f.otherTop, otherTop);
    QCOMPARE(f.homeTop, homeTop);
    QCOMPARE(f.homeBottom, homeBottom);
    QCOMPARE(c.value, value);
    QCOMPARE(c.rounded, rounded);
    QCOMPARE(c.homeLetter, letter);
    // The placed value is the formula's own: the plain formula on the grade
    // the conversion left current gives it bit for bit, and the reduction of
    // it is the value shown.
    QString status;
    double readStep = -1;
    QCOMPARE(ComputeHomeValue(status, readStep, w.formulaViews, nullptr), f.placed);
    QCOMPARE(ReduceToTwoDecimals(f.placed), c.value);

    const QString text = ExplanationText(c, ChosenScales(w.otherScales, w.homeScales), settings);
    for (const QString& word : words)
        QVERIFY2(text.contains(word), qPrintable(QStringLiteral("«%1» not in «%2»").arg(word, text)));
}

void ExplanationTest::thePairTableConvertsEveryGradeAsOneConversionDoes_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<qint64>("home");
    QTest::newRow("letters") << fixture::Letters << fixture::HomeLadder;
    QTest::newRow("numeric") << fixture::Hundred << fixture::HomeLadder;
    QTest::newRow("single-grade blocks") << fixture::SingleBlocks << fixture::HomeLadder;
    QTest::newRow("a home scale without BA: rows that fail") << fixture::Letters << fixture::HomeWithoutBA;
    QTest::newRow("a status the formula refuses") << fixture::BrokenStatus << fixture::HomeLadder;
}

void ExplanationTest::thePairTableConvertsEveryGradeAsOneConversionDoes() {
    QFETCH(qint64, other);
    QFETCH(qint64, home);
    const RegionalSettings turkish = RegionalSettings::turkish();
    ConversionWindowViews table(db_->path());
    table.choose(other, home);
    const QVector<GradeConversion> rows = ConvertEveryGrade(table.views);
    QCOMPARE(rows.size(), table.otherGrades.RecordCount());

    ConversionWindowViews single(db_->path());
    single.choose(other, home);
    int failed = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const GradeConversion& row = rows.at(i);
        const QString grade = table.otherGrades.Rows().at(i).value(QStringLiteral("harf_notu")).toString();
        const GradeConversion one =
            ConvertGradeQuietly(grade, ConversionVariant::Batch, single.views, turkish);
        const QString at = QStringLiteral("row %1 (%2)").arg(i).arg(grade);
        QVERIFY2(one.failure == row.failure, qPrintable(at));
        QCOMPARE(row.gradeRow, i);
        QCOMPARE(row.gradeText, one.gradeText);
        QCOMPARE(row.value, one.value);
        QCOMPARE(row.rounded, one.rounded);
        QCOMPARE(row.homeLetter, one.homeLetter);
        QCOMPARE(row.homeStatus, one.homeStatus);
        QCOMPARE(row.figures.step, one.figures.step);
        QVERIFY2(row.figures.placed == one.figures.placed ||
                     (std::isnan(row.figures.placed) && std::isnan(one.figures.placed)),
                 qPrintable(at));
        failed += row.converted() ? 0 : 1;
    }
    // The fixtures whose rows must fail do fail (the comparison saw failures too).
    if (home == fixture::HomeWithoutBA || other == fixture::BrokenStatus)
        QVERIFY(failed > 0);
}

void ExplanationTest::theCurveMarksTheGradeAndSplitsTheBlocks_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lastPass"); // row of the last pass grade
    QTest::newRow("eight letters, CB marked") << fixture::Letters << "CB" << 4;
    QTest::newRow("10,001 grades, 73 marked") << TenThousand << "73" << 5000;
    QTest::newRow("10,001 grades, a fail grade marked") << TenThousand << "12,34" << 5000;
}

void ExplanationTest::theCurveMarksTheGradeAndSplitsTheBlocks() {
    QFETCH(qint64, other);
    QFETCH(QString, typed);
    QFETCH(int, lastPass);
    const RegionalSettings turkish = RegionalSettings::turkish();
    ConversionWindowViews w(db_->path());
    w.choose(other, fixture::HomeLadder);
    const GradeConversion c = ConvertGradeQuietly(typed, ConversionVariant::OneToOne, w.views, turkish);
    QVERIFY(c.converted());

    ExplanationWindow window(db_->path(), other, fixture::HomeLadder, c, turkish, nullptr);
    ConversionCurve* curve = window.curve();
    const QImage image = curve->grab().toImage();
    const QRect plot = curve->plotRect();

    // The marked grade: the dot on the home value at the grade's column.
    const int x = curve->columnOfRow(c.gradeRow);
    QCOMPARE(image.pixelColor(x, curve->yOfValue(c.value)), ConversionCurve::markColour());
    // The column is the grade's place in scale order.
    const double share = (x - plot.left() + 0.5) / plot.width();
    QVERIFY(std::abs(share - (c.gradeRow + 0.5) / window.rows().size()) <= 1.0 / plot.width());

    // The block boundary: the pass shade up to the last pass grade's column,
    // the fail shade from the first fail grade's column on, one change between.
    const int y = plot.top() + 2;
    const int from = curve->columnOfRow(lastPass);
    const int to = curve->columnOfRow(lastPass + 1);
    QCOMPARE(image.pixelColor(from - 1, y), ConversionCurve::passShade());
    QCOMPARE(image.pixelColor(to + 1, y), ConversionCurve::failShade());
    // Along the plot, of the two shades (the curve and the grid lines cross
    // it), the pass shade gives way to the fail shade once and only once.
    QString shades;
    int lastPassColumn = -1;
    int firstFailColumn = -1;
    for (int column = plot.left() + 1; column < plot.right() - 1; ++column) {
        const QColor colour = image.pixelColor(column, y);
        const QChar shade = colour == ConversionCurve::passShade()   ? QLatin1Char('G')
                            : colour == ConversionCurve::failShade() ? QLatin1Char('K')
                                                                     : QChar();
        if (shade == QLatin1Char('G'))
            lastPassColumn = column;
        if (shade == QLatin1Char('K') && firstFailColumn < 0)
            firstFailColumn = column;
        if (!shade.isNull() && (shades.isEmpty() || shades.back() != shade))
            shades += shade;
    }
    QCOMPARE(shades, QStringLiteral("GK"));
    // The change lies between the two grades' columns.
    QVERIFY2(
        lastPassColumn >= from - 1 && firstFailColumn <= to + 1 && lastPassColumn < firstFailColumn,
        qPrintable(QStringLiteral("%1 %2 %3 %4").arg(from).arg(to).arg(lastPassColumn).arg(firstFailColumn)));
}

void ExplanationTest::thePairTableIsSavedAsAPdf() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tablo.pdf"));
    RecordingMessages messages;
    ConversionWindowViews w(db_->path());
    w.choose(fixture::Hundred, fixture::HomeLadder);
    const GradeConversion c = ConvertGradeQuietly(QStringLiteral("85"), ConversionVariant::OneToOne, w.views,
                                                  RegionalSettings::turkish());
    ExplanationWindow window(db_->path(), fixture::Hundred, fixture::HomeLadder, c,
                             RegionalSettings::turkish(), nullptr);
    FixedPath chooser(path);
    setReportPathChooser(&chooser);
    emit control<PictureBttn>(&window, QStringLiteral("BTN_PDF_AKTAR"))->LClick();
    QCOMPARE(messages.texts(),
             QStringList{
                 QStringLiteral("Rapor %1 adlı dosyaya kaydedildi...").arg(QDir::toNativeSeparators(path))});

    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Not Ölçekleri Dönüşüm Tablosu")));
    QVERIFY(text.contains(QStringLiteral("Yüzlük")));
    // Every row, each as the table holds it: 85 → 3,55 → 3,55 → BA → GEÇER.
    QRegularExpression row85(QStringLiteral("\\n\\s*85\\s+3,55\\s+3,55\\s+BA\\s+GEÇER"));
    QVERIFY2(row85.match(text).hasMatch(), qPrintable(text.left(2000)));
    QRegularExpression row0(QStringLiteral("\\n\\s*0\\s+0,00\\s+0,00\\s+FF\\s+KALIR"));
    QVERIFY(row0.match(text).hasMatch());
    for (const GradeConversion& r : window.rows())
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\n\\s*%1\\s+").arg(r.gradeText))),
                 qPrintable(r.gradeText));

    // The file exists now: "Hayır" replaces nothing and asks again (cancelled here).
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    messages.clear();
    messages.answers = {ResultHayir};
    chooser.asked = 0;
    emit control<PictureBttn>(&window, QStringLiteral("BTN_PDF_AKTAR"))->LClick();
    setReportPathChooser(nullptr);
    QCOMPARE(chooser.asked, 2);
    QCOMPARE(messages.texts(),
             QStringList{QDir::toNativeSeparators(path) +
                         QStringLiteral(" adlı dosya zaten var. Dosyanın üzerine yazmak istiyor musunuz?")});
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
}

void ExplanationTest::aPdfThatCannotBeWrittenLeavesNothing() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("yok/tablo.pdf"));
    RecordingMessages messages;
    ConversionWindowViews w(db_->path());
    w.choose(fixture::Letters, fixture::HomeLadder);
    const GradeConversion c = ConvertGradeQuietly(QStringLiteral("BA"), ConversionVariant::OneToOne, w.views,
                                                  RegionalSettings::turkish());
    ExplanationWindow window(db_->path(), fixture::Letters, fixture::HomeLadder, c,
                             RegionalSettings::turkish(), nullptr);
    FixedPath chooser(path);
    setReportPathChooser(&chooser);
    emit control<PictureBttn>(&window, QStringLiteral("BTN_PDF_AKTAR"))->LClick();
    setReportPathChooser(nullptr);
    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral("Rapor %1 adlı dosyaya kaydedilemedi: Seçilen klasör bulunamadı.")
                             .arg(QDir::toNativeSeparators(path))});
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void ExplanationTest::theLinkShowsOnlyBesideAResult() {
    const TestDatabase db(conversionFixtureSql()); // a grade is taken out of it below
    ConversionWindowDriver<OneToOneWindow> d(db.path());
    d.choose(fixture::Hundred, fixture::HomeLadder);
    auto* link = d.get<QLabel>("LBL_NASIL_HESAPLANDI");
    QVERIFY(!link->isVisible());

    // Geometry of the specified controls with the link on and off: the same.
    QMap<QString, QRect> places;
    auto* panelFrame = d.get<QWidget>("CER_DONUSUM");
    auto specified = [&](QWidget* w) {
        return !w->objectName().isEmpty() && w != link &&
               (w->parentWidget() == d.window || w->parentWidget() == panelFrame);
    };
    for (QWidget* w : d.window->findChildren<QWidget*>())
        if (specified(w))
            places.insert(w->objectName(), w->geometry());

    d.input()->setText(QStringLiteral("85"));
    emit d.get<PictureBttn>("BTN_ZENDARO")->LClick();
    QVERIFY2(!link->isVisible(), "not while the result is on its way");
    d.finishAnimation();
    QVERIFY(link->isVisible());
    // What is painted there is the caption, clear of the result.
    const QImage panel = d.get<QWidget>("CER_DONUSUM")->grab().toImage();
    int ink = 0;
    for (int px = link->x(); px < link->geometry().right(); ++px)
        for (int py = link->y(); py < link->geometry().bottom(); ++py)
            ink += panel.pixelColor(px, py) == panel.pixelColor(link->x(), link->y()) ? 0 : 1;
    QVERIFY(ink > 20);
    for (QWidget* w : {static_cast<QWidget*>(d.letter()), static_cast<QWidget*>(d.numeric())})
        QVERIFY2(!w->geometry().intersects(link->geometry()), qPrintable(w->objectName()));
    for (QWidget* w : d.window->findChildren<QWidget*>())
        if (specified(w) && w != d.letter() && w != d.input() &&
            w->objectName() != QLatin1String("BTN_ZENDARO") &&
            w->objectName() != QLatin1String("BTN_DONUSUM"))
            QCOMPARE(w->geometry(), places.value(w->objectName()));

    // Converting again: gone until the result is back.
    emit d.get<PictureBttn>("BTN_ZENDARO")->LClick();
    QVERIFY(!link->isVisible());
    d.finishAnimation();
    QVERIFY(link->isVisible());
    // Another grade typed: the result goes, and the link with it.
    d.input()->setText(QStringLiteral("90"));
    QVERIFY(!link->isVisible());
    emit d.get<PictureBttn>("BTN_ZENDARO")->LClick();
    d.finishAnimation();
    QVERIFY(link->isVisible());
    // The same text again, but the grade is gone from the store: the
    // conversion fails and the link stays hidden.
    db.exec(QStringLiteral("DELETE FROM diger_notlar WHERE olcek_id = 2 AND harf_notu = '90'"));
    emit d.get<PictureBttn>("BTN_ZENDARO")->LClick();
    QCOMPARE(d.messages.texts(), QStringList{GradeNotFoundText(QStringLiteral("Yüzlük"))});
    QVERIFY(!link->isVisible());
}

void ExplanationTest::theLinkOpensTheExplanationOfTheResultShown() {
    ConversionWindowDriver<OneToOneWindow> d(db_->path());
    d.choose(fixture::Hundred, fixture::HomeLadder);
    d.input()->setText(QStringLiteral("85"));
    emit d.get<PictureBttn>("BTN_ZENDARO")->LClick();
    d.finishAnimation();
    auto* link = d.get<QLabel>("LBL_NASIL_HESAPLANDI");

    QString seenText;
    int seenRows = 0;
    int current = -1;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QCOMPARE(modal->objectName(), QStringLiteral("FRMHESAP"));
        QCOMPARE(modal->size(), QSize(827, 619));
        seenText = control<QLabel>(modal, QStringLiteral("LBL_ACIKLAMA"))->text();
        auto* table = control<DataGrid>(modal, QStringLiteral("DG_DONUSUM_TABLOSU"));
        seenRows = table->gridModel()->rowCount();
        current = table->currentRowNumber();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    QVERIFY(seenText.startsWith(QStringLiteral("85 notu, Yüzlük ölçeğinin geçer bloğunda")));
    QVERIFY(seenText.endsWith(QStringLiteral("3,50 → BA (GEÇER).")));
    QCOMPARE(seenRows, 101);
    QCOMPARE(current, 15); // the grade converted, chosen in the table
    // The conversion window is as it was.
    QCOMPARE(d.letter()->text(), QStringLiteral("BA"));
    QVERIFY(link->isVisible());
    QVERIFY(d.messages.texts().isEmpty());
}

QTEST_MAIN(ExplanationTest)
#include "tst_explanation.moc"
