// The .xlsx export of a conversion file, read back with an independent reader
// (openpyxl, through tests/files/read_xlsx.py): the header row and every
// cell, numbers as numbers and texts exactly as typed; written whole or not
// at all.
#include "SampleFile.h"
#include "files/FileSpreadsheet.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// The first sheet as the reader gives it: its title and rows of cells, each
// null, {"n": number} or {"s": text}.
struct ReadBook {
    QString error;
    QString sheet;
    QJsonArray rows;
};

ReadBook readBack(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral(ZENDARO_SOURCE_DIR "/tests/files/read_xlsx.py"), path});
    ReadBook book;
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        book.error = QString::fromUtf8(process.readAllStandardError()) + process.errorString();
        return book;
    }
    const QJsonObject read = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    book.sheet = read.value(QStringLiteral("sheet")).toString();
    book.rows = read.value(QStringLiteral("rows")).toArray();
    return book;
}

QJsonValue text(const QString& value) {
    return QJsonObject{{QStringLiteral("s"), value}};
}

QJsonValue number(double value) {
    return QJsonObject{{QStringLiteral("n"), value}};
}

QJsonArray courseRow(int row, const QString& code, const QString& name, double credit, QJsonValue ects,
                     QJsonValue grade, bool counts, const QString& letter, double value,
                     const QString& status, const QString& mark) {
    const ConversionFile file = sampleFile();
    return {text(file.studentNumber),
            text(file.studentName),
            number(row),
            text(code),
            text(name),
            number(credit),
            ects,
            grade,
            text(counts ? QStringLiteral("Evet") : QStringLiteral("Hayır")),
            text(letter),
            number(value),
            number(value),
            text(status),
            mark.isEmpty() ? QJsonValue() : text(mark)};
}

// Texts a user may paste into a box, each kept exactly.
QStringList hostileTexts() {
    return {QStringLiteral("'; DROP TABLE diger_olcek; --"),
            QStringLiteral("a\x01"
                           "b\x1f"
                           "c\rd\te\nf"),
            QStringLiteral("_x0041_ ve _x005F_ ve _X0041_ ve _x0041_x0042_"),
            QStringLiteral("=HYPERLINK(\"ornek\";\"tıkla\")"),
            QStringLiteral("\u202Eters yazı\u202C <b>&amp;</b>"),
            QString(QChar(0xFFFE)) + QChar(0xFFFF) + QStringLiteral(" son"),
            QStringLiteral("  boşluklu  "),
            QString(10000, u'ş')};
}

} // namespace

class TestFileSpreadsheet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }
    void everyCellReadsBack();
    void numericGradesAreNumbers();
    void failureLeavesTheOldFile_data();
    void failureLeavesTheOldFile();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestFileSpreadsheet::everyCellReadsBack() {
    FileWork work(db_->path(), RegionalSettings::turkish());
    ConversionFile file = sampleFile();
    for (const QString& hostile : hostileTexts()) {
        FileCourse course;
        course.code = hostile.left(20);
        course.name = hostile;
        course.credit = 1.25;
        course.grade = QStringLiteral("AA");
        file.courses << course;
    }
    work.open(file);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dersler.xlsx"));
    { // an older export of the same name is replaced
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("eski");
    }
    QCOMPARE(WriteFileSpreadsheet(path, work), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("dersler.xlsx")});

#ifdef Q_OS_WIN
    QSKIP("the file is read back by Python's openpyxl, which Windows has not");
