// The .zolcek format: what is written reads back the same, every kind of bad
// file is refused with its reason, and the shipped library is a valid file
// of real, sourced scales.
#include "library/ScaleFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace zendaro::library;

namespace {

QString libraryPath() {
    return QStringLiteral(ZENDARO_SOURCE_DIR "/data/library/KUTUPHANE.zolcek");
}

// A small valid document: one letter scale, one numeric scale, one home scale.
QJsonObject validDocument() {
    const auto grade = [](const char* letter, double value, bool pass) {
        QJsonObject g{{"sayisal_not", value}, {"durum", pass ? "Geçer" : "Kalır"}};
        if (letter)
            g.insert("harf_notu", QString::fromUtf8(letter));
        return g;
    };
    QJsonObject letters{
        {"olcek_adi", "Harfler"},
        {"not_sistemi", "Harf Notu"},
        {"ulke", "Türkiye"},
        {"notlar", QJsonArray{grade("A", 4, true), grade("B", 3, true), grade("F", 0, false)}}};
    QJsonObject numbers{{"olcek_adi", "Yüzlük"},
                        {"not_sistemi", "Sayısal Not"},
                        {"notlar", QJsonArray{grade(nullptr, 100, true), grade(nullptr, 50.5, true),
                                              grade(nullptr, 50, false)}}};
    QJsonObject home{{"olcek_adi", "Lisans"}, {"egitim_duzeyi", "Lisans"}, {"max_KN", 1.5}};
    return {{"bicim", "ZENDARO-OLCEK"},
            {"surum", 1},
            {"diger_olcekler", QJsonArray{letters, numbers}},
            {"dornela_olcekleri", QJsonArray{home}}};
}

QByteArray bytesOf(const QJsonObject& document) {
    return QJsonDocument(document).toJson();
}

// The valid document with one change made by `change`.
template <typename Change> QByteArray changed(Change change) {
    QJsonObject document = validDocument();
    change(document);
    return bytesOf(document);
}

// Changes one field of the first grade of the first other scale.
QByteArray withFirstGrade(const QString& key, const QJsonValue& value) {
    return changed([&](QJsonObject& d) {
        QJsonArray scales = d["diger_olcekler"].toArray();
        QJsonObject scale = scales[0].toObject();
        QJsonArray grades = scale["notlar"].toArray();
        QJsonObject grade = grades[0].toObject();
        if (value.isUndefined())
            grade.remove(key);
        else
            grade[key] = value;
        grades[0] = grade;
        scale["notlar"] = grades;
        scales[0] = scale;
        d["diger_olcekler"] = scales;
    });
}

QByteArray withFirstScale(const QString& key, const QJsonValue& value) {
    return changed([&](QJsonObject& d) {
        QJsonArray scales = d["diger_olcekler"].toArray();
        QJsonObject scale = scales[0].toObject();
        if (value.isUndefined())
            scale.remove(key);
        else
            scale[key] = value;
        scales[0] = scale;
        d["diger_olcekler"] = scales;
    });
}

QByteArray withSecondScaleGrades(const QJsonArray& grades) {
    return changed([&](QJsonObject& d) {
        QJsonArray scales = d["diger_olcekler"].toArray();
        QJsonObject scale = scales[1].toObject();
        scale["notlar"] = grades;
        scales[1] = scale;
        d["diger_olcekler"] = scales;
    });
}

QJsonArray numericGrades(int count) {
    QJsonArray grades;
    for (int i = 0; i < count; ++i)
        grades.append(QJsonObject{{"sayisal_not", count - i}, {"durum", i == count - 1 ? "Kalır" : "Geçer"}});
    return grades;
}

} // namespace

class TestScaleFile : public QObject {
    Q_OBJECT
private slots:
    void writtenFilesReadBackTheSame();
    void gradesAreKeptFromTheHighestDown();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void tenThousandAndOneGradesAreAllowed();
    void hugeFilesAreRefusedUnread();
    void savingWritesTheWholeFile();
    void libraryHoldsRealSourcedScales();
    void libraryIsShippedReadOnlyInTheApplicationFolder();
};

