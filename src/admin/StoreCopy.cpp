#include "StoreCopy.h"

#include "files/SchemaUpgrade.h"
#include "store/ServerSchema.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>
#include <algorithm>

namespace zendaro {

namespace {

const QStringList& scaleTables() {
    static const QStringList tables = {QStringLiteral("dornela_olcek"), QStringLiteral("dornela_notlar"),
                                       QStringLiteral("diger_olcek"), QStringLiteral("diger_notlar")};
    return tables;
}

// Runs a statement written for this engine (no translation); throws StoreError.
QSqlQuery run(StoreConnection& connection, const QString& sql) {
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw StoreError(StoreErrorText(query.lastError()));
    return query;
}

qint64 scalar(StoreConnection& connection, const QString& sql) {
    QSqlQuery query = run(connection, sql);
    return query.next() ? query.value(0).toLongLong() : 0;
}

// The tables of ZENDARO in a store: every table but the engine's own and the
// server's version table.
QStringList zendaroTables(StoreConnection& connection) {
    QSqlQuery query =
        run(connection, connection.engine() == StoreEngine::SQLite
                            ? QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                             "AND name NOT LIKE 'sqlite%' ORDER BY name")
                            : QStringLiteral("SELECT table_name FROM information_schema.tables "
                                             "WHERE table_schema = current_schema() "
                                             "AND table_type = 'BASE TABLE' "
                                             "AND table_name <> 'zendaro_surum' ORDER BY table_name"));
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    return tables;
}

bool holdsScaleTables(const QStringList& tables) {
    return std::all_of(scaleTables().begin(), scaleTables().end(),
                       [&](const QString& table) { return tables.contains(table); });
}

bool holdsAnyScaleTable(const QStringList& tables) {
    return std::any_of(scaleTables().begin(), scaleTables().end(),
                       [&](const QString& table) { return tables.contains(table); });
}

StoreCounts countRows(StoreConnection& connection) {
    const QStringList tables = zendaroTables(connection);
    const auto rows = [&](const char* table) {
        const QString name = QString::fromLatin1(table);
        return tables.contains(name) ? scalar(connection, QStringLiteral("SELECT count(*) FROM ") + name) : 0;
    };
    StoreCounts counts;
    counts.homeScales = rows("dornela_olcek");
    counts.otherScales = rows("diger_olcek");
    counts.grades = rows("dornela_notlar") + rows("diger_notlar");
    counts.files = rows("donusum_dosyasi");
    counts.courses = rows("donusum_dersi");
    return counts;
}

// The columns of a table as the file holds them.
QStringList fileColumns(StoreConnection& file, const QString& table) {
    const QSqlRecord record = file.database().record(table);
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    return columns;
}

// Every row of `table` from one store into the same table of the other, each
// value as it stands (ids included).
void copyTable(StoreConnection& from, StoreConnection& to, const QString& table, const QStringList& columns) {
    const QString list = columns.join(QStringLiteral(", "));
    QSqlQuery read = run(from, QStringLiteral("SELECT %1 FROM %2 ORDER BY 1").arg(list, table));
    QSqlQuery write(to.database());
    QStringList places;
    places.fill(QStringLiteral("?"), columns.size());
    if (!write.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(table, list, places.join(QStringLiteral(", ")))))
        throw StoreError(StoreErrorText(write.lastError()));
    // A savepoint: a refused row leaves the transaction usable until the
    // statement is let go, then the whole copy is undone.
    to.begin();
    try {
        while (read.next()) {
            for (int i = 0; i < columns.size(); ++i)
                write.bindValue(i, read.value(i));
            if (!write.exec())
                throw StoreError(StoreErrorText(write.lastError()));
        }
        if (read.lastError().isValid())
            throw StoreError(StoreErrorText(read.lastError()));
    } catch (...) {
        to.rollback();
        throw;
    }
    to.commit();
}

