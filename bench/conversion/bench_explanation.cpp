// Speed of the explanation of a conversion on a numeric scale of 10,001
// grades (100 to 0 by 0,01): the pair table (every grade converted by the
// conversion's own steps) and opening FRMHESAP with its curve painted.
// Targets: the table ≤ 50 ms, the window ≤ 100 ms.
// Anchors in the same run: the table is held against reading the same three
// fields of every grade from the data view (BM_Anchor_ReadGradeFields10001),
// the window against a bare dialog of the same size that refreshes a data
// view of the same 10,001 grades and paints (BM_Anchor_BareDialogWith10001Rows).
#include "FixtureSql.h"
#include "RecordingMessages.h"
#include "TestDatabase.h"
#include "conversion/ConvertGrade.h"
#include "conversion/ExplanationWindow.h"
#include "conversion/PairTable.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QApplication>
#include <QDialog>
#include <benchmark/benchmark.h>
#include <memory>

using namespace zendaro;

namespace {

// The home ladder (scale 1) and the 10,001-grade numeric scale (other scale 1).
std::unique_ptr<test::TestDatabase> database;

struct Views {
    Views() {
        for (DataView* view : {&otherScales, &homeScales, &otherGrades, &homeGrades, &search})
            view->SetDatabaseName(database->path());
        otherScales.SetRecordSource(queries::Q5());
        otherScales.Refresh();
        otherScales.FindFirst(queries::C2(1));
        homeScales.SetRecordSource(queries::Q6());
        homeScales.Refresh();
        homeScales.FindFirst(queries::C2(1));
        otherGrades.SetRecordSource(queries::Q4(1));
        otherGrades.Refresh();
        homeGrades.SetRecordSource(queries::Q2(1));
        homeGrades.Refresh();
    }
    DataView otherScales, homeScales, otherGrades, homeGrades, search;
    ConversionViews views{otherScales, homeScales, otherGrades, homeGrades, search};
};

// The pair table of 10,001 rows, on views already holding the grades.
void BM_PairTableOf10001(benchmark::State& state) {
    Views w;
    for (auto _ : state) {
        const QVector<GradeConversion> rows = ConvertEveryGrade(w.views);
        if (rows.size() != 10001 || !rows.back().converted())
            state.SkipWithError("the table is not whole");
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_PairTableOf10001)->Unit(benchmark::kMillisecond);

// Anchor: the fields the table reads of each grade, read from the same view.
void BM_Anchor_ReadGradeFields10001(benchmark::State& state) {
    Views w;
    for (auto _ : state) {
        double sum = 0;
        for (int row = 0; row < w.otherGrades.RecordCount(); ++row) {
            w.otherGrades.SetCurrentRow(row);
            sum += w.otherGrades.Field(QStringLiteral("adim_no")).toDouble() +
                   w.otherGrades.Field(QStringLiteral("sayisal_not")).toDouble();
            benchmark::DoNotOptimize(w.otherGrades.Field(QStringLiteral("harf_notu")).toString().size() +
                                     w.otherGrades.Field(QStringLiteral("durum")).toString().size());
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Anchor_ReadGradeFields10001)->Unit(benchmark::kMillisecond);

// Opening FRMHESAP for the grade 73: its own views, the pair table, the
// explanation and the curve painted once, until it is on the screen.
void BM_OpenExplanationWindowOf10001(benchmark::State& state) {
    Views w;
    const RegionalSettings settings = RegionalSettings::turkish();
    const GradeConversion converted =
        ConvertGradeQuietly(QStringLiteral("73"), ConversionVariant::OneToOne, w.views, settings);
    if (!converted.converted()) {
        state.SkipWithError("73 does not convert");
        return;
    }
    for (auto _ : state) {
        auto* window = new ExplanationWindow(database->path(), 1, 1, converted, settings, nullptr);
        window->show();
        benchmark::DoNotOptimize(window->grab()); // everything painted once, the curve with it
        state.PauseTiming();
        if (window->rows().size() != 10001)
            state.SkipWithError("the table is not whole");
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenExplanationWindowOf10001)->Unit(benchmark::kMillisecond);

// Anchor: a bare dialog of the same size that refreshes a data view of the
// same grades and paints.
void BM_Anchor_BareDialogWith10001Rows(benchmark::State& state) {
    for (auto _ : state) {
        auto* dialog = new QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
        dialog->setFixedSize(827, 619);
        DataView grades;
        grades.SetDatabaseName(database->path());
        grades.SetRecordSource(queries::Q4(1));
        grades.Refresh();
        dialog->show();
        benchmark::DoNotOptimize(dialog->grab());
        state.PauseTiming();
        if (grades.RecordCount() != 10001)
            state.SkipWithError("the grades are not whole");
        delete dialog;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Anchor_BareDialogWith10001Rows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::RecordingMessages messages; // no box may open during a measurement
    database =
        std::make_unique<test::TestDatabase>(test::LisansLadderSql() + test::TenThousandOneGradesSql(1));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    database.reset();
    return 0;
}
