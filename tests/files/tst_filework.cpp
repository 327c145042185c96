// The working model of a conversion file: every course converted exactly as
// the single-grade conversion converts it, marked against its stored result
// when the scales changed since, totalled, and refused entries leaving the
// file as it was.
#include "ConversionFixture.h"
#include "conversion/CourseList.h"
#include "files/FileWork.h"

#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

Q_DECLARE_METATYPE(CourseMark)
Q_DECLARE_METATYPE(CourseEntryResult::Box)
Q_DECLARE_METATYPE(CourseResult)

namespace {

FileCourse course(const QString& grade, double credit, bool counts = true) {
    FileCourse c;
    c.code = QStringLiteral("K-") + grade;
    c.name = QStringLiteral("Ders ") + grade;
    c.credit = credit;
    c.grade = grade;
    c.counts = counts;
    return c;
}

ConversionFile fileOf(qint64 other, qint64 home, const QVector<FileCourse>& courses) {
    ConversionFile file;
    file.id = 7;
    file.revision = 3;
    file.studentName = QStringLiteral("Ayşe Yılmaz");
    file.otherScaleId = other;
    file.homeScaleId = home;
    file.courses = courses;
    return file;
}

CourseResult result(const QString& letter, double value, const QString& status, bool passed) {
    return CourseResult{true, letter, value, value, status, passed};
}

// The grades of the letter scale of the fixture with their results on the
// home ladder.
const QStringList letterGrades = {"AA", "BA", "BB", "CB", "CC", "DC", "DD", "FF"};

} // namespace

class TestFileWork : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }
    void everyCourseConvertsAsTheSingleConversion_data();
    void everyCourseConvertsAsTheSingleConversion();
    void editedScalesMarkTheCourses_data();
    void editedScalesMarkTheCourses();
    void totalsCountShownResultsAndWeighOnlyCountingCourses();
    void refusedEntriesChangeNothing_data();
    void refusedEntriesChangeNothing();
    void entriesAreReadAsTheCourseListReadsThem();
    void changeInPlaceKeepsTheStoredResultUntilTheSave();
    void changesAreKnownUntilSaved();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestFileWork::everyCourseConvertsAsTheSingleConversion_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<qint64>("home");
    using namespace fixture;
    QTest::newRow("letters") << Letters << HomeLadder;
    QTest::newRow("hundred") << Hundred << HomeLadder;
    QTest::newRow("five, Turkish text") << FiveTurkish << HomeLowercaseStatus;
    QTest::newRow("one grade per block") << SingleBlocks << HomeLadder;
    QTest::newRow("home ladder without BA") << Letters << HomeWithoutBA;
    QTest::newRow("status neither pass nor fail") << BrokenStatus << HomeLadder;
}

void TestFileWork::everyCourseConvertsAsTheSingleConversion() {
    QFETCH(qint64, other);
    QFETCH(qint64, home);
    const RegionalSettings turkish = RegionalSettings::turkish();
    ConversionWindowViews single(db_->path());
    single.choose(other, home);
    QVector<FileCourse> courses;
    for (const QSqlRecord& row : single.otherGrades.Rows()) // every grade twice: shared conversions
        for (int twice = 0; twice < 2; ++twice)
            courses << course(row.value(QStringLiteral("harf_notu")).toString(), 2);
    QVERIFY(!courses.isEmpty());

    FileWork work(db_->path(), turkish);
    work.open(fileOf(other, home, courses));
    QCOMPARE(work.states().size(), courses.size());
    for (int i = 0; i < courses.size(); ++i) {
        const GradeConversion expected =
            ConvertGradeQuietly(courses.at(i).grade, ConversionVariant::Batch, single.views, turkish);
        const CourseState& state = work.states().at(i);
        QCOMPARE(state.now.converted, expected.converted());
        if (!expected.converted()) {
            QCOMPARE(state.mark, CourseMark::Failed); // every grade is in the scale
            continue;
        }
        QCOMPARE(state.mark, CourseMark::None); // nothing was stored: a new course
        QCOMPARE(state.now.homeLetter, expected.homeLetter);
        QCOMPARE(state.now.homeValue, expected.value);
        QCOMPARE(state.now.letterValue, expected.homeLetterValue);
        QCOMPARE(state.now.homeStatus, expected.homeStatus);
        QCOMPARE(state.now.passed, expected.passed);
    }
}

