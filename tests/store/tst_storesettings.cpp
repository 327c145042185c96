// The store a run uses, read from zendaro.ini in the application folder: the
// file donustur.evk without settings or with Tur=SQLite, a server address
// otherwise, and a Turkish text for a file that cannot be understood.
#include "store/StoreSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro;

class StoreSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheChoice_data();
    void readsTheChoice();
    void unreadableFileIsAProblem();
};

namespace {

const QString kNoFile = QStringLiteral("<no file>");

} // namespace

void StoreSettingsTest::readsTheChoice_data() {
    // The file's text (kNoFile: no zendaro.ini at all); the address text the
    // choice gives ("FILE" stands for the app folder's donustur.evk); and,
    // for a file that is not understood, a word its problem must name.
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("problemNames");

    QTest::newRow("no file") << kNoFile << "FILE"
                             << "";
    QTest::newRow("empty file") << ""
                                << "FILE"
                                << "";
    QTest::newRow("other sections only") << "[Pencere]\nBoyut=2\n"
                                         << "FILE"
                                         << "";
    QTest::newRow("Tur=SQLite, server keys ignored")
        << "[Veritabani]\nTur=SQLite\nSunucu=db.example\nAd=ofis\n"
        << "FILE"
        << "";
    QTest::newRow("Tur in any letter case") << "[Veritabani]\nTur=sqlite\n"
                                            << "FILE"
                                            << "";
    QTest::newRow("a full server")
        << "[Veritabani]\nTur=PostgreSQL\nSunucu=db.ofis\nPort=5433\nAd=zendaro\nKullanici=memur\n"
        << "postgresql:///zendaro?host=db.ofis&port=5433&user=memur"
        << "";
    QTest::newRow("only the database: libpq's defaults") << "[Veritabani]\nTur=postgresql\nAd=zendaro\n"
                                                         << "postgresql:///zendaro"
                                                         << "";
    QTest::newRow("a socket folder, spaces around values")
        << "[Veritabani]\nTur = PostgreSQL\nSunucu = /var/run/postgresql\nAd = notlar\n"
        << "postgresql:///notlar?host=%2Fvar%2Frun%2Fpostgresql"
        << "";
    QTest::newRow("a host list stays one text")
        << "[Veritabani]\nTur=PostgreSQL\nSunucu=a.ofis,b.ofis\nAd=zendaro\n"
        << "postgresql:///zendaro?host=a.ofis%2Cb.ofis"
        << "";
    QTest::newRow("Turkish letters in the role")
        << "[Veritabani]\nTur=PostgreSQL\nAd=zendaro\nKullanici=öğrenci işleri\n"
        << "postgresql:///zendaro?user=%C3%B6%C4%9Frenci%20i%C5%9Fleri"
        << "";
    QTest::newRow("a password in the file is never read")
        << "[Veritabani]\nTur=PostgreSQL\nAd=zendaro\nSifre=gizli\nParola=gizli\nPassword=gizli\n"
        << "postgresql:///zendaro"
        << "";

    QTest::newRow("unknown Tur") << "[Veritabani]\nTur=MySQL\nAd=zendaro\n"
                                 << ""
                                 << "MySQL";
    QTest::newRow("server without Ad") << "[Veritabani]\nTur=PostgreSQL\nSunucu=db.ofis\n"
                                       << ""
                                       << "Ad=";
    QTest::newRow("Port not a number") << "[Veritabani]\nTur=PostgreSQL\nPort=beş\nAd=zendaro\n"
                                       << ""
                                       << "beş";
    QTest::newRow("Port out of range") << "[Veritabani]\nTur=PostgreSQL\nPort=70000\nAd=zendaro\n"
                                       << ""
                                       << "70000";
    QTest::newRow("Port zero") << "[Veritabani]\nTur=PostgreSQL\nPort=0\nAd=zendaro\n"
                               << ""
                               << "Port";
    QTest::newRow("server keys without Tur") << "[Veritabani]\nSunucu=db.ofis\nAd=zendaro\n"
                                             << ""
                                             << "Tur";
}

void StoreSettingsTest::readsTheChoice() {
    QFETCH(QString, ini);
    QFETCH(QString, address);
    QFETCH(QString, problemNames);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (ini != kNoFile) {
        QFile file(folder.filePath(QStringLiteral("zendaro.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini.toUtf8());
    }

    const StoreChoice choice = ReadStoreChoice(folder.path());
    if (!problemNames.isEmpty()) {
        QVERIFY2(choice.problem.contains(problemNames), qPrintable(choice.problem));
        QVERIFY(choice.problem.contains(QLatin1String("zendaro.ini")));
        return;
    }
    QVERIFY2(choice.problem.isEmpty(), qPrintable(choice.problem));
    if (address == QLatin1String("FILE")) {
        QCOMPARE(choice.address.engine, StoreEngine::SQLite);
        QCOMPARE(choice.address.text(), folder.filePath(QStringLiteral("donustur.evk")));
        return;
    }
    QCOMPARE(choice.address.engine, StoreEngine::PostgreSQL);
    QCOMPARE(choice.address.text(), address);
    // The text is what every window is given: it must name the same server.
    const StoreAddress again = StoreAddress::Parse(choice.address.text());
    QCOMPARE(again.host, choice.address.host);
    QCOMPARE(again.user, choice.address.user);
    QVERIFY(!choice.address.text().contains(QLatin1String("gizli")));
}

void StoreSettingsTest::unreadableFileIsAProblem() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // A folder in the file's place cannot be read as settings (a file without
    // read permission would do, but the tests run as root).
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("zendaro.ini")));
    const StoreChoice choice = ReadStoreChoice(folder.path());
    QVERIFY2(!choice.problem.isEmpty(), "a folder named zendaro.ini was taken for settings");
}

QTEST_MAIN(StoreSettingsTest)
#include "tst_storesettings.moc"
