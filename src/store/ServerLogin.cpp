#include "ServerLogin.h"

#include "StoreError.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>
#include <libpq-fe.h>
#include <memory>
#include <vector>

namespace zendaro {

namespace {

ServerPasswordPrompt& prompt() {
    static ServerPasswordPrompt installed;
    return installed;
}

// Passwords that opened a connection in this run, by server address.
QHash<QString, QString>& keptPasswords() {
    static QHash<QString, QString> passwords;
    return passwords;
}

enum class Refusal { None, NeedsPassword, WrongPassword, UnknownDatabase, UnknownRole, Other };

struct Probe {
    Refusal refusal = Refusal::Other;
    QString text; // libpq's own words
};

// Why the server refused: libpq tells a missing password itself; the other
// causes are known by the server's words (its English texts; a server that
// speaks another language still has its words shown, under the general advice).
Probe probeLogin(const StoreAddress& server, const std::optional<QString>& password) {
    const QByteArray host = server.host.toUtf8();
    const QByteArray port = server.port > 0 ? QByteArray::number(server.port) : QByteArray();
    const QByteArray database = server.database.toUtf8();
    const QByteArray user = server.user.toUtf8();
    const QByteArray secret = password ? password->toUtf8() : QByteArray();
    std::vector<const char*> keys;
    std::vector<const char*> values;
    auto add = [&](const char* key, const QByteArray& value) {
        if (!value.isEmpty()) {
            keys.push_back(key);
            values.push_back(value.constData());
        }
    };
    add("host", host);
    add("port", port);
    add("dbname", database);
    add("user", user);
    add("password", secret);
    add("connect_timeout", QByteArrayLiteral("10"));
    keys.push_back(nullptr);
    values.push_back(nullptr);

    const std::unique_ptr<PGconn, decltype(&PQfinish)> conn(PQconnectdbParams(keys.data(), values.data(), 0),
                                                            &PQfinish);
    Probe probe;
    if (!conn) {
        probe.text = QStringLiteral("out of memory");
        return probe;
    }
    probe.text = QString::fromUtf8(PQerrorMessage(conn.get())).simplified();
    if (PQstatus(conn.get()) == CONNECTION_OK)
        probe.refusal = Refusal::None;
    else if (PQconnectionNeedsPassword(conn.get()) != 0)
        probe.refusal = Refusal::NeedsPassword;
    else if (probe.text.contains(QLatin1String("password authentication failed")))
        probe.refusal = Refusal::WrongPassword;
    else if (probe.text.contains(QLatin1String("database \"")) &&
             probe.text.contains(QLatin1String("does not exist")))
        probe.refusal = Refusal::UnknownDatabase;
    else if (probe.text.contains(QLatin1String("role \"")) &&
             probe.text.contains(QLatin1String("does not exist")))
        probe.refusal = Refusal::UnknownRole;
    return probe;
}

QString advice(Refusal refusal) {
    switch (refusal) {
    case Refusal::NeedsPassword:
        return QStringLiteral("Veritabanı sunucusu bir parola istiyor; parola girilmedi. Lütfen parolanızı "
                              "sorulduğunda giriniz ya da sistem yöneticinizden ~/.pgpass dosyasına "
                              "yazılmasını isteyiniz.");
    case Refusal::WrongPassword:
        return QStringLiteral("Veritabanı sunucusu parolayı kabul etmedi. Lütfen parolanızı denetleyiniz; "
                              "parolanızı bilmiyorsanız sistem yöneticinize başvurunuz.");
    case Refusal::UnknownDatabase:
        return QStringLiteral("Veritabanı sunucusunda zendaro.ini dosyasının Ad satırında yazan veritabanı "
                              "yok. Lütfen Ad değerini denetleyiniz ya da sistem yöneticinizden veritabanını "
                              "oluşturmasını isteyiniz.");
    case Refusal::UnknownRole:
        return QStringLiteral(
            "Veritabanı sunucusu zendaro.ini dosyasının Kullanici satırında yazan kullanıcıyı "
            "tanımıyor. Lütfen Kullanici değerini denetleyiniz ya da sistem yöneticinize "
            "başvurunuz.");
    case Refusal::None:
    case Refusal::Other:
        break;
    }
    return QStringLiteral(
        "Sunucu çalışmıyor ya da ağ bağlantısı kesik olabilir. Lütfen zendaro.ini dosyasının "
        "Sunucu ve Port satırlarını denetleyiniz; sorun sürerse sistem yöneticinize "
        "başvurunuz.");
}

} // namespace

void SetServerPasswordPrompt(ServerPasswordPrompt asker) {
    prompt() = std::move(asker);
}

void ForgetServerPasswords() {
    keptPasswords().clear();
}

void OpenServerConnection(QSqlDatabase& db, const StoreAddress& server) {
    const QString key = server.text();
    std::optional<QString> password;
    if (keptPasswords().contains(key))
        password = keptPasswords().value(key);
    // A refused password is asked for again until the user gives none; the
    // bound only keeps a prompt that always answers from looping for ever.
    for (int attempt = 0; attempt < 100; ++attempt) {
        db.setPassword(password.value_or(QString()));
        if (db.open()) {
            if (password)
                keptPasswords().insert(key, *password);
            return;
        }
        const QString qtText = db.lastError().text().simplified();
        Probe probe = probeLogin(server, password);
        if (probe.refusal == Refusal::None) {
            // The server took libpq's own attempt: what failed was the
            // driver's setting up of the connection.
            probe.refusal = Refusal::Other;
            probe.text = qtText;
        }
        const bool ask = probe.refusal == Refusal::NeedsPassword ||
                         (probe.refusal == Refusal::WrongPassword && password.has_value());
        if (ask)
            keptPasswords().remove(key);
        if (ask && prompt()) {
            password = prompt()(server, probe.refusal == Refusal::WrongPassword);
            if (password)
                continue;
        }
        const QString lead = QStringLiteral("Veritabanı sunucusuna bağlanılamadı: %1 (%2)")
                                 .arg(server.description(), probe.text);
        throw StoreError(lead + QStringLiteral("\n\n") + advice(probe.refusal));
    }
    throw StoreError(QStringLiteral("Veritabanı sunucusuna bağlanılamadı: %1 (%2)")
                         .arg(server.description(), db.lastError().text().simplified()));
}

namespace {

PGconn* serverHandle(const QSqlDatabase& db) {
    if (!db.isValid() || !db.isOpen())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    // Qt's driver names the handle by libpq's struct.
    if (qstrcmp(handle.typeName(), "pg_conn*") != 0 && qstrcmp(handle.typeName(), "PGconn*") != 0)
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

} // namespace

bool ServerConnectionBroken(const QSqlDatabase& db) {
    PGconn* conn = serverHandle(db);
    if (conn == nullptr || PQstatus(conn) != CONNECTION_OK)
        return true;
    // A closed socket shows only when read: the first read takes what the
    // server sent before it went (a notice), the second meets the end.
    for (int read = 0; read < 2 && PQconsumeInput(conn) != 0;)
        ++read;
    return PQstatus(conn) != CONNECTION_OK;
}

} // namespace zendaro
