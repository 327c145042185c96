// Speed of the store, each figure beside the anchor it is held against, in
// the same run (scripts/bench prints the ratios):
// - refreshing a data view of 10,001 rows, against reading the same rows with
//   one prepared SELECT into a vector (BM_Anchor_PreparedSelect10001);
// - saving a numeric scale of 10,001 grades (100 down to 0 by 0.01), new and
//   changed, against inserting the same rows in one transaction with one
//   prepared statement (BM_Anchor_RawInsert10001).
// The anchors use Qt's SQLite driver on the same file, as the store does.
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
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

// A file holding one scale of 10,001 grades.
void fillTenThousandRows(const BenchDatabase& db) {
    runScript(db.path, "INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Yüzlük', 'Sayısal Not');"
                       "WITH RECURSIVE n(i) AS (SELECT 10000 UNION ALL SELECT i - 1 FROM n WHERE i > 0) "
                       "INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) "
                       "SELECT 1, CAST(i / 100.0 AS TEXT), i / 100.0, 'Geçer', 10000 - i FROM n;");
}

// A plain Qt SQLite connection to a file, for the anchors.
struct RawConnection {
    explicit RawConnection(const QString& path) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            throw std::runtime_error("cannot open the benchmark database");
    }
    ~RawConnection() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;
    QString name = QStringLiteral("bench_raw");
    QSqlDatabase db;
};

void BM_RefreshTenThousandRows(benchmark::State& state) {
    BenchDatabase db;
    fillTenThousandRows(db);
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

// The anchor: the same query prepared once, every row read into a vector.
void BM_Anchor_PreparedSelect10001(benchmark::State& state) {
    BenchDatabase db;
    fillTenThousandRows(db);
    RawConnection raw(db.path);
    QSqlQuery query(raw.db);
    query.setForwardOnly(true);
    if (!query.prepare(queries::Q4(1)))
        throw std::runtime_error("cannot prepare the anchor query");
    QVector<QVector<QVariant>> rows;
    for (auto _ : state) {
        rows.clear();
        query.exec();
        const int columns = query.record().count();
        while (query.next()) {
            QVector<QVariant> row(columns);
            for (int i = 0; i < columns; ++i)
                row[i] = query.value(i);
            rows.append(std::move(row));
        }
        benchmark::DoNotOptimize(rows.size());
    }
    if (rows.size() != kGrades)
        state.SkipWithError("wrong row count");
}
BENCHMARK(BM_Anchor_PreparedSelect10001)->Unit(benchmark::kMillisecond);

void BM_SaveNewNumericScale(benchmark::State& state) {
    const QVector<OtherGradeValues> list = gradeList();
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<BenchDatabase>();
        auto scales = std::make_unique<DataView>();
        auto grades = std::make_unique<DataView>();
        scales->SetDatabaseName(db->path);
        grades->SetDatabaseName(db->path);
        scales->SetRecordSource(queries::Q3());
        scales->Refresh();
        state.ResumeTiming();
        SaveOtherScale(*scales, *grades, std::nullopt, kScale, list);
        benchmark::DoNotOptimize(grades->RecordCount());
        state.PauseTiming(); // closing the file is no part of the save
        scales.reset();
        grades.reset();
        db.reset();
        state.ResumeTiming();
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
    SaveOtherScale(scales, grades, std::nullopt, kScale, list);
    for (auto _ : state) {
        SaveOtherScale(scales, grades, ReadShownScale(scales), kScale, list);
        benchmark::DoNotOptimize(grades.RecordCount());
    }
}
BENCHMARK(BM_SaveChangedNumericScale)->Unit(benchmark::kMillisecond);

// The anchor of both saves: the same 10,001 grade rows inserted into a fresh
// file in one transaction through one prepared statement.
void BM_Anchor_RawInsert10001(benchmark::State& state) {
    const QVector<OtherGradeValues> list = gradeList();
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<BenchDatabase>();
        runScript(db->path,
                  "INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Yüzlük', 'Sayısal Not');");
        auto raw = std::make_unique<RawConnection>(db->path);
        state.ResumeTiming();
        raw->db.transaction();
        QSqlQuery insert(raw->db);
        insert.prepare(QStringLiteral("INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, "
                                      "adim_no) VALUES (?,?,?,?,?)"));
        for (const OtherGradeValues& grade : list) {
            insert.bindValue(0, 1);
            insert.bindValue(1, grade.harfNotu);
            insert.bindValue(2, grade.sayisalNot);
            insert.bindValue(3, grade.durum);
            insert.bindValue(4, grade.adimNo);
            if (!insert.exec()) {
                state.SkipWithError("the raw insert failed");
                break;
            }
        }
        insert.finish();
        raw->db.commit();
        state.PauseTiming();
        raw.reset();
        db.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Anchor_RawInsert10001)->Unit(benchmark::kMillisecond);

} // namespace
