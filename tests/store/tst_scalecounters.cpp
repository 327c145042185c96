// Two clerks on one store, each through a connection of their own, writing
// the same scale: whoever writes second is refused with a message naming what
// happened, nothing is written for them, and what the first wrote stays whole.
// One suite body, two stores (an SQLite file, a PostgreSQL server).
#include "TestStore.h"
#include "files/SchemaUpgrade.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"
#include "store/StoreConnection.h"

#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro;
using zendaro::test::TestStore;

namespace {

enum class Kind { Home, Other };
enum class Write { Save, Delete };

// Scale 1 of each kind, the store upgraded so that scales have counters.
const char* kFixture = R"sql(
INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi, max_GN, min_GN, max_KN, min_KN)
  VALUES ('Lisans', 'Lisans', 4, 2.5, 2, 0);
INSERT INTO dornela_notlar (olcek_id, harf_notu, sayisal_not, durum) VALUES
  (1, 'AA', 4, 'GEÇER'), (1, 'BA', 3.5, 'GEÇER'), (1, 'BB', 3, 'GEÇER'), (1, 'CB', 2.5, 'GEÇER'),
  (1, 'CC', 2, 'KALIR'), (1, 'DC', 1.5, 'KALIR'), (1, 'DD', 1, 'KALIR'), (1, 'FD', 0.5, 'KALIR'),
  (1, 'FF', 0, 'KALIR');
INSERT INTO diger_olcek (olcek_adi, not_sistemi, Max_GN, Min_GN, Max_KN, Min_KN, Gecer_Not_Sayisi,
                         Kalir_Not_Sayisi)
  VALUES ('Onluk', 'Sayısal Not', 10, 5, 4, 0, 6, 5);
INSERT INTO diger_notlar (olcek_id, harf_notu, sayisal_not, durum, adim_no) VALUES
  (1, '10', 10, 'Geçer', 0), (1, '9', 9, 'Geçer', 1), (1, '8', 8, 'Geçer', 2), (1, '7', 7, 'Geçer', 3),
  (1, '6', 6, 'Geçer', 4), (1, '5', 5, 'Geçer', 5), (1, '4', 4, 'Kalır', 0), (1, '3', 3, 'Kalır', 1),
  (1, '2', 2, 'Kalır', 2), (1, '1', 1, 'Kalır', 3), (1, '0', 0, 'Kalır', 4)
)sql";

// One clerk's editor: the scale view and the grade view of one kind, on the
// clerk's own connection, showing scale 1.
struct Clerk {
    Kind kind;
    DataView scales;
    DataView grades;
    std::optional<ShownScale> shown;

    Clerk(const QString& address, Kind k) : kind(k) {
        scales.SetDatabaseName(address);
        grades.SetDatabaseName(address);
        scales.SetRecordSource(kind == Kind::Home ? queries::Q1() : queries::Q3());
        scales.Refresh();
        show();
    }
    void show() {
        if (!scales.FindFirst(queries::C1(1)))
            throw StoreError(QStringLiteral("no scale 1"));
        shown = ReadShownScale(scales);
        grades.SetRecordSource(kind == Kind::Home ? queries::Q2(1) : queries::Q4(1));
        grades.Refresh();
    }
    // Saves scale 1 under the clerk's own name, with grades of its own.
    void save(const QString& name) {
        if (kind == Kind::Home) {
            QVector<HomeGradeValues> ladder;
            for (const char* letter : {"AA", "BA", "BB", "CB", "CC", "DC", "DD", "FD", "FF"})
                ladder.append({QString::fromLatin1(letter), 4.0 - 0.5 * ladder.size(),
                               ladder.size() < 5 ? QStringLiteral("GEÇER") : QStringLiteral("KALIR")});
            SaveHomeScale(scales, grades, shown, {name, QStringLiteral("Doktora"), 4, 2.0, 1.5, 0}, ladder);
        } else {
            QVector<OtherGradeValues> list;
            for (int value = 100; value >= 0; value -= 25)
                list.append({QString::number(value), double(value),
                             value >= 50 ? QStringLiteral("Geçer") : QStringLiteral("Kalır"),
                             value >= 50 ? (100 - value) / 25 : (25 - value) / 25});
            SaveOtherScale(scales, grades, shown, {name, QStringLiteral("Sayısal Not"), 100, 50, 25, 0, 3, 2},
                           list);
        }
    }
    void write(Write what) {
        if (what == Write::Save)
            save(QStringLiteral("Kaydeden"));
        else
            DeleteCurrentScale(scales, grades, *shown);
    }
};

