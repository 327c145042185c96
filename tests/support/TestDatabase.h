#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zendaro::test {

// A fresh database file in a temporary folder, built from data/schema.sql,
// optionally followed by SQL of the test's own (fixture rows). Removed with
// the object.
class TestDatabase {
public:
    explicit TestDatabase(const QString& fixtureSql = {});

    // A copy of the shipped donustur.evk of the application folder.
    static TestDatabase copyOfShipped();

    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    // Runs SQL directly on the file (outside any data view): fixtures and checks.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or an invalid QVariant.
    QVariant scalar(const QString& sql) const;

private:
    struct Shipped {};
    explicit TestDatabase(Shipped);
    QTemporaryDir dir_;
    QString path_;
};

// Runs a script of several statements on an SQLite file (throws std::runtime_error).
void execSqlScript(const QString& path, const QString& sql);

} // namespace zendaro::test
