// Speed of the conversion: the formula chain alone, one whole conversion on a
// numeric scale of 10,001 grades (100 to 0 by 0.01), the same conversion
// through the convert button of each conversion window (without the result
// animation), opening the one-to-one window with its pickers filled from
// 1,000 stored scales of each kind, and the course list of the batch window:
// adding the 200th course, and converting 200 courses again when a scale is
// picked.
// Anchors in the same run (scripts/bench prints the ratios): a conversion is
// held against one indexed lookup of a grade by scale and letter with a
// statement prepared once (BM_Anchor_PreparedLookup), re-converting 200
// courses against 200 single conversions (BM_Anchor_200SingleConversions).
#include "FixtureSql.h"
#include "RecordingMessages.h"
#include "RecordingNavigator.h"
#include "TestDatabase.h"
#include "conversion/BatchWindow.h"
#include "conversion/ConvertGrade.h"
#include "conversion/CourseList.h"
#include "conversion/Formula.h"
#include "conversion/OneToOneWindow.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "ui/DataGrid.h"
#include "ui/PictureBttn.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

using namespace zendaro;

namespace {

// Beside the home ladder (scale 1) and the 10,001-grade numeric scale (other
// scale 2): other scale 1, letters AA..CC pass, DC DD FF fail.
const char* const fixtureSql = R"(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                         Gecer_Not_Sayisi, Kalir_Not_Sayisi) VALUES
  (1, 'Harf', 'Harf Notu', 4, 2, 1.5, 0, 5, 3);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, 'AA', 4, 'Geçer', 0), (1, 'BA', 3.5, 'Geçer', 1), (1, 'BB', 3, 'Geçer', 2),
  (1, 'CB', 2.5, 'Geçer', 3), (1, 'CC', 2, 'Geçer', 4),
  (1, 'DC', 1.5, 'Kalır', 0), (1, 'DD', 1, 'Kalır', 1), (1, 'FF', 0, 'Kalır', 2);
)";

struct Window {
    explicit Window(const QString& path, qint64 otherScale) {
        for (DataView* view : {&otherScales, &homeScales, &otherGrades, &homeGrades, &search})
            view->SetDatabaseName(path);
        otherScales.SetRecordSource(queries::Q5());
        otherScales.Refresh();
        homeScales.SetRecordSource(queries::Q6());
        homeScales.Refresh();
        otherScales.FindFirst(queries::C2(otherScale));
        homeScales.FindFirst(queries::C2(1));
        otherGrades.SetRecordSource(queries::Q4(otherScale));
        otherGrades.Refresh();
        homeGrades.SetRecordSource(queries::Q2(1));
        homeGrades.Refresh();
    }
    DataView otherScales, homeScales, otherGrades, homeGrades, search;
    ConversionViews views{otherScales, homeScales, otherGrades, homeGrades, search};
};

// 1,000 other scales and 1,000 home scales (names only: filling the pickers
// reads no grades).
const char* const thousandScalesSql = R"(
INSERT INTO diger_olcek (olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                         Gecer_Not_Sayisi, Kalir_Not_Sayisi)
  WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000)
  SELECT printf('Üniversite %04d', (i * 7919) % 1000),
         CASE WHEN i % 2 = 0 THEN 'Harf Notu' ELSE 'Sayısal Not' END, 4, 2, 1.5, 0, 5, 3 FROM n;
INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
  WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000)
  SELECT printf('Dornela %04d', (i * 7919) % 1000), 'Lisans', 4, 2.5, 2, 0 FROM n;
)";

std::unique_ptr<test::TestDatabase> database;
std::unique_ptr<test::TestDatabase> thousandScales;

void BM_RoundingChain(benchmark::State& state) {
    double value = 3.6249;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        const double reduced = ReduceToTwoDecimals(value);
        benchmark::DoNotOptimize(RoundToHalfStep(reduced));
    }
}
BENCHMARK(BM_RoundingChain);

void BM_FormulaChain(benchmark::State& state) {
    Window w(database->path(), 1);
    const SqlText grade = queries::C5(QStringLiteral("BA"));
    w.otherGrades.FindFirst(grade.text, grade.values);
    const FormulaViews views{w.otherScales, w.homeScales, w.otherGrades};
    for (auto _ : state) {
        QString status;
        double step = -1;
        const double v = ComputeHomeValue(status, step, views, nullptr);
        benchmark::DoNotOptimize(RoundToHalfStep(ReduceToTwoDecimals(v)));
    }
}
BENCHMARK(BM_FormulaChain);

