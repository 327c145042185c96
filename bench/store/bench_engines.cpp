// The two engines side by side, in one run: one conversion of a typed grade
// on a numeric scale of 10,001 grades (100 down to 0 by 0.01) against the home
// ladder, and a save of that scale changed (its 10,001 grades replaced, the
// change counter checked), each on an SQLite file and on a local PostgreSQL
// server. The server is a cluster of the benchmark's own
// (scripts/pg-test-cluster, flushing to disk as a real server does), started
// before the first benchmark and removed at the end. Targets: the server within 5x of the file for the
// conversion, within 3x for the save.
#include "TestDatabase.h"
#include "conversion/ConvertGrade.h"
#include "files/SchemaUpgrade.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"
#include "store/ServerSchema.h"
#include "store/StoreConnection.h"

#include <QUuid>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <stdexcept>

using namespace zendaro;

namespace {

constexpr int kGrades = 10001;

QVector<OtherGradeValues> gradeList() {
    QVector<OtherGradeValues> list;
    list.reserve(kGrades);
    for (int i = kGrades - 1; i >= 0; --i) {
        const bool passes = i >= 5000;
        list.append({QString::number(i / 100.0).replace(QLatin1Char('.'), QLatin1Char(',')), i / 100.0,
                     passes ? QStringLiteral("Geçer") : QStringLiteral("Kalır"),
                     passes ? kGrades - 1 - i : 4999 - i});
    }
    return list;
}

const OtherScaleValues kScale{
    QStringLiteral("Yüzlük"), QStringLiteral("Sayısal Not"), 100, 50, 49.99, 0, 5001, 5000};

QVector<HomeGradeValues> ladder() {
    QVector<HomeGradeValues> rows;
    for (const char* letter : {"AA", "BA", "BB", "CB", "CC", "DC", "DD", "FD", "FF"})
        rows.append({QString::fromLatin1(letter), 4.0 - 0.5 * rows.size(),
                     rows.size() < 4 ? QStringLiteral("GEÇER") : QStringLiteral("KALIR")});
    return rows;
}

void script(const QString& action, const QString& dir) {
    const QByteArray command = (QStringLiteral(ZENDARO_SOURCE_DIR "/scripts/pg-test-cluster ") + action +
                                QLatin1Char(' ') + dir + QStringLiteral(" >/dev/null"))
                                   .toLocal8Bit();
    if (std::system(command.constData()) != 0)
        throw std::runtime_error("pg-test-cluster " + action.toStdString() + " failed");
}

// The store of one engine with the home ladder (home scale 1) and the big
// numeric scale (other scale 1), upgraded: made once, on first use.
class Store {
public:
    explicit Store(StoreEngine engine) {
        if (engine == StoreEngine::SQLite) {
            file_ = std::make_unique<test::TestDatabase>();
            address_ = file_->path();
        } else {
            // A save lands on disk on both engines: the server flushes as the file does.
            qputenv("ZENDARO_PG_FSYNC", "on");
            server_ =
                QStringLiteral("/tmp/zendaro-bench-pg-") + QUuid::createUuid().toString(QUuid::Id128).left(8);
            script(QStringLiteral("start"), server_);
            address_ =
                StoreAddress::Server(server_, 0, QStringLiteral("zendaro_test"), QStringLiteral("zendaro"))
                    .text();
            CreateScaleTables(*StoreConnection::Acquire(address_));
        }
        if (!UpgradeSchema(address_).filesUsable())
            throw std::runtime_error("the benchmark store could not be upgraded");
        DataView scales;
        DataView grades;
        for (DataView* view : {&scales, &grades})
            view->SetDatabaseName(address_);
        scales.SetRecordSource(queries::Q1());
        scales.Refresh();
        SaveHomeScale(scales, grades, std::nullopt,
                      {QStringLiteral("Lisans"), QStringLiteral("Lisans"), 4, 2.5, 2.0, 0}, ladder());
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
        SaveOtherScale(scales, grades, std::nullopt, kScale, gradeList());
    }
    ~Store() {
        if (!server_.isEmpty()) {
            try {
                script(QStringLiteral("stop"), server_);
            } catch (const std::runtime_error&) {
            }
        }
    }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;
    const QString& address() const { return address_; }

private:
    std::unique_ptr<test::TestDatabase> file_;
    QString server_;
    QString address_;
};

std::unique_ptr<Store> stores[2];

const Store& store(StoreEngine engine) {
    auto& slot = stores[engine == StoreEngine::SQLite ? 0 : 1];
    if (!slot)
        slot = std::make_unique<Store>(engine);
    return *slot;
}

// The views of a conversion window with both scales chosen.
struct Window {
    explicit Window(const QString& address) {
        for (DataView* view : {&otherScales, &homeScales, &otherGrades, &homeGrades, &search})
            view->SetDatabaseName(address);
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

void BM_Conversion(benchmark::State& state, StoreEngine engine) {
    Window w(store(engine).address());
    const RegionalSettings settings = RegionalSettings::turkish();
    for (auto _ : state) {
        const GradeConversion result =
            ConvertGradeQuietly(QStringLiteral("73,45"), ConversionVariant::OneToOne, w.views, settings);
        if (!result.converted()) {
            state.SkipWithError("the conversion failed");
            break;
        }
        benchmark::DoNotOptimize(result.value);
    }
}
BENCHMARK_CAPTURE(BM_Conversion, sqlite, StoreEngine::SQLite)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Conversion, postgresql, StoreEngine::PostgreSQL)->Unit(benchmark::kMicrosecond);

// The other-scale editor's save of the shown scale, changed: the counter
// checked and raised, the scale row written, 10,001 grades replaced.
void BM_Save10001Grades(benchmark::State& state, StoreEngine engine) {
    const QVector<OtherGradeValues> list = gradeList();
    DataView scales;
    DataView grades;
    for (DataView* view : {&scales, &grades})
        view->SetDatabaseName(store(engine).address());
    scales.SetRecordSource(queries::Q3());
    scales.Refresh();
    for (auto _ : state) {
        SaveOtherScale(scales, grades, ReadShownScale(scales), kScale, list);
        benchmark::DoNotOptimize(grades.RecordCount());
    }
    if (grades.RecordCount() != kGrades)
        state.SkipWithError("wrong grade count");
}
BENCHMARK_CAPTURE(BM_Save10001Grades, sqlite, StoreEngine::SQLite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save10001Grades, postgresql, StoreEngine::PostgreSQL)->Unit(benchmark::kMillisecond);

} // namespace
