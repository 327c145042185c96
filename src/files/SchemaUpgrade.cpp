#include "files/SchemaUpgrade.h"

#include "store/EngineSql.h"
#include "store/ScaleRevision.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <QStringList>

namespace zendaro {

namespace {

// What version 1 adds: the conversion files and their courses. Only portable
// column types (INTEGER, REAL, TEXT); dates are ISO 8601 UTC text, yes/no
// values 0 or 1. The four scale tables are not touched.
const QStringList& versionOneStatements() {
    static const QStringList statements = {
        // One row per file. surum is the change counter a save checks and
        // raises; ders_sayisi, arama_adi and arama_no are written with every
        // save so that the list reads one table: the course count, and the
        // student's name and number with their letter case folded the Turkish
        // way (what a search compares). Ids are never reused, so a save of a
        // deleted file cannot land on a newer one.
        QStringLiteral("CREATE TABLE donusum_dosyasi ("
                       "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "surum INTEGER NOT NULL, "
                       "ogrenci_adi TEXT NOT NULL, "
                       "ogrenci_no TEXT NOT NULL, "
                       "program_adi TEXT NOT NULL, "
                       "diger_universite TEXT NOT NULL, "
                       "diger_olcek_id INTEGER, "
                       "dornela_olcek_id INTEGER, "
                       "diger_olcek_adi TEXT NOT NULL, "
                       "dornela_olcek_adi TEXT NOT NULL, "
                       "olusturulma TEXT NOT NULL, "
                       "degistirilme TEXT NOT NULL, "
                       "aciklama TEXT NOT NULL, "
                       "ders_sayisi INTEGER NOT NULL, "
                       "arama_adi TEXT NOT NULL, "
                       "arama_no TEXT NOT NULL)"),
        // The list: the most recently changed first.
        QStringLiteral("CREATE INDEX donusum_dosyasi_sira ON donusum_dosyasi (degistirilme DESC, id DESC)"),
        // The courses of a file (dosya_id), in the order sira. The result
        // columns hold the result as last converted.
        QStringLiteral("CREATE TABLE donusum_dersi ("
                       "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "dosya_id INTEGER NOT NULL, "
                       "sira INTEGER NOT NULL, "
                       "ders_kodu TEXT NOT NULL, "
                       "ders_adi TEXT NOT NULL, "
                       "kredi REAL NOT NULL, "
                       "akts REAL, "
                       "girilen_not TEXT NOT NULL, "
                       "ortalamaya_katilir INTEGER NOT NULL, "
                       "donusturuldu INTEGER NOT NULL, "
                       "harf_notu TEXT NOT NULL, "
                       "sayisal_deger REAL NOT NULL, "
                       "harf_degeri REAL NOT NULL, "
                       "durum TEXT NOT NULL, "
                       "gecti INTEGER NOT NULL)"),
        QStringLiteral("CREATE UNIQUE INDEX donusum_dersi_sira ON donusum_dersi (dosya_id, sira)"),
    };
    return statements;
}

// What version 2 adds: the change counter of every scale (ScaleRevision),
// by the table of the scale (dornela_olcek or diger_olcek) and its id. A
// scale without a row is at 0.
const QStringList& versionTwoStatements() {
    static const QStringList statements = {
        QStringLiteral("CREATE TABLE olcek_surumu ("
                       "olcek_tablosu TEXT NOT NULL, "
                       "olcek_id INTEGER NOT NULL, "
                       "surum INTEGER NOT NULL, "
                       "PRIMARY KEY (olcek_tablosu, olcek_id))"),
    };
    return statements;
}
static_assert(kScaleCounterSchemaVersion == 2, "the counters arrive with version 2");

// The statements that bring a store from `version` to kSchemaVersion.
QStringList statementsFrom(int version) {
    QStringList statements;
    if (version < 1)
        statements << versionOneStatements();
    if (version < 2)
        statements << versionTwoStatements();
    return statements;
}

int readVersion(StoreConnection& connection) {
    return connection.schemaVersion();
}

SchemaState newer(const QString& path, int version) {
    // Nothing of this run may write to it: the newer program's data would not
    // survive this one's saves.
    StoreConnection::KeepReadOnly(path);
    SchemaState state;
    state.kind = SchemaState::Kind::Newer;
    state.foundVersion = version;
    state.message =
        QStringLiteral("Veritabanı dosyası ZENDARO'nun daha yeni bir sürümüyle kaydedilmiş "
                       "(dosyanın şema sürümü: %1, bu programınki: %2). Dosya bu çalışmada salt "
                       "okunur açıldı: ölçekler görülebilir ve notlar dönüştürülebilir, ancak "
                       "hiçbir değişiklik kaydedilemez; dönüşüm dosyaları yalnızca görüntülenebilir.")
            .arg(version)
            .arg(kSchemaVersion);
    return state;
}

SchemaState failed(int version, const QString& why) {
    SchemaState state;
    state.kind = SchemaState::Kind::Failed;
    state.foundVersion = version;
    state.message = QStringLiteral("Veritabanı dosyası dönüşüm dosyaları için hazırlanamadı: %1\r\n\r\n"
                                   "Ölçek pencereleri ve not dönüştürme her zamanki gibi çalışır; dönüşüm "
                                   "dosyaları ise bu çalışmada kullanılamaz. Hiçbir şey değiştirilmedi.")
                        .arg(why);
    return state;
}

// The file cannot even be read: the scale windows will say so as well.
SchemaState unreadable(const QString& why) {
    SchemaState state;
    state.kind = SchemaState::Kind::Failed;
    state.message =
        QStringLiteral("Veritabanı dosyası okunamadığı için dönüşüm dosyaları bu çalışmada kullanılamaz: %1")
            .arg(why);
    return state;
}

SchemaState done(SchemaState::Kind kind, int version) {
    SchemaState state;
    state.kind = kind;
    state.foundVersion = version;
    return state;
}

} // namespace

SchemaState UpgradeSchema(const QString& databasePath) {
    std::shared_ptr<StoreConnection> connection;
    int version = 0;
    try {
        connection = StoreConnection::Acquire(databasePath);
        version = readVersion(*connection);
    } catch (const StoreError& error) {
        return unreadable(error.text());
    }
    if (version == kSchemaVersion)
        return done(SchemaState::Kind::Current, version);
    if (version > kSchemaVersion)
        return newer(databasePath, version);

    try {
        // The write lock first, then the version again: another ZENDARO may
        // have upgraded the file in the meantime.
        connection->begin();
        try {
            version = readVersion(*connection);
            if (version >= kSchemaVersion) {
                connection->rollback();
                return version == kSchemaVersion ? done(SchemaState::Kind::Current, version)
                                                 : newer(databasePath, version);
            }
            for (const QString& statement : statementsFrom(version))
                connection->exec(EngineDdl(connection->engine(), statement));
            connection->setSchemaVersion(kSchemaVersion);
            connection->commit();
        } catch (...) {
            connection->rollback();
            throw;
        }
        return done(SchemaState::Kind::Upgraded, version);
    } catch (const StoreError& error) {
        return failed(version, error.text());
    }
}

} // namespace zendaro
