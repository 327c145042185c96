#pragma once

#include "RegionalSettings.h"

#include <QString>
#include <optional>

namespace zendaro {

// Reads a typed number with the regional separators: the thousands separator
// is ignored wherever it stands in the whole part. Only finite numbers are
// numbers: "inf", "nan" and values beyond the range of a double are not.
std::optional<double> ReadNumberText(const QString& text, const RegionalSettings& settings);

// True when the text reads as a finite number under the regional settings.
bool IsNumberText(const QString& text, const RegionalSettings& settings);

// The shortest decimal form of at most 15 significant digits, with the
// regional decimal separator and no digit grouping (85,5 and 85 under Turkish
// settings). This is how a numeric scale stores each grade's text.
QString ShortestNumberText(double value, const RegionalSettings& settings);

// Exactly two decimals with the regional separators, the whole part grouped by
// threes with the thousands separator (3,63 and 1.234,50).
QString TwoDecimalText(double value, const RegionalSettings& settings);

} // namespace zendaro
