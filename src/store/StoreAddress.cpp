#include "StoreAddress.h"

#include <QDir>
#include <QUrl>
#include <QUrlQuery>

namespace zendaro {

namespace {

const QString kScheme = QStringLiteral("postgresql");

} // namespace

StoreAddress StoreAddress::Parse(const QString& text) {
    StoreAddress address;
    if (!text.startsWith(kScheme + QStringLiteral("://"))) {
        address.file = text;
        return address;
    }
    const QUrl url(text);
    const QUrlQuery query(url);
    address.engine = StoreEngine::PostgreSQL;
    address.database = url.path(QUrl::FullyDecoded).mid(1);
    address.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    address.port = query.queryItemValue(QStringLiteral("port")).toInt();
    address.user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    return address;
}

StoreAddress StoreAddress::Server(const QString& host, int port, const QString& database,
                                  const QString& user) {
    StoreAddress address;
    address.engine = StoreEngine::PostgreSQL;
    address.host = host;
    address.port = port;
    address.database = database;
    address.user = user;
    return address;
}

QString StoreAddress::text() const {
    if (engine == StoreEngine::SQLite)
        return file;
    // Built by hand: QUrl drops the empty authority of "postgresql:///".
    QUrlQuery query;
    if (!host.isEmpty())
        query.addQueryItem(QStringLiteral("host"), QString::fromLatin1(QUrl::toPercentEncoding(host)));
    if (port > 0)
        query.addQueryItem(QStringLiteral("port"), QString::number(port));
    if (!user.isEmpty())
        query.addQueryItem(QStringLiteral("user"), QString::fromLatin1(QUrl::toPercentEncoding(user)));
    QString out = kScheme + QStringLiteral(":///") + QString::fromLatin1(QUrl::toPercentEncoding(database));
    if (!query.isEmpty())
        out += QLatin1Char('?') + query.query(QUrl::FullyEncoded);
    return out;
}

QString StoreAddress::description() const {
    if (engine == StoreEngine::SQLite)
        return QDir::toNativeSeparators(file);
    return host.isEmpty() ? QStringLiteral("PostgreSQL: %1").arg(database)
                          : QStringLiteral("PostgreSQL: %1 (%2)").arg(database, host);
}

} // namespace zendaro
