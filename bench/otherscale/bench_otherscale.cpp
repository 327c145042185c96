// Speed of the working grade list on screen: generating 10,001 numeric grades
// and showing them in DG_ARRAY (target 150 ms), and adding one grade by hand
// to a list of 10,001 rows (target 20 ms).
#include "EntryHarness.h"
#include "otherscale/OtherScaleTexts.h"

#include <benchmark/benchmark.h>

using namespace zendaro;

namespace {

// A numeric scale of 100.000 down to 0 by 10: 10,001 grades.
void prepareGeneration(test::EntryHarness& h) {
    h.startAdding(otherscale::NumericSystem, otherscale::EqualInterval);
    h.maxFail()->setText(QStringLiteral("49999"));
    h.maxGrade()->setText(QStringLiteral("100000"));
    h.interval()->setText(QStringLiteral("10"));
}

void BM_GenerateAndShow10001(benchmark::State& state) {
    test::EntryHarness h;
    prepareGeneration(h);
    for (auto _ : state) {
        h.entry->GenerateEqualIntervalScale();
        if (h.entry->grades().size() != 10001 || !h.messages.messages.isEmpty())
            state.SkipWithError("generation did not make 10,001 grades");
    }
}
BENCHMARK(BM_GenerateAndShow10001)->Unit(benchmark::kMillisecond);

void BM_AddOneGradeTo10001(benchmark::State& state) {
    test::EntryHarness h;
    prepareGeneration(h);
    h.entry->GenerateEqualIntervalScale();
    h.distribution()->setCurrentIndex(otherscale::VariableInterval); // keeps the list
    for (auto _ : state) {
        // A value between two generated grades, so the new row lands inside the list.
        h.value()->setText(QStringLiteral("50000,5"));
        h.entry->AddGradeToScale();
        state.PauseTiming();
        const int row = h.entry->grades().findValue(50000.5);
        if (row < 0 || h.entry->grades().size() != 10002 || !h.messages.messages.isEmpty())
            state.SkipWithError("the grade was not added");
        h.entry->RemoveGradeRow(row); // back to 10,001 rows
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddOneGradeTo10001)->Unit(benchmark::kMillisecond);

} // namespace
