#include "TestDatabase.h"

#include "TestStore.h"
#include "store/EngineSql.h"
#include "store/ServerSchema.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <sqlite3.h>
#include <stdexcept>

namespace zendaro::test {

namespace {

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(f.readAll());
}

struct Handle {
    sqlite3* db = nullptr;
    explicit Handle(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("cannot open ") + sqlite3_errmsg(db));
    }
    ~Handle() { sqlite3_close(db); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

// The twin's databases on the test server: the first for one store at a
// time, the next ones while several are alive at once. Each is made once per
// run and emptied for every store made in it.
QSet<int>& slotsInUse() {
    static QSet<int> used;
    return used;
}

QString twinName() {
    return qEnvironmentVariable("ZENDARO_TEST_TWIN").toLower();
}

QString serverDatabase(int slot) {
    return slot == 0 ? twinName() : twinName() + QStringLiteral("_%1").arg(slot);
}

QString serverAddress(const QString& database) {
    return StoreAddress::Server(testServerHost(), 0, database, QStringLiteral("zendaro")).text();
}

// Runs a query as the server's superuser (the test cluster trusts it on its
// socket), in the maintenance database: databases are made there. True when
// the query gave a row.
bool asSuperuser(const QString& sql) {
    const QString name = QStringLiteral("zendaro_test_superuser");
    QString failure;
    bool row = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(testServerHost());
        db.setDatabaseName(QStringLiteral("postgres"));
        db.setUserName(QStringLiteral("postgres"));
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (!query.exec(sql))
                failure = query.lastError().text();
            else
                row = query.isSelect() && query.next();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        throw std::runtime_error("test server: " + failure.toStdString());
    return row;
}

void ensureServerDatabase(const QString& database) {
    if (!asSuperuser(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(database)))
        asSuperuser(QStringLiteral("CREATE DATABASE %1 OWNER zendaro").arg(database));
}

// Statements in SQLite's form, one at a time (a script's statements end in
// ";" and a line break), through the store's connection.
void execOnStore(const QString& address, const QString& sql) {
    auto connection = StoreConnection::Acquire(address);
    const QStringList statements = sql.split(QStringLiteral(";\n"), Qt::SkipEmptyParts);
    for (QString statement : statements) {
        statement = statement.trimmed();
        if (statement.endsWith(QLatin1Char(';')))
            statement.chop(1);
        if (!statement.isEmpty())
            connection->exec(statement);
    }
}

// Every row of the scale tables of the shipped file, ids and all, into the
// server store's tables of the same names.
void copyShippedRows(StoreConnection& server) {
    const QString name = QStringLiteral("zendaro_test_shipped");
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        file.setDatabaseName(QStringLiteral(ZENDARO_SHIPPED_DATABASE));
        file.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!file.open())
            throw std::runtime_error("the shipped donustur.evk has not been built");
        server.begin();
        for (const char* table : {"dornela_olcek", "dornela_notlar", "diger_olcek", "diger_notlar"}) {
            QSqlQuery rows(file);
            if (!rows.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(QLatin1String(table))))
                throw std::runtime_error(rows.lastError().text().toStdString());
            const QSqlRecord columns = rows.record();
            QStringList names, marks;
            for (int i = 0; i < columns.count(); ++i) {
                names << columns.fieldName(i);
                marks << QStringLiteral("?");
            }
            QSqlQuery insert(server.database());
            insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(QLatin1String(table), names.join(u','), marks.join(u',')));
            while (rows.next()) {
                for (int i = 0; i < columns.count(); ++i)
                    insert.bindValue(i, rows.value(i));
                if (!insert.exec())
                    throw std::runtime_error(StoreErrorText(insert.lastError()).toStdString());
            }
        }
        server.commit();
        file.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

bool TestDatabase::onServer() {
    return !twinName().isEmpty();
}

