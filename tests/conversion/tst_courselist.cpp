// The course list without its window: every course is converted exactly as
// the single-grade conversion of the batch window converts the same text.
#include "ConversionFixture.h"
#include "RecordingMessages.h"
#include "conversion/CourseList.h"
#include "store/Queries.h"

#include <QTest>

using namespace zendaro;
using namespace zendaro::test;

class TestCourseList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db_ = std::make_unique<TestDatabase>(conversionFixtureSql()); }
    void everyGradeConvertsAsTheSingleConversion_data();
    void everyGradeConvertsAsTheSingleConversion();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TestCourseList::everyGradeConvertsAsTheSingleConversion_data() {
    QTest::addColumn<qint64>("other");
    QTest::addColumn<qint64>("home");
    using namespace fixture;
    QTest::newRow("letters") << Letters << HomeLadder;
    QTest::newRow("hundred") << Hundred << HomeLadder;
    QTest::newRow("five, Turkish text") << FiveTurkish << HomeLowercaseStatus;
    QTest::newRow("one grade per block") << SingleBlocks << HomeLadder;
    QTest::newRow("home ladder without BA") << Letters << HomeWithoutBA;
}

void TestCourseList::everyGradeConvertsAsTheSingleConversion() {
    QFETCH(qint64, other);
    QFETCH(qint64, home);
    RecordingMessages messages;
    const RegionalSettings turkish = RegionalSettings::turkish();
    ConversionWindowViews single(db_->path());
    single.choose(other, home);
    ConversionWindowViews window(db_->path());
    window.choose(other, home);
    CourseList list(window.otherScales, window.homeScales, db_->path(), turkish);

    QStringList grades;
    for (const QSqlRecord& row : single.otherGrades.Rows())
        grades << row.value(QStringLiteral("harf_notu")).toString();
    QVERIFY(!grades.isEmpty());
    const int otherRow = window.otherGrades.CurrentRow();
    const int homeRow = window.homeGrades.CurrentRow();
    int added = 0;
    for (const QString& grade : grades) {
        messages.clear();
        const ConversionResult expected =
            ConvertGrade(grade, ConversionVariant::Batch, single.views, turkish, nullptr);
        const CourseAddResult result = list.add(grade, QStringLiteral("2"));
        QCOMPARE(result.added, expected.outcome == ConversionResult::Outcome::Converted);
        if (!result.added) {
            QCOMPARE(QStringList{result.message}, messages.texts()); // the same reason
            continue;
        }
        const Course& course = list.courses().at(added++);
        QCOMPARE(course.result.homeLetter, expected.homeLetter);
        QCOMPARE(course.result.value, expected.value);
        QCOMPARE(course.result.rounded, expected.rounded);
        QCOMPARE(course.result.homeLetterValue, expected.rounded);
        QCOMPARE(course.result.passed, expected.passed);
    }
    // The window's grade views stay where they were.
    QCOMPARE(window.otherGrades.CurrentRow(), otherRow);
    QCOMPARE(window.homeGrades.CurrentRow(), homeRow);

    // Converting them all again on the same scales changes nothing.
    const QVector<Course> before = list.courses();
    list.scalesChanged();
    QCOMPARE(list.size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(list.courses().at(i).result.homeLetter, before.at(i).result.homeLetter);
}

QTEST_MAIN(TestCourseList)
#include "tst_courselist.moc"
