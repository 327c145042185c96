#include "TestDatabase.h"

#include <QFile>
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

} // namespace

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
    execSqlScript(path_, readFile(QStringLiteral(ZENDARO_SOURCE_DIR "/data/schema.sql")));
    if (!fixtureSql.isEmpty())
        execSqlScript(path_, fixtureSql);
}

TestDatabase::TestDatabase(Shipped) : path_(dir_.filePath("donustur.evk")) {
    if (!QFile::copy(QStringLiteral(ZENDARO_SHIPPED_DATABASE), path_))
        throw std::runtime_error("the shipped donustur.evk has not been built");
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
}

TestDatabase TestDatabase::copyOfShipped() {
    return TestDatabase(Shipped{});
}

void TestDatabase::exec(const QString& sql) const {
    execSqlScript(path_, sql);
}

QVariant TestDatabase::scalar(const QString& sql) const {
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

} // namespace zendaro::test
