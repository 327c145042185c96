#include "PrivateServer.h"

#include "store/StoreAddress.h"

#include <QFile>
#include <QProcess>
#include <QUuid>
#include <stdexcept>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace zendaro::test {

namespace {

// The cluster belongs to the postgres account when the tests run as root.
bool asRoot() {
#ifdef Q_OS_WIN
    return false;
#else
    return geteuid() == 0;
#endif
}

} // namespace

PrivateServer::PrivateServer()
    // Short: a socket path must stay under about a hundred characters.
    : dir_(QStringLiteral("/tmp/zendaro-pgp-") + QUuid::createUuid().toString(QUuid::Id128).left(10)) {
    script(QStringLiteral("start"));
}

PrivateServer::~PrivateServer() {
    try {
        script(QStringLiteral("stop"));
    } catch (const std::runtime_error&) {
        // Nothing more to do: the folder is under /tmp.
    }
}

QString PrivateServer::host() const {
    return dir_;
}

QString PrivateServer::address() const {
    return StoreAddress::Server(dir_, 0, QStringLiteral("zendaro_test"), QStringLiteral("zendaro")).text();
}

void PrivateServer::crash() {
    script(QStringLiteral("crash"));
}

void PrivateServer::restart() {
    script(QStringLiteral("restart"));
}

void PrivateServer::superuser(const QString& sql, const QString& database) const {
    QStringList command = {QStringLiteral("/usr/lib/postgresql/15/bin/psql"),
                           QStringLiteral("-h"),
                           dir_,
                           QStringLiteral("-U"),
                           QStringLiteral("postgres"),
                           QStringLiteral("-q"),
                           QStringLiteral("-v"),
                           QStringLiteral("ON_ERROR_STOP=1"),
                           QStringLiteral("-c"),
                           sql,
                           database};
    if (asRoot())
        command =
            QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--")} + command;
    QProcess psql;
    psql.setProcessChannelMode(QProcess::MergedChannels);
    psql.start(asRoot() ? QStringLiteral("runuser") : command.takeFirst(), command);
    if (!psql.waitForFinished(60000) || psql.exitCode() != 0)
        throw std::runtime_error("psql failed: " + psql.readAll().toStdString());
}

void PrivateServer::addPasswordRole(const QString& role, const QString& password) const {
    superuser(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(role, password));
    QFile hba(dir_ + QStringLiteral("/data/pg_hba.conf"));
    if (!hba.open(QIODevice::ReadOnly))
        throw std::runtime_error("pg_hba.conf cannot be read");
    const QByteArray rules = "local all " + role.toUtf8() + " scram-sha-256\n" + hba.readAll();
    hba.close();
    if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate) || hba.write(rules) != rules.size())
        throw std::runtime_error("pg_hba.conf cannot be written");
    hba.close();
    superuser(QStringLiteral("SELECT pg_reload_conf()"));
}

void PrivateServer::script(const QString& action) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(ZENDARO_SOURCE_DIR "/scripts/pg-test-cluster"), {action, dir_});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error("pg-test-cluster " + action.toStdString() +
                                 " failed: " + process.readAll().toStdString());
}

} // namespace zendaro::test
