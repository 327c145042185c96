#pragma once

#include "ConvertGrade.h"
#include "CourseReport.h"
#include "RegionalSettings.h"

#include <QString>

namespace zendaro {

// A figure of the explanation: rounded to at most four decimals and written
// in its shortest form with the regional decimal separator (3,625 and 2,8333).
// `exact` tells whether the text shows the whole figure.
QString FigureText(double value, const RegionalSettings& settings, bool* exact = nullptr);

// How a successful conversion came about, in plain Turkish, every number
// under the regional settings and every figure the conversion's own: the
// block and step of the grade, the block's limits on both scales, the
// placement, the two roundings and the home grade found. Empty for a
// conversion that did not succeed.
QString ExplanationText(const GradeConversion& conversion, const ReportScales& scales,
                        const RegionalSettings& settings);

} // namespace zendaro