void BM_ConvertGradeOnNumericScaleOf10001(benchmark::State& state) {
    Window w(database->path(), 2);
    const QString input = state.range(0) == 0 ? QStringLiteral("73,45") : QStringLiteral("0,01");
    const RegionalSettings settings = RegionalSettings::turkish();
    for (auto _ : state) {
        const ConversionResult r =
            ConvertGrade(input, ConversionVariant::OneToOne, w.views, settings, nullptr);
        if (r.outcome != ConversionResult::Outcome::Converted) {
            state.SkipWithError("the conversion failed");
            break;
        }
    }
}
BENCHMARK(BM_ConvertGradeOnNumericScaleOf10001)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The anchor of a conversion: one lookup of a grade by scale and letter on the
// same file (index diger_notlar_olcek_harf), prepared once, its row read.
void BM_Anchor_PreparedLookup(benchmark::State& state) {
    const QString name = QStringLiteral("bench_lookup");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(database->path());
        if (!db.open()) {
            state.SkipWithError("cannot open the file");
            return;
        }
        QSqlQuery lookup(db);
        lookup.setForwardOnly(true);
        lookup.prepare(QStringLiteral("SELECT * FROM diger_notlar WHERE olcek_id=? AND harf_notu=?"));
        const QString letter = QStringLiteral("73,45");
        QVariantList row;
        for (auto _ : state) {
            lookup.bindValue(0, 2);
            lookup.bindValue(1, letter);
            lookup.exec();
            if (!lookup.next()) {
                state.SkipWithError("the grade was not found");
                break;
            }
            row.clear();
            for (int i = 0; i < 6; ++i)
                row.append(lookup.value(i));
            benchmark::DoNotOptimize(row.size());
        }
        lookup.finish();
    }
    QSqlDatabase::removeDatabase(name);
}
BENCHMARK(BM_Anchor_PreparedLookup)->Unit(benchmark::kMicrosecond);

