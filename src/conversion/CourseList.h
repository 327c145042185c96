#pragma once

#include "conversion/ConvertGrade.h"
#include "conversion/RegionalSettings.h"
#include "store/DataView.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <optional>

namespace zendaro {

// One course of the list: what the user typed and its conversion on the
// chosen scales.
struct Course {
    QString grade;          // the grade as the scale stores it when it was added (the
                            // search ignores letter case), else as typed: trimmed,
                            // every "." turned into ","
    double credit = 0;      // a positive number
    GradeConversion result; // converted, or the reason it is not
    // The grade as the list and the report show it: as the chosen scale stores it.
    QString shownGrade() const { return result.gradeFound ? result.gradeText : grade; }
};

// The totals under the list. Only converted courses count: a course the
// chosen scales cannot convert is listed, marked and left out.
struct CourseTotals {
    int listed = 0;                // every course of the list
    int counted = 0;               // the converted ones
    double credit = 0;             // total credit of the counted courses
    std::optional<double> average; // sum of letter value x credit / total credit
};

// The course box a message concerns.
enum class CourseBox { None, Grade, Credit };

// What adding a course came to. When nothing was added, `message` says why:
// in the program's own box (plain false) with the focus on `focus`, or in the
// plain standard box for a conversion that failed after the search.
struct CourseAddResult {
    bool added = false;
    QString message;
    bool plain = false;
    CourseBox focus = CourseBox::None;
};

// The course list of the batch window: the courses, their conversions by the
// rules of the single-grade conversion, and the totals. Converts on data views
// of its own so that the window's grade grids do not move; the chosen scales
// are the current rows of the window's two scale views.
class CourseList {
public:
    // Columns of the list, in order.
    enum Column {
        ColumnDelete,
        ColumnLetter,
        ColumnNumeric,
        ColumnCredit,
        ColumnHomeLetter,
        ColumnHomeValue,
        ColumnStatus,
        ColumnCount
    };
    static QStringList captions();

    CourseList(DataView& otherScales, DataView& homeScales, const QString& databasePath,
               RegionalSettings settings);
    CourseList(const CourseList&) = delete;
    CourseList& operator=(const CourseList&) = delete;

    // Converts the grade and reads the credit; adds the course when both are
    // good. Store failures are not caught (StoreError).
    CourseAddResult add(const QString& gradeText, const QString& creditText);
    // Removes the course of that row (nothing for a row that does not exist).
    void remove(int row);
    void clear();

    // The chosen scales changed: re-reads their grades and converts every
    // course again. A course the new scales do not have stays listed, marked.
    void scalesChanged();

    int size() const { return static_cast<int>(courses_.size()); }
    const QVector<Course>& courses() const { return courses_; }
    CourseTotals totals() const;

    // The value of one cell as the grid shows it (numbers as numbers).
    QVariant cell(int row, int column) const;
    // The mark of a course the chosen scales cannot convert (empty when converted).
    static QString markOf(const Course& course);

    // Texts of the totals under the regional settings.
    QString countText(const CourseTotals& totals) const;
    QString creditText(const CourseTotals& totals) const;
    QString averageText(const CourseTotals& totals) const;

    const RegionalSettings& settings() const { return settings_; }

    // The messages of the course boxes.
    static QString EmptyGradeText();
    static QString EmptyCreditText();
    static QString CreditNotPositiveText();
    static QString CreditTooLargeText();
    static constexpr double MaxCredit = 1000;

    // A credit box as typed: trimmed, the regional thousands separator read as
    // the decimal separator (as the number boxes of the program do); nothing
    // when it is no number.
    static std::optional<double> ReadCredit(const QString& text, const RegionalSettings& settings);

private:
    // Points the grade views at the chosen scales; true when they changed.
    bool loadChosenScales();
    void convertAll();
    GradeConversion convert(const QString& grade);

    RegionalSettings settings_;
    DataView& otherScales_;
    DataView& homeScales_;
    DataView otherGrades_;
    DataView homeGrades_;
    DataView search_;
    ConversionViews views_;
    qint64 loadedOther_ = -1;
    qint64 loadedHome_ = -1;
    QVector<Course> courses_;
};

} // namespace zendaro
