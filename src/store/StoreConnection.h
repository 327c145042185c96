#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <memory>

namespace zendaro {

// One open connection to one database file, shared by every data view on that
// file (refcounted through shared_ptr; the connection is removed when the last
// view lets go). Keeps prepared write statements for reuse and the depth of
// nested transactions.
class StoreConnection {
public:
    // The shared connection for the file, opened when no view holds it yet.
    // The file must exist and be a database: the store never creates it.
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
    QSqlDatabase database() const { return db_; }

    // The statement for `sql`, prepared once per connection and kept: each
    // use binds its values again. Reads run forward only. The caller runs the
    // statement to its end and finishes it (StatementUse) before the next
    // call; throws StoreError when the text cannot be prepared.
    QSqlQuery& prepared(const QString& sql);

    // Transactions, nestable: the outermost level is BEGIN IMMEDIATE/COMMIT/
    // ROLLBACK, inner levels are savepoints.
    void begin();
    void commit();
    void rollback() noexcept;
    int depth() const { return depth_; }

private:
    StoreConnection(QString path, QString name);
    void exec(const QString& sql);

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