// The highest id each table has handed out, deleted rows' ids included: the
// file's sqlite_sequence, or the position of the server's id sequences.
QHash<QString, qint64> idsHandedOut(StoreConnection& connection) {
    QHash<QString, qint64> handedOut;
    if (connection.engine() == StoreEngine::SQLite) {
        if (scalar(connection,
                   QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'sqlite_sequence'")) == 0)
            return handedOut;
        QSqlQuery query = run(connection, QStringLiteral("SELECT name, seq FROM sqlite_sequence"));
        while (query.next())
            handedOut.insert(query.value(0).toString(), query.value(1).toLongLong());
        return handedOut;
    }
    QSqlQuery sequences =
        run(connection, QStringLiteral("SELECT table_name, pg_get_serial_sequence(table_name, "
                                       "column_name) FROM information_schema.columns "
                                       "WHERE table_schema = current_schema() "
                                       "AND is_identity = 'YES'"));
    QList<QPair<QString, QString>> found;
    while (sequences.next())
        found << qMakePair(sequences.value(0).toString(), sequences.value(1).toString());
    for (const auto& [table, sequence] : found) {
        // Not yet called: last_value is the next id to hand out.
        QSqlQuery position = run(connection, QStringLiteral("SELECT last_value, is_called FROM ") + sequence);
        if (position.next())
            handedOut.insert(table, position.value(0).toLongLong() - (position.value(1).toBool() ? 0 : 1));
    }
    return handedOut;
}

// The file hands out no id again that the other store has handed out.
void keepIdsHandedOut(StoreConnection& file, const QHash<QString, qint64>& handedOut) {
    const QHash<QString, qint64> own = idsHandedOut(file);
    for (auto it = handedOut.begin(); it != handedOut.end(); ++it) {
        if (it.value() <= own.value(it.key()))
            continue;
        QSqlQuery forget(file.database());
        forget.prepare(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"));
        forget.addBindValue(it.key());
        QSqlQuery keep(file.database());
        keep.prepare(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"));
        keep.addBindValue(it.key());
        keep.addBindValue(it.value());
        if (!forget.exec() || !keep.exec())
            throw StoreError(
                StoreErrorText(forget.lastError().isValid() ? forget.lastError() : keep.lastError()));
    }
}

// Brings a store to this program's schema version, as a start of the
// program does.
void bringToCurrentSchema(const QString& address) {
    const SchemaState state = UpgradeSchema(address);
    if (!state.filesUsable())
        throw StoreError(
            QStringLiteral("Veritabanı bu programın şema sürümüne getirilemedi: %1").arg(state.message));
}

// Undoes what is open on both connections when the copy fails.
class OpenTransactions {
public:
    void add(StoreConnection& connection) {
        connection.begin();
        open_ << &connection;
    }
    void commit(StoreConnection& connection) {
        connection.commit();
        open_.removeOne(&connection);
    }
    ~OpenTransactions() {
        for (StoreConnection* connection : open_)
            connection->rollback();
    }

private:
    QList<StoreConnection*> open_;
};

// A read of a file that sees one state of it throughout: a deferred
// transaction, so a file the user may not write to is read as well.
class FileSnapshot {
public:
    explicit FileSnapshot(StoreConnection& file) : file_(file) { file_.exec(QStringLiteral("BEGIN")); }
    ~FileSnapshot() { QSqlQuery(file_.database()).exec(QStringLiteral("ROLLBACK")); }
    FileSnapshot(const FileSnapshot&) = delete;
    FileSnapshot& operator=(const FileSnapshot&) = delete;

private:
    StoreConnection& file_;
};

} // namespace

void SetUpServer(const QString& serverAddress) {
    auto server = StoreConnection::Acquire(serverAddress);
    OpenTransactions open;
    open.add(*server);
    CreateScaleTables(*server);
    bringToCurrentSchema(serverAddress);
    open.commit(*server);
}

StoreCounts CopyFileToServer(const QString& filePath, const QString& serverAddress, bool overwrite) {
    bringToCurrentSchema(filePath);
    auto file = StoreConnection::Acquire(filePath);
    auto server = StoreConnection::Acquire(serverAddress);
    if (file->engine() != StoreEngine::SQLite || server->engine() != StoreEngine::PostgreSQL)
        throw StoreError(
            QStringLiteral("Aktarma bir veritabanı dosyası ile bir veritabanı sunucusu arasında yapılır."));
    const FileSnapshot snapshot(*file);
    const QStringList tables = zendaroTables(*file);
    if (!holdsScaleTables(tables))
        throw StoreError(QStringLiteral("Dosya ZENDARO'nun bir veritabanı dosyası değil: %1").arg(filePath));

    OpenTransactions open;
    open.add(*server);
    if (!holdsAnyScaleTable(zendaroTables(*server)))
        CreateScaleTables(*server);
    bringToCurrentSchema(serverAddress);
    const QStringList serverTables = zendaroTables(*server);
    for (const QString& table : tables) {
        if (!serverTables.contains(table))
            throw StoreError(
                QStringLiteral("Sunucudaki veritabanında %1 tablosu yok; hiçbir şey değiştirilmedi.")
                    .arg(table));
    }
    // No clerk writes while the rows are replaced.
    run(*server, QStringLiteral("LOCK TABLE ") + tables.join(QStringLiteral(", ")) +
                     QStringLiteral(" IN EXCLUSIVE MODE"));
    for (const QString& table : tables) {
        if (scalar(*server, QStringLiteral("SELECT count(*) FROM ") + table) == 0)
            continue;
        if (!overwrite)
            throw StoreError(
                QStringLiteral("Sunucudaki veritabanında zaten veri var; hiçbir şey değiştirilmedi. "
                               "Sunucudaki verilerin yerine dosyadakileri yazmak için komutu "
                               "--uzerine-yaz ile veriniz."));
        run(*server, QStringLiteral("DELETE FROM ") + table);
    }
    for (const QString& table : tables)
        copyTable(*file, *server, table, fileColumns(*file, table));
    AlignIdSequences(*server, idsHandedOut(*file));
    const StoreCounts counts = countRows(*server);
    open.commit(*server);
    return counts;
}

StoreCounts CopyServerToFile(const QString& serverAddress, const QString& newFilePath) {
    const QFileInfo target(newFilePath);
    if (target.exists() || target.isSymLink())
        throw StoreError(QStringLiteral("Yedek dosyası zaten var; üzerine yazılmadı: %1").arg(newFilePath));
    auto server = StoreConnection::Acquire(serverAddress);
    if (server->engine() != StoreEngine::PostgreSQL)
        throw StoreError(
            QStringLiteral("Aktarma bir veritabanı dosyası ile bir veritabanı sunucusu arasında yapılır."));
    if (!holdsScaleTables(zendaroTables(*server)))
        throw StoreError(QStringLiteral("Sunucudaki veritabanında ZENDARO'nun tabloları yok; önce "
                                        "zendaro --sunucu-kur komutunu çalıştırınız."));
    bringToCurrentSchema(serverAddress);

    // The new file under a temporary name beside it, removed unless renamed.
    QTemporaryFile partial(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                           QStringLiteral(".XXXXXX"));
    if (!partial.open())
        throw StoreError(
            QStringLiteral("Yedek dosyası yazılamadı: %1 (%2)").arg(newFilePath, partial.errorString()));
    partial.close();
    const QString partialPath = partial.fileName();
    StoreCounts counts;
    {
        auto file = StoreConnection::Acquire(partialPath);
        for (const QString& statement : ScaleTableStatements())
            file->exec(statement);
        bringToCurrentSchema(partialPath);
        OpenTransactions open;
        open.add(*server);
        // One view of the server for the whole copy, changes of others aside.
        run(*server, QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
        open.add(*file);
        const QStringList serverTables = zendaroTables(*server);
        for (const QString& table : zendaroTables(*file)) {
            if (!serverTables.contains(table))
                throw StoreError(QStringLiteral("Sunucudaki veritabanında %1 tablosu yok; hiçbir şey "
                                                "değiştirilmedi.")
                                     .arg(table));
            copyTable(*server, *file, table, fileColumns(*file, table));
        }
        keepIdsHandedOut(*file, idsHandedOut(*server));
        counts = countRows(*file);
        open.commit(*file);
    }
    // The file's connection is closed: the whole file goes under its name,
    // unless a file of that name appeared meanwhile. Renamed by the temporary
    // file itself, which holds its file open until then (on Windows an open
    // file cannot be renamed, and a plain rename would copy it instead).
    if (!partial.rename(target.absoluteFilePath()))
        throw StoreError(
            QStringLiteral("Yedek dosyası yazılamadı: %1 (%2)").arg(newFilePath, partial.errorString()));
    partial.setAutoRemove(false);
    return counts;
}

} // namespace zendaro
