// The in-place upgrade of donustur.evk: the conversion-file tables arrive in
// one transaction with a schema version; the scale tables and their rows stay
// exactly as they were; a newer file is kept read-only; a file that cannot be
// upgraded is left as it was, with a message.
#include "StoreTestHelpers.h"
#include "TestDatabase.h"
#include "files/SchemaUpgrade.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/ScaleStore.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <QFile>
#include <QTest>
#include <sqlite3.h>

using namespace zendaro;
using zendaro::test::TestDatabase;

namespace {

const char* const kScaleTables[] = {"dornela_olcek", "dornela_notlar", "diger_olcek", "diger_notlar"};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every stored value of the scale tables byte for byte (texts as their
// bytes, numbers as their bits, with their storage class), the tables'
// definitions and indexes, and the id counters.
QByteArray tablesDump(const QString& path, const QList<QByteArray>& tables) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return "cannot open";
    }
    QByteArray out;
    const auto dump = [&](const QByteArray& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
            out += "cannot prepare: " + sql + '\n';
            return;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const int type = sqlite3_column_type(stmt, i);
                out += QByteArray::number(type) + ':';
                if (type == SQLITE_FLOAT) {
                    const double value = sqlite3_column_double(stmt, i);
                    out += QByteArray(reinterpret_cast<const char*>(&value), sizeof value).toHex();
                } else if (type != SQLITE_NULL) {
                    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                    out += QByteArray(bytes, sqlite3_column_bytes(stmt, i)).toHex();
                }
                out += ',';
            }
            out += '\n';
        }
        sqlite3_finalize(stmt);
    };
    for (const QByteArray& table : tables) {
        dump("SELECT * FROM " + table + " ORDER BY rowid");
        dump("SELECT type, name, sql FROM sqlite_master WHERE tbl_name = '" + table + "' ORDER BY name");
    }
    dump("SELECT * FROM sqlite_sequence ORDER BY name");
    sqlite3_close(db);
    return out;
}

QByteArray scaleTablesDump(const QString& path) {
    QList<QByteArray> tables;
    for (const char* table : kScaleTables)
        tables << table;
    return tablesDump(path, tables);
}

int userVersion(const TestDatabase& db) {
    return db.scalar(QStringLiteral("PRAGMA user_version")).toInt();
}

bool hasTable(const TestDatabase& db, const QString& name) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '%1'")
                         .arg(name))
               .toInt() == 1;
}

// An other-scale editor's two views on a file.
struct Editor {
    DataView scales;
    DataView grades;
    explicit Editor(const QString& path) {
        scales.SetDatabaseName(path);
        grades.SetDatabaseName(path);
        scales.SetRecordSource(queries::Q3());
        scales.Refresh();
    }
};

} // namespace

class SchemaUpgradeTest : public QObject {
    Q_OBJECT

private slots:
    void shippedFileGetsTheNewTablesAndKeepsEveryScaleRow();
    void versionOneFileGetsTheCountersAndKeepsItsFiles();
    void newerFileIsKeptReadOnly();
    void fileThatCannotBeUpgradedStaysAsItWas_data();
    void fileThatCannotBeUpgradedStaysAsItWas();
};

void SchemaUpgradeTest::shippedFileGetsTheNewTablesAndKeepsEveryScaleRow() {
    const TestDatabase db = TestDatabase::copyOfShipped();
    QCOMPARE(userVersion(db), 0);
    const QByteArray before = scaleTablesDump(db.path());
    QVERIFY(before.count('\n') > 100); // the shipped scales and their grades

    const SchemaState first = UpgradeSchema(db.path());
    QCOMPARE(first.kind, SchemaState::Kind::Upgraded);
    QCOMPARE(first.foundVersion, 0);
    QVERIFY(first.message.isEmpty());
    QVERIFY(first.filesUsable());
    QCOMPARE(userVersion(db), kSchemaVersion);
    QVERIFY(hasTable(db, QStringLiteral("donusum_dosyasi")));
    QVERIFY(hasTable(db, QStringLiteral("donusum_dersi")));
    QVERIFY(hasTable(db, QStringLiteral("olcek_surumu")));
    QCOMPARE(scaleTablesDump(db.path()), before);
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));

    // The second opening finds the file current and changes not one byte.
    const QByteArray upgraded = fileBytes(db.path());
    const SchemaState second = UpgradeSchema(db.path());
    QCOMPARE(second.kind, SchemaState::Kind::Current);
    QCOMPARE(second.foundVersion, kSchemaVersion);
    QVERIFY(second.filesUsable());
    QCOMPARE(fileBytes(db.path()), upgraded);
}

// A file of the version before the scales' change counters (conversion files
// already in it) gets the counters' table alone; its scales and its files stay
// as they were, and a second opening changes nothing.
void SchemaUpgradeTest::versionOneFileGetsTheCountersAndKeepsItsFiles() {
    const TestDatabase db = TestDatabase::copyOfShipped();
    QCOMPARE(UpgradeSchema(db.path()).kind, SchemaState::Kind::Upgraded);
    db.exec(QStringLiteral(
        "DROP TABLE olcek_surumu;"
        "INSERT INTO donusum_dosyasi (surum, ogrenci_adi, ogrenci_no, program_adi, diger_universite, "
        "diger_olcek_adi, dornela_olcek_adi, olusturulma, degistirilme, aciklama, ders_sayisi, arama_adi, "
        "arama_no) VALUES (3, 'Ayşe', '42', 'Fizik', 'Öteki', 'A', 'B', '2026-01-01T00:00:00.000Z', "
        "'2026-01-02T00:00:00.000Z', '', 0, 'ayşe', '42');"
        "PRAGMA user_version = 1"));
    const QList<QByteArray> kept = {"dornela_olcek", "dornela_notlar",  "diger_olcek",
                                    "diger_notlar",  "donusum_dosyasi", "donusum_dersi"};
    const QByteArray before = tablesDump(db.path(), kept);

    const SchemaState state = UpgradeSchema(db.path());
    QCOMPARE(state.kind, SchemaState::Kind::Upgraded);
    QCOMPARE(state.foundVersion, 1);
    QCOMPARE(userVersion(db), kSchemaVersion);
    QVERIFY(hasTable(db, QStringLiteral("olcek_surumu")));
    QCOMPARE(tablesDump(db.path(), kept), before);
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM olcek_surumu")).toInt(), 0);

    const QByteArray upgraded = fileBytes(db.path());
    QCOMPARE(UpgradeSchema(db.path()).kind, SchemaState::Kind::Current);
    QCOMPARE(fileBytes(db.path()), upgraded);
}

