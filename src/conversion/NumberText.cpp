#include "NumberText.h"

namespace zendaro {

std::optional<double> ReadNumberText(const QString& text, const RegionalSettings& settings) {
    return settings.numbers().read(text);
}

bool IsNumberText(const QString& text, const RegionalSettings& settings) {
    return ReadNumberText(text, settings).has_value();
}

QString ShortestNumberText(double value, const RegionalSettings& settings) {
    return settings.numbers().shortest(value);
}

QString TwoDecimalText(double value, const RegionalSettings& settings) {
    return settings.numbers().fixed(value, 2);
}

} // namespace zendaro
