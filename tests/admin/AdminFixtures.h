#pragma once

#include "TestStore.h"
#include "store/StoreAddress.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <stdexcept>

namespace zendaro::test {

// An empty database of the test's own on the shared test server (owner: the
// role zendaro, as an office's would be), made anew by each constructor:
// the suites that share the server's database zendaro_test are not touched.
class ServerDatabase {
public:
    explicit ServerDatabase(const QString& name) : name_(name) {
        const QString host = testServerHost();
        if (host.isEmpty())
            throw std::runtime_error("ZENDARO_TEST_PGHOST is not set: this test needs the server the test "
                                     "run starts (scripts/pg-test-cluster)");
        address_ = StoreAddress::Server(host, 0, name, QStringLiteral("zendaro")).text();
        superuser([&](QSqlQuery& query) {
            return query.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name_)) &&
                   query.exec(QStringLiteral("CREATE DATABASE %1 OWNER zendaro").arg(name_));
        });
    }

    // The store address data views and the commands are given.
    QString address() const { return address_; }
    QString name() const { return name_; }

private:
    template <typename Work> void superuser(Work work) const {
        const QString connection = QStringLiteral("admin_fixture_") + name_;
        bool ok = false;
        QString failure;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
            db.setHostName(testServerHost());
            db.setUserName(QStringLiteral("postgres"));
            db.setDatabaseName(QStringLiteral("postgres"));
            db.setConnectOptions(QStringLiteral("options='-cclient_min_messages=warning'"));
            if (db.open()) {
                QSqlQuery query(db);
                ok = work(query);
                failure = query.lastError().text();
            } else {
                failure = db.lastError().text();
            }
        }
        QSqlDatabase::removeDatabase(connection);
        if (!ok)
            throw std::runtime_error(failure.toStdString());
    }

    QString name_;
    QString address_;
};

} // namespace zendaro::test