void TestFileWork::editedScalesMarkTheCourses_data() {
    QTest::addColumn<QString>("edit");           // SQL run on the database after the save
    QTest::addColumn<QStringList>("affected");   // the grades whose courses it marks (empty: all)
    QTest::addColumn<CourseMark>("mark");        // their mark on reopening
    QTest::addColumn<CourseResult>("newResult"); // for Changed: the result now

    QTest::newRow("nothing edited") << QString() << QStringList{"AA"} << CourseMark::None
                                    << result("AA", 4, "GEÇER", true);
    QTest::newRow("home letter renamed")
        << "UPDATE dornela_notlar SET harf_notu = 'A1' WHERE olcek_id = 1 AND harf_notu = 'AA'"
        << QStringList{"AA"} << CourseMark::Changed << result("A1", 4, "GEÇER", true);
    QTest::newRow("home status edited")
        << "UPDATE dornela_notlar SET durum = 'KALIR' WHERE olcek_id = 1 AND harf_notu = 'CB'"
        << QStringList{"CC"} << CourseMark::Changed << result("CB", 2.5, "KALIR", false);
    QTest::newRow("other grade moved to another step")
        << "UPDATE diger_notlar SET adim_no = 4 WHERE olcek_id = 1 AND harf_notu = 'AA'" << QStringList{"AA"}
        << CourseMark::Changed << result("CB", 2.5, "GEÇER", true);
    QTest::newRow("grade removed from the other scale")
        << "DELETE FROM diger_notlar WHERE olcek_id = 1 AND harf_notu = 'DD'" << QStringList{"DD"}
        << CourseMark::GradeMissing << CourseResult{};
    QTest::newRow("home grade removed")
        << "DELETE FROM dornela_notlar WHERE olcek_id = 1 AND harf_notu = 'FF'" << QStringList{"FF"}
        << CourseMark::Failed << CourseResult{};
    QTest::newRow("other block count broken")
        << "UPDATE diger_olcek SET Gecer_Not_Sayisi = 0 WHERE id = 1"
        << QStringList{"AA", "BA", "BB", "CB", "CC"} << CourseMark::Failed << CourseResult{};
    QTest::newRow("other scale deleted")
        << "DELETE FROM diger_notlar WHERE olcek_id = 1; DELETE FROM diger_olcek WHERE id = 1"
        << QStringList{} << CourseMark::ScaleMissing << CourseResult{};
    QTest::newRow("home scale deleted")
        << "DELETE FROM dornela_notlar WHERE olcek_id = 1; DELETE FROM dornela_olcek WHERE id = 1"
        << QStringList{} << CourseMark::ScaleMissing << CourseResult{};
}

void TestFileWork::editedScalesMarkTheCourses() {
    QFETCH(QString, edit);
    QFETCH(QStringList, affected);
    QFETCH(CourseMark, mark);
    QFETCH(CourseResult, newResult);
    const TestDatabase db(conversionFixtureSql());
    QVector<FileCourse> courses;
    for (const QString& grade : letterGrades)
        courses << course(grade, 3);

    // Converted and saved on the scales as they were.
    ConversionFile saved;
    {
        FileWork work(db.path(), RegionalSettings::turkish());
        work.open(fileOf(fixture::Letters, fixture::HomeLadder, courses));
        QVERIFY(work.hasChanges()); // the results are not stored yet
        saved = work.forSave();
        work.saved(saved);
        QVERIFY(!work.hasChanges());
        QCOMPARE(saved.otherScaleName, QStringLiteral("Harf Ölçeği"));
        QCOMPARE(saved.homeScaleName, QStringLiteral("Lisans"));
    }
    if (!edit.isEmpty())
        for (const QString& statement : edit.split(QLatin1Char(';')))
            db.exec(statement);

    FileWork work(db.path(), RegionalSettings::turkish());
    work.open(saved);
    for (int i = 0; i < courses.size(); ++i) {
        const CourseState& state = work.states().at(i);
        const CourseResult old = saved.courses.at(i).stored;
        QVERIFY(old.converted);
        QCOMPARE(state.stored, old);
        if (!affected.isEmpty() && !affected.contains(courses.at(i).grade)) {
            QCOMPARE(state.mark, CourseMark::None);
            QCOMPARE(state.now, old);
            continue;
        }
        QCOMPARE(state.mark, mark);
        if (mark == CourseMark::None || mark == CourseMark::Changed) {
            QCOMPARE(state.now, newResult);
            QCOMPARE(state.shown(), newResult);
        } else {
            QVERIFY(!state.now.converted);
            QCOMPARE(state.shown(), old); // the last result stays, marked
        }
    }
    QCOMPARE(work.hasChanges(), mark == CourseMark::Changed);

    // Saving accepts the changes shown; the courses that cannot be converted
    // keep their last result and their mark.
    const ConversionFile next = work.forSave();
    for (int i = 0; i < courses.size(); ++i) {
        const bool changed = work.states().at(i).mark == CourseMark::Changed;
        QCOMPARE(next.courses.at(i).stored, changed ? newResult : saved.courses.at(i).stored);
    }
    work.saved(next);
    QVERIFY(!work.hasChanges());
    for (int i = 0; i < courses.size(); ++i) {
        const CourseMark now = work.states().at(i).mark;
        QVERIFY(now != CourseMark::Changed);
        if (mark != CourseMark::Changed && (affected.isEmpty() || affected.contains(courses.at(i).grade)))
            QCOMPARE(now, mark);
    }
    if (mark == CourseMark::ScaleMissing)
        QCOMPARE(next.otherScaleName + next.homeScaleName, saved.otherScaleName + saved.homeScaleName);
}

