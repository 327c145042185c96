// Speed of the conversion: the formula chain alone, and one whole conversion
// on a numeric scale of 10,001 grades (100 to 0 by 0.01).
#include "RecordingMessages.h"
#include "TestDatabase.h"
#include "conversion/ConvertGrade.h"
#include "conversion/Formula.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace zendaro;

namespace {

// Home ladder 4 / 2.5 / 2 / 0; other scale 1: letters AA..CC pass, DC DD FF fail;
// other scale 2: 100,00 down to 0,00 by 0,01 written as a Turkish numeric scale
// stores them (100, 99,99, ..., 50 pass; 49,99, ..., 0 fail).
const char* const fixtureSql = R"(
INSERT INTO dornela_olcek (id, olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
  VALUES (1, 'Lisans', 'Lisans', 4, 2.5, 2, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1, 'AA', 4, 'GEÇER'), (1, 'BA', 3.5, 'GEÇER'), (1, 'BB', 3, 'GEÇER'), (1, 'CB', 2.5, 'GEÇER'),
  (1, 'CC', 2, 'KALIR'), (1, 'DC', 1.5, 'KALIR'), (1, 'DD', 1, 'KALIR'), (1, 'FD', 0.5, 'KALIR'),
  (1, 'FF', 0, 'KALIR');
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                         Gecer_Not_Sayisi, Kalir_Not_Sayisi) VALUES
  (1, 'Harf', 'Harf Notu', 4, 2, 1.5, 0, 5, 3),
  (2, 'Onbinbir', 'Sayısal Not', 100, 50, 49.99, 0, 5001, 5000);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, 'AA', 4, 'Geçer', 0), (1, 'BA', 3.5, 'Geçer', 1), (1, 'BB', 3, 'Geçer', 2),
  (1, 'CB', 2.5, 'Geçer', 3), (1, 'CC', 2, 'Geçer', 4),
  (1, 'DC', 1.5, 'Kalır', 0), (1, 'DD', 1, 'Kalır', 1), (1, 'FF', 0, 'Kalır', 2);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no)
  WITH RECURSIVE g(c) AS (SELECT 10000 UNION ALL SELECT c - 1 FROM g WHERE c > 0)
  SELECT 2,
         (c / 100) || CASE WHEN c % 100 = 0 THEN ''
                           WHEN c % 10 = 0 THEN ',' || ((c % 100) / 10)
                           ELSE ',' || printf('%02d', c % 100) END,
         c / 100.0,
         CASE WHEN c >= 5000 THEN 'Geçer' ELSE 'Kalır' END,
         CASE WHEN c >= 5000 THEN 10000 - c ELSE 4999 - c END
  FROM g;
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

std::unique_ptr<test::TestDatabase> database;

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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    test::RecordingMessages messages; // no box may open during a measurement
    database = std::make_unique<test::TestDatabase>(QString::fromUtf8(fixtureSql));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    database.reset();
    return 0;
}
