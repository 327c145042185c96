// The real program from the command line: the commands run without any
// display, say what they did and end with their status.
#include "AdminFixtures.h"
#include "store/StoreConnection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <system_error>

using namespace zendaro;
using zendaro::test::ServerDatabase;

namespace {

#ifdef Q_OS_WIN
const QString ProgramName = QStringLiteral("zendaro.exe");
#else
const QString ProgramName = QStringLiteral("zendaro");
#endif

struct Run {
    int status = -1;
    QString out;
    QString err;
};

qint64 count(const QString& path, const QString& sql) {
    auto store = StoreConnection::Acquire(path);
    QSqlQuery query(store->database());
    query.exec(sql);
    return query.next() ? query.value(0).toLongLong() : -1;
}

} // namespace

class TestAdminProcess : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandsFromSetUpToBackup();
    void failuresEndWithAStatusAndAMessage_data();
    void failuresEndWithAStatusAndAMessage();

private:
    // The application folder of this test: the program, donustur.evk and,
    // when given, zendaro.ini.
    void writeSettings(const QString& text);
    Run run(const QStringList& arguments);

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<ServerDatabase> server_;
};

void TestAdminProcess::init() {
    if (test::testServerHost().isEmpty())
        QFAIL("ZENDARO_TEST_PGHOST is not set: this test needs the server the test run starts");
    folder_ = std::make_unique<QTemporaryDir>();
    server_ = std::make_unique<ServerDatabase>(QStringLiteral("zendaro_tasima_komut"));
    const QString original = QStringLiteral(ZENDARO_APP_DIR "/") + ProgramName;
    const QString program = folder_->filePath(ProgramName);
    // The program finds donustur.evk and zendaro.ini beside itself: a link of
    // its own (a copy where links cannot be made).
    std::error_code linkError;
    std::filesystem::create_hard_link(original.toStdU16String(), program.toStdU16String(), linkError);
    if (linkError)
        QVERIFY(QFile::copy(original, program));
    QVERIFY(QFile::copy(QStringLiteral(ZENDARO_SHIPPED_DATABASE), folder_->filePath("donustur.evk")));
    QFile::setPermissions(folder_->filePath("donustur.evk"), QFile::ReadOwner | QFile::WriteOwner);
    const auto address = StoreAddress::Parse(server_->address());
    writeSettings(QStringLiteral("[Veritabani]\nTur=PostgreSQL\nSunucu=%1\nAd=%2\nKullanici=zendaro\n")
                      .arg(address.host, address.database));
}

void TestAdminProcess::writeSettings(const QString& text) {
    QFile settings(folder_->filePath("zendaro.ini"));
    if (text.isNull()) {
        settings.remove();
        return;
    }
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(text.toUtf8());
}

Run TestAdminProcess::run(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display: a window or QApplication would end the program at once.
    environment.insert("QT_QPA_PLATFORM", "yok");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder_->path());
    program.start(folder_->filePath(ProgramName), arguments);
    Run result;
    if (!program.waitForFinished(120000) || program.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = program.exitCode();
    result.out = QString::fromUtf8(program.readAllStandardOutput());
    result.err = QString::fromUtf8(program.readAllStandardError());
    return result;
}

