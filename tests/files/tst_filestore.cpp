// The conversion files of the store: what a save stores comes back exactly
// (hostile text, every double), a save lands whole or not at all (also when
// the program is killed during it), a save or delete of a file changed or
// deleted elsewhere since it was read is refused, and the list searches and
// orders as a Turkish reader expects.
#include "TestDatabase.h"
#include "files/FileStore.h"
#include "files/SchemaUpgrade.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <bit>
#include <cfloat>
#include <cstdio>
#include <limits>

using namespace zendaro;
using zendaro::test::TestDatabase;

namespace {

// A fresh database with the conversion-file tables.
struct FilesDatabase {
    TestDatabase db;
    FilesDatabase() {
        if (UpgradeSchema(db.path()).kind != SchemaState::Kind::Upgraded)
            throw std::runtime_error("the test database could not be upgraded");
    }
    QString path() const { return db.path(); }
};

FileCourse course(const QString& code, const QString& name, double credit) {
    FileCourse c;
    c.code = code;
    c.name = name;
    c.credit = credit;
    c.grade = QStringLiteral("AA");
    return c;
}

ConversionFile student(const QString& name, const QString& number) {
    ConversionFile file;
    file.studentName = name;
    file.studentNumber = number;
    file.programme = QStringLiteral("Bilgisayar Mühendisliği");
    file.otherUniversity = QStringLiteral("Ankara Üniversitesi");
    file.courses = {course(QStringLiteral("MAT101"), QStringLiteral("Matematik I"), 4)};
    return file;
}

bool sameBits(double a, double b) {
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

bool sameNumber(const std::optional<double>& a, const std::optional<double>& b) {
    return a.has_value() == b.has_value() && (!a || sameBits(*a, *b));
}

// The differences between two files' stored contents (empty: the same).
QString differences(const ConversionFile& a, const ConversionFile& b) {
    QStringList out;
    const auto text = [&](const char* what, const QString& x, const QString& y) {
        if (x != y)
            out << QStringLiteral("%1: %2 chars vs %3").arg(QLatin1String(what)).arg(x.size()).arg(y.size());
    };
    text("studentName", a.studentName, b.studentName);
    text("studentNumber", a.studentNumber, b.studentNumber);
    text("programme", a.programme, b.programme);
    text("otherUniversity", a.otherUniversity, b.otherUniversity);
    text("otherScaleName", a.otherScaleName, b.otherScaleName);
    text("homeScaleName", a.homeScaleName, b.homeScaleName);
    text("note", a.note, b.note);
    if (a.otherScaleId != b.otherScaleId || a.homeScaleId != b.homeScaleId)
        out << QStringLiteral("scale ids");
    if (a.courses.size() != b.courses.size())
        return (out << QStringLiteral("course count %1 vs %2").arg(a.courses.size()).arg(b.courses.size()))
            .join(QLatin1Char('\n'));
    for (int i = 0; i < a.courses.size(); ++i) {
        const FileCourse& x = a.courses.at(i);
        const FileCourse& y = b.courses.at(i);
        text("code", x.code, y.code);
        text("name", x.name, y.name);
        text("grade", x.grade, y.grade);
        text("homeLetter", x.stored.homeLetter, y.stored.homeLetter);
        text("homeStatus", x.stored.homeStatus, y.stored.homeStatus);
        if (!sameBits(x.credit, y.credit) || !sameNumber(x.ects, y.ects) ||
            !sameBits(x.stored.homeValue, y.stored.homeValue) ||
            !sameBits(x.stored.letterValue, y.stored.letterValue))
            out << QStringLiteral("numbers of course %1").arg(i);
        if (x.counts != y.counts || x.stored.converted != y.stored.converted ||
            x.stored.passed != y.stored.passed)
            out << QStringLiteral("flags of course %1").arg(i);
    }
    return out.join(QLatin1Char('\n'));
}

// ---- The child processes (the test program run again with an argument) ----

// The file as round `round` of the saver writes it: its note names the round,
// and it holds round % 7 + 1 courses whose names name the round too.
void writeRound(ConversionFile& file, int round) {
    file.note = QString::number(round);
    file.courses.clear();
    for (int i = 0; i <= round % 7; ++i)
        file.courses.append(course(QString::number(i), QStringLiteral("%1-%2").arg(round).arg(i), 3.5));
}

// Saves every file of the database again and again, a new round each time,
// and reports each finished round on its standard output.
int keepSaving(const QString& path) {
    FileStore store(path);
    const QVector<FileSummary> files = store.list();
    for (int round = 1;; ++round) {
        for (const FileSummary& summary : files) {
            ConversionFile file = store.load(summary.id);
            writeRound(file, round);
            store.save(file);
        }
        std::printf("%d\n", round);
        std::fflush(stdout);
    }
}

// Another ZENDARO: changes one file's note once.
int changeOnce(const QString& path, qint64 id) {
    FileStore store(path);
    ConversionFile file = store.load(id);
    file.note = QStringLiteral("changed by the other program");
    store.save(file);
    return 0;
}

} // namespace

class FileStoreTest : public QObject {
    Q_OBJECT

private slots:
    void savedFileComesBackExactly_data();
    void savedFileComesBackExactly();
    void numbersComeBackExactly_data();
    void numbersComeBackExactly();
    void savesSetIdRevisionAndDates();
    void coursesAreReplacedWhole();
    void firstSaveWinsTheSecondIsRefused();
    void deleteAndSaveRaceEachOther();
    void anotherProgramsChangeIsNotOverwritten();
    void saveKilledMidwayLeavesOldOrNew();
    void searchIgnoresTurkishLetterCase_data();
    void searchIgnoresTurkishLetterCase();
    void listShowsTheNewestChangeFirst();
    void missingFileCannotBeLoaded();
};

void FileStoreTest::savedFileComesBackExactly_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QStringLiteral("");
    QTest::newRow("quotes") << QStringLiteral("O'Brien \"Jr.\" `x` \\ ' ''");
    QTest::newRow("SQL") << QStringLiteral("'); DROP TABLE donusum_dosyasi; -- %_ ? :id ?1");
    QTest::newRow("control characters") << QString::fromUtf16(u"a\u0001b\tc\r\nd\u001be\u007f");
    QTest::newRow("NUL inside") << QString::fromUtf16(u"ön\u0000son", 7);
    QTest::newRow("right-to-left") << QString::fromUtf16(u"\u202Eكلية\u200F 123 \u200Eabc\u202C");
    QTest::newRow("Turkish letters, emoji") << QString::fromUtf16(u"İıŞşĞğÜüÖöÇç i̇ 🎓");
    QTest::newRow("10,000 characters") << QString(10000, QChar(u'ş')).replace(5000, 1, QLatin1Char('\''));
}