#endif
    const ReadBook book = readBack(path);
    QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
    QCOMPARE(book.sheet, QStringLiteral("Dersler"));
    QJsonArray header;
    for (const QString& caption : FileSpreadsheetCaptions())
        header << text(caption);

    QVector<QJsonArray> expected = {
        header,
        courseRow(1, "MAT101", "Analiz I", 6, number(7.5), text("AA"), true, "AA", 4, "GEÇER", ""),
        courseRow(2, "FIZ102", "Fizik & <i>Lab</i>", 4, {}, text("CC"), true, "CB", 2.5, "GEÇER", ""),
        courseRow(3, "SEC201", "Seçmeli Ders", 2.5, number(3), text("DC"), false, "CC", 2, "KALIR", ""),
        courseRow(4, "ESK300", "Eski Ders", 3, {}, text("ZZ"), true, "BB", 3, "GEÇER", "ÖLÇEKTE YOK"),
        courseRow(5, "DEG400", "Değişen Ders", 5, {}, text("FF"), true, "FF", 0, "KALIR", "SONUÇ DEĞİŞTİ"),
    };
    int row = 6;
    for (const QString& hostile : hostileTexts()) {
        expected << courseRow(row, hostile.left(20), hostile, 1.25, {}, text("AA"), true, "AA", 4, "GEÇER",
                              "");
        ++row;
    }
    QCOMPARE(book.rows.size(), expected.size());
    for (int r = 0; r < expected.size(); ++r) {
        const QJsonArray cells = book.rows.at(r).toArray();
        QCOMPARE(cells.size(), expected.at(r).size());
        for (int c = 0; c < cells.size(); ++c)
            QVERIFY2(
                cells.at(c) == expected.at(r).at(c),
                qPrintable(
                    QStringLiteral("row %1, column %2: %3 instead of %4")
                        .arg(r + 1)
                        .arg(c + 1)
                        .arg(QString::fromUtf8(QJsonDocument(QJsonArray{cells.at(c)}).toJson()).left(200),
                             QString::fromUtf8(QJsonDocument(QJsonArray{expected.at(r).at(c)}).toJson())
                                 .left(200))));
    }
}

void TestFileSpreadsheet::numericGradesAreNumbers() {
    FileWork work(db_->path(), RegionalSettings::turkish());
    ConversionFile file = sampleFile();
    file.otherScaleId = fixture::FiveTurkish;
    file.courses.clear();
    work.open(file);
    QVERIFY(work.add({QStringLiteral("A1"),
                      QStringLiteral("Bir"),
                      QStringLiteral("2"),
                      {},
                      QStringLiteral("4,5"),
                      true})
                .done);
    QVERIFY(work.add({QStringLiteral("A2"),
                      QStringLiteral("İki"),
                      QStringLiteral("3"),
                      {},
                      QStringLiteral("2"),
                      true})
                .done);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sayısal.xlsx"));
    QCOMPARE(WriteFileSpreadsheet(path, work), QString());
#ifdef Q_OS_WIN
    QSKIP("the file is read back by Python's openpyxl, which Windows has not");
#endif
    const ReadBook book = readBack(path);
    QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
    QCOMPARE(book.rows.size(), 3);
    QCOMPARE(book.rows.at(1).toArray().at(7), number(4.5));
    QCOMPARE(book.rows.at(2).toArray().at(7), number(2));
    QCOMPARE(book.rows.at(2).toArray().at(12), text(work.states().at(1).now.homeStatus));
}

void TestFileSpreadsheet::failureLeavesTheOldFile_data() {
    QTest::addColumn<QString>("name");   // of the target, in a fresh folder
    QTest::addColumn<QString>("course"); // name of the one course
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "yok/dersler.xlsx"
                                    << "Analiz"
                                    << "Seçilen klasör bulunamadı.";
    QTest::newRow("a folder of that name") << "klasör"
                                           << "Analiz"
                                           << "Bu adda bir klasör var.";
    QTest::newRow("text longer than a cell")
        << "dersler.xlsx" << QString(32768, u'a') << TextTooLongForCellText();
    QTest::newRow("escapes make it longer than a cell")
        << "dersler.xlsx" << QString(5000, QChar(0x01)) << TextTooLongForCellText();
}

void TestFileSpreadsheet::failureLeavesTheOldFile() {
    QFETCH(QString, name);
    QFETCH(QString, course);
    QFETCH(QString, reason);
    FileWork work(db_->path(), RegionalSettings::turkish());
    ConversionFile file = sampleFile();
    file.courses.resize(1);
    file.courses[0].name = course;
    work.open(file);
    const QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("klasör"))));
    const bool existing = !name.contains(QLatin1Char('/')) && name != QStringLiteral("klasör");
    if (existing) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("eski");
    }
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    QCOMPARE(WriteFileSpreadsheet(path, work), reason);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    if (existing) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("eski"));
    }
}

QTEST_MAIN(TestFileSpreadsheet)
#include "tst_filespreadsheet.moc"