void TestScaleFile::writtenFilesReadBackTheSame() {
    const ReadResult first = ParseScaleFile(bytesOf(validDocument()));
    QVERIFY2(first.ok(), qPrintable(first.error));
    QCOMPARE(first.file->otherScales.size(), 2);
    QCOMPARE(first.file->homeScales.size(), 1);
    QCOMPARE(first.file->otherScales[1].grades[1].value, 50.5);
    QVERIFY(first.file->otherScales[1].grades[1].letter.isEmpty()); // numeric: values only

    const ReadResult again = ParseScaleFile(WriteScaleFile(*first.file));
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(*again.file, *first.file);

    // Values that have no short decimal form survive the text of the file.
    ScaleFile odd = *first.file;
    odd.otherScales[1].grades[0].value = 0.1 + 0.2;
    odd.otherScales[1].grades[1].value = 1e-9;
    odd.otherScales[1].grades[2].value = -123456.789012345;
    const ReadResult exact = ParseScaleFile(WriteScaleFile(odd));
    QVERIFY2(exact.ok(), qPrintable(exact.error));
    QCOMPARE(*exact.file, odd);
    QVERIFY(WriteScaleFile(odd).contains("\"surum\": 1"));
}

void TestScaleFile::gradesAreKeptFromTheHighestDown() {
    const QByteArray bytes = changed([](QJsonObject& d) {
        QJsonArray scales = d["diger_olcekler"].toArray();
        QJsonObject scale = scales[0].toObject();
        const QJsonArray grades = scale["notlar"].toArray();
        scale["notlar"] = QJsonArray{grades[2], grades[0], grades[1]};
        scales[0] = scale;
        d["diger_olcekler"] = scales;
    });
    const ReadResult read = ParseScaleFile(bytes);
    QVERIFY2(read.ok(), qPrintable(read.error));
    const QVector<Grade>& grades = read.file->otherScales[0].grades;
    QCOMPARE(grades[0].letter, QStringLiteral("A"));
    QCOMPARE(grades[2].letter, QStringLiteral("F"));
}