void FileStoreTest::savedFileComesBackExactly() {
    QFETCH(QString, text);
    FilesDatabase db;
    FileStore store(db.path());
    ConversionFile file;
    file.studentName = text;
    file.studentNumber = text;
    file.programme = text;
    file.otherUniversity = text;
    file.otherScaleName = text;
    file.homeScaleName = text;
    file.note = text;
    file.otherScaleId = 7;
    FileCourse c = course(text, text, 2.5);
    c.grade = text;
    c.stored = {true, text, 3.25, 3.5, text, true};
    file.courses = {c, course(QStringLiteral("2"), text, 1)};
    if (TestDatabase::onServer() && text.contains(QChar(u'\0'))) {
        // A server's text cannot hold the character: refused, nothing written.
        QVERIFY_THROWS_EXCEPTION(StoreError, store.save(file));
        QCOMPARE(db.db.scalar(QStringLiteral("SELECT count(*) FROM donusum_dosyasi")).toInt(), 0);
        return;
    }
    store.save(file);

    const ConversionFile loaded = store.load(file.id);
    QCOMPARE(differences(loaded, file), QString());
    QCOMPARE(loaded.studentName.size(), text.size());
    // The file and its courses are there once, nothing beside them.
    QCOMPARE(db.db.scalar(QStringLiteral("SELECT count(*) FROM donusum_dosyasi")).toInt(), 1);
    QCOMPARE(db.db.scalar(QStringLiteral("SELECT count(*) FROM donusum_dersi")).toInt(), 2);
    QCOMPARE(store.list().size(), 1);
    QCOMPARE(store.list().first().studentName, text);
}

void FileStoreTest::numbersComeBackExactly_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("1/3") << 1.0 / 3.0;
    QTest::newRow("2.675") << 2.675;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2;
    QTest::newRow("whole") << 4.0;
    QTest::newRow("17 digits") << 123456789.12345679;
    QTest::newRow("smallest normal") << DBL_MIN;
    QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest") << DBL_MAX;
    QTest::newRow("negative") << -1.0;
    QTest::newRow("2^53 + 2") << 9007199254740994.0;
}