// Opening FRMBIREBIR: load, show and the first activation that fills both
// pickers, until the window is ready for a pick.
void BM_OpenOneToOneWithThousandScalesEach(benchmark::State& state) {
    test::RecordingNavigator navigator;
    const RegionalSettings settings = RegionalSettings::turkish();
    for (auto _ : state) {
        auto* window = new OneToOneWindow(thousandScales->path(), settings, navigator);
        window->show();
        auto* home = window->findChild<QComboBox*>(QStringLiteral("CMB_DORNELA_OLCEK"));
        while (home->count() < 1000)
            QCoreApplication::processEvents();
        state.PauseTiming();
        if (window->findChild<QComboBox*>(QStringLiteral("CMB_KAYNAK_OLCEK"))->count() != 1000)
            state.SkipWithError("the pickers were not filled");
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenOneToOneWithThousandScalesEach)->Unit(benchmark::kMillisecond);

// One conversion through a window's convert button on the 10,001-grade scale:
// everything up to the start of the result animation, which is then stopped.
template <typename WindowType> void BM_ConvertInWindow(benchmark::State& state) {
    test::RecordingNavigator navigator;
    WindowType window(database->path(), RegionalSettings::turkish(), navigator);
    window.show();
    QCoreApplication::processEvents(); // the first activation fills the pickers
    const std::pair<const char*, qint64> picks[] = {{"CMB_KAYNAK_OLCEK", 2}, {"CMB_DORNELA_OLCEK", 1}};
    for (const auto& [name, id] : picks) {
        auto* picker = window.template findChild<QComboBox*>(QString::fromLatin1(name));
        const int index = picker->findData(id);
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    }
    auto* input = window.template findChild<QLineEdit*>(QStringLiteral("TXT_DONUSTURULECEK_NOT"));
    auto* button = window.template findChild<PictureBttn*>(QStringLiteral("BTN_ZENDARO"));
    auto* letter = window.template findChild<QLabel*>(QStringLiteral("LBL_DORNELA_HARF_NOTU"));
    const QList<QTimer*> timers = window.template findChildren<QTimer*>(QRegularExpression("^Timer[123]$"));
    for (auto _ : state) {
        input->setText(QStringLiteral("73,45"));
        emit button->LClick();
        state.PauseTiming();
        if (!window.animating() || letter->text() != QLatin1String("BB"))
            state.SkipWithError("the conversion failed");
        for (QTimer* timer : timers)
            timer->stop();
        window.setEnabled(true);
        state.ResumeTiming();
    }
}
BENCHMARK_TEMPLATE(BM_ConvertInWindow, OneToOneWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ConvertInWindow, BatchWindow)->Unit(benchmark::kMicrosecond);

// The grade of the i-th course: 73,45, 73,44, ...
QString courseGrade(int i) {
    return QLocale(QLocale::Turkish).toString((7345 - i) / 100.0, 'f', 2);
}

// The batch window on the 10,001-grade scale and the home ladder, with
// `courses` courses of distinct grades in its list (73,45, 73,44, ...).
struct CourseWindow {
    explicit CourseWindow(int courses) : window(database->path(), RegionalSettings::turkish(), navigator) {
        window.show();
        QCoreApplication::processEvents(); // the first activation fills the pickers
        pick("CMB_KAYNAK_OLCEK", 2);
        pick("CMB_DORNELA_OLCEK", 1);
        grade = window.findChild<QLineEdit*>(QStringLiteral("TXT_DERSNOTU"));
        credit = window.findChild<QLineEdit*>(QStringLiteral("TXT_KREDI"));
        add = window.findChild<PictureBttn*>(QStringLiteral("BTN_LISTEYE_EKLE"));
        for (int i = 0; i < courses; ++i)
            addCourse(i);
    }
    void pick(const char* name, qint64 id) {
        auto* picker = window.findChild<QComboBox*>(QString::fromLatin1(name));
        const int index = picker->findData(id);
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    }
    void addCourse(int i) {
        grade->setText(courseGrade(i));
        credit->setText(QString::number(1 + i % 6));
        emit add->LClick();
    }
    int rows() const { return window.courses().size(); }

    test::RecordingNavigator navigator;
    BatchWindow window;
    QLineEdit* grade;
    QLineEdit* credit;
    PictureBttn* add;
};

// Adding the 200th course through "Listeye Ekle": conversion, list, grid and totals.
void BM_AddThe200thCourse(benchmark::State& state) {
    CourseWindow w(199);
    auto* list = w.window.findChild<DataGrid*>(QStringLiteral("DG_ARRAY"));
    for (auto _ : state) {
        w.addCourse(199);
        state.PauseTiming();
        if (w.rows() != 200)
            state.SkipWithError("the course was not added");
        emit list->buttonPressed(199, 0); // "Sil": back to 199 courses
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddThe200thCourse)->Unit(benchmark::kMillisecond);

// Picking the home scale again converts all 200 courses once more.
void BM_Reconvert200CoursesOnAScalePick(benchmark::State& state) {
    CourseWindow w(200);
    if (w.rows() != 200 || w.window.courses().totals().counted != 200)
        state.SkipWithError("the courses were not added");
    for (auto _ : state)
        w.pick("CMB_DORNELA_OLCEK", 1);
}
BENCHMARK(BM_Reconvert200CoursesOnAScalePick)->Unit(benchmark::kMillisecond);

// The anchor: the same 200 grades converted one by one, as single conversions.
void BM_Anchor_200SingleConversions(benchmark::State& state) {
    Window w(database->path(), 2);
    const RegionalSettings settings = RegionalSettings::turkish();
    QStringList grades;
    for (int i = 0; i < 200; ++i)
        grades << courseGrade(i);
    for (auto _ : state) {
        for (const QString& grade : grades) {
            if (ConvertGradeQuietly(grade, ConversionVariant::Batch, w.views, settings).failure !=
                ConversionFailure::None) {
                state.SkipWithError("a conversion failed");
                break;
            }
        }
    }
}
BENCHMARK(BM_Anchor_200SingleConversions)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::RecordingMessages messages; // no box may open during a measurement
    database = std::make_unique<test::TestDatabase>(test::LisansLadderSql() + QString::fromUtf8(fixtureSql) +
                                                    test::TenThousandOneGradesSql(2));
    thousandScales = std::make_unique<test::TestDatabase>(QString::fromUtf8(thousandScalesSql));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    database.reset();
    thousandScales.reset();
    return 0;
}
