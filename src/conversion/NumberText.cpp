#include "NumberText.h"

#include <cmath>

namespace zendaro {

std::optional<double> ReadNumberText(const QString& text, const RegionalSettings& settings) {
    bool ok = false;
    const double value = settings.locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsNumberText(const QString& text, const RegionalSettings& settings) {
    return ReadNumberText(text, settings).has_value();
}

QString ShortestNumberText(double value, const RegionalSettings& settings) {
    QLocale plain = settings.locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    // A typed "-0" is the grade 0.
    return plain.toString(value == 0 ? 0.0 : value, 'g', 15);
}

QString TwoDecimalText(double value, const RegionalSettings& settings) {
    return settings.locale.toString(value, 'f', 2);
}

} // namespace zendaro
