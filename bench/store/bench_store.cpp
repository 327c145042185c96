// Speed of the store: refreshing a data view of 10,001 rows (target 20 ms) and
// saving a numeric scale of 10,001 grades, 100 down to 0 by 0.01 (target 150 ms).
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdexcept>

using namespace zendaro;

namespace {

constexpr int kGrades = 10001;

void runScript(const QString& path, const QByteArray& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create the benchmark database");
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error);
    const std::string text = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(text);
}

// A fresh database from the schema in a temporary folder.
struct BenchDatabase {
    QTemporaryDir dir;
    QString path = dir.filePath("donustur.evk");
    BenchDatabase() {
        QFile schema(QStringLiteral(ZENDARO_SOURCE_DIR "/data/schema.sql"));
        if (!schema.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read schema.sql");
        runScript(path, schema.readAll());
    }
};

QVector<OtherGradeValues> gradeList() {
    QVector<OtherGradeValues> list;
    list.reserve(kGrades);
    for (int i = kGrades - 1; i >= 0; --i) {
        const bool passes = i >= 5000;
        list.append({QString::number(i / 100.0), i / 100.0,
                     passes ? QStringLiteral("Geçer") : QStringLiteral("Kalır"),
                     passes ? kGrades - 1 - i : 4999 - i});
    }
    return list;
}

const OtherScaleValues kScale{
    QStringLiteral("Yüzlük"), QStringLiteral("Sayısal Not"), 100, 50, 49.99, 0, 5001, 5000};

void BM_RefreshTenThousandRows(benchmark::State& state) {
    BenchDatabase db;
    runScript(db.path, "INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Yüzlük', 'Sayısal Not');"
                       "WITH RECURSIVE n(i) AS (SELECT 10000 UNION ALL SELECT i - 1 FROM n WHERE i > 0) "
                       "INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) "
                       "SELECT 1, CAST(i / 100.0 AS TEXT), i / 100.0, 'Geçer', 10000 - i FROM n;");
    DataView view;
    view.SetDatabaseName(db.path);
    view.SetRecordSource(queries::Q4(1));
    for (auto _ : state) {
        view.Refresh();
        benchmark::DoNotOptimize(view.RecordCount());
    }
    if (view.RecordCount() != kGrades)
        state.SkipWithError("wrong row count");
}
BENCHMARK(BM_RefreshTenThousandRows)->Unit(benchmark::kMillisecond);

void BM_SaveNewNumericScale(benchmark::State& state) {
    const QVector<OtherGradeValues> list = gradeList();
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<BenchDatabase>();
        DataView scales;
        DataView grades;
        scales.SetDatabaseName(db->path);
        grades.SetDatabaseName(db->path);
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
        state.ResumeTiming();
        SaveOtherScale(scales, grades, false, kScale, list);
        benchmark::DoNotOptimize(grades.RecordCount());
    }
}
BENCHMARK(BM_SaveNewNumericScale)->Unit(benchmark::kMillisecond);

// A changed scale: its 10,001 old grades are deleted and 10,001 new ones added.
void BM_SaveChangedNumericScale(benchmark::State& state) {
    const QVector<OtherGradeValues> list = gradeList();
    BenchDatabase db;
    DataView scales;
    DataView grades;
    scales.SetDatabaseName(db.path);
    grades.SetDatabaseName(db.path);
    scales.SetRecordSource(queries::Q3());
    scales.Refresh();
    SaveOtherScale(scales, grades, false, kScale, list);
    for (auto _ : state) {
        SaveOtherScale(scales, grades, true, kScale, list);
        benchmark::DoNotOptimize(grades.RecordCount());
    }
}
BENCHMARK(BM_SaveChangedNumericScale)->Unit(benchmark::kMillisecond);

} // namespace
