#include "ConversionFixture.h"
#include "RecordingMessages.h"
#include "conversion/ConvertGrade.h"
#include "conversion/NumberText.h"

#include <QtTest>

using namespace zendaro;
using namespace zendaro::test;

using Outcome = ConversionResult::Outcome;
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(ConversionVariant)

namespace {

// The messages, written out here as the user reads them.
const QString M1 = QStringLiteral("LÜTFEN DEĞİŞTİRİLECEK NOTU GİRİNİZ...");
const QString M2 =
    QStringLiteral("GİRDİĞİNİZ NOT SAYISAL BİR NOT DEĞİL...LÜTFEN GEÇERLİ BİR SAYISAL NOT GİRİNİZ...");
QString M3(const QString& scale) {
    return QStringLiteral("Girmiş olduğunuz not %1 adlı not ölçeğinde bulunamadı...").arg(scale);
}
const QString M4 =
    QStringLiteral("DORNELA SAYISAL NOTUNA YUVARLAMA İŞLEMİNDE HATA OLUŞTU. LÜTFEN TEKRAR DENEYİNİZ...");
const QString M5 = QStringLiteral(
    "DORNELA SAYISAL NOTU HARF NOTU İLE EŞLEŞTİRİLİRKEN HATA OLUŞTU. LÜTFEN TEKRAR DENEYİNİZ...");
const QString FormulaMessage = QStringLiteral("FORMÜL HATASI. LÜTFEN TEKRAR DENEYİNİZ...");

RegionalSettings settingsNamed(const QString& name) {
    if (name == QLatin1String("en"))
        return RegionalSettings::english();
    if (name == QLatin1String("posix")) // "." and no thousands separator
        return {QStringLiteral("."), QString()};
    return RegionalSettings::turkish();
}

QString currentLetter(const DataView& view) {
    return view.CurrentRow() < 0 ? QString() : view.Field(QStringLiteral("harf_notu")).toString();
}

constexpr auto OneToOne = ConversionVariant::OneToOne;
constexpr auto Batch = ConversionVariant::Batch;

} // namespace

class TestConvertGrade : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> db_; // read only: shared by every case

