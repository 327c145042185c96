#include "EqualInterval.h"

#include <cmath>

namespace zendaro {

std::optional<int> EqualIntervalSteps(double highest, double lowest, double interval) {
    // The default rounding mode rounds a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
    const double steps = std::nearbyint((highest - lowest) / interval);
    if (!std::isfinite(steps) || steps < 0 || steps > MaxGeneratedGrades - 1)
        return std::nullopt;
    return static_cast<int>(steps);
}

QVector<double> EqualIntervalValues(double highest, double interval, int steps) {
    QVector<double> values;
    values.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i)
        values.append(highest - i * interval);
    return values;
}

} // namespace zendaro
