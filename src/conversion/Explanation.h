#pragma once

#include "ConvertGrade.h"
#include "CourseReport.h"
#include "RegionalSettings.h"

#include <QString>

namespace zendaro {

// A figure of the explanation: rounded to at most four decimals and written
// in its shortest form with the regional decimal separator (3,625 and 2,8333).
// `exact` tells whether the text shows the whole figure. A table column asks
// for at least `minDecimals` decimals so its figures line up (3,10 beside 3,34).
QString FigureText(double value, const RegionalSettings& settings, bool* exact = nullptr,
                   int minDecimals = 0);

// How a successful conversion came about, in plain Turkish, every number
// under the regional settings and every figure the conversion's own: the
// block and step of the grade, the block's limits on both scales, the
// placement, the two roundings and the home grade found. Empty for a
// conversion that did not succeed.
QString ExplanationText(const GradeConversion& conversion, const ReportScales& scales,
                        const RegionalSettings& settings);

} // namespace zendaro
