#include "NumericKey.h"

namespace zendaro {

KeyDecision DecideNumericKey(const BoxState& box, QChar typed, QChar decimalSeparator,
                             QChar thousandsSeparator) {
    if (!thousandsSeparator.isNull() && typed == thousandsSeparator && !decimalSeparator.isNull())
        typed = decimalSeparator;

    const qsizetype separatorAt = decimalSeparator.isNull() ? -1 : box.text.indexOf(decimalSeparator);
    if (!decimalSeparator.isNull() && typed == decimalSeparator) {
        if (box.text.isEmpty() || separatorAt >= 0)
            return {KeyVerdict::RefuseSeparator, {}};
        return {KeyVerdict::Accept, typed};
    }

    if (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')) {
        const bool rightOfSeparator = separatorAt >= 0 && box.caret >= separatorAt + 1;
        const qsizetype decimals = separatorAt >= 0 ? box.text.size() - separatorAt - 1 : 0;
        if (rightOfSeparator && !box.hasSelection && decimals >= 2)
            return {KeyVerdict::RefuseDigit, {}};
        return {KeyVerdict::Accept, typed};
    }

    if (typed == QLatin1Char('\b') || typed == QLatin1Char('\t'))
        return {KeyVerdict::Pass, typed};
    return {KeyVerdict::RefuseOther, {}};
}

} // namespace zendaro
