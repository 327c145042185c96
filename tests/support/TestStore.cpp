#include "TestStore.h"

#include "TestDatabase.h"
#include "store/ServerSchema.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <QSqlQuery>
#include <QStringList>
#include <stdexcept>

namespace zendaro::test {

QString testServerHost() {
    return qEnvironmentVariable("ZENDARO_TEST_PGHOST");
}

TestStore::TestStore(StoreEngine engine) : engine_(engine) {
    if (engine == StoreEngine::SQLite) {
        file_ = std::make_unique<TestDatabase>();
        address_ = file_->path();
        return;
    }
    const QString host = testServerHost();
    if (host.isEmpty())
        throw std::runtime_error("ZENDARO_TEST_PGHOST is not set: the PostgreSQL half of this suite needs "
                                 "the server the test run starts (scripts/pg-test-cluster)");
    address_ =
        StoreAddress::Server(host, 0, QStringLiteral("zendaro_test"), QStringLiteral("zendaro")).text();
    try {
        auto connection = StoreConnection::Acquire(address_);
        connection->exec(QStringLiteral("DROP TABLE IF EXISTS dornela_olcek, dornela_notlar, diger_olcek, "
                                        "diger_notlar, donusum_dosyasi, donusum_dersi, olcek_surumu, "
                                        "zendaro_surum"));
        CreateScaleTables(*connection);
    } catch (const StoreError& error) {
        throw std::runtime_error(error.text().toStdString());
    }
}

TestStore::~TestStore() = default;

void TestStore::exec(const QString& sql) const {
    auto connection = StoreConnection::Acquire(address_);
    const QStringList statements = sql.split(QStringLiteral(";\n"), Qt::SkipEmptyParts);
    for (const QString& statement : statements) {
        if (!statement.trimmed().isEmpty())
            connection->exec(statement);
    }
}

QVariant TestStore::scalar(const QString& sql) const {
    auto connection = StoreConnection::Acquire(address_);
    QSqlQuery query(connection->database());
    if (!query.exec(sql))
        throw std::runtime_error(StoreErrorText(query.lastError()).toStdString());
    return query.next() ? query.value(0) : QVariant();
}

} // namespace zendaro::test