void TestDatabase::makeOnServer() {
    if (testServerHost().isEmpty())
        throw std::runtime_error(
            "ZENDARO_TEST_PGHOST is not set: a PostgreSQL twin needs the server the test "
            "run starts");
    slot_ = 0;
    while (slotsInUse().contains(slot_))
        ++slot_;
    slotsInUse().insert(slot_);
    const QString database = serverDatabase(slot_);
    ensureServerDatabase(database);
    path_ = serverAddress(database);
    try {
        auto connection = StoreConnection::Acquire(path_);
        // Everything a store made here before (tables, functions, triggers) goes.
        connection->exec(QStringLiteral("DROP SCHEMA public CASCADE"));
        connection->exec(QStringLiteral("CREATE SCHEMA public"));
        CreateScaleTables(*connection);
        // The checks' group_concat and quote, as SQLite has them: the values
        // as text, joined by "," or the separator given, NULLs left out; a
        // value as an SQL literal.
        connection->exec(QStringLiteral("CREATE FUNCTION quote(value anyelement) RETURNS text "
                                        "LANGUAGE sql IMMUTABLE AS $$ SELECT quote_nullable(value) $$"));
        connection->exec(QStringLiteral(
            "CREATE FUNCTION group_concat_step(list text, value anyelement, separator text) RETURNS text "
            "LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN value IS NULL THEN list WHEN list IS NULL "
            "THEN value::text ELSE list || separator || value::text END $$"));
        connection->exec(
            QStringLiteral("CREATE FUNCTION group_concat_step(list text, value anyelement) RETURNS text "
                           "LANGUAGE sql IMMUTABLE AS $$ SELECT group_concat_step(list, value, ',') $$"));
        connection->exec(QStringLiteral(
            "CREATE AGGREGATE group_concat(anyelement, text) (SFUNC = group_concat_step, STYPE = text)"));
        connection->exec(QStringLiteral(
            "CREATE AGGREGATE group_concat(anyelement) (SFUNC = group_concat_step, STYPE = text)"));
    } catch (const StoreError& error) {
        throw std::runtime_error(error.text().toStdString());
    }
}

TestDatabase::~TestDatabase() {
    if (slot_ >= 0)
        slotsInUse().remove(slot_);
}

TestDatabase::TestDatabase(TestDatabase&& other) noexcept
    : dir_(std::move(other.dir_)), path_(std::move(other.path_)), slot_(other.slot_) {
    other.slot_ = -1;
}

void execSqlScript(const QString& path, const QString& sql) {
    Handle h(path);
    char* err = nullptr;
    if (sqlite3_exec(h.db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string text = err ? err : "unknown error";
        sqlite3_free(err);
        throw std::runtime_error(text);
    }
}

TestDatabase::TestDatabase(const QString& fixtureSql) : path_(dir_.filePath("donustur.evk")) {
    if (onServer()) {
        makeOnServer();
        try {
            execOnStore(path_, fixtureSql);
            AlignIdSequences(*StoreConnection::Acquire(path_));
        } catch (const StoreError& error) {
            throw std::runtime_error(error.text().toStdString());
        }
        return;
    }
    execSqlScript(path_, readFile(QStringLiteral(ZENDARO_SOURCE_DIR "/data/schema.sql")));
    if (!fixtureSql.isEmpty())
        execSqlScript(path_, fixtureSql);
}

TestDatabase::TestDatabase(Shipped) : path_(dir_.filePath("donustur.evk")) {
    if (onServer()) {
        makeOnServer();
        try {
            auto connection = StoreConnection::Acquire(path_);
            copyShippedRows(*connection);
            AlignIdSequences(*connection);
        } catch (const StoreError& error) {
            throw std::runtime_error(error.text().toStdString());
        }
        return;
    }
    if (!QFile::copy(QStringLiteral(ZENDARO_SHIPPED_DATABASE), path_))
        throw std::runtime_error("the shipped donustur.evk has not been built");
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
}

TestDatabase TestDatabase::copyOfShipped() {
    return TestDatabase(Shipped{});
}

void TestDatabase::exec(const QString& sql) const {
    if (!onServer()) {
        execSqlScript(path_, sql);
        return;
    }
    try {
        execOnStore(path_, sql);
    } catch (const StoreError& error) {
        throw std::runtime_error(error.text().toStdString());
    }
}

QVariant TestDatabase::scalar(const QString& sql) const {
    if (onServer()) {
        auto connection = StoreConnection::Acquire(path_);
        QSqlQuery query(connection->database());
        if (!query.exec(EngineStatement(connection->engine(), sql)))
            throw std::runtime_error(StoreErrorText(query.lastError()).toStdString());
        return query.next() ? query.value(0) : QVariant();
    }
    Handle h(path_);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(h.db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(h.db));
    QVariant out;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_INTEGER:
            out = QVariant::fromValue<qlonglong>(sqlite3_column_int64(stmt, 0));
            break;
        case SQLITE_FLOAT:
            out = sqlite3_column_double(stmt, 0);
            break;
        case SQLITE_NULL:
            break;
        default: // the whole text, a NUL inside included
            out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                                    sqlite3_column_bytes(stmt, 0));
        }
    }
    sqlite3_finalize(stmt);
    return out;
}

