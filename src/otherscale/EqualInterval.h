#pragma once

#include <QVector>
#include <optional>

namespace zendaro {

// The most grades one generation may make.
constexpr int MaxGeneratedGrades = 10001;

// n of an equal-interval scale from highest H, lowest L and interval D:
// (H - L) / D in double precision, rounded to the nearest whole number with a
// half going to the even neighbour. Empty when the scale would have more than
// MaxGeneratedGrades grades (n + 1), or when n is no finite number at all.
std::optional<int> EqualIntervalSteps(double highest, double lowest, double interval);

// The values H - i * D for i = 0..n, each computed once and not rounded further.
QVector<double> EqualIntervalValues(double highest, double interval, int steps);

} // namespace zendaro
