#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zendaro::test {

// A fresh database file in a temporary folder, built from data/schema.sql,
// optionally followed by SQL of the test's own (fixture rows). Removed with
// the object.
//
// In a suite's PostgreSQL twin (onServer(): ZENDARO_TEST_TWIN names the twin,
// set by the test run) the same store is made on the test server instead: a
// database of the twin's own, emptied of everything, the scale tables made
// anew (version 0, as in the file), the fixture run through the store's
// connection (SQLite's form turned into the server's), the id sequences
// aligned after it; path() is then the server's store address.
class TestDatabase {
public:
    explicit TestDatabase(const QString& fixtureSql = {});
    ~TestDatabase();
    TestDatabase(TestDatabase&& other) noexcept;
    TestDatabase& operator=(TestDatabase&&) = delete;

    // A copy of the shipped donustur.evk of the application folder (on the
    // server: its rows, ids and all).
    static TestDatabase copyOfShipped();

    // True in a suite's PostgreSQL twin.
    static bool onServer();

    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    // Runs SQL in SQLite's form outside any data view (fixtures and checks):
    // directly on the file, or through the store's connection on the server.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or an invalid QVariant.
    // (On the server, group_concat(value[, separator]) and quote(value) are
    // there for the checks as SQLite has them.)
    QVariant scalar(const QString& sql) const;
    // The first column of every row of a query.
    QVariantList column(const QString& sql) const;
    // The first row of a query, its values joined with "|": numbers as their
    // exact 17 digits, whichever engine holds them.
    QString row(const QString& sql) const;
    static QString exact(const QVariant& value);

    // Makes the store refuse a change with `message`, as a failing disk
    // would: `when` is SQLite's trigger head after the name, e.g.
    // "BEFORE INSERT ON dornela_notlar WHEN NEW.harf_notu = 'CC'".
    void refuse(const QString& name, const QString& when, const QString& message) const;
    void stopRefusing(const QString& name) const;

private:
    struct Shipped {};
    explicit TestDatabase(Shipped);
    void makeOnServer();
    QTemporaryDir dir_;
    QString path_;
    int slot_ = -1; // the server database in use (twin only)
};

// Runs a script of several statements on an SQLite file (throws std::runtime_error).
void execSqlScript(const QString& path, const QString& sql);

} // namespace zendaro::test