void TestAdminProcess::commandsFromSetUpToBackup() {
    const Run setUp = run({"--sunucu-kur"});
    QVERIFY2(setUp.status == 0, qPrintable(setUp.err));
    QVERIFY2(setUp.out.startsWith("ZENDARO'nun tabloları sunucuda kuruldu: PostgreSQL: zendaro_tasima_komut"),
             qPrintable(setUp.out));
    QCOMPARE(setUp.err, QString());

    const QString file = folder_->filePath("donustur.evk");
    const QString counts =
        QStringLiteral("%1 Dornela ölçeği, %2 diğer ölçek, %3 not, 0 dönüşüm dosyası, 0 ders.\n")
            .arg(count(file, "SELECT count(*) FROM dornela_olcek"))
            .arg(count(file, "SELECT count(*) FROM diger_olcek"))
            .arg(count(file, "SELECT (SELECT count(*) FROM dornela_notlar) + "
                             "(SELECT count(*) FROM diger_notlar)"));
    const Run copy = run({"--aktar", "sunucu"});
    QVERIFY2(copy.status == 0, qPrintable(copy.err));
    QVERIFY2(copy.out.startsWith(file + " dosyası sunucuya aktarıldı"), qPrintable(copy.out));
    QVERIFY2(copy.out.endsWith(counts), qPrintable(copy.out));

    const Run again = run({"--aktar", "sunucu"});
    QCOMPARE(again.status, 1);
    QCOMPARE(again.out, QString());
    QVERIFY2(again.err.contains("Sunucudaki veritabanında zaten veri var") &&
                 again.err.contains("--uzerine-yaz"),
             qPrintable(again.err));
    const Run overwrite = run({"--uzerine-yaz", "--aktar", "sunucu"});
    QVERIFY2(overwrite.status == 0, qPrintable(overwrite.err));

    const Run backup = run({"--aktar", "YEDEK.evk"});
    QVERIFY2(backup.status == 0, qPrintable(backup.err));
    const QString backupFile = folder_->filePath("YEDEK.evk");
    QVERIFY2(backup.out.contains(backupFile + " dosyasına yedeklendi: "), qPrintable(backup.out));
    QVERIFY2(backup.out.endsWith(counts), qPrintable(backup.out));
    QCOMPARE(count(backupFile, "SELECT count(*) FROM diger_notlar"),
             count(file, "SELECT count(*) FROM diger_notlar"));

    const Run backupAgain = run({"--aktar", "YEDEK.evk"});
    QCOMPARE(backupAgain.status, 1);
    QVERIFY2(backupAgain.err.contains("Yedek dosyası zaten var"), qPrintable(backupAgain.err));
}

void TestAdminProcess::failuresEndWithAStatusAndAMessage_data() {
    QTest::addColumn<QString>("settings"); // null: no zendaro.ini
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString noFile;
    QTest::newRow("no zendaro.ini") << noFile << QStringList{"--sunucu-kur"} << 1
                                    << "zendaro.ini dosyası bir PostgreSQL sunucusu belirtmelidir";
    QTest::newRow("zendaro.ini naming the file")
        << "[Veritabani]\nTur=SQLite\n"
        << QStringList{"--aktar", "sunucu"} << 1
        << "zendaro.ini dosyası bir PostgreSQL sunucusu belirtmelidir";
    QTest::newRow("zendaro.ini not understood")
        << "[Veritabani]\nTur=Oracle\n"
        << QStringList{"--aktar", "YEDEK.evk"} << 1 << "Tur değeri (Oracle)";
    QTest::newRow("no such database")
        << QString("[Veritabani]\nTur=PostgreSQL\nSunucu=%1\nAd=olmayan_veritabani\n")
               .arg(test::testServerHost())
        << QStringList{"--aktar", "sunucu"} << 1
        << "Veritabanı sunucusuna bağlanılamadı: PostgreSQL: olmayan_veritabani";
    QTest::newRow("no server there") << "[Veritabani]\nTur=PostgreSQL\nSunucu=/yok/boyle/klasor\nAd=x\n"
                                     << QStringList{"--sunucu-kur"} << 1
                                     << "Veritabanı sunucusuna bağlanılamadı";
    QTest::newRow("unknown option") << noFile << QStringList{"--sil"} << 2 << "Kullanım:";
    QTest::newRow("a word, no option") << noFile << QStringList{"sunucu"} << 2 << "Kullanım:";
    QTest::newRow("copy of nothing") << noFile << QStringList{"--aktar"} << 2 << "Kullanım:";
    QTest::newRow("a backup never overwrites")
        << noFile << QStringList{"--aktar", "YEDEK.evk", "--uzerine-yaz"} << 2 << "Kullanım:";
}

void TestAdminProcess::failuresEndWithAStatusAndAMessage() {
    QFETCH(QString, settings);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    writeSettings(settings);
    const Run result = run(arguments);
    QCOMPARE(result.status, status);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files).filter(".evk"), QStringList{"donustur.evk"});
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestAdminProcess suite;
    return QTest::qExec(&suite, argc, argv);
}

#include "tst_process.moc"