void TestScaleFile::badFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray valid = bytesOf(validDocument());
    QTest::newRow("empty") << QByteArray() << "ZENDARO ölçek dosyası değil ya da yarıda kesilmiş";
    QTest::newRow("truncated") << valid.left(valid.size() / 2) << "yarıda kesilmiş";
    QTest::newRow("not json") << QByteArray("AA 4\nBA 3,5\n") << "yarıda kesilmiş";
    QTest::newRow("json array") << QByteArray("[1, 2]") << "ZENDARO ölçek dosyası değil.";
    QTest::newRow("other format") << changed([](QJsonObject& d) { d["bicim"] = "BASKA"; })
                                  << "ZENDARO ölçek dosyası değil.";
    QTest::newRow("no version") << changed([](QJsonObject& d) { d.remove("surum"); }) << "biçim sürümü";
    QTest::newRow("version as text") << changed([](QJsonObject& d) { d["surum"] = "1"; }) << "biçim sürümü";
    QTest::newRow("version 1.5") << changed([](QJsonObject& d) { d["surum"] = 1.5; }) << "biçim sürümü";
    QTest::newRow("newer version") << changed([](QJsonObject& d) { d["surum"] = 2; })
                                   << "daha yeni bir sürümüyle yazılmış (biçim sürümü 2)";
    QTest::newRow("no scales") << changed([](QJsonObject& d) {
        d.remove("diger_olcekler");
        d.remove("dornela_olcekleri");
    }) << "hiç ölçek yok";
    QTest::newRow("scales not a list") << changed([](QJsonObject& d) { d["diger_olcekler"] = "x"; })
                                       << "“diger_olcekler” alanı liste olmalı";
    QTest::newRow("scale not an object")
        << changed([](QJsonObject& d) { d["diger_olcekler"] = QJsonArray{1}; })
        << "1. ölçek: bir nesne olmalı";
    QTest::newRow("missing name") << withFirstScale("olcek_adi", QJsonValue::Undefined)
                                  << "1. ölçek: “olcek_adi” alanı eksik";
    QTest::newRow("blank name") << withFirstScale("olcek_adi", "   ") << "ölçek adı boş";
    QTest::newRow("long name") << withFirstScale("olcek_adi", QString(41, 'x')) << "40 karakterden uzun";
    QTest::newRow("name a number") << withFirstScale("olcek_adi", 7) << "“olcek_adi” alanı metin olmalı";
    QTest::newRow("unknown system") << withFirstScale("not_sistemi", "Yüzde")
                                    << "1. ölçek (“Harfler”): not sistemi";
    QTest::newRow("missing grades") << withFirstScale("notlar", QJsonValue::Undefined)
                                    << "“notlar” alanı eksik";
    QTest::newRow("no grades") << withFirstScale("notlar", QJsonArray()) << "hiç not yok";
    QTest::newRow("source not text") << withFirstScale("kaynak", QJsonArray())
                                     << "“kaynak” alanı metin olmalı";
    QTest::newRow("missing value") << withFirstGrade("sayisal_not", QJsonValue::Undefined)
                                   << "(“Harfler”), 1. not: “sayisal_not” alanı eksik";
    QTest::newRow("value as text") << withFirstGrade("sayisal_not", "4") << "“sayisal_not” alanı sayı olmalı";
    QTest::newRow("value true") << withFirstGrade("sayisal_not", true) << "“sayisal_not” alanı sayı olmalı";
    QTest::newRow("missing status") << withFirstGrade("durum", QJsonValue::Undefined)
                                    << "“durum” alanı eksik";
    QTest::newRow("unknown status") << withFirstGrade("durum", "GEÇTİ")
                                    << "durum “Geçer” ya da “Kalır” olmalı";
    QTest::newRow("missing letter") << withFirstGrade("harf_notu", QJsonValue::Undefined)
                                    << "harf notu boş ya da eksik";
    QTest::newRow("letter a number") << withFirstGrade("harf_notu", 4) << "“harf_notu” alanı metin olmalı";
    QTest::newRow("duplicate value") << withFirstGrade("sayisal_not", 3) << "3 değeri iki kez var";
    QTest::newRow("duplicate value at 15 digits")
        << withFirstGrade("sayisal_not", 3.0000000000000004) << "3 değeri iki kez var";
    QTest::newRow("duplicate letter") << withFirstGrade("harf_notu", "b") << "“B” harf notu iki kez var";
    QTest::newRow("pass below fail") << withFirstGrade("sayisal_not", -1)
                                     << "geçer not -1, kalır not 0 değerinden düşük";
    QTest::newRow("no fail grade") << withSecondScaleGrades(
                                          QJsonArray{QJsonObject{{"sayisal_not", 1}, {"durum", "Geçer"}}})
                                   << "2. ölçek (“Yüzlük”): ölçekte kalır not yok";
    QTest::newRow("no pass grade") << withSecondScaleGrades(
                                          QJsonArray{QJsonObject{{"sayisal_not", 1}, {"durum", "Kalır"}}})
                                   << "2. ölçek (“Yüzlük”): ölçekte geçer not yok";
    QTest::newRow("infinite value") << QByteArray(valid).replace("50.5", "1e999") << "yarıda kesilmiş";
    QTest::newRow("nan value") << QByteArray(valid).replace("50.5", "NaN") << "yarıda kesilmiş";
    QTest::newRow("10002 grades") << withSecondScaleGrades(numericGrades(10002))
                                  << "2. ölçek (“Yüzlük”): ölçekte 10.001 nottan fazla not var";
    QTest::newRow("unknown level") << changed([](QJsonObject& d) {
        d["dornela_olcekleri"] =
            QJsonArray{QJsonObject{{"olcek_adi", "X"}, {"egitim_duzeyi", "Lise"}, {"max_KN", 2}}};
    }) << "1. Dornela ölçeği (“X”): eğitim düzeyi";
    QTest::newRow("home max fail 1") << changed([](QJsonObject& d) {
        d["dornela_olcekleri"] =
            QJsonArray{QJsonObject{{"olcek_adi", "X"}, {"egitim_duzeyi", "Lisans"}, {"max_KN", 1}}};
    }) << "“max_KN” 2 (CC) ya da 1,5 (DC) olmalı";
}