void TestFileWork::totalsCountShownResultsAndWeighOnlyCountingCourses() {
    FileCourse kept = course(QStringLiteral("ZZ"), 2); // no longer in the scale: its stored result counts
    kept.stored = result("BB", 3, "GEÇER", true);
    const QVector<FileCourse> courses = {
        course("AA", 3),                 // AA 4, passed
        course("CC", 2),                 // CB 2.5, passed
        course("DC", 4, false),          // CC 2, failed, left out of the average
        course("FF", 1),                 // FF 0, failed
        kept,                            // BB 3 as stored, passed
        course(QStringLiteral("YY"), 5), // never converted: no result at all
    };
    FileWork work(db_->path(), RegionalSettings::turkish());
    work.open(fileOf(fixture::Letters, fixture::HomeLadder, courses));
    QCOMPARE(work.states().at(4).mark, CourseMark::GradeMissing);
    QCOMPARE(work.states().at(5).mark, CourseMark::GradeMissing);

    const FileTotals totals = work.totals();
    QCOMPARE(totals.courses, 6);
    QCOMPARE(totals.passed, 3);
    QCOMPARE(totals.failed, 2);
    QCOMPARE(totals.credit, 17.0);
    QVERIFY(totals.average);
    QCOMPARE(*totals.average, (4 * 3 + 2.5 * 2 + 0 * 1 + 3 * 2) / 8.0);

    // No course that counts has a result: no average.
    work.open(fileOf(fixture::Letters, fixture::HomeLadder, {course("AA", 3, false), course("YY", 2)}));
    QVERIFY(!work.totals().average);
    QCOMPARE(work.totals().passed, 1);
    QCOMPARE(work.totals().credit, 5.0);
    work.open(fileOf(fixture::Letters, fixture::HomeLadder, {}));
    QCOMPARE(work.totals().courses, 0);
    QVERIFY(!work.totals().average);
}

