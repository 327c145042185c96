// The "Not Dönüşüm Belgesi" of a conversion file, read back from the PDF with
// pdftotext: the student, every course line, the marks, the totals, the
// signature lines and the scale tables on the last page; written whole or
// not at all.
#include "SampleFile.h"
#include "files/FileReport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

// The pages of a PDF as pdftotext reads them (layout kept, so that a table
// row stays on one line).
QStringList pdfPages(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    while (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString localised(QString text, const RegionalSettings& settings) {
    return text.replace(QLatin1Char(','), settings.decimalSeparator);
}

const QDateTime when(QDate(2026, 3, 9), QTime(14, 5));

} // namespace

class TestFileReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }
    void documentHoldsEveryLine_data();
    void documentHoldsEveryLine();
    void deletedScaleIsNamedAndItsTableMissing();
    void failureLeavesNothingBehind();
    void theExplanationsAreAnAppendixWhenAsked_data();
    void theExplanationsAreAnAppendixWhenAsked();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestFileReport::documentHoldsEveryLine_data() {
    QTest::addColumn<bool>("turkish");
    QTest::newRow("Turkish separators") << true;
    QTest::newRow("English separators") << false;
}

void TestFileReport::documentHoldsEveryLine() {
    QFETCH(bool, turkish);
    const RegionalSettings settings = turkish ? RegionalSettings::turkish() : RegionalSettings::english();
    FileWork work(db_->path(), settings);
    work.open(sampleFile());
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("belge.pdf"));
    QCOMPARE(WriteFileReport(path, db_->path(), work, when), QString());

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QStringList pages = pdfPages(path);
    QVERIFY2(pages.size() >= 2, "a page of courses and a last page of scales");
    const QString body = pages.mid(0, pages.size() - 1).join(QLatin1Char('\n'));
    const QString last = pages.last();

    for (const QString& text :
         {QStringLiteral("Not Dönüşüm Belgesi"), QStringLiteral("9 Mart 2026"), sampleFile().studentName,
          sampleFile().studentNumber, sampleFile().programme, sampleFile().otherUniversity,
          QStringLiteral("Harf Ölçeği"), QStringLiteral("Lisans"), QStringLiteral("Hazırlayan"),
          QStringLiteral("Onaylayan")})
        QVERIFY2(body.contains(text), qPrintable(text));

    // Each course on one line, its cells in order; its mark beneath it.
    const QStringList lines = body.split(QLatin1Char('\n'));
    for (const SampleLine& course : sampleLines()) {
        QStringList cells = {course.code, course.name, localised(course.credit, settings)};
        cells << (course.ects.isEmpty() ? QStringLiteral("—") : localised(course.ects, settings));
        cells << course.grade << course.letter << localised(course.value, settings) << course.status;
        QStringList escapedCells;
        for (const QString& cell : cells)
            escapedCells << QRegularExpression::escape(cell);
        const QRegularExpression row(escapedCells.join(QStringLiteral("\\s+")));
        int at = 0;
        while (at < lines.size() && !lines.at(at).contains(row))
            ++at;
        at = at < lines.size() ? at : -1;
        QVERIFY2(at >= 0, qPrintable(course.code + QStringLiteral(" not on one line:\n") + body));
        if (!course.mark.isEmpty())
            QVERIFY2(lines.mid(at + 1, 3).join(QLatin1Char(' ')).simplified().contains(course.mark),
                     qPrintable(course.code));
    }
    QVERIFY(body.simplified().contains(localised(QStringLiteral("(önceki sonuç DD 1,00)"), settings)));

    // The totals.
    const QString average = localised(QString::number(SampleAverage, 'f', 2).replace(u'.', u','), settings);
    for (const QString& total :
         {QStringLiteral("Ders Sayısı\\s+5"), QStringLiteral("Geçen / Kalan\\s+3\\s*/\\s*2"),
          QStringLiteral("Toplam Kredi\\s+") + localised(QStringLiteral("20,50"), settings),
          QStringLiteral("Ağırlıklı Ortalama\\s+") + average})
        QVERIFY2(body.contains(QRegularExpression(total)), qPrintable(total));

    // The last page: both scales with every grade, value and status.
    QVERIFY(last.contains(QStringLiteral("Not Ölçekleri")));
    QVERIFY(!last.contains(QStringLiteral("Hazırlayan")));
    QVERIFY(!last.contains(QStringLiteral("MAT101")));
    const std::pair<const char*, const char*> grades[] = {{"AA", "4 +Geçer +0"},
                                                          {"BB", "3 +Geçer +2"},
                                                          {"CC", "2 +Geçer +4"},
                                                          {"DC", "1,5 +Kalır +0"},
                                                          {"FF", "0 +Kalır +2"}};
    for (const auto& [letter, rest] : grades) {
        const QString line =
            QString::fromUtf8(letter) + QStringLiteral(" +") + localised(QString::fromUtf8(rest), settings);
        QVERIFY2(last.contains(QRegularExpression(line)), qPrintable(line + QStringLiteral("\n") + last));
    }
    for (const char* home : {"AA +4 +GEÇER", "CB +2,5 +GEÇER", "CC +2 +KALIR", "FD +0,5 +KALIR"})
        QVERIFY2(last.contains(QRegularExpression(localised(QString::fromUtf8(home), settings))), home);
    QVERIFY(last.contains(QRegularExpression(QStringLiteral("Geçer Notlar\\s+4\\s*–\\s*2 \\(5 not\\)"))));
}

