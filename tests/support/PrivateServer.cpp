#include "PrivateServer.h"

#include "store/StoreAddress.h"

#include <QProcess>
#include <QUuid>
#include <stdexcept>

namespace zendaro::test {

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
