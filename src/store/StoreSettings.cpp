#include "StoreSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace zendaro {

namespace {

// A value as it stands in the file. QSettings reads "a,b" as a list; a host
// list of libpq ("h1,h2") is one text again.
QString valueOf(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).trimmed();
    return value.toString().trimmed();
}

StoreChoice problem(const QString& text) {
    StoreChoice choice;
    choice.problem = text;
    return choice;
}

} // namespace

StoreChoice ReadStoreChoice(const QString& appFolder) {
    StoreChoice file;
    file.address.file = appFolder + QStringLiteral("/donustur.evk");
    const QString path = appFolder + QStringLiteral("/zendaro.ini");
    if (!QFileInfo::exists(path))
        return file;
    if (const QFileInfo info(path); !info.isFile() || !info.isReadable())
        return problem(QStringLiteral("Ayar dosyası zendaro.ini okunamadı. Lütfen dosyanın okuma iznini "
                                      "denetleyiniz."));

    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return problem(QStringLiteral("Ayar dosyası zendaro.ini okunamadı ya da biçimi bozuk. Lütfen "
                                      "dosyayı denetleyiniz."));
    settings.beginGroup(QStringLiteral("Veritabani"));
    const QString kind = valueOf(settings, QStringLiteral("Tur"));
    const QString host = valueOf(settings, QStringLiteral("Sunucu"));
    const QString portText = valueOf(settings, QStringLiteral("Port"));
    const QString database = valueOf(settings, QStringLiteral("Ad"));
    const QString user = valueOf(settings, QStringLiteral("Kullanici"));
    settings.endGroup();

    if (kind.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0)
        return file;
    if (kind.isEmpty()) {
        // A file that names a server but forgot its kind would quietly use
        // the local file: say so rather than guess.
        if (host.isEmpty() && portText.isEmpty() && database.isEmpty() && user.isEmpty())
            return file;
        return problem(QStringLiteral("Ayar dosyası zendaro.ini bir sunucu adlandırıyor ama Tur değeri "
                                      "yazılmamış. Lütfen [Veritabani] bölümüne Tur=PostgreSQL ya da "
                                      "Tur=SQLite yazınız."));
    }
    if (kind.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) != 0)
        return problem(QStringLiteral("Ayar dosyası zendaro.ini içindeki Tur değeri (%1) anlaşılamadı. "
                                      "Lütfen Tur=SQLite ya da Tur=PostgreSQL yazınız.")
                           .arg(kind));
    if (database.isEmpty())
        return problem(QStringLiteral("Ayar dosyası zendaro.ini içinde veritabanının adı yazılmamış. Lütfen "
                                      "[Veritabani] bölümüne Ad= satırıyla veritabanının adını yazınız."));
    int port = 0;
    if (!portText.isEmpty()) {
        bool number = false;
        port = portText.toInt(&number);
        if (!number || port < 1 || port > 65535)
            return problem(QStringLiteral("Ayar dosyası zendaro.ini içindeki Port değeri (%1) geçerli bir "
                                          "bağlantı noktası değil. Lütfen 1 ile 65535 arasında bir sayı "
                                          "yazınız ya da satırı siliniz.")
                               .arg(portText));
    }
    StoreChoice server;
    server.address = StoreAddress::Server(host, port, database, user);
    return server;
}

} // namespace zendaro