void FileStoreTest::numbersComeBackExactly() {
    QFETCH(double, value);
    FilesDatabase db;
    FileStore store(db.path());
    ConversionFile file = student(QStringLiteral("Sayı"), QStringLiteral("1"));
    FileCourse& c = file.courses.first();
    c.credit = value;
    c.ects = value;
    c.stored = {true, QStringLiteral("AA"), value, value, QStringLiteral("GEÇER"), true};
    file.courses.append(course(QStringLiteral("X"), QStringLiteral("ECTS yok"), value)); // no ECTS
    store.save(file);
    const ConversionFile loaded = store.load(file.id);
    QCOMPARE(differences(loaded, file), QString());
    QVERIFY(!loaded.courses.at(1).ects.has_value());
}

void FileStoreTest::savesSetIdRevisionAndDates() {
    FilesDatabase db;
    FileStore store(db.path());
    ConversionFile file = student(QStringLiteral("Ali"), QStringLiteral("1"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1);
    store.save(file);
    QVERIFY(file.id > 0);
    QCOMPARE(file.revision, 1);
    QCOMPARE(file.created, file.changed);
    QCOMPARE(file.changed.timeSpec(), Qt::UTC);
    QVERIFY(file.changed >= before && file.changed <= QDateTime::currentDateTimeUtc());
    // Stored as ISO 8601 UTC text.
    QCOMPARE(db.db.scalar(QStringLiteral("SELECT degistirilme FROM donusum_dosyasi")).toString(),
             file.changed.toString(Qt::ISODateWithMs));

    const ConversionFile loaded = store.load(file.id);
    QCOMPARE(loaded.revision, 1);
    QCOMPARE(loaded.created, file.created);
    QCOMPARE(loaded.changed, file.changed);

    QThread::msleep(2);
    ConversionFile again = loaded;
    store.save(again);
    QCOMPARE(again.id, file.id);
    QCOMPARE(again.revision, 2);
    QCOMPARE(again.created, file.created);
    QVERIFY(again.changed > file.changed);
    QCOMPARE(store.load(file.id).changed, again.changed);
    QCOMPARE(store.load(file.id).created, file.created);

    // A second new file gets an id of its own.
    ConversionFile other = student(QStringLiteral("Veli"), QStringLiteral("2"));
    store.save(other);
    QVERIFY(other.id != file.id);
}

void FileStoreTest::coursesAreReplacedWhole() {
    FilesDatabase db;
    FileStore store(db.path());
    ConversionFile kept = student(QStringLiteral("Kalan"), QStringLiteral("9"));
    store.save(kept);
    ConversionFile file = student(QStringLiteral("Ayşe"), QStringLiteral("1"));
    for (int i = 0; i < 5; ++i)
        file.courses.append(course(QString::number(i), QStringLiteral("Ders %1").arg(i), i + 1));
    store.save(file);
    QCOMPARE(store.load(file.id).courses.size(), 6);

    file.courses = {file.courses.at(4), file.courses.at(1)}; // reordered and fewer
    store.save(file);
    const ConversionFile loaded = store.load(file.id);
    QCOMPARE(differences(loaded, file), QString());
    QCOMPARE(
        db.db.scalar(QStringLiteral("SELECT count(*) FROM donusum_dersi WHERE dosya_id = %1").arg(file.id))
            .toInt(),
        2);
    QCOMPARE(store.list(QStringLiteral("Ayşe")).first().courseCount, 2);
    QCOMPARE(differences(store.load(kept.id), kept), QString()); // the other file untouched
}

void FileStoreTest::firstSaveWinsTheSecondIsRefused() {
    FilesDatabase db;
    FileStore store(db.path());
    ConversionFile file = student(QStringLiteral("Ali"), QStringLiteral("1"));
    store.save(file);

    ConversionFile first = store.load(file.id);  // one window
    ConversionFile second = store.load(file.id); // another
    first.note = QStringLiteral("birinci");
    second.note = QStringLiteral("ikinci");
    second.courses.clear();
    store.save(first);

    const ConversionFile secondBefore = second;
    try {
        store.save(second);
        QFAIL("the second save was not refused");
    } catch (const FileConflict& e) {
        QCOMPARE(e.text(), FileStore::ChangedElsewhereText());
    }
    // Nothing lost: the stored file is the first save, the second window
    // still holds its own work unchanged.
    QCOMPARE(differences(store.load(file.id), first), QString());
    QCOMPARE(store.load(file.id).revision, 2);
    QCOMPARE(differences(second, secondBefore), QString());
    QCOMPARE(second.revision, secondBefore.revision);
    QCOMPARE(second.changed, secondBefore.changed);
    // A delete with the old revision is refused as well.
    QVERIFY_THROWS_EXCEPTION(FileConflict, store.remove(file.id, second.revision));
    QCOMPARE(store.list().size(), 1);
}

void FileStoreTest::deleteAndSaveRaceEachOther() {
    FilesDatabase db;
    FileStore store(db.path());
    ConversionFile file = student(QStringLiteral("Ali"), QStringLiteral("1"));
    store.save(file);
    ConversionFile stale = store.load(file.id);

    store.remove(file.id, file.revision);
    QVERIFY(store.list().isEmpty());
    QCOMPARE(db.db.scalar(QStringLiteral("SELECT count(*) FROM donusum_dersi")).toInt(), 0);
    try {
        store.save(stale);
        QFAIL("a save of a deleted file was not refused");
    } catch (const FileConflict& e) {
        QCOMPARE(e.text(), FileStore::DeletedElsewhereText());
    }
    QCOMPARE(stale.id, file.id);
    QVERIFY(store.list().isEmpty()); // not brought back under its old id or a new one
    try {
        store.remove(file.id, file.revision);
        QFAIL("a second delete was not refused");
    } catch (const FileConflict& e) {
        QCOMPARE(e.text(), FileStore::DeletedElsewhereText());
    }
    // A new file never takes the deleted one's id.
    ConversionFile fresh = student(QStringLiteral("Yeni"), QStringLiteral("2"));
    store.save(fresh);
    QVERIFY(fresh.id > file.id);
}

void FileStoreTest::anotherProgramsChangeIsNotOverwritten() {
    FilesDatabase db;
    qint64 id = -1;
    ConversionFile mine;
    {
        FileStore store(db.path());
        ConversionFile file = student(QStringLiteral("Ali"), QStringLiteral("1"));
        store.save(file);
        id = file.id;
        mine = store.load(id);
    }
    // A second ZENDARO on the same database saves the file.
    QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(),
                               {QStringLiteral("--change-once"), db.path(), QString::number(id)}),
             0);
    FileStore store(db.path());
    mine.note = QStringLiteral("mine");
    QVERIFY_THROWS_EXCEPTION(FileConflict, store.save(mine));
    QCOMPARE(store.load(id).note, QStringLiteral("changed by the other program"));
}

