// Every scale of the shipped library, added through the editor's save, is a
// sound stored other scale, converts as its source says, and comes back from
// the database as it went in.
#include "ConversionFixture.h"
#include "HomeScaleFixtures.h"
#include "OtherScaleChecks.h"
#include "RecordingMessages.h"
#include "TestDatabase.h"
#include "conversion/NumberText.h"
#include "library/ScaleFile.h"
#include "otherscale/OtherScaleExchange.h"
#include "store/DataView.h"
#include "store/Queries.h"

#include <QHash>
#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

namespace {

const RegionalSettings turkish = RegionalSettings::turkish();

// The text a user types for a grade: its letter, or its value the Turkish way.
QString typed(const library::OtherScale& scale, const library::Grade& grade) {
    return scale.letterSystem() ? grade.letter : ShortestNumberText(grade.value, turkish);
}

} // namespace

class TestLibraryScales : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyScaleIsStoredSound();
    void everyGradeIsFoundByWhatTheUserTypes();
    void gradesConvertToTheExpectedHomeLetters_data();
    void gradesConvertToTheExpectedHomeLetters();
    void storedScalesReadBackAsTheyWentIn();

private:
    TestDatabase db_{QString::fromUtf8(LisansHomeScale)};
    QVector<library::OtherScale> library_;
    QHash<QString, qint64> ids_; // library name -> stored id
};

void TestLibraryScales::initTestCase() {
    const library::ReadResult read =
        library::ReadScaleFile(QStringLiteral(ZENDARO_SOURCE_DIR "/data/library/KUTUPHANE.zolcek"));
    QVERIFY2(read.ok(), qPrintable(read.error));
    library_ = read.file->otherScales;

    RecordingMessages messages;
    DataView scales;
    DataView grades;
    scales.SetDatabaseName(db_.path());
    grades.SetDatabaseName(db_.path());
    scales.SetRecordSource(queries::Q3());
    scales.Refresh();
    for (const library::OtherScale& scale : library_) {
        const OtherSaveResult saved = AddOtherScale(scales, grades, scale, scale.name, turkish, nullptr);
        QVERIFY2(saved.saved, qPrintable(scale.name + messages.texts().join('\n')));
        ids_.insert(scale.name, saved.id);
    }
    // The max fail grade is a grade of every scale: the save asked nothing.
    QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.texts().join('\n')));
}

void TestLibraryScales::everyScaleIsStoredSound() {
    const QStringList violations = otherScaleViolations(db_.path());
    QVERIFY2(violations.isEmpty(), qPrintable(violations.join('\n')));
    for (const library::OtherScale& scale : library_) {
        const qint64 id = ids_.value(scale.name);
        const auto field = [&](const char* name) {
            return db_.scalar(
                QStringLiteral("SELECT %1 FROM diger_olcek WHERE id=%2").arg(QLatin1String(name)).arg(id));
        };
        QCOMPARE(field("olcek_adi").toString(), scale.name);
        QCOMPARE(field("not_sistemi").toString(), scale.system);
        QCOMPARE(field("Gecer_Not_Sayisi").toInt(), scale.passCount());
        QCOMPARE(field("Kalir_Not_Sayisi").toInt(), scale.grades.size() - scale.passCount());
        QCOMPARE(field("Max_GN").toDouble(), scale.grades.first().value);
        QCOMPARE(field("Max_KN").toDouble(), scale.maxFail());
        QCOMPARE(field("Min_KN").toDouble(), scale.grades.last().value);
    }
}

// Typing any grade of any library scale finds that very grade: no letter of
// a letter scale reads as the value of another of its grades.
void TestLibraryScales::everyGradeIsFoundByWhatTheUserTypes() {
    ConversionWindowViews views(db_.path());
    for (const library::OtherScale& scale : library_) {
        views.choose(ids_.value(scale.name), 1);
        for (const library::Grade& grade : scale.grades) {
            const GradeConversion result =
                ConvertGradeQuietly(typed(scale, grade), ConversionVariant::OneToOne, views.views, turkish);
            const QString where = scale.name + QStringLiteral(": ") + typed(scale, grade);
            QVERIFY2(result.converted(), qPrintable(where));
            QVERIFY2(result.gradeValue == grade.value, qPrintable(where));
            QVERIFY2(result.passed == grade.pass, qPrintable(where));
        }
    }
}

