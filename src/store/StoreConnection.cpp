#include "StoreConnection.h"

#include "EngineSql.h"
#include "ServerLogin.h"
#include "StoreError.h"
#include "TurkishCollation.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <algorithm>

namespace zendaro {

namespace {

QHash<QString, std::weak_ptr<StoreConnection>>& registry() {
    static QHash<QString, std::weak_ptr<StoreConnection>> connections;
    return connections;
}

QString keyFor(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The registry's key: a file by its absolute path, a server by its address.
QString keyFor(const StoreAddress& address) {
    return address.engine == StoreEngine::SQLite ? keyFor(address.file) : address.text();
}

QSet<QString>& readOnlyFiles() {
    static QSet<QString> files;
    return files;
}

// The store's own words: the driver's and the engine's text.
QString rawStoreText(const QSqlError& error) {
    QString store = error.databaseText().trimmed();
    QString driver = error.driverText().trimmed();
    if (store.isEmpty())
        return driver;
    if (driver.isEmpty())
        return store;
    return driver + QStringLiteral(": ") + store;
}

// A Turkish sentence that says what a server's failure means to the user,
// by its SQLSTATE; empty for the rest.
QString serverLeadIn(const QString& state) {
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")))
        return QStringLiteral("Veritabanı sunucusuna ulaşılamıyor ya da bağlantı kesildi; işlem yapılamadı, "
                              "yarım kalan değişiklik kaydedilmedi. Sunucu yeniden çalıştığında bir sonraki "
                              "işlemde kendiliğinden yeniden bağlanılır; lütfen işlemi yineleyiniz.");
    if (state.startsWith(QLatin1String("28")))
        return QStringLiteral("Veritabanı sunucusu kullanıcı adını ya da parolayı kabul etmedi.");
    if (state == QLatin1String("3D000"))
        return QStringLiteral("Veritabanı sunucusunda bu adla bir veritabanı yok.");
    if (state == QLatin1String("40001") || state == QLatin1String("40P01") || state == QLatin1String("55P03"))
        return QStringLiteral("Veritabanı başka bir kullanıcı tarafından değiştiriliyor; işlem yapılamadı. "
                              "Lütfen biraz sonra yeniden deneyiniz.");
    if (state == QLatin1String("25006"))
        return QStringLiteral("Veritabanına yazılamıyor (salt okunur); değişiklik kaydedilmedi.");
    if (state == QLatin1String("53100"))
        return QStringLiteral("Veritabanı sunucusunda yer kalmadı; değişiklik kaydedilmedi.");
    if (state == QLatin1String("42P01") || state == QLatin1String("42703"))
        return QStringLiteral(
            "Veritabanında gerekli bir tablo ya da alan yok. Sunucudaki veritabanında ZENDARO'nun "
            "tabloları kurulmadıysa sistem yöneticiniz zendaro --sunucu-kur komutunu "
            "çalıştırmalıdır.");
    if (state == QLatin1String("42501"))
        return QStringLiteral("Veritabanı sunucusunda bu işlem için yetki yok.");
    return {};
}

// Whether a server connection of this run was lost: a failure without a
// SQLSTATE is then the loss (libpq tells it in its own words only). Called
// after the failed statement, when nothing is being read.
bool serverConnectionLost() {
    const auto& connections = registry();
    return std::any_of(connections.begin(), connections.end(),
                       [](const std::weak_ptr<StoreConnection>& held) {
                           const auto connection = held.lock();
                           return connection && connection->engine() == StoreEngine::PostgreSQL &&
                                  ServerConnectionBroken(connection->database());
                       });
}

// A Turkish sentence that says what the store's text means to the user, for
// the failures a user can meet (file in use, read-only, damaged, not a
// database, a table missing); empty for the rest.
QString leadIn(const QSqlError& error) {
    // A server's codes are SQLSTATEs (five letters and digits); SQLite's are
    // numbers of at most four digits.
    if (error.nativeErrorCode().size() == 5)
        return serverLeadIn(error.nativeErrorCode());
    if (error.nativeErrorCode().isEmpty() && serverConnectionLost())
        return serverLeadIn(QStringLiteral("08006"));
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xff; // the primary SQLite result code
    const QString text = error.databaseText();
    if (numeric) {
        switch (code) {
        case 5: // SQLITE_BUSY
        case 6: // SQLITE_LOCKED
            return QStringLiteral("Veritabanı dosyası başka bir program tarafından kullanılıyor; işlem "
                                  "yapılamadı. Lütfen biraz sonra yeniden deneyiniz.");
        case 8: // SQLITE_READONLY
            return QStringLiteral("Veritabanı dosyasına yazılamıyor (salt okunur); değişiklik kaydedilmedi.");
        case 10: // SQLITE_IOERR
            return QStringLiteral("Veritabanı dosyası okunurken ya da yazılırken bir hata oluştu.");
        case 11: // SQLITE_CORRUPT
            return QStringLiteral("Veritabanı dosyası bozuk.");
        case 13: // SQLITE_FULL
            return QStringLiteral("Diskte yer kalmadı; değişiklik kaydedilmedi.");
        case 14: // SQLITE_CANTOPEN
            return QStringLiteral("Veritabanı dosyası açılamadı.");
        case 26: // SQLITE_NOTADB
            return QStringLiteral("Dosya bir veritabanı dosyası değil.");
        default:
            break;
        }
    }
    if (text.contains(QLatin1String("no such table")) || text.contains(QLatin1String("no such column")))
        return QStringLiteral("Veritabanı dosyasında gerekli bir tablo ya da alan yok.");
    return {};
}

} // namespace

QString StoreErrorText(const QSqlError& error) {
    QString raw = rawStoreText(error);
    const QString lead = leadIn(error);
    if (lead.isEmpty())
        return raw;
    return lead + QStringLiteral(" (") + raw + QLatin1Char(')');
}

namespace {

// The failure of opening the file, for the message that names the file.
QString openFailureText(const QSqlError& error) {
    const QString lead = leadIn(error);
    const QString raw = rawStoreText(error);
    return lead.isEmpty() || lead.startsWith(QStringLiteral("Veritabanı dosyası açılamadı"))
               ? raw
               : lead + QLatin1Char(' ') + raw;
}

} // namespace

void StoreConnection::KeepReadOnly(const QString& path) {
    readOnlyFiles().insert(keyFor(path));
}

bool StoreConnection::KeptReadOnly(const QString& path) {
    return readOnlyFiles().contains(keyFor(path));
}

std::shared_ptr<StoreConnection> StoreConnection::Acquire(const QString& path) {
    if (path.isEmpty())
        throw StoreError(QStringLiteral("Veritabanı dosyası belirtilmedi."));
    StoreAddress address = StoreAddress::Parse(path);
    const QString key = keyFor(address);
    auto& connections = registry();
    if (auto existing = connections.value(key).lock())
        return existing;

    static int counter = 0;
    const QString name = QStringLiteral("zendaro_store_%1").arg(++counter);
    std::shared_ptr<StoreConnection> connection(new StoreConnection(std::move(address), key, name));
    connections.insert(key, connection);
    return connection;
}

StoreConnection::StoreConnection(StoreAddress address, QString path, QString name)
    : address_(std::move(address)), path_(std::move(path)), name_(std::move(name)) {
    if (address_.engine == StoreEngine::SQLite)
        openFile();
    else
        openServer();
}

void StoreConnection::openServer() {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        throw StoreError(QStringLiteral("PostgreSQL veritabanı sürücüsü (QPSQL) bulunamadı."));
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    db_.setHostName(address_.host);
    if (address_.port > 0)
        db_.setPort(address_.port);
    db_.setDatabaseName(address_.database);
    db_.setUserName(address_.user);
    db_.setConnectOptions(QStringLiteral(
        "connect_timeout=10;application_name=ZENDARO;options='-cclient_min_messages=warning'"));
    try {
        // The password: libpq's own places, else the one given in this run.
        OpenServerConnection(db_, address_);
    } catch (const StoreError&) {
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw;
    }
}

void StoreConnection::reopenIfBroken() {
    // Inside a transaction the work done so far is lost with the connection:
    // the statement fails and the transaction rolls back; the connection is
    // opened again at the next use after it.
    if (depth_ > 0 || engine() != StoreEngine::PostgreSQL || !ServerConnectionBroken(db_))
        return;
    statements_.clear();
    db_.close();
    OpenServerConnection(db_, address_);
}

void StoreConnection::openFile() {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw StoreError(QStringLiteral("SQLite veritabanı sürücüsü (QSQLITE) bulunamadı."));
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    // mode=rw: SQLite opens an existing file only and never creates one;
    // mode=ro as well, and refuses every write.
    const QString mode = KeptReadOnly(path_) ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw");
    db_.setDatabaseName(QUrl::fromLocalFile(path_).toString(QUrl::FullyEncoded) + mode);
    db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    QString failure;
    if (!db_.open()) {
        failure = openFailureText(db_.lastError());
    } else {
        // Reading the schema tells a database from any other file at once.
        QSqlQuery probe(db_);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            failure = openFailureText(probe.lastError());
        else if (!RegisterTurkishCollation(db_))
            failure = QStringLiteral("Türkçe sıralama kuralı veritabanı bağlantısına eklenemedi.");
    }
    if (!failure.isEmpty()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw StoreError(QStringLiteral("Veritabanı dosyası açılamadı: %1 (%2)").arg(path_, failure));
    }
}

StoreConnection::~StoreConnection() {
    if (depth_ > 0) {
        depth_ = 1;
        rollback();
    }
    statements_.clear();
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
    auto& connections = registry();
    auto it = connections.find(path_);
    if (it != connections.end() && it->expired())
        connections.erase(it);
}

QSqlQuery& StoreConnection::prepared(const QString& sql) {
    // Query texts carry scale ids and searched numbers, so the kinds of text
    // are few but not bounded: past this many the kept statements start over.
    constexpr int kKeptStatements = 200;
    reopenIfBroken();
    auto it = statements_.find(sql);
    if (it == statements_.end()) {
        QSqlQuery query(db_);
        query.setForwardOnly(true);
        if (!query.prepare(EngineStatement(engine(), sql)))
            throw StoreError(StoreErrorText(query.lastError()));
        if (statements_.size() >= kKeptStatements)
            statements_.clear();
        it = statements_.insert(sql, query);
    }
    return *it;
}

void StoreConnection::exec(const QString& sql) {
    reopenIfBroken();
    QSqlQuery query(db_);
    if (!query.exec(EngineStatement(engine(), sql)))
        throw StoreError(StoreErrorText(query.lastError()));
}

int StoreConnection::schemaVersion() {
    reopenIfBroken();
    QSqlQuery query(db_);
    if (engine() == StoreEngine::PostgreSQL) {
        // A server database without the version table is at version 0.
        if (!query.exec(QStringLiteral("SELECT to_regclass('zendaro_surum') IS NOT NULL")) || !query.next())
            throw StoreError(StoreErrorText(query.lastError()));
        if (!query.value(0).toBool())
            return 0;
    }
    const bool ok = engine() == StoreEngine::SQLite
                        ? query.exec(QStringLiteral("PRAGMA user_version"))
                        : query.exec(QStringLiteral("SELECT surum FROM zendaro_surum"));
    if (!ok)
        throw StoreError(StoreErrorText(query.lastError()));
    return query.next() ? query.value(0).toInt() : 0;
}

void StoreConnection::setSchemaVersion(int version) {
    if (engine() == StoreEngine::SQLite) {
        exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
        return;
    }
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS zendaro_surum (surum INTEGER NOT NULL)"));
    exec(QStringLiteral("DELETE FROM zendaro_surum"));
    QSqlQuery insert(db_);
    insert.prepare(QStringLiteral("INSERT INTO zendaro_surum (surum) VALUES (?)"));
    insert.addBindValue(version);
    if (!insert.exec())
        throw StoreError(StoreErrorText(insert.lastError()));
}

void StoreConnection::begin() {
    if (depth_ == 0)
        exec(engine() == StoreEngine::SQLite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    else
        exec(QStringLiteral("SAVEPOINT zendaro_%1").arg(depth_));
    ++depth_;
}

void StoreConnection::commit() {
    if (depth_ == 0)
        throw StoreError(QStringLiteral("Açık bir işlem yok."));
    if (depth_ == 1)
        exec(QStringLiteral("COMMIT"));
    else
        exec(QStringLiteral("RELEASE zendaro_%1").arg(depth_ - 1));
    --depth_;
}

void StoreConnection::rollback() noexcept {
    if (depth_ == 0)
        return;
    --depth_;
    QSqlQuery query(db_);
    if (depth_ == 0) {
        query.exec(QStringLiteral("ROLLBACK"));
    } else {
        query.exec(QStringLiteral("ROLLBACK TO zendaro_%1").arg(depth_));
        query.exec(QStringLiteral("RELEASE zendaro_%1").arg(depth_));
    }
}

} // namespace zendaro