QVariantList TestDatabase::column(const QString& sql) const {
    // Both engines alike: through a connection of the store's own.
    auto connection = StoreConnection::Acquire(path_);
    QSqlQuery query(connection->database());
    if (!query.exec(EngineStatement(connection->engine(), sql)))
        throw std::runtime_error(StoreErrorText(query.lastError()).toStdString());
    QVariantList values;
    while (query.next())
        values << query.value(0);
    return values;
}

QString TestDatabase::row(const QString& sql) const {
    auto connection = StoreConnection::Acquire(path_);
    QSqlQuery query(connection->database());
    if (!query.exec(EngineStatement(connection->engine(), sql)))
        throw std::runtime_error(StoreErrorText(query.lastError()).toStdString());
    QStringList values;
    if (query.next())
        for (int i = 0; i < query.record().count(); ++i)
            values << exact(query.value(i));
    return values.join(QLatin1Char('|'));
}

QString TestDatabase::exact(const QVariant& value) {
    return value.typeId() == QMetaType::Double ? QString::number(value.toDouble(), 'g', 17)
                                               : value.toString();
}

void TestDatabase::refuse(const QString& name, const QString& when, const QString& message) const {
    if (!onServer()) {
        exec(QStringLiteral("CREATE TRIGGER %1 %2 BEGIN SELECT RAISE(ABORT, '%3'); END;")
                 .arg(name, when, message));
        return;
    }
    static const QRegularExpression head(
        QStringLiteral("^\\s*(BEFORE|AFTER)\\s+(INSERT|UPDATE|DELETE)\\s+ON\\s+(\\w+)(?:\\s+WHEN\\s+(.*))?$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch parts = head.match(when);
    if (!parts.hasMatch())
        throw std::runtime_error("refuse: not a trigger head: " + when.toStdString());
    const QString condition = parts.captured(4).isEmpty() ? QStringLiteral("true") : parts.captured(4);
    // The condition may ask other tables, which a server trigger's WHEN may
    // not: the function asks it.
    auto connection = StoreConnection::Acquire(path_);
    connection->exec(
        QStringLiteral("CREATE FUNCTION %1_refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                       "IF %2 THEN RAISE EXCEPTION '%3'; END IF; "
                       "RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END; END $$")
            .arg(name, condition, QString(message).replace(u'%', QStringLiteral("%%"))));
    connection->exec(QStringLiteral("CREATE TRIGGER %1 %2 %3 ON %4 FOR EACH ROW EXECUTE FUNCTION %1_refuse()")
                         .arg(name, parts.captured(1), parts.captured(2), parts.captured(3)));
}

void TestDatabase::stopRefusing(const QString& name) const {
    if (!onServer())
        exec(QStringLiteral("DROP TRIGGER %1;").arg(name));
    else
        exec(QStringLiteral("DROP FUNCTION %1_refuse() CASCADE").arg(name));
}

} // namespace zendaro::test
