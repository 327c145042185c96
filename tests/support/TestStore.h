#pragma once

#include "store/StoreAddress.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace zendaro::test {

class TestDatabase;

// The server the PostgreSQL half of the store suites runs against: the
// socket folder in ZENDARO_TEST_PGHOST (set by the test run, which starts a
// throwaway cluster), database zendaro_test, role zendaro. Empty when unset.
QString testServerHost();

// A fresh store with the scale tables and no rows, for a suite body that
// runs on both engines: a new SQLite file, or the test server's database
// with every ZENDARO table dropped and the scale tables made anew. Throws
// std::runtime_error when the store cannot be made (no server named).
class TestStore {
public:
    explicit TestStore(StoreEngine engine);
    ~TestStore();
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    StoreEngine engine() const { return engine_; }
    // The database name data views are given.
    QString address() const { return address_; }
    // Runs statements in SQLite's form on the store (fixtures), through the
    // store's own connection, one at a time (separated by ";\n").
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or an invalid QVariant.
    QVariant scalar(const QString& sql) const;

private:
    StoreEngine engine_;
    std::unique_ptr<TestDatabase> file_;
    QString address_;
};

} // namespace zendaro::test