void SchemaUpgradeTest::newerFileIsKeptReadOnly() {
    const TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Eski', 'Harf Not');"
                           "PRAGMA user_version = %1")
                .arg(kSchemaVersion + 1));
    const QByteArray before = fileBytes(db.path());

    const SchemaState state = UpgradeSchema(db.path());
    QCOMPARE(state.kind, SchemaState::Kind::Newer);
    QCOMPARE(state.foundVersion, kSchemaVersion + 1);
    QVERIFY(!state.filesUsable());
    QVERIFY2(state.message.contains(QStringLiteral("daha yeni bir sürümüyle")), qPrintable(state.message));
    QVERIFY2(state.message.contains(QStringLiteral("salt okunur")), qPrintable(state.message));
    QVERIFY(!hasTable(db, QStringLiteral("donusum_dosyasi")));

    // The scale windows still read it, and every save and delete is refused
    // with the store's read-only text.
    Editor editor(db.path());
    QCOMPARE(editor.scales.RecordCount(), 1);
    try {
        SaveOtherScale(editor.scales, editor.grades, std::nullopt,
                       {QStringLiteral("Yeni"), QStringLiteral("Harf Not"), 0, 0, 0, 0, 1, 1},
                       {{QStringLiteral("A"), 0, QStringLiteral("Geçer"), 1}});
        QFAIL("a save to a newer file did not fail");
    } catch (const StoreError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("salt okunur")), qPrintable(e.text()));
    }
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             DeleteCurrentScale(editor.scales, editor.grades, ReadShownScale(editor.scales)));
    QCOMPARE(editor.scales.RecordCount(), 1);
    QCOMPARE(fileBytes(db.path()), before);
}

void SchemaUpgradeTest::fileThatCannotBeUpgradedStaysAsItWas_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("why"); // what the message says of the cause
    QTest::newRow("read-only file") << "read-only"
                                    << "salt okunur";
    QTest::newRow("locked by another program") << "locked"
                                               << "başka bir program tarafından kullanılıyor";
    QTest::newRow("not a database") << "damaged"
                                    << "veritabanı dosyası değil";
    // The first new table is made, the second cannot be: the first goes too.
    QTest::newRow("a table of the same name in the way") << "table"
                                                         << "already exists";
}

void SchemaUpgradeTest::fileThatCannotBeUpgradedStaysAsItWas() {
    QFETCH(QString, obstacle);
    QFETCH(QString, why);
    const TestDatabase db(
        QStringLiteral("INSERT INTO diger_olcek (olcek_adi, not_sistemi) VALUES ('Eski', 'Harf');"));
    std::unique_ptr<zendaro::test::ReadOnlyFile> readOnly;
    sqlite3* holder = nullptr;
    if (obstacle == QLatin1String("read-only")) {
        readOnly = std::make_unique<zendaro::test::ReadOnlyFile>(db.path());
        if (!readOnly->active())
            QSKIP("the file cannot be made read-only here");
    } else if (obstacle == QLatin1String("locked")) {
        // Another program holds the write lock all the while.
        QCOMPARE(sqlite3_open(db.path().toUtf8().constData(), &holder), SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    } else if (obstacle == QLatin1String("damaged")) {
        QFile file(db.path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(8192, 'x'));
    } else {
        db.exec(QStringLiteral("CREATE TABLE donusum_dersi (x TEXT)"));
    }
    const QByteArray before = fileBytes(db.path());

    const SchemaState state = UpgradeSchema(db.path());
    if (holder) {
        sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
    }
    QCOMPARE(state.kind, SchemaState::Kind::Failed);
    QVERIFY(!state.filesUsable());
    QVERIFY2(state.message.contains(why), qPrintable(state.message));
    // Where the file itself is sound, the scale windows go on as before.
    const bool sound = obstacle != QLatin1String("damaged");
    QCOMPARE(state.message.contains(
                 QStringLiteral("Ölçek pencereleri ve not dönüştürme her zamanki gibi çalışır")),
             sound);
    QVERIFY2(state.message.contains(QStringLiteral("dönüşüm dosyaları")), qPrintable(state.message));
    QCOMPARE(fileBytes(db.path()), before);
    readOnly.reset();
    if (obstacle != QLatin1String("damaged")) {
        QCOMPARE(userVersion(db), 0);
        QVERIFY(!hasTable(db, QStringLiteral("donusum_dosyasi")));
        QCOMPARE(db.scalar(QStringLiteral("SELECT olcek_adi FROM diger_olcek")).toString(),
                 QStringLiteral("Eski"));
        // Once the obstacle is gone the upgrade goes through.
        if (obstacle != QLatin1String("table"))
            QCOMPARE(UpgradeSchema(db.path()).kind, SchemaState::Kind::Upgraded);
    }
}

QTEST_GUILESS_MAIN(SchemaUpgradeTest)
#include "tst_schemaupgrade.moc"
