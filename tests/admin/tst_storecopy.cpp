// Copying the file to a server and the server into a new file: every table,
// every column, every id arrives unchanged; the ids go on growing where the
// file left them; a copy that fails part-way changes nothing.
#include "AdminFixtures.h"
#include "TestDatabase.h"
#include "admin/StoreCopy.h"
#include "files/SchemaUpgrade.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <cstring>

using namespace zendaro;
using zendaro::test::ServerDatabase;
using zendaro::test::TestDatabase;

namespace {

const QStringList& hostileTexts() {
    static const QStringList texts = {
        QStringLiteral("'; DROP TABLE diger_olcek; --"),
        QStringLiteral("Çağrı Işık İĞÜŞÖÇ ığüşöç"),
        QStringLiteral("ters\\bölü \\x00 \\n E'\\047'"),
        QStringLiteral("satır\nsatır\r\nsekme\t"),
        QStringLiteral("😀 𝔘𝔫𝔦 ￿"),
        QStringLiteral("%1 %2 $$ $1 ? :ad @p"),
        QStringLiteral("\"çift\" 'tek' `ters`"),
        QStringLiteral("مرحبا עברית"),
        QString(5000, QLatin1Char('A')),
        QStringLiteral(""), // empty, not absent
        QStringLiteral("  baştaki ve sondaki boşluk  "),
        QStringLiteral("=HYPERLINK(1)"),
    };
    return texts;
}

const QList<double>& exactDoubles() {
    static const QList<double> values = {
        0.1,         1.0 / 3.0, 0.1 + 0.2, 1e-300, 1.7976931348623157e308, 2.2250738585072014e-308,
        -123456.789, 4.35};
    return values;
}

qint64 insert(StoreConnection& store, const QString& table, const QVariantMap& row) {
    QSqlQuery query(store.database());
    QStringList places;
    places.fill(QStringLiteral("?"), row.size());
    if (!query.prepare(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, row.keys().join(QStringLiteral(", ")), places.join(QStringLiteral(", ")))))
        throw StoreError(StoreErrorText(query.lastError()));
    for (const QVariant& value : row)
        query.addBindValue(value);
    if (!query.exec())
        throw StoreError(StoreErrorText(query.lastError()));
    return query.lastInsertId().toLongLong();
}

// The shipped file with conversion files added: hostile texts, exact
// doubles, and ids used and deleted in every table (the highest among them,
// so that each table has handed out more ids than it holds).
void addWork(const QString& path) {
    const SchemaState upgraded = UpgradeSchema(path);
    if (!upgraded.filesUsable())
        throw StoreError(upgraded.message);
    auto store = StoreConnection::Acquire(path);
    const QStringList& texts = hostileTexts();
    const QList<double>& numbers = exactDoubles();
    const qint64 scale = insert(*store, QStringLiteral("diger_olcek"),
                                {{"olcek_adi", texts.at(0)},
                                 {"not_sistemi", "Sayısal Not"},
                                 {"Max_GN", numbers.at(4)},
                                 {"Min_GN", numbers.at(0)},
                                 {"Max_KN", numbers.at(1)},
                                 {"Min_KN", numbers.at(3)},
                                 {"Gecer_Not_Sayisi", 3},
                                 {"Kalir_Not_Sayisi", 0}});
    for (int i = 0; i < numbers.size(); ++i)
        insert(*store, QStringLiteral("diger_notlar"),
               {{"olcek_id", scale},
                {"harf_notu", texts.at(i % texts.size())},
                {"sayisal_not", numbers.at(i)},
                {"durum", "Geçer"},
                {"adim_no", i}});
    for (int file = 0; file < 3; ++file) {
        const QString text = texts.at((file * 4 + 1) % texts.size());
        const qint64 id = insert(*store, QStringLiteral("donusum_dosyasi"),
                                 {{"surum", file + 1},
                                  {"ogrenci_adi", text},
                                  {"ogrenci_no", texts.at((file + 5) % texts.size())},
                                  {"program_adi", texts.at((file + 6) % texts.size())},
                                  {"diger_universite", texts.at((file + 7) % texts.size())},
                                  {"diger_olcek_id", file == 2 ? QVariant() : QVariant(scale)},
                                  {"dornela_olcek_id", 1},
                                  {"diger_olcek_adi", texts.at(0)},
                                  {"dornela_olcek_adi", "Lisans"},
                                  {"olusturulma", "2026-12-10T20:00:00Z"},
                                  {"degistirilme", "2026-12-10T21:00:00Z"},
                                  {"aciklama", texts.at((file + 8) % texts.size())},
                                  {"ders_sayisi", numbers.size()},
                                  {"arama_adi", text.toLower()},
                                  {"arama_no", "12'34"}});
        for (int course = 0; course < numbers.size(); ++course)
            insert(*store, QStringLiteral("donusum_dersi"),
                   {{"dosya_id", id},
                    {"sira", course},
                    {"ders_kodu", texts.at(course % texts.size())},
                    {"ders_adi", texts.at((course + 3) % texts.size())},
                    {"kredi", numbers.at(course)},
                    {"akts", course % 2 ? QVariant() : QVariant(numbers.at(course))},
                    {"girilen_not", texts.at((course + 1) % texts.size())},
                    {"ortalamaya_katilir", course % 2},
                    {"donusturuldu", 1},
                    {"harf_notu", "BA"},
                    {"sayisal_deger", numbers.at(numbers.size() - 1 - course)},
                    {"harf_degeri", 3.5},
                    {"durum", "GEÇER"},
                    {"gecti", 1}});
    }
    store->exec(
        QStringLiteral("INSERT INTO dornela_olcek (olcek_adi, egitim_duzeyi) VALUES ('Silinen', 'Lisans')"));
    for (const char* table : {"dornela_olcek", "dornela_notlar", "diger_olcek", "diger_notlar",
                              "donusum_dosyasi", "donusum_dersi"})
        store->exec(QStringLiteral("DELETE FROM %1 WHERE id = (SELECT max(id) FROM %1)").arg(table));
}

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    const auto kind = [](const QVariant& v) {
        switch (v.typeId()) {
        case QMetaType::Double:
            return 'd';
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return 'i';
        case QMetaType::QString:
            return 's';
        default:
            return '?';
        }
    };
    if (kind(a) != kind(b))
        return false;
    if (kind(a) == 'd') {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    if (kind(a) == 'i')
        return a.toLongLong() == b.toLongLong();
    return kind(a) == 's' && a.toString() == b.toString();
}