// Every scale of a kind with its grades, as one text.
QString content(const QString& address, Kind kind) {
    DataView scales;
    DataView grades;
    scales.SetDatabaseName(address);
    grades.SetDatabaseName(address);
    scales.SetRecordSource(kind == Kind::Home ? queries::Q1() : queries::Q3());
    scales.Refresh();
    QStringList out;
    for (const QSqlRecord& scale : scales.Rows()) {
        QStringList row;
        for (int i = 0; i < scale.count(); ++i)
            row << scale.value(i).toString();
        const qint64 id = scale.value(QStringLiteral("id")).toLongLong();
        grades.SetRecordSource(kind == Kind::Home ? queries::Q2(id) : queries::Q4(id));
        grades.Refresh();
        for (const QSqlRecord& grade : grades.Rows()) {
            for (int i = 0; i < grade.count(); ++i)
                row << grade.value(i).toString();
        }
        out << row.join(QLatin1Char(','));
    }
    // Grades of no scale would be a half-done delete.
    grades.SetRecordSource(kind == Kind::Home ? QStringLiteral("SELECT * FROM dornela_notlar")
                                              : QStringLiteral("SELECT * FROM diger_notlar"));
    grades.Refresh();
    out << QString::number(grades.RecordCount());
    return out.join(QLatin1Char('|'));
}

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Write)

class TestScaleCounters : public QObject {
    Q_OBJECT
public:
    explicit TestScaleCounters(StoreEngine engine) : engine_(engine) {}

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void secondWriterIsRefused_data();
    void secondWriterIsRefused();
    void refusedClerkWritesAfterSeeingTheScaleAgain_data();
    void refusedClerkWritesAfterSeeingTheScaleAgain();
    void showingADeletedScaleSaysSo();
    void savedGradesAreHeldAsTheStoreReadsThem();

private:
    StoreEngine engine_;
    std::unique_ptr<TestStore> store_;
    QTemporaryDir dir_;
    QString first_;  // the first clerk's address
    QString second_; // the same store under another name: a connection of its own
};

void TestScaleCounters::initTestCase() {
    if (engine_ == StoreEngine::PostgreSQL && test::testServerHost().isEmpty())
        QFAIL("ZENDARO_TEST_PGHOST is not set: the PostgreSQL half needs the server the test run starts");
    QVERIFY(dir_.isValid());
}

void TestScaleCounters::init() {
    store_ = std::make_unique<TestStore>(engine_);
    store_->exec(QString::fromUtf8(kFixture));
    QCOMPARE(UpgradeSchema(store_->address()).kind, SchemaState::Kind::Upgraded);
    first_ = store_->address();
    if (engine_ == StoreEngine::SQLite) {
        // Another path to the same file.
        second_ =
            dir_.filePath(QStringLiteral("ikinci-%1.evk").arg(QTest::currentDataTag()).replace(' ', '-'));
        QFile::remove(second_);
        QVERIFY(QFile::link(first_, second_));
    } else {
        // The same server with its port spelt out.
        StoreAddress address = StoreAddress::Parse(first_);
        address.port = 5432;
        second_ = address.text();
    }
    QVERIFY(StoreConnection::Acquire(first_)->name() != StoreConnection::Acquire(second_)->name());
}

void TestScaleCounters::cleanup() {
    store_.reset();
}

void TestScaleCounters::secondWriterIsRefused_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Write>("firstWrite");
    QTest::addColumn<Write>("secondWrite");
    QTest::addColumn<QString>("refusal");
    for (const auto& [kind, kindName] : {std::pair{Kind::Home, "home"}, std::pair{Kind::Other, "other"}}) {
        const auto row = [&](const char* name, Write first, Write second, const QString& refusal) {
            QTest::addRow("%s: %s", kindName, name) << kind << first << second << refusal;
        };
        row("saved, then saved", Write::Save, Write::Save, ScaleChangedBeforeSaveText());
        row("saved, then deleted", Write::Save, Write::Delete, ScaleChangedBeforeDeleteText());
        row("deleted, then saved", Write::Delete, Write::Save, ScaleDeletedBeforeSaveText());
        row("deleted, then deleted", Write::Delete, Write::Delete, ScaleDeletedBeforeDeleteText());
    }
}

