// Speed of the conversion-file list on a database of 10,000 stored files
// (five courses each), each figure beside its anchor in the same run
// (scripts/bench prints the ratios):
// - FileStore::list() with no search (every file) and with a search that
//   finds five files (Turkish letter case ignored), against
// - one prepared SELECT of the same columns of every file into a vector
//   (BM_Anchor_PreparedSelectFiles10000).
// The target is an absolute one: the list opens and answers a search in 50 ms.
#include "files/FileStore.h"
#include "files/SchemaUpgrade.h"
#include "store/StoreConnection.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdexcept>

using namespace zendaro;

namespace {

constexpr int kFiles = 10000;

// A database of kFiles files, stored through the file store itself (in one
// outer transaction, so that filling it takes a second, not minutes).
struct FilesDatabase {
    QTemporaryDir dir;
    QString path = dir.filePath("donustur.evk");
    FilesDatabase() {
        QFile schema(QStringLiteral(ZENDARO_SOURCE_DIR "/data/schema.sql"));
        if (!schema.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read schema.sql");
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        const int rc = sqlite3_exec(db, schema.readAll().constData(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        if (rc != SQLITE_OK || UpgradeSchema(path).kind != SchemaState::Kind::Upgraded)
            throw std::runtime_error("cannot build the benchmark database");

        const auto connection = StoreConnection::Acquire(path);
        FileStore store(path);
        connection->begin();
        for (int i = 0; i < kFiles; ++i) {
            ConversionFile file;
            // Every 2,000th student is a "Işık": the search finds five.
            file.studentName = i % 2000 == 7 ? QStringLiteral("Ayşe Işık %1").arg(i)
                                             : QStringLiteral("Öğrenci %1 Yılmaz").arg(i);
            file.studentNumber = QStringLiteral("2020%1").arg(i, 5, 10, QLatin1Char('0'));
            file.programme = QStringLiteral("Bilgisayar Mühendisliği");
            file.otherUniversity = QStringLiteral("Ege Üniversitesi");
            for (int c = 0; c < 5; ++c) {
                FileCourse course;
                course.code = QStringLiteral("DRS%1").arg(c);
                course.name = QStringLiteral("Ders %1").arg(c);
                course.credit = 3;
                course.grade = QStringLiteral("BA");
                file.courses.append(course);
            }
            store.save(file);
        }
        connection->commit();
    }
};

FilesDatabase& database() {
    static FilesDatabase db;
    return db;
}

void BM_FileList10000(benchmark::State& state) {
    FileStore store(database().path);
    const QString search = state.range(0) == 0 ? QString() : QStringLiteral("IŞIK");
    const qsizetype expected = state.range(0) == 0 ? kFiles : 5;
    qsizetype found = 0;
    for (auto _ : state) {
        const QVector<FileSummary> files = store.list(search);
        found = files.size();
        benchmark::DoNotOptimize(files.data());
    }
    if (found != expected)
        state.SkipWithError("wrong number of files listed");
}
// 0: every file (the list as it opens); 1: a search that finds five.
BENCHMARK(BM_FileList10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The anchor: the list's columns of every file, one prepared SELECT read into
// a vector of variants, on a plain Qt SQLite connection to the same file.
void BM_Anchor_PreparedSelectFiles10000(benchmark::State& state) {
    const QString name = QStringLiteral("bench_anchor");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(database().path);
        if (!db.open())
            throw std::runtime_error("cannot open the benchmark database");
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT id, ogrenci_adi, ogrenci_no, program_adi, diger_universite, "
                                     "degistirilme, ders_sayisi FROM donusum_dosyasi"));
        QVector<QVector<QVariant>> rows;
        for (auto _ : state) {
            rows.clear();
            query.exec();
            while (query.next()) {
                QVector<QVariant> row(7);
                for (int i = 0; i < 7; ++i)
                    row[i] = query.value(i);
                rows.append(std::move(row));
            }
            benchmark::DoNotOptimize(rows.data());
        }
        if (rows.size() != kFiles)
            state.SkipWithError("wrong row count");
    }
    QSqlDatabase::removeDatabase(name);
}
BENCHMARK(BM_Anchor_PreparedSelectFiles10000)->Unit(benchmark::kMillisecond);

} // namespace
