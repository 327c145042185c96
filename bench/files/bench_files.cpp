// Speed of the working model of a conversion file: opening a file of 60
// courses (every course converted again on the file's scales and marked) and
// adding the 60th course. The courses come from a 100-point scale with a
// different grade each, so that no two courses share a conversion.
// Anchors in the same run (scripts/bench prints the ratios): opening is held
// against the same 60 grades converted one by one as single conversions on
// views already loaded (BM_Anchor_60SingleConversions), adding against one
// single conversion (BM_Anchor_OneSingleConversion).
#include "FixtureSql.h"
#include "TestDatabase.h"
#include "conversion/ConvertGrade.h"
#include "files/FileWork.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace zendaro;

namespace {

// Beside the home ladder (scale 1): other scale 1, 100 to 0 by 1 (50 and above pass).
const char* const fixtureSql = R"(
INSERT INTO diger_olcek (id, olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN,
                         Gecer_Not_Sayisi, Kalir_Not_Sayisi) VALUES
  (1, 'Yüzlük', 'Sayısal Not', 100, 50, 49, 0, 51, 50);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no)
  WITH RECURSIVE g(v) AS (SELECT 100 UNION ALL SELECT v - 1 FROM g WHERE v > 0)
  SELECT 1, CAST(v AS TEXT), v, CASE WHEN v >= 50 THEN 'Geçer' ELSE 'Kalır' END,
         CASE WHEN v >= 50 THEN 100 - v ELSE 49 - v END FROM g;
)";

std::unique_ptr<test::TestDatabase> database;

QString courseGrade(int i) {
    return QString::number(100 - i); // 100 down to 41: sixty different grades
}

CourseEntry courseEntry(int i) {
    return {QStringLiteral("DRS%1").arg(i + 101),
            QStringLiteral("Ders %1").arg(i + 1),
            QStringLiteral("4"),
            QStringLiteral("6"),
            courseGrade(i),
            true};
}

// A stored file of 60 courses, converted and saved once.
ConversionFile storedFile() {
    FileWork work(database->path(), RegionalSettings::turkish());
    ConversionFile file;
    file.id = 1;
    file.studentName = QStringLiteral("Öğrenci");
    file.otherScaleId = 1;
    file.homeScaleId = 1;
    work.open(file);
    for (int i = 0; i < 60; ++i)
        work.add(courseEntry(i));
    return work.forSave();
}

// The program's windows keep the database open while a file is opened.
struct OpenDatabase {
    OpenDatabase() {
        view.SetDatabaseName(database->path());
        view.SetRecordSource(queries::Q5());
        view.Refresh();
    }
    DataView view;
};

bool allConverted(const FileWork& work, int courses) {
    if (work.size() != courses)
        return false;
    for (const CourseState& state : work.states())
        if (!state.now.converted || state.mark != CourseMark::None)
            return false;
    return true;
}

// Opening a stored file of 60 courses: its scales read, every course converted and marked.
void BM_OpenFileOf60Courses(benchmark::State& state) {
    const OpenDatabase open;
    const ConversionFile file = storedFile();
    for (auto _ : state) {
        FileWork work(database->path(), RegionalSettings::turkish());
        work.open(file);
        state.PauseTiming();
        if (!allConverted(work, 60))
            state.SkipWithError("a course was not converted");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFileOf60Courses)->Unit(benchmark::kMillisecond);

// Adding the 60th course to an open file of 59: entry checks, conversion, totals.
void BM_AddThe60thCourse(benchmark::State& state) {
    const OpenDatabase open;
    ConversionFile file = storedFile();
    file.courses.removeLast();
    FileWork work(database->path(), RegionalSettings::turkish());
    work.open(file);
    const CourseEntry entry = courseEntry(59);
    for (auto _ : state) {
        const CourseEntryResult added = work.add(entry);
        benchmark::DoNotOptimize(work.totals());
        state.PauseTiming();
        if (!added.done || !allConverted(work, 60))
            state.SkipWithError("the course was not added");
        work.remove(59);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddThe60thCourse)->Unit(benchmark::kMicrosecond);

// The views of a conversion window at the file's scales.
struct Window {
    Window() {
        for (DataView* view : {&otherScales, &homeScales, &otherGrades, &homeGrades, &search})
            view->SetDatabaseName(database->path());
        otherScales.SetRecordSource(queries::Q5());
        otherScales.Refresh();
        homeScales.SetRecordSource(queries::Q6());
        homeScales.Refresh();
        otherScales.FindFirst(queries::C2(1));
        homeScales.FindFirst(queries::C2(1));
        otherGrades.SetRecordSource(queries::Q4(1));
        otherGrades.Refresh();
        homeGrades.SetRecordSource(queries::Q2(1));
        homeGrades.Refresh();
    }
    DataView otherScales, homeScales, otherGrades, homeGrades, search;
    ConversionViews views{otherScales, homeScales, otherGrades, homeGrades, search};
};

void convertAll(benchmark::State& state, Window& w, const QStringList& grades) {
    const RegionalSettings settings = RegionalSettings::turkish();
    for (const QString& grade : grades)
        if (ConvertGradeQuietly(grade, ConversionVariant::Batch, w.views, settings).failure !=
            ConversionFailure::None) {
            state.SkipWithError("a conversion failed");
            return;
        }
}

void BM_Anchor_60SingleConversions(benchmark::State& state) {
    Window w;
    QStringList grades;
    for (int i = 0; i < 60; ++i)
        grades << courseGrade(i);
    for (auto _ : state)
        convertAll(state, w, grades);
}
BENCHMARK(BM_Anchor_60SingleConversions)->Unit(benchmark::kMillisecond);

void BM_Anchor_OneSingleConversion(benchmark::State& state) {
    Window w;
    const QStringList grades{courseGrade(59)};
    for (auto _ : state)
        convertAll(state, w, grades);
}
BENCHMARK(BM_Anchor_OneSingleConversion)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    database = std::make_unique<test::TestDatabase>(test::LisansLadderSql() + QString::fromUtf8(fixtureSql));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    database.reset();
    return 0;
}