// Both clerks show scale 1; the first writes, then the second: refused with
// the text of what happened, the store exactly as the first left it, and the
// refused clerk's list showing it so.
void TestScaleCounters::secondWriterIsRefused() {
    QFETCH(Kind, kind);
    QFETCH(Write, firstWrite);
    QFETCH(Write, secondWrite);
    QFETCH(QString, refusal);
    Clerk a(first_, kind);
    Clerk b(second_, kind);
    a.write(firstWrite);
    const QString afterFirst = content(first_, kind);
    try {
        b.write(secondWrite);
        QFAIL("the second clerk's write was not refused");
    } catch (const ScaleConflict& conflict) {
        QCOMPARE(conflict.text(), refusal);
    }
    QCOMPARE(content(first_, kind), afterFirst);
    QCOMPARE(content(second_, kind), afterFirst);
    // The refused clerk's views show the store as it is.
    if (firstWrite == Write::Delete) {
        QVERIFY(!b.scales.FindFirst(queries::C1(1)));
    } else {
        QCOMPARE(b.scales.Field(QStringLiteral("id")).toLongLong(), qint64(1));
        QCOMPARE(b.scales.Field(QStringLiteral("olcek_adi")).toString(), QStringLiteral("Kaydeden"));
    }
}

void TestScaleCounters::refusedClerkWritesAfterSeeingTheScaleAgain_data() {
    QTest::addColumn<Kind>("kind");
    QTest::newRow("home") << Kind::Home;
    QTest::newRow("other") << Kind::Other;
}

// Shown again, the refused clerk's save lands; each save raised the counter.
void TestScaleCounters::refusedClerkWritesAfterSeeingTheScaleAgain() {
    QFETCH(Kind, kind);
    Clerk a(first_, kind);
    Clerk b(second_, kind);
    QCOMPARE(a.shown->revision(), qint64(0));
    a.save(QStringLiteral("Birinci"));
    QVERIFY_THROWS_EXCEPTION(ScaleConflict, b.save(QStringLiteral("İkinci")));
    b.show();
    QCOMPARE(b.shown->revision(), qint64(1));
    QCOMPARE(b.scales.Field(QStringLiteral("olcek_adi")).toString(), QStringLiteral("Birinci"));
    b.save(QStringLiteral("İkinci"));
    QCOMPARE(content(first_, kind).section(QLatin1Char(','), 1, 1), QStringLiteral("İkinci"));
    a.show();
    QCOMPARE(a.shown->revision(), qint64(2));
    QCOMPARE(a.scales.Field(QStringLiteral("olcek_adi")).toString(), QStringLiteral("İkinci"));
}

// A clerk whose list still names a scale another deleted is told so when the
// scale is shown, and the list is left for the editor to read again.
void TestScaleCounters::showingADeletedScaleSaysSo() {
    Clerk a(first_, Kind::Other);
    Clerk b(second_, Kind::Other);
    a.write(Write::Delete);
    try {
        // The list still holds the scale's row, current as when it was read.
        ReadShownScale(b.scales);
        QFAIL("a deleted scale was shown");
    } catch (const ScaleConflict& conflict) {
        QCOMPARE(conflict.text(), ScaleGoneText());
    }
    QCOMPARE(b.scales.Field(QStringLiteral("olcek_adi")).toString(), QStringLiteral("Onluk"));
}

// A save holds the grades it stored without reading them again: ids and
// values as a fresh read gives them, also past the many rows a server takes
// in one statement.
void TestScaleCounters::savedGradesAreHeldAsTheStoreReadsThem() {
    Clerk a(first_, Kind::Other);
    QVector<OtherGradeValues> list;
    for (int i = 2500; i >= 0; --i)
        list.append({QString::number(i), double(i) / 7,
                     i >= 1000 ? QStringLiteral("Geçer") : QStringLiteral("Kalır"),
                     i >= 1000 ? 2500 - i : 999 - i});
    SaveOtherScale(a.scales, a.grades, a.shown,
                   {QStringLiteral("Büyük"), QStringLiteral("Sayısal Not"), 2500 / 7.0, 1000 / 7.0, 999 / 7.0,
                    0, 1501, 1000},
                   list);
    DataView fresh;
    fresh.SetDatabaseName(second_);
    fresh.SetRecordSource(queries::Q4(1));
    fresh.Refresh();
    QCOMPARE(a.grades.RecordCount(), list.size());
    QCOMPARE(fresh.RecordCount(), list.size());
    for (int row = 0; row < list.size(); ++row) {
        const QSqlRecord held = a.grades.Rows().at(row);
        const QSqlRecord read = fresh.Rows().at(row);
        for (int i = 0; i < read.count(); ++i)
            QVERIFY2(held.value(read.fieldName(i)) == read.value(i),
                     qPrintable(QStringLiteral("row %1, %2").arg(row).arg(read.fieldName(i))));
    }
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestScaleCounters onFile(StoreEngine::SQLite);
    TestScaleCounters onServer(StoreEngine::PostgreSQL);
    const int fileFailures = QTest::qExec(&onFile, argc, argv);
    const int serverFailures = QTest::qExec(&onServer, argc, argv);
    return fileFailures + serverFailures;
}

#include "tst_scalecounters.moc"