void FileStoreTest::saveKilledMidwayLeavesOldOrNew() {
    FilesDatabase db;
    {
        FileStore store(db.path());
        for (int i = 0; i < 3; ++i) {
            ConversionFile file = student(QStringLiteral("Öğrenci %1").arg(i), QString::number(i));
            writeRound(file, 0);
            store.save(file);
        }
    }
    int killedAfter = 0;
    for (int run = 0; run < 10; ++run) {
        QProcess saver;
        saver.setProcessChannelMode(QProcess::SeparateChannels);
        saver.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--keep-saving"), db.path()});
        QVERIFY(saver.waitForStarted());
        // Some rounds land, then the kill falls somewhere in a later one.
        QByteArray output;
        while (output.count('\n') < 3 && saver.state() == QProcess::Running) {
            saver.waitForReadyRead(5000);
            output += saver.readAllStandardOutput();
        }
        QVERIFY2(output.count('\n') >= 3, saver.readAllStandardError().constData());
        QThread::usleep(static_cast<unsigned long>(run * 1700));
        saver.kill(); // SIGKILL: no clean-up of any kind
        QVERIFY(saver.waitForFinished());
        killedAfter += output.count('\n');

        if (!TestDatabase::onServer()) // the file's own structure; a server keeps its own
            QCOMPARE(db.db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        FileStore store(db.path());
        const QVector<FileSummary> files = store.list();
        QCOMPARE(files.size(), 3);
        for (const FileSummary& summary : files) {
            const ConversionFile file = store.load(summary.id);
            const int round = file.note.toInt();
            QVERIFY(round > 0);
            ConversionFile whole = file;
            writeRound(whole, round);
            QCOMPARE(differences(file, whole), QString());
            QCOMPARE(summary.courseCount, round % 7 + 1);
        }
    }
    QVERIFY(killedAfter >= 30);
}

void FileStoreTest::searchIgnoresTurkishLetterCase_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("found"); // student names, the newest change first
    const QStringList all = {"100% Başarı", "Ömer Çelik", "ismail Yıldız",
                             "İSMET UZUN",  "ışıl Kaya",  "Ayşe IŞIK"};
    QTest::newRow("empty: every file") << QString() << all;
    QTest::newRow("capitals find small letters") << "IŞI" << QStringList{"ışıl Kaya", "Ayşe IŞIK"};
    QTest::newRow("small letters find capitals") << "ışık" << QStringList{"Ayşe IŞIK"};
    QTest::newRow("dotless I is not i") << "ISM" << QStringList();
    QTest::newRow("dotted İ is i") << "İsm" << QStringList{"ismail Yıldız", "İSMET UZUN"};
    QTest::newRow("small i is İ") << "ismet" << QStringList{"İSMET UZUN"};
    QTest::newRow("i with a combining dot is i")
        << QString::fromUtf16(u"i\u0307sm") << QStringList{"ismail Yıldız", "İSMET UZUN"};
    QTest::newRow("Ö Ç Ş") << "ömer çe" << QStringList{"Ömer Çelik"};
    QTest::newRow("student number") << "2019" << QStringList{"Ömer Çelik", "Ayşe IŞIK"};
    QTest::newRow("white space around") << "  2019 " << QStringList{"Ömer Çelik", "Ayşe IŞIK"};
    QTest::newRow("only white space: every file") << "  " << all;
    QTest::newRow("percent sign is a letter") << "%" << QStringList{"100% Başarı"};
    QTest::newRow("underscore is a letter") << "_" << QStringList();
    QTest::newRow("quote") << "'" << QStringList();
    QTest::newRow("nothing") << "zzz" << QStringList();
}

