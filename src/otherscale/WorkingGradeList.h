#pragma once

#include <QString>
#include <QVector>

namespace zendaro {

// One row of the working grade list. The remove button of the row's first
// cell is not kept: every row shows it.
struct WorkingGrade {
    QString letter; // empty for grades of a numeric scale
    double value = 0;
    QString status; // "Geçer" or "Kalır"
    int step = -1;  // step number within its block; -1 until the summary fills it
};

// Two values are the same grade when they read the same in the shortest form
// of 15 significant digits: a generated value such as 10 - 81 × 0.1
// (1.9000000000000004) carries a binary remainder the user never sees and
// never typed, and is the grade 1.9.
bool SameGradeValue(double a, double b);

// The one comparison of a grade with the max fail grade: the grade fails when
// its value is below the max fail grade or the same grade (SameGradeValue).
bool FailsUnder(double value, double maxFail);

// "Kalır" when the value fails under the max fail grade, "Geçer" otherwise.
QString GradeStatus(double value, double maxFail);

// True for the status "Geçer" (ignoring case, as every reader compares it).
bool IsPassStatus(const QString& status);

// Letters compare as the store compares them: ASCII letters without regard to
// case ("aa" equals "AA"), every other character exactly.
bool SameLetterGrade(const QString& a, const QString& b);

// The six values a stored other scale carries besides its grades.
struct ScaleSummary {
    double maxPass = 0; // Max_GN
    double minPass = 0; // Min_GN
    double maxFail = 0; // Max_KN
    double minFail = 0; // Min_KN
    int passCount = 0;  // Gecer_Not_Sayisi
    int failCount = 0;  // Kalir_Not_Sayisi
};

// The other-scale editor's grades while a scale is built: ordered by value
// from the highest (row 0), no two rows with the same value.
class WorkingGradeList {
public:
    int size() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    const WorkingGrade& at(int row) const { return rows_.at(row); }
    const QVector<WorkingGrade>& rows() const { return rows_; }

    void clear() { rows_.clear(); }

    // Replaces the rows as they are (a stored scale's grades, already in order).
    void setRows(QVector<WorkingGrade> rows) { rows_ = std::move(rows); }

    // Puts a grade in its place by value and returns its row. The caller has
    // made sure no row holds the value (findValue).
    int insertByValue(WorkingGrade grade);

    // The step number cell of one row.
    void setStep(int row, int step) { rows_[row].step = step; }

    // Removes one row; the rows after it move up.
    void removeRow(int row);

    // The first row holding this value (the same grade, SameGradeValue) /
    // this letter; -1 when none.
    int findValue(double value) const;
    int findLetter(const QString& letter) const;

    // Gives every row the status of its value under this max fail grade.
    void remark(double maxFail);

    // True when the statuses, going down from row 0, are a block of "Geçer"
    // rows above a block of "Kalır" rows (either block may be empty).
    bool passBlockAboveFailBlock() const;

private:
    QVector<WorkingGrade> rows_;
};

// The summary of a non-empty list, going down from row 0: the pass block's
// step numbers from 0, the fail block's from 0, written into the rows. Min_GN
// is the value just above the first fail grade. Values of a block that is
// missing stay 0.
ScaleSummary BuildScaleSummary(WorkingGradeList& list);

} // namespace zendaro
