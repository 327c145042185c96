#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zendaro::test {

// A PostgreSQL cluster of one test's own (scripts/pg-test-cluster), for the
// tests that stop, crash or restart the server: the shared test server stays
// untouched for the suites running beside them. Started by the constructor
// (a few seconds), stopped and removed with the object. Throws
// std::runtime_error when the cluster cannot be started.
class PrivateServer {
public:
    PrivateServer();
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // The socket folder.
    QString host() const;
    // The store address of its database zendaro_test, role zendaro.
    QString address() const;

    // Stops the server at once, as a power cut would; its data stays.
    void crash();
    // Starts the server again after crash().
    void restart();

    // Runs SQL as the cluster's superuser (psql), in `database`.
    void superuser(const QString& sql, const QString& database = QStringLiteral("zendaro_test")) const;
    // A role that logs in with its password only (every other role is trusted).
    void addPasswordRole(const QString& role, const QString& password) const;

private:
    void script(const QString& action) const;
    QString dir_;
};

} // namespace zendaro::test