void TestScaleFile::badFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const ReadResult read = ParseScaleFile(bytes);
    QVERIFY(!read.ok());
    QVERIFY2(read.error.startsWith(RefusalHeading()), qPrintable(read.error));
    QVERIFY2(read.error.contains(reason), qPrintable(read.error));
}

void TestScaleFile::tenThousandAndOneGradesAreAllowed() {
    const ReadResult read = ParseScaleFile(withSecondScaleGrades(numericGrades(MaxGradesPerScale)));
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.file->otherScales[1].grades.size(), 10001);
}

void TestScaleFile::hugeFilesAreRefusedUnread() {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.zolcek")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(MaxFileBytes + 1)); // sparse: nothing is written
    file.close();
    const ReadResult read = ReadScaleFile(file.fileName());
    QVERIFY(!read.ok());
    QVERIFY2(read.error.contains(QStringLiteral("çok büyük")), qPrintable(read.error));

    const ReadResult missing = ReadScaleFile(dir.filePath(QStringLiteral("yok.zolcek")));
    QVERIFY(!missing.ok());
    QVERIFY2(missing.error.contains(QStringLiteral("“yok.zolcek” dosyası açılamadı")),
             qPrintable(missing.error));
}

void TestScaleFile::savingWritesTheWholeFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("olcekler.zolcek"));
    const ScaleFile file = *ParseScaleFile(bytesOf(validDocument())).file;
    QVERIFY(SaveScaleFile(path, file).isEmpty());
    const ReadResult read = ReadScaleFile(path);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(*read.file, file);

    // A place that cannot be written (a folder of that name): the reason comes back.
    const QString folder = dir.filePath(QStringLiteral("klasor.zolcek"));
    QVERIFY(QDir().mkdir(folder));
    const QString failure = SaveScaleFile(folder, file);
    QVERIFY2(failure.contains(QStringLiteral("“klasor.zolcek” dosyası yazılamadı")), qPrintable(failure));
    QVERIFY(QFileInfo(folder).isDir());
}

void TestScaleFile::libraryHoldsRealSourcedScales() {
    const ReadResult read = ReadScaleFile(libraryPath());
    QVERIFY2(read.ok(), qPrintable(read.error));
    const QVector<OtherScale>& scales = read.file->otherScales;
    QVERIFY2(scales.size() >= 30, qPrintable(QString::number(scales.size())));
    QSet<QString> names;
    QSet<QString> countries;
    for (const OtherScale& scale : scales) {
        QVERIFY2(!scale.country.isEmpty() && !scale.source.isEmpty() && !scale.note.isEmpty(),
                 qPrintable(scale.name));
        QVERIFY2(!names.contains(scale.name), qPrintable(scale.name));
        names.insert(scale.name);
        countries.insert(scale.country);
    }
    for (const char* country : {"Avrupa Yükseköğretim Alanı",
                                "Amerika Birleşik Devletleri",
                                "Birleşik Krallık",
                                "Almanya",
                                "Avusturya",
                                "İsviçre",
                                "Fransa",
                                "Belçika",
                                "İtalya",
                                "İspanya",
                                "Portekiz",
                                "Hollanda",
                                "Polonya",
                                "Rusya",
                                "Ukrayna",
                                "Yunanistan",
                                "Türkiye",
                                "Azerbaycan",
                                "Kazakistan",
                                "İran",
                                "Çin",
                                "Hindistan"})
        QVERIFY2(countries.contains(QString::fromUtf8(country)), country);
}

void TestScaleFile::libraryIsShippedReadOnlyInTheApplicationFolder() {
    const QString shipped = QStringLiteral(ZENDARO_APP_DIR "/KUTUPHANE.zolcek");
    QFile copy(shipped);
    QFile source(libraryPath());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), source.readAll());
    QVERIFY(!(QFileInfo(shipped).permissions() &
              (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)));
}

QTEST_GUILESS_MAIN(TestScaleFile)
#include "tst_scalefile.moc"
