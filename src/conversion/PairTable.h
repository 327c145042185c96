#pragma once

#include "ConvertGrade.h"
#include "CourseReport.h"

#include <QDateTime>
#include <QVector>

namespace zendaro {

// The conversion of every grade of the chosen other scale, in list order:
// each grade made current in views.otherGrades in turn and converted by the
// steps after the search (ConvertCurrentGradeQuietly), every home grade looked
// up once. The grade list keeps the current row it had.
QVector<GradeConversion> ConvertEveryGrade(ConversionViews& views);

// What the status column of the pair table shows for one row: the home
// grade's status, or why the grade does not convert.
QString PairRowStatus(const GradeConversion& row);

// The pair table as a document: both scales, then every other grade with its
// placed value, home value, home letter and status. Typed text is escaped.
QString PairTableHtml(const QVector<GradeConversion>& rows, const ReportScales& scales, const QDateTime& when,
                      const RegionalSettings& settings);

} // namespace zendaro
