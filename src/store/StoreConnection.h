#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <memory>

#include "StoreAddress.h"

namespace zendaro {

// One open connection to one store (a database file, or a PostgreSQL server
// named by a StoreAddress text), shared by every data view on that store
// (refcounted through shared_ptr; the connection is removed when the last
// view lets go). Keeps prepared write statements for reuse and the depth of
// nested transactions. Where the engines differ in SQL, the connection
// supplies its engine's form: statements given to it are written in SQLite's.
class StoreConnection {
public:
    // The shared connection for the store (a file path or a server address),
    // opened when no view holds it yet. A file must exist and be a database:
    // the store never creates it.
    static std::shared_ptr<StoreConnection> Acquire(const QString& path);

    // Keeps the file read-only for the rest of this run (a file a newer
    // program wrote): every connection opened to it from now on opens it
    // read-only, so each write fails with the store's read-only text. A
    // connection open at the call stays as it is.
    static void KeepReadOnly(const QString& path);
    static bool KeptReadOnly(const QString& path);

    ~StoreConnection();
    StoreConnection(const StoreConnection&) = delete;
    StoreConnection& operator=(const StoreConnection&) = delete;

    const QString& name() const { return name_; }
    const QString& path() const { return path_; }
    StoreEngine engine() const { return address_.engine; }
    QSqlDatabase database() const { return db_; }

    // Runs a statement that returns no rows (written in SQLite's form) at
    // once, outside the kept statements; throws StoreError.
    void exec(const QString& sql);

    // The schema version of the store: PRAGMA user_version in a file, the
    // one row of the table zendaro_surum on a server (0 when it has none).
    int schemaVersion();
    void setSchemaVersion(int version);

    // The statement for `sql`, prepared once per connection and kept: each
    // use binds its values again. Reads run forward only. The caller runs the
    // statement to its end and finishes it (StatementUse) before the next
    // call; throws StoreError when the text cannot be prepared.
    QSqlQuery& prepared(const QString& sql);

    // Transactions, nestable: the outermost level is BEGIN (IMMEDIATE on a
    // file: the write lock at once)/COMMIT/ROLLBACK, inner levels are savepoints.
    void begin();
    void commit();
    void rollback() noexcept;
    int depth() const { return depth_; }

private:
    StoreConnection(StoreAddress address, QString path, QString name);
    void openFile();
    void openServer();
    // A server connection found broken is opened again, outside a transaction.
    void reopenIfBroken();

    StoreAddress address_;
    QString path_;
    QString name_;
    QSqlDatabase db_;
    QHash<QString, QSqlQuery> statements_; // by text; forgotten all at once beyond a bound
    int depth_ = 0;
};

// One use of a kept statement: finishes it (its result let go, the statement
// reset for the next use) however the use ends.
class StatementUse {
public:
    explicit StatementUse(QSqlQuery& query) : query_(query) {}
    ~StatementUse() { query_.finish(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

private:
    QSqlQuery& query_;
};

// The store's own text of a failed statement or connection.
QString StoreErrorText(const QSqlError& error);

} // namespace zendaro
