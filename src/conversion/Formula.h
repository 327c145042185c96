#pragma once

#include <QString>
#include <limits>
#include <optional>

class QWidget;

namespace zendaro {

class DataView;

// The value every operation below returns when it cannot give a result.
// Callers compare for exact equality.
constexpr double FormulaFailure = -1.0;

// The message of a formula that cannot be computed.
QString FormulaFailureText();

// The three data views the formula reads, each at its current row: the chosen
// other scale (pass and fail counts), the chosen home scale (block limits) and
// the grades of the other scale (the source grade: status and step).
struct FormulaViews {
    const DataView& otherScale;
    const DataView& homeScale;
    const DataView& otherGrades;
};

// The figures of one placement, as the formula met them: what an explanation
// of the conversion shows. Unknown figures stay NaN.
struct FormulaFigures {
    static constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();
    bool passBlock = false;       // the grade is in the pass block (else the fail block)
    double step = Unknown;        // the grade's step within its block, from 0
    double count = Unknown;       // the number of grades in the block
    double otherTop = Unknown;    // the other scale's limits of that block (Max_GN / Min_GN
    double otherBottom = Unknown; // or Max_KN / Min_KN); shown only, the formula ignores them
    double homeTop = Unknown;     // the home block the grade lands in: from its top
    double homeBottom = Unknown;  // down to its bottom
    double placed = Unknown;      // the formula's result, before any rounding
};

// Places the source grade on the home scale by block and step: the grade of
// step k in a block of n grades lands k/(n - 1) of the way down the matching
// home block (pass: Max_GN to Min_GN, fail: Max_KN to Min_KN); a block of one
// grade gives its top.
//
// status and step are in/out: an empty status is replaced by the durum of the
// source grade, a step of exactly -1 by its adim_no; any other values are used
// as given and the grade row is not read for them.
//
// A status that is neither "Kalır" nor "Geçer" (Turkish letter case ignored),
// a field that is missing, empty or not a finite number, a block count below
// one, or a result that is not finite: the formula failure message in the
// plain box, then FormulaFailure.
double ComputeHomeValue(QString& status, double& step, const FormulaViews& views, QWidget* owner);

// The same formula without the message: nothing when it cannot be computed,
// left for the caller to report (the course list converts many grades at once).
// When `figures` is given, it receives the figures the formula used (as far
// as it came).
std::optional<double> ComputeHomeValueQuietly(QString& status, double& step, const FormulaViews& views,
                                              FormulaFigures* figures = nullptr);

// Two decimals in two stages: to three decimals with an exact tie going to the
// even neighbour, then to two decimals on the value's 15-significant-digit
// decimal text with a tie going away from zero (3.6249 -> 3.625 -> 3.63).
// A non-finite value stays as it is; a result beyond the range of a double
// comes back infinite.
double ReduceToTwoDecimals(double value);

// The nearest multiple of 0.5; the fractions 0.25 and 0.75 round upwards.
// FormulaFailure for a value that has no fraction in [0, 1) (not finite).
double RoundToHalfStep(double value);

} // namespace zendaro