void TestFileWork::refusedEntriesChangeNothing_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<qint64>("home");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("ects");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("message");
    QTest::addColumn<CourseEntryResult::Box>("focus");
    using Box = CourseEntryResult::Box;
    using namespace fixture;
    QTest::newRow("no credit") << Letters << HomeLadder << " "
                               << ""
                               << "AA" << CourseList::EmptyCreditText() << Box::Credit;
    QTest::newRow("credit no number") << Letters << HomeLadder << "iki"
                                      << ""
                                      << "AA" << CourseList::CreditNotPositiveText() << Box::Credit;
    QTest::newRow("credit zero") << Letters << HomeLadder << "0"
                                 << ""
                                 << "AA" << CourseList::CreditNotPositiveText() << Box::Credit;
    QTest::newRow("credit negative") << Letters << HomeLadder << "-2"
                                     << ""
                                     << "AA" << CourseList::CreditNotPositiveText() << Box::Credit;
    QTest::newRow("credit too large") << Letters << HomeLadder << "1000,5"
                                      << ""
                                      << "AA" << CourseList::CreditTooLargeText() << Box::Credit;
    QTest::newRow("ECTS no number") << Letters << HomeLadder << "3"
                                    << "x"
                                    << "AA" << FileWork::EctsNotPositiveText() << Box::Ects;
    QTest::newRow("ECTS zero") << Letters << HomeLadder << "3"
                               << "0"
                               << "AA" << FileWork::EctsNotPositiveText() << Box::Ects;
    QTest::newRow("ECTS too large") << Letters << HomeLadder << "3"
                                    << "1001"
                                    << "AA" << FileWork::EctsTooLargeText() << Box::Ects;
    QTest::newRow("no grade") << Letters << HomeLadder << "3"
                              << ""
                              << "  " << CourseList::EmptyGradeText() << Box::Grade;
    QTest::newRow("grade not in the scale")
        << Letters << HomeLadder << "3"
        << "5"
        << "ZZ" << GradeNotFoundText(QStringLiteral("Harf Ölçeği")) << Box::Grade;
    QTest::newRow("quote in the grade")
        << Letters << HomeLadder << "3"
        << ""
        << "A' OR '1'='1" << GradeNotFoundText(QStringLiteral("Harf Ölçeği")) << Box::Grade;
    QTest::newRow("no number for a numeric scale") << Hundred << HomeLadder << "3"
                                                   << ""
                                                   << "AA" << NotANumberText() << Box::Grade;
    QTest::newRow("home grade missing") << Letters << HomeWithoutBA << "3"
                                        << ""
                                        << "BB" << HomeGradeMissingText() << Box::None;
    QTest::newRow("formula failure") << BrokenStatus << HomeLadder << "3"
                                     << ""
                                     << "X" << FormulaFailureText() << Box::None;
    QTest::newRow("no other scale") << qint64(-1) << HomeLadder << "3"
                                    << ""
                                    << "AA" << FileWork::ScalesNotChosenText() << Box::None;
    // Chosen, but no longer stored: deleted since (by another user).
    QTest::newRow("other scale gone") << qint64(99) << HomeLadder << "3"
                                      << ""
                                      << "AA" << ScaleDeletedText() << Box::None;
}

void TestFileWork::refusedEntriesChangeNothing() {
    QFETCH(qint64, other);
    QFETCH(qint64, home);
    QFETCH(QString, credit);
    QFETCH(QString, ects);
    QFETCH(QString, grade);
    QFETCH(QString, message);
    QFETCH(CourseEntryResult::Box, focus);
    FileWork work(db_->path(), RegionalSettings::turkish());
    FileCourse first = course(QStringLiteral("AA"), 2);
    first.stored = result("AA", 4, "GEÇER", true);
    work.open(fileOf(other, home, {first}));
    const QVector<CourseState> states = work.states();

    const CourseEntry entry{QStringLiteral("MAT101"), QStringLiteral("Analiz"), credit, ects, grade, true};
    for (int row : {-1, 0}) { // adding, then changing the first course
        const CourseEntryResult refused = row < 0 ? work.add(entry) : work.change(row, entry);
        QVERIFY(!refused.done);
        QCOMPARE(refused.message, message);
        QCOMPARE(refused.focus, focus);
        QCOMPARE(work.size(), 1);
        QCOMPARE(work.file().courses.at(0).code, first.code);
        QCOMPARE(work.file().courses.at(0).grade, first.grade);
        QCOMPARE(work.states().at(0).mark, states.at(0).mark);
        QVERIFY(!work.hasChanges());
    }
}