// The tables of a database file, the engine's own sqlite_sequence included.
QStringList fileTables(const QString& path) {
    auto file = StoreConnection::Acquire(path);
    QSqlQuery query(file->database());
    query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    return tables;
}

QList<QVariantList> rowsOf(const QString& address, const QString& table, const QStringList& columns) {
    auto store = StoreConnection::Acquire(address);
    QSqlQuery query(store->database());
    if (!query.exec(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY 1").arg(columns.join(QStringLiteral(", ")), table)))
        throw StoreError(StoreErrorText(query.lastError()));
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < columns.size(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

// Where the store at `actual` differs from the file at `expected`, row by
// row in every table of the file and every column; empty when alike.
QString difference(const QString& expected, const QString& actual, const QStringList& tables) {
    auto file = StoreConnection::Acquire(expected);
    for (const QString& table : tables) {
        const QSqlRecord record = file->database().record(table);
        QStringList columns;
        for (int i = 0; i < record.count(); ++i)
            columns << record.fieldName(i);
        const QList<QVariantList> want = rowsOf(expected, table, columns);
        const QList<QVariantList> got = rowsOf(actual, table, columns);
        if (want.size() != got.size())
            return QStringLiteral("%1: %2 rows, %3 expected").arg(table).arg(got.size()).arg(want.size());
        for (int r = 0; r < want.size(); ++r) {
            for (int c = 0; c < columns.size(); ++c) {
                if (!sameValue(want.at(r).at(c), got.at(r).at(c)))
                    return QStringLiteral("%1, row %2, %3: %4 (%5), expected %6 (%7)")
                        .arg(table)
                        .arg(r)
                        .arg(columns.at(c), got.at(r).at(c).toString(), got.at(r).at(c).typeName(),
                             want.at(r).at(c).toString(), want.at(r).at(c).typeName());
            }
        }
    }
    return {};
}

QStringList withoutEngineTables(QStringList tables) {
    tables.removeAll(QStringLiteral("sqlite_sequence"));
    return tables;
}

// A file's schema: each table and index with its text, white space aside.
QStringList schemaOf(const QString& path) {
    static const QRegularExpression space(QStringLiteral("\\s*([(),])\\s*"));
    auto file = StoreConnection::Acquire(path);
    QSqlQuery query(file->database());
    query.exec(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name"));
    QStringList schema;
    while (query.next())
        schema << QStringList{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                              query.value(3).toString().replace(space, QStringLiteral("\\1")).simplified()}
                      .join(QLatin1Char('|'));
    QSqlQuery version(file->database());
    version.exec(QStringLiteral("PRAGMA user_version"));
    version.next();
    schema << QStringLiteral("user_version %1").arg(version.value(0).toInt());
    return schema;
}

qint64 addHomeScale(const QString& address, const QString& name) {
    DataView view;
    view.SetDatabaseName(address);
    view.SetRecordSource(queries::Q1());
    view.Refresh();
    view.AddNew();
    view.SetField("olcek_adi", name);
    view.SetField("egitim_duzeyi", "Lisans");
    return view.Update();
}

QStringList filesIn(const QString& folder) {
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    return files;
}

qint64 scalar(const QString& address, const QString& sql) {
    auto store = StoreConnection::Acquire(address);
    QSqlQuery query(store->database());
    if (!query.exec(sql) || !query.next())
        throw StoreError(StoreErrorText(query.lastError()));
    return query.value(0).toLongLong();
}

} // namespace

class TestStoreCopy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void copyToServerAndBackEqualsTheFile();
    void idsGoOnWhereTheStoreLeftThem();
    void serverHoldingDataIsRefused();
    void overwriteReplacesTheServersRows();
    void setUpRefusesADatabaseWithTables();
    void existingBackupIsRefused();
    void failureHalfWayLeavesTheServerUnchanged_data();
    void failureHalfWayLeavesTheServerUnchanged();
    void failureHalfWayLeavesNoBackup();
};

void TestStoreCopy::initTestCase() {
    if (test::testServerHost().isEmpty())
        QFAIL("ZENDARO_TEST_PGHOST is not set: this test needs the server the test run starts");
}

void TestStoreCopy::copyToServerAndBackEqualsTheFile() {
    TestDatabase original = TestDatabase::copyOfShipped();
    addWork(original.path());
    ServerDatabase server(QStringLiteral("zendaro_tasima"));

    const StoreCounts toServer = CopyFileToServer(original.path(), server.address(), false);
    QCOMPARE(toServer.homeScales, scalar(original.path(), "SELECT count(*) FROM dornela_olcek"));
    QCOMPARE(toServer.otherScales, scalar(original.path(), "SELECT count(*) FROM diger_olcek"));
    QCOMPARE(toServer.grades,
             scalar(original.path(), "SELECT (SELECT count(*) FROM diger_notlar) + (SELECT count(*) FROM "
                                     "dornela_notlar)"));
    QCOMPARE(toServer.files, 2);
    QCOMPARE(toServer.courses, 3 * exactDoubles().size() - 1); // the deleted file's courses stay
    const QStringList tables = fileTables(original.path());
    QVERIFY(tables.contains("donusum_dersi"));
    QString diff = difference(original.path(), server.address(), withoutEngineTables(tables));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    const QString backup = QDir(original.folder()).filePath("YEDEK.evk");
    const StoreCounts toFile = CopyServerToFile(server.address(), backup);
    QCOMPARE(toFile.grades, toServer.grades);
    QCOMPARE(toFile.courses, toServer.courses);
    // Every table, sqlite_sequence included: the ids handed out came back too.
    QCOMPARE(fileTables(backup), tables);
    diff = difference(original.path(), backup, tables);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(schemaOf(backup), schemaOf(original.path()));
    QCOMPARE(filesIn(original.folder()), (QStringList{"YEDEK.evk", "donustur.evk"}));
}

void TestStoreCopy::idsGoOnWhereTheStoreLeftThem() {
    TestDatabase original = TestDatabase::copyOfShipped();
    addWork(original.path());
    ServerDatabase server(QStringLiteral("zendaro_tasima"));
    CopyFileToServer(original.path(), server.address(), false);

    // The file deleted its newest home scale: its id is not handed out again.
    const qint64 handedOut =
        scalar(original.path(), "SELECT seq FROM sqlite_sequence WHERE name = 'dornela_olcek'");
    QVERIFY(handedOut > scalar(original.path(), "SELECT max(id) FROM dornela_olcek"));
    const qint64 onServer = addHomeScale(server.address(), "Sunucuda eklenen");
    QCOMPARE(onServer, handedOut + 1);
    StoreConnection::Acquire(server.address())
        ->exec(QStringLiteral("DELETE FROM dornela_olcek WHERE id = %1").arg(onServer));

    // Nor by the backup of the server, which deleted it again.
    const QString backup = QDir(original.folder()).filePath("YEDEK.evk");
    CopyServerToFile(server.address(), backup);
    QCOMPARE(addHomeScale(backup, "Yedekte eklenen"), onServer + 1);
}

void TestStoreCopy::serverHoldingDataIsRefused() {
    TestDatabase first = TestDatabase::copyOfShipped();
    ServerDatabase server(QStringLiteral("zendaro_tasima"));
    CopyFileToServer(first.path(), server.address(), false);
    TestDatabase second = TestDatabase::copyOfShipped();
    addWork(second.path());
    try {
        CopyFileToServer(second.path(), server.address(), false);
        QFAIL("a server holding data was written over");
    } catch (const StoreError& error) {
        QVERIFY2(error.text().contains("--uzerine-yaz"), qPrintable(error.text()));
    }
    const QString diff =
        difference(first.path(), server.address(), withoutEngineTables(fileTables(first.path())));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void TestStoreCopy::overwriteReplacesTheServersRows() {
    TestDatabase first = TestDatabase::copyOfShipped();
    addWork(first.path());
    ServerDatabase server(QStringLiteral("zendaro_tasima"));
    CopyFileToServer(first.path(), server.address(), false);
    TestDatabase second = TestDatabase::copyOfShipped();
    second.exec("DELETE FROM diger_notlar WHERE olcek_id = 2; DELETE FROM diger_olcek WHERE id = 2");
    CopyFileToServer(second.path(), server.address(), true);
    const QString diff =
        difference(second.path(), server.address(), withoutEngineTables(fileTables(second.path())));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void TestStoreCopy::setUpRefusesADatabaseWithTables() {
    ServerDatabase server(QStringLiteral("zendaro_tasima"));
    SetUpServer(server.address());
    QCOMPARE(StoreConnection::Acquire(server.address())->schemaVersion(), kSchemaVersion);
    QCOMPARE(scalar(server.address(), "SELECT count(*) FROM donusum_dosyasi"), 0);
    QVERIFY_THROWS_EXCEPTION(StoreError, SetUpServer(server.address()));
    // A database set up beforehand takes the copy.
    TestDatabase file = TestDatabase::copyOfShipped();
    QCOMPARE(CopyFileToServer(file.path(), server.address(), false).homeScales,
             scalar(file.path(), "SELECT count(*) FROM dornela_olcek"));
}

void TestStoreCopy::existingBackupIsRefused() {
    TestDatabase file = TestDatabase::copyOfShipped();
    ServerDatabase server(QStringLiteral("zendaro_tasima"));
    CopyFileToServer(file.path(), server.address(), false);
    const QString existing = QDir(file.folder()).filePath("YEDEK.evk");
    {
        QFile other(existing);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("başka bir dosya");
    }
    try {
        CopyServerToFile(server.address(), existing);
        QFAIL("an existing file was written over");
    } catch (const StoreError& error) {
        QVERIFY2(error.text().contains("zaten var"), qPrintable(error.text()));
    }
    QFile other(existing);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QCOMPARE(other.readAll(), QByteArray("başka bir dosya"));
    QCOMPARE(filesIn(file.folder()), (QStringList{"YEDEK.evk", "donustur.evk"}));
}

// The last table copied holds a value the server refuses (a text where a
// number belongs, which SQLite keeps): everything copied before it is undone.
void TestStoreCopy::failureHalfWayLeavesTheServerUnchanged_data() {
    QTest::addColumn<bool>("holdingData");
    QTest::newRow("empty database: no tables made") << false;
    QTest::newRow("overwriting: the old rows stay") << true;
}

void TestStoreCopy::failureHalfWayLeavesTheServerUnchanged() {
    QFETCH(bool, holdingData);
    TestDatabase before = TestDatabase::copyOfShipped();
    ServerDatabase server(QStringLiteral("zendaro_tasima"));
    if (holdingData)
        CopyFileToServer(before.path(), server.address(), false);
    TestDatabase broken = TestDatabase::copyOfShipped();
    addWork(broken.path());
    broken.exec("UPDATE dornela_olcek SET max_GN = 'dört' WHERE id = (SELECT max(id) FROM dornela_olcek)");

    QVERIFY_THROWS_EXCEPTION(StoreError, CopyFileToServer(broken.path(), server.address(), true));
    if (holdingData) {
        const QString diff =
            difference(before.path(), server.address(), withoutEngineTables(fileTables(before.path())));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QCOMPARE(addHomeScale(server.address(), "Sonra eklenen"),
                 scalar(before.path(), "SELECT seq FROM sqlite_sequence WHERE name = 'dornela_olcek'") + 1);
    } else {
        QCOMPARE(scalar(server.address(),
                        "SELECT count(*) FROM information_schema.tables WHERE table_schema = "
                        "current_schema()"),
                 0);
    }
}

// The server lost a column the file has: the copy stops there, and neither
// the backup nor its temporary file is left behind.
void TestStoreCopy::failureHalfWayLeavesNoBackup() {
    TestDatabase file = TestDatabase::copyOfShipped();
    addWork(file.path());
    ServerDatabase server(QStringLiteral("zendaro_tasima"));
    CopyFileToServer(file.path(), server.address(), false);
    StoreConnection::Acquire(server.address())
        ->exec(QStringLiteral("ALTER TABLE dornela_notlar DROP COLUMN durum"));
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             CopyServerToFile(server.address(), QDir(file.folder()).filePath("YEDEK.evk")));
    QCOMPARE(filesIn(file.folder()), QStringList{"donustur.evk"});
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestStoreCopy suite;
    return QTest::qExec(&suite, argc, argv);
}

#include "tst_storecopy.moc"