private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }
    void cleanupTestCase() { db_.reset(); }

    void convert_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<ConversionVariant>("variant");
        QTest::addColumn<qint64>("otherScale");
        QTest::addColumn<qint64>("homeScale");
        QTest::addColumn<QString>("input");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("inputText"); // the input box afterwards
        QTest::addColumn<QString>("letter");    // home letter when converted
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message"); // empty: no message
        QTest::addColumn<QString>("grade");   // the other scale's current grade afterwards

        const auto ok = [](const char* name, const QString& settings, ConversionVariant variant, qint64 other,
                           qint64 home, const QString& input, const QString& inputText, const QString& letter,
                           bool passed, const QString& caption, const QString& grade) {
            QTest::newRow(name) << settings << variant << other << home << input << Outcome::Converted
                                << inputText << letter << passed << QStringLiteral("Sayısal Not: ") + caption
                                << QString() << grade;
        };
        const auto refused = [](const char* name, const QString& settings, ConversionVariant variant,
                                qint64 other, const QString& input, const QString& inputText,
                                const QString& message) {
            QTest::newRow(name) << settings << variant << other << fixture::HomeLadder << input
                                << Outcome::FocusInput << inputText << QString() << false << QString()
                                << message << QString();
        };
        const auto stopped = [](const char* name, qint64 other, qint64 home, const QString& input,
                                const QString& message, const QString& grade) {
            QTest::newRow(name) << QStringLiteral("tr") << OneToOne << other << home << input
                                << Outcome::Stopped << input << QString() << false << QString() << message
                                << grade;
        };
        using namespace fixture;
        const QString tr = QStringLiteral("tr"), en = QStringLiteral("en");

        // The worked example and the pass steps of the letter scale: AA, BA, BA, BB, CB.
        ok("worked example: two spaces and BA", tr, OneToOne, Letters, HomeLadder, "  BA", "BA", "BA", true,
           "3,63", "BA");
        ok("AA step 0", tr, OneToOne, Letters, HomeLadder, "AA", "AA", "AA", true, "4,00", "AA");
        ok("BB step 2: 3.25 to BA", tr, OneToOne, Letters, HomeLadder, "BB", "BB", "BA", true, "3,25", "BB");
        ok("CB step 3: 2.88 to BB", tr, OneToOne, Letters, HomeLadder, "CB", "CB", "BB", true, "2,88", "CB");
        ok("CC step 4: 2.5 to CB", tr, OneToOne, Letters, HomeLadder, "CC", "CC", "CB", true, "2,50", "CC");
        ok("DC fail step 0: red CC", tr, OneToOne, Letters, HomeLadder, "DC", "DC", "CC", false, "2,00",
           "DC");
        ok("FF fail bottom: red FF", tr, OneToOne, Letters, HomeLadder, "FF", "FF", "FF", false, "0,00",
           "FF");
        ok("letter in another case", tr, OneToOne, Letters, HomeLadder, "ba", "ba", "BA", true, "3,63", "BA");
        ok("batch converts a letter too", tr, Batch, Letters, HomeLadder, " BA ", "BA", "BA", true, "3,63",
           "BA");
        ok("home status in small letters", tr, OneToOne, Letters, HomeLowercaseStatus, "BA", "BA", "BA", true,
           "3,63", "BA");

        // A number typed for a letter scale (one-to-one only).
        ok("number names its letter", tr, OneToOne, Letters, HomeLadder, "3,5", "BA", "BA", true, "3,63",
           "BA");
        ok("number with a full stop", tr, OneToOne, Letters, HomeLadder, "3.5", "BA", "BA", true, "3,63",
           "BA");
        ok("number on HARF NOTU scale", tr, OneToOne, SingleBlocks, HomeLadder, "10", "A", "AA", true, "4,00",
           "A");
        refused("number no grade has", tr, OneToOne, Letters, "9", "9", M3(QStringLiteral("Harf Ölçeği")));
        refused("batch searches a number as a letter", tr, Batch, Letters, "4", "4",
                M3(QStringLiteral("Harf Ölçeği")));
        refused("batch: 3.5 becomes 3,5 and is no letter", tr, Batch, Letters, "3.5", "3,5",
                M3(QStringLiteral("Harf Ölçeği")));

        // Blocks of one grade give the block's top whatever the step.
        ok("single pass grade", tr, OneToOne, SingleBlocks, HomeLadder, "A", "A", "AA", true, "4,00", "A");
        ok("single fail grade", tr, OneToOne, SingleBlocks, HomeLadder, "F", "F", "CC", false, "2,00", "F");

        // Numeric scales.
        ok("grade 73 of 51 pass grades", tr, OneToOne, Hundred, HomeLadder, "73", "73", "BB", true, "3,19",
           "73");
        ok("085 is 85", tr, OneToOne, Hundred, HomeLadder, "085", "085", "BA", true, "3,55", "85");
        ok("-0 is 0", tr, OneToOne, Hundred, HomeLadder, "-0", "-0", "FF", false, "0,00", "0");
        ok("3.5 becomes 3,5", tr, OneToOne, FiveTurkish, HomeLadder, "3.5", "3,5", "BB", true, "2,88", "3,5");
        ok("3,50 finds 3,5", tr, OneToOne, FiveTurkish, HomeLadder, "3,50", "3,50", "BB", true, "2,88",
           "3,5");
        ok("batch: 3.5 becomes 3,5 under Turkish settings", tr, Batch, FiveTurkish, HomeLadder, "3.5", "3,5",
           "BB", true, "2,88", "3,5");
        ok("English one-to-one: 3,5 becomes 3.5", en, OneToOne, FiveEnglish, HomeLadder, "3,5", "3.5", "BB",
           true, "2.88", "3.5");
        ok("English caption", en, OneToOne, Hundred, HomeLadder, "73", "73", "BB", true, "3.19", "73");
        ok("no thousands separator: nothing replaced", QStringLiteral("posix"), OneToOne, FiveEnglish,
           HomeLadder, "3.5", "3.5", "BB", true, "2.88", "3.5");
        // Grouping separators are ignored wherever they stand in the whole part.
        refused("English batch: 3.5 becomes 3,5, which is 35", en, Batch, FiveEnglish, "3.5", "3,5",
                M3(QStringLiteral("Five")));
        refused("letters on a numeric scale", tr, OneToOne, Hundred, "AB", "AB", M2);
        refused("inf is no number", tr, OneToOne, Hundred, "inf", "inf", M2);
        refused("nan is no number", tr, OneToOne, Hundred, "nan", "nan", M2);
        refused("1e999 is no number", tr, OneToOne, Hundred, "1e999", "1e999", M2);
        refused("grade outside the scale", tr, OneToOne, Hundred, "101", "101", M3(QStringLiteral("Yüzlük")));

        // Empty input, unknown letters and quotes.
        refused("empty", tr, OneToOne, Letters, "", "", M1);
        refused("spaces only", tr, OneToOne, Letters, "   ", "", M1);
        refused("batch spaces only", tr, Batch, Hundred, "  ", "", M1);
        refused("unknown letter", tr, OneToOne, Letters, "ZZ", "ZZ", M3(QStringLiteral("Harf Ölçeği")));
        refused("a quote is a character", tr, OneToOne, Letters, "A'", "A'",
                M3(QStringLiteral("Harf Ölçeği")));
        refused("a quote cannot widen the search", tr, OneToOne, Letters, "' OR '1'='1", "' OR '1'='1",
                M3(QStringLiteral("Harf Ölçeği")));

        // Failures after the grade was found: the grade stays current.
        stopped("formula failure", BrokenStatus, HomeLadder, "X", FormulaMessage, "X");
        stopped("M4: the reduced value is not finite", Letters, HomeTopAtDoubleMax, "AA", M4, "AA");
        stopped("M5: home scale without 3.5", Letters, HomeWithoutBA, "BA", M5, "BA");
    }

    void convert() {
        QFETCH(QString, settings);
        QFETCH(ConversionVariant, variant);
        QFETCH(qint64, otherScale);
        QFETCH(qint64, homeScale);
        QFETCH(QString, input);
        QFETCH(Outcome, outcome);
        QFETCH(QString, inputText);
        QFETCH(QString, letter);
        QFETCH(bool, passed);
        QFETCH(QString, caption);
        QFETCH(QString, message);
        QFETCH(QString, grade);

        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(otherScale, homeScale);
        const int gradeRowBefore = w.otherGrades.CurrentRow();
        QWidget window;
        const ConversionResult r = ConvertGrade(input, variant, w.views, settingsNamed(settings), &window);

        QCOMPARE(r.outcome, outcome);
        QCOMPARE(r.inputText, inputText);
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            const RecordedMessage& m = messages.messages.first();
            QCOMPARE(m.owner.data(), &window);
            // M1-M3 in the program's own box with "Tamam" and the stop icon;
            // the failures after the formula in the plain box.
            QCOMPARE(m.plain, outcome == Outcome::Stopped);
            if (!m.plain) {
                QCOMPARE(m.style, StyleOk);
                QCOMPARE(m.icon, IconStop);
            }
        }
        if (outcome == Outcome::Converted) {
            QCOMPARE(r.homeLetter, letter);
            QCOMPARE(r.passed, passed);
            QCOMPARE(r.colour, passed ? QColor(0, 128, 0) : QColor(255, 0, 0));
            QCOMPARE(r.numericCaption, caption);
            QCOMPARE(currentLetter(w.homeGrades), letter);
        }
        if (outcome == Outcome::FocusInput)
            QCOMPARE(w.otherGrades.CurrentRow(), gradeRowBefore); // no data view moved
        else
            QCOMPARE(currentLetter(w.otherGrades), grade);
    }

    // The caption shows V with two decimals; the letter is that of R.
    void valueAndRoundedValue() {
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(fixture::Letters, fixture::HomeLadder);
        const auto r =
            ConvertGrade(QStringLiteral("BA"), OneToOne, w.views, RegionalSettings::turkish(), nullptr);
        QCOMPARE(r.value, 3.63);
        QCOMPARE(r.rounded, 3.5);
        QCOMPARE(w.homeGrades.Field(QStringLiteral("sayisal_not")).toDouble(), 3.5);
    }

    // After a conversion the search view is empty again; after a search that
    // found nothing it keeps that search.
    void searchViewAfterwards() {
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(fixture::Letters, fixture::HomeLadder);
        ConvertGrade(QStringLiteral("3,5"), OneToOne, w.views, RegionalSettings::turkish(), nullptr);
        QCOMPARE(w.search.RecordSource(), QString());
        QCOMPARE(w.search.RecordCount(), 0);

        ConvertGrade(QStringLiteral("ZZ"), OneToOne, w.views, RegionalSettings::turkish(), nullptr);
        QVERIFY(w.search.RecordSource().contains(QStringLiteral("diger_notlar")));
        QCOMPARE(w.search.RecordCount(), 0);

        w.choose(fixture::Letters, fixture::HomeWithoutBA);
        ConvertGrade(QStringLiteral("BA"), OneToOne, w.views, RegionalSettings::turkish(), nullptr);
        QVERIFY(w.search.RecordSource().contains(QStringLiteral("dornela_notlar")));
        QCOMPARE(w.search.RecordCount(), 0);
    }

    // A grade list that does not hold the found grade (not refreshed for the
    // chosen scale) must not convert whatever grade happens to be current.
    void staleGradeListConvertsNothing() {
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(fixture::Letters, fixture::HomeLadder);
        w.otherGrades.SetRecordSource(QStringLiteral("SELECT * FROM diger_notlar where olcek_id=2"));
        w.otherGrades.Refresh();
        const int before = w.otherGrades.CurrentRow();
        const auto r =
            ConvertGrade(QStringLiteral("BA"), OneToOne, w.views, RegionalSettings::turkish(), nullptr);
        QCOMPARE(r.outcome, Outcome::FocusInput);
        QCOMPARE(messages.texts(), QStringList{M3(QStringLiteral("Harf Ölçeği"))});
        QCOMPARE(w.otherGrades.CurrentRow(), before);
    }

    // Without a chosen scale there is nothing to convert with.
    void noChosenScale() {
        RecordingMessages messages;
        ConversionWindowViews w(db_->path());
        w.choose(fixture::Letters, fixture::HomeLadder);
        w.homeScales.SetCurrentRow(-1);
        const auto r =
            ConvertGrade(QStringLiteral("BA"), OneToOne, w.views, RegionalSettings::turkish(), nullptr);
        QCOMPARE(r.outcome, Outcome::Stopped);
        QCOMPARE(messages.texts(), QStringList{FormulaMessage});
    }

    void normaliseInput_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<ConversionVariant>("variant");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Turkish one-to-one") << "tr" << OneToOne << " 3.5  "
                                            << "3,5";
        QTest::newRow("English one-to-one") << "en" << OneToOne << "3,5"
                                            << "3.5";
        QTest::newRow("English one-to-one keeps the full stop") << "en" << OneToOne << "3.5"
                                                                << "3.5";
        QTest::newRow("Turkish batch") << "tr" << Batch << "3.5"
                                       << "3,5";
        QTest::newRow("English batch") << "en" << Batch << "3.5"
                                       << "3,5";
        QTest::newRow("English batch keeps the comma") << "en" << Batch << "3,5"
                                                       << "3,5";
        QTest::newRow("empty thousands separator") << "posix" << OneToOne << "3,5"
                                                   << "3,5";
        QTest::newRow("every occurrence") << "tr" << OneToOne << "1.2.3"
                                          << "1,2,3";
    }
    void normaliseInput() {
        QFETCH(QString, settings);
        QFETCH(ConversionVariant, variant);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(NormaliseGradeInput(input, variant, settingsNamed(settings)), expected);
    }

    // How a numeric scale stores its grades' texts and how captions read.
    void numberTexts_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shortest");
        QTest::addColumn<QString>("twoDecimals");
        QTest::newRow("85.5") << "tr" << 85.5 << "85,5"
                              << "85,50";
        QTest::newRow("85") << "tr" << 85.0 << "85"
                            << "85,00";
        QTest::newRow("no grouping in the shortest form") << "tr" << 1234567.0 << "1234567"
                                                          << "1.234.567,00";
        QTest::newRow("15 significant digits") << "tr" << 0.1 + 0.2 << "0,3"
                                               << "0,30";
        QTest::newRow("negative zero") << "tr" << -0.0 << "0"
                                       << "0,00";
        QTest::newRow("English") << "en" << 3.625 << "3.625"
                                 << "3.63";
    }
    void numberTexts() {
        QFETCH(QString, settings);
        QFETCH(double, value);
        QFETCH(QString, shortest);
        QFETCH(QString, twoDecimals);
        QCOMPARE(ShortestNumberText(value, settingsNamed(settings)), shortest);
        QCOMPARE(TwoDecimalText(value, settingsNamed(settings)), twoDecimals);
    }
};

QTEST_MAIN(TestConvertGrade)
#include "tst_convertgrade.moc"