void TestFileWork::entriesAreReadAsTheCourseListReadsThem() {
    FileWork work(db_->path(), RegionalSettings::turkish());
    work.open(fileOf(fixture::FiveTurkish, fixture::HomeLadder, {}));
    // Hostile text is kept exactly; credits with the regional separators;
    // grades as the scale stores them.
    const QString hostile =
        QStringLiteral("'; DROP TABLE diger_olcek; --\t\u202Eabc\x01") + QString(10000, u'ş');
    QVERIFY(
        work.add({hostile, hostile, QStringLiteral(" 2,5 "), QString(), QStringLiteral("4.5"), false}).done);
    QVERIFY(work.add({QString(), QString(), QStringLiteral("1.000"), QStringLiteral("7,5"),
                      QStringLiteral(" 3 "), true})
                .done);
    const FileCourse& a = work.file().courses.at(0);
    QCOMPARE(a.code, hostile);
    QCOMPARE(a.name, hostile);
    QCOMPARE(a.credit, 2.5);
    QVERIFY(!a.ects);
    QCOMPARE(a.grade, QStringLiteral("4,5"));
    QVERIFY(!a.counts);
    const FileCourse& b = work.file().courses.at(1);
    QCOMPARE(b.credit, 1.0); // the thousands separator is read as the decimal one, as in the course list
    QCOMPARE(b.ects, std::optional<double>(7.5));
    QCOMPARE(b.grade, QStringLiteral("3"));
    QVERIFY(work.states().at(0).now.converted);
    QCOMPARE(work.states().at(0).mark, CourseMark::None);

    // Letter grades take the scale's own spelling.
    work.setScales(fixture::Letters, fixture::HomeLadder);
    QCOMPARE(work.states().at(0).mark, CourseMark::GradeMissing); // "4,5" is no letter of that scale
    QVERIFY(
        work.add({QString(), QString(), QStringLiteral("3"), QString(), QStringLiteral("ba"), true}).done);
    QCOMPARE(work.file().courses.at(2).grade, QStringLiteral("BA"));
    QCOMPARE(work.size(), 3);
    work.remove(0);
    work.remove(5); // no such row: nothing
    QCOMPARE(work.size(), 2);
    QCOMPARE(work.states().size(), 2);
    QCOMPARE(work.file().courses.at(1).grade, QStringLiteral("BA"));
}

void TestFileWork::changeInPlaceKeepsTheStoredResultUntilTheSave() {
    FileWork work(db_->path(), RegionalSettings::turkish());
    FileCourse aa = course(QStringLiteral("AA"), 2);
    aa.stored = result("AA", 4, "GEÇER", true);
    work.open(fileOf(fixture::Letters, fixture::HomeLadder, {aa, course("FF", 1)}));
    QVERIFY(!work.change(5, {QString(), QString(), "1", QString(), "AA", true}).done);

    // A new name alone: the result and its mark stay.
    QVERIFY(
        work.change(0, {QStringLiteral("MAT"), QStringLiteral("Yeni Ad"), "2", QString(), "AA", true}).done);
    QCOMPARE(work.states().at(0).mark, CourseMark::None);
    QCOMPARE(work.file().courses.at(0).name, QStringLiteral("Yeni Ad"));
    // Another grade: old and new are both shown until the save.
    QVERIFY(
        work.change(0, {QStringLiteral("MAT"), QStringLiteral("Yeni Ad"), "2", QString(), "DC", true}).done);
    const CourseState& state = work.states().at(0);
    QCOMPARE(state.mark, CourseMark::Changed);
    QCOMPARE(state.stored, aa.stored);
    QCOMPARE(state.now, result("CC", 2, "KALIR", false));
    QCOMPARE(work.size(), 2);
    work.saved(work.forSave());
    QCOMPARE(work.states().at(0).mark, CourseMark::None);
    QCOMPARE(work.file().courses.at(0).stored, result("CC", 2, "KALIR", false));
}

void TestFileWork::changesAreKnownUntilSaved() {
    FileWork work(db_->path(), RegionalSettings::turkish());
    FileCourse aa = course(QStringLiteral("AA"), 2);
    aa.stored = result("AA", 4, "GEÇER", true);
    ConversionFile file = fileOf(fixture::Letters, fixture::HomeLadder, {aa});
    file.otherScaleName = QStringLiteral("Harf Ölçeği");
    file.homeScaleName = QStringLiteral("Lisans");
    work.open(file);
    QVERIFY(!work.hasChanges());

    work.details().note = QStringLiteral("not");
    QVERIFY(work.hasChanges());
    work.details().note.clear();
    QVERIFY(!work.hasChanges());

    work.setScales(fixture::Letters, fixture::HomeWithoutBA); // same result on another home scale
    QVERIFY(work.hasChanges());
    work.setScales(fixture::Letters, fixture::HomeLadder);
    QVERIFY(!work.hasChanges());

    QVERIFY(work.add({QString(), QString(), "1", QString(), "FF", true}).done);
    QVERIFY(work.hasChanges());
    ConversionFile saved = work.forSave();
    saved.revision = 4; // as the store gives it back
    work.saved(saved);
    QVERIFY(!work.hasChanges());
    QCOMPARE(work.file().revision, qint64(4));
    QCOMPARE(work.file().courses.at(1).stored, result("FF", 0, "KALIR", false));
    work.remove(1);
    QVERIFY(work.hasChanges());
}

QTEST_MAIN(TestFileWork)
#include "tst_filework.moc"