void TestLibraryScales::gradesConvertToTheExpectedHomeLetters_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("letter");
    // Pass block of n grades: step k lands at 4 - 1.5 k/(n-1); fail block at 2 - 2 k/(n-1).
    const auto row = [](const char* scale, const char* grade, const char* letter) {
        QTest::addRow("%s %s", scale, grade)
            << QString::fromUtf8(scale) << QString::fromUtf8(grade) << letter;
    };
    row("AKTS (ECTS) A–F", "A", "AA");
    row("AKTS (ECTS) A–F", "C", "BA"); // 3.25
    row("AKTS (ECTS) A–F", "E", "CB");
    row("AKTS (ECTS) A–F", "FX", "CC");
    row("AKTS (ECTS) A–F", "F", "FF");
    row("ABD Harf Notu (4.0)", "B", "BA"); // 3.55
    row("ABD Harf Notu (4.0)", "D-", "CB");
    row("Birleşik Krallık Derece Sınıfları", "2:1", "BA"); // 3.5
    row("Birleşik Krallık Derece Sınıfları", "Fail", "CC");
    row("Almanya 1,0–5,0", "1,0", "AA");
    row("Almanya 1,0–5,0", "2,3", "BA"); // 3.33
    row("Almanya 1,0–5,0", "4,0", "CB");
    row("Almanya 1,0–5,0", "5,0", "CC");
    row("Avusturya 1–5", "2", "BA"); // 3.5
    row("Avusturya 1–5", "5", "CC");
    row("İsviçre 6'lık", "4", "CB");
    row("İsviçre 6'lık", "3,5", "CC");
    row("İtalya 30'luk (30 e lode)", "30 e lode", "AA");
    row("İtalya 30'luk (30 e lode)", "18", "CB");
    row("İtalya 30'luk (30 e lode)", "Respinto", "CC");
    row("İspanya 10'luk", "7,5", "BA"); // 3.25
    row("İspanya 10'luk", "5", "CB");
    row("İspanya 10'luk", "4,9", "CC");
    row("Fransa 20'lik", "10", "CB");
    row("Fransa 20'lik", "0", "FF");
    row("Türkiye 4'lük Harf Notu", "DD", "CB");
    row("Türkiye 4'lük Harf Notu", "FD", "CC");
    row("Türkiye 100'lük", "60", "CB");
    row("Türkiye 100'lük", "59", "CC");
    row("Danimarka 7 Basamak", "02", "CB");
    row("Danimarka 7 Basamak", "-3", "FF");
    row("Kazakistan Harf Notu", "A", "AA");
    row("Kazakistan Harf Notu", "FX", "CC");
}

void TestLibraryScales::gradesConvertToTheExpectedHomeLetters() {
    QFETCH(QString, scale);
    QFETCH(QString, grade);
    QFETCH(QString, letter);
    QVERIFY2(ids_.contains(scale), qPrintable(scale));
    ConversionWindowViews views(db_.path());
    views.choose(ids_.value(scale), 1);
    const GradeConversion result =
        ConvertGradeQuietly(grade, ConversionVariant::OneToOne, views.views, turkish);
    QVERIFY(result.converted());
    QCOMPARE(result.homeLetter, letter);
}

void TestLibraryScales::storedScalesReadBackAsTheyWentIn() {
    for (library::OtherScale scale : library_) {
        const library::OtherScale stored = StoredOtherScale(db_.path(), ids_.value(scale.name));
        // What a file keeps of a scale the database does not hold.
        scale.country.clear();
        scale.source.clear();
        scale.note.clear();
        QCOMPARE(stored, scale);
    }
}

QTEST_MAIN(TestLibraryScales)
#include "tst_libraryscales.moc"
