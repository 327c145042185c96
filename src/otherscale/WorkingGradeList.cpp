#include "WorkingGradeList.h"

#include "OtherScaleTexts.h"
#include "store/TurkishText.h"

#include <algorithm>
#include <cmath>

namespace zendaro {

bool SameGradeValue(double a, double b) {
    if (a == b)
        return true;
    // Two values that read the same at 15 significant digits lie within one
    // unit of that 15th digit of each other: at most 1e-14 of the larger one.
    // Values further apart are different grades without writing them out,
    // which keeps a search through a long list (duplicate check, statuses)
    // from formatting every row.
    if (std::abs(a - b) > 1e-13 * std::max(std::abs(a), std::abs(b)))
        return false;
    return QString::number(a, 'g', 15) == QString::number(b, 'g', 15);
}

bool FailsUnder(double value, double maxFail) {
    return value <= maxFail || SameGradeValue(value, maxFail);
}

QString GradeStatus(double value, double maxFail) {
    return FailsUnder(value, maxFail) ? otherscale::FailWord() : otherscale::PassWord();
}

bool IsPassStatus(const QString& status) {
    return EqualsIgnoringCaseTr(status, otherscale::PassWord());
}

bool SameLetterGrade(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a.at(i).unicode();
        const char16_t y = b.at(i).unicode();
        if (x == y)
            continue;
        const auto fold = [](char16_t c) {
            return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
        };
        if (fold(x) != fold(y))
            return false;
    }
    return true;
}

int WorkingGradeList::insertByValue(WorkingGrade grade) {
    // Highest first: the place is after every row with a greater value.
    const auto place = std::partition_point(rows_.begin(), rows_.end(),
                                            [&](const WorkingGrade& row) { return row.value > grade.value; });
    const auto row = static_cast<int>(place - rows_.begin());
    rows_.insert(row, std::move(grade));
    return row;
}

void WorkingGradeList::removeRow(int row) {
    if (row >= 0 && row < size())
        rows_.removeAt(row);
}

int WorkingGradeList::findValue(double value) const {
    for (int i = 0; i < size(); ++i)
        if (SameGradeValue(rows_.at(i).value, value))
            return i;
    return -1;
}

int WorkingGradeList::findLetter(const QString& letter) const {
    for (int i = 0; i < size(); ++i)
        if (SameLetterGrade(rows_.at(i).letter, letter))
            return i;
    return -1;
}

void WorkingGradeList::remark(double maxFail) {
    for (WorkingGrade& row : rows_)
        row.status = GradeStatus(row.value, maxFail);
}

bool WorkingGradeList::passBlockAboveFailBlock() const {
    bool failSeen = false;
    for (const WorkingGrade& row : rows_) {
        if (IsPassStatus(row.status)) {
            if (failSeen)
                return false;
        } else if (EqualsIgnoringCaseTr(row.status, otherscale::FailWord())) {
            failSeen = true;
        } else {
            return false; // no status of a grade
        }
    }
    return true;
}

ScaleSummary BuildScaleSummary(WorkingGradeList& list) {
    ScaleSummary summary;
    if (list.isEmpty())
        return summary;
    summary.maxPass = list.at(0).value;
    summary.minFail = list.at(list.size() - 1).value;
    for (int i = 0; i < list.size(); ++i) {
        const WorkingGrade& row = list.at(i);
        if (IsPassStatus(row.status)) {
            list.setStep(i, summary.passCount++);
            continue;
        }
        if (summary.failCount == 0) {
            summary.maxFail = row.value;
            if (i > 0)
                summary.minPass = list.at(i - 1).value;
        }
        list.setStep(i, summary.failCount++);
    }
    return summary;
}

} // namespace zendaro