void FileStoreTest::searchIgnoresTurkishLetterCase() {
    QFETCH(QString, search);
    QFETCH(QStringList, found);
    FilesDatabase db;
    FileStore store(db.path());
    const QList<QPair<QString, QString>> students = {
        {"Ayşe IŞIK", "20190001"},     {"ışıl Kaya", "20200002"},  {"İSMET UZUN", "20210003"},
        {"ismail Yıldız", "20220004"}, {"Ömer Çelik", "A-2019-5"}, {"100% Başarı", "6"}};
    for (const auto& [name, number] : students) {
        ConversionFile file = student(name, number);
        store.save(file);
    }
    QStringList names;
    for (const FileSummary& file : store.list(search))
        names << file.studentName;
    QCOMPARE(names, found);
}

void FileStoreTest::listShowsTheNewestChangeFirst() {
    FilesDatabase db;
    FileStore store(db.path());
    QVector<ConversionFile> files;
    for (const char* name : {"Bir", "İki", "Üç"}) {
        ConversionFile file = student(QString::fromUtf8(name), QStringLiteral("1"));
        store.save(file);
        files.append(file);
        QThread::msleep(2);
    }
    files[0].courses.append(course(QStringLiteral("F"), QStringLiteral("Fizik"), 3));
    store.save(files[0]); // changed last: first in the list
    const QVector<FileSummary> list = store.list();
    QCOMPARE(list.size(), 3);
    QCOMPARE(list.at(0).studentName, QStringLiteral("Bir"));
    QCOMPARE(list.at(1).studentName, QStringLiteral("Üç"));
    QCOMPARE(list.at(2).studentName, QStringLiteral("İki"));
    const FileSummary& first = list.at(0);
    QCOMPARE(first.id, files[0].id);
    QCOMPARE(first.courseCount, 2);
    QCOMPARE(first.changed, files[0].changed);
    QCOMPARE(first.studentNumber, QStringLiteral("1"));
    QCOMPARE(first.programme, files[0].programme);
    QCOMPARE(first.otherUniversity, files[0].otherUniversity);
}

void FileStoreTest::missingFileCannotBeLoaded() {
    FilesDatabase db;
    FileStore store(db.path());
    try {
        store.load(42);
        QFAIL("a missing file was loaded");
    } catch (const StoreError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("bulunamadı")), qPrintable(e.text()));
    }
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--keep-saving"))
        return keepSaving(arguments.at(2));
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--change-once"))
        return changeOnce(arguments.at(2), arguments.at(3).toLongLong());
    FileStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filestore.moc"