void TestFileReport::theExplanationsAreAnAppendixWhenAsked_data() {
    QTest::addColumn<bool>("asked");
    QTest::newRow("with the appendix") << true;
    QTest::newRow("without it") << false;
}

void TestFileReport::theExplanationsAreAnAppendixWhenAsked() {
    QFETCH(bool, asked);
    FileWork work(db_->path(), RegionalSettings::turkish());
    work.open(sampleFile());
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("belge.pdf"));
    QCOMPARE(WriteFileReport(path, db_->path(), work, when, asked), QString());
    // Lines joined: a paragraph may wrap anywhere.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString text = pdfPages(path).join(QLatin1Char(' ')).simplified();
    QVERIFY(text.contains(QStringLiteral("MAT101")));

    const qsizetype appendix = text.indexOf(ExplanationAppendixTitle());
    QCOMPARE(appendix >= 0, asked);
    const QString after = asked ? text.mid(appendix) : QString();
    for (int row = 0; row < work.size(); ++row) {
        const FileCourse& course = work.file().courses.at(row);
        const QString explanation = work.explanation(row).simplified();
        // Every course the scales convert now is explained; the one whose grade is gone is not.
        QCOMPARE(explanation.isEmpty(), course.code == QLatin1String("ESK300"));
        if (explanation.isEmpty()) {
            QVERIFY(!after.contains(course.code));
            continue;
        }
        QVERIFY2(explanation.startsWith(course.grade + QStringLiteral(" notu, Harf Ölçeği")),
                 qPrintable(explanation));
        QCOMPARE(text.contains(explanation), asked);
        if (asked)
            QVERIFY2(after.contains(course.code + QStringLiteral(" — ") + course.name.simplified() +
                                    QStringLiteral(": ") + explanation),
                     qPrintable(course.code + QStringLiteral("\n") + after));
    }
}

void TestFileReport::deletedScaleIsNamedAndItsTableMissing() {
    ConversionFile file = sampleFile();
    file.otherScaleId = 99;
    file.otherScaleName = QStringLiteral("Silinen Ölçek");
    FileWork work(db_->path(), RegionalSettings::turkish());
    work.open(file);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("belge.pdf"));
    QCOMPARE(WriteFileReport(path, db_->path(), work, when), QString());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString text = pdfPages(path).join(QLatin1Char('\n'));
    const QString words = text.simplified();
    QVERIFY(words.contains(QStringLiteral("Silinen Ölçek (veritabanında artık yok)")));
    QVERIFY(words.contains(QStringLiteral("Bu ölçek veritabanında artık yok")));
    QVERIFY(words.contains(QStringLiteral("ÖLÇEK BULUNAMADI")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("MAT101.*Analiz I.*AA\\s+AA\\s+4,00"))));
}

void TestFileReport::failureLeavesNothingBehind() {
    FileWork work(db_->path(), RegionalSettings::turkish());
    work.open(sampleFile());
    const QTemporaryDir dir;
    QCOMPARE(WriteFileReport(dir.filePath(QStringLiteral("yok/belge.pdf")), db_->path(), work, when),
             QStringLiteral("Seçilen klasör bulunamadı."));
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("klasör.pdf"))));
    QCOMPARE(WriteFileReport(dir.filePath(QStringLiteral("klasör.pdf")), db_->path(), work, when),
             QStringLiteral("Bu adda bir klasör var."));
    // A database that cannot be read: the store's reason, and no file.
    const QString path = dir.filePath(QStringLiteral("belge.pdf"));
    const QString reason = WriteFileReport(path, dir.filePath(QStringLiteral("yok.evk")), work, when);
    QVERIFY(!reason.isEmpty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_MAIN(TestFileReport)
#include "tst_filereport.moc"
