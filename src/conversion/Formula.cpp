#include "Formula.h"

#include "store/DataView.h"
#include "store/TurkishText.h"
#include "ui/MessageService.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace zendaro {

namespace {

// A field of the current row; nothing when there is no current row or the
// view has no such field.
std::optional<QVariant> currentField(const DataView& view, const QString& name) {
    if (view.CurrentRow() < 0)
        return std::nullopt;
    try {
        return view.Field(name);
    } catch (const StoreError&) {
        return std::nullopt;
    }
}

// A field of the current row as a finite number; nothing when the field is
// missing, empty, not a number or not finite.
std::optional<double> finiteField(const DataView& view, const QString& name) {
    const auto value = currentField(view, name);
    if (!value || !value->isValid() || value->isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value->toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<double> fail() {
    return std::nullopt;
}

// Reads decimal text written by to_chars back as a double; out-of-range text
// gives an infinity (or zero for an underflow) of the right sign.
double readBack(const char* first, const char* last) {
    double out = 0;
    const auto result = std::from_chars(first, last, out);
    if (result.ec == std::errc::result_out_of_range) {
        const char* e = std::find_if(first, last, [](char c) { return c == 'e' || c == 'E'; });
        const bool overflow = e == last || e + 1 == last || e[1] != '-';
        const double magnitude = overflow ? HUGE_VAL : 0.0;
        return *first == '-' ? -magnitude : magnitude;
    }
    return out;
}

// First stage: three decimals, exact ties to the even neighbour (to_chars
// rounds the exact binary value that way).
double roundToThreeDecimalsHalfEven(double value) {
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 3);
    if (result.ec != std::errc())
        return value;
    return readBack(buffer.data(), result.ptr);
}

// Second stage: two decimals on the 15-significant-digit decimal text of the
// value, a tie going away from zero.
double roundToTwoDecimalsOnText(double value) {
    std::array<char, 64> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific, 14);
    if (written.ec != std::errc())
        return value;

    // text is [-]d.dddddddddddddde[+-]xx: 15 digits and an exponent.
    const char* p = text.data();
    const bool negative = *p == '-';
    if (negative)
        ++p;
    std::array<char, 16> digits{};
    int count = 0;
    for (; *p != 'e' && count < static_cast<int>(digits.size()); ++p)
        if (*p != '.')
            digits[static_cast<std::size_t>(count++)] = *p;
    const char* exponentText = p + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, written.ptr, exponent);

    // The value is 0.d1d2...d15 x 10^(exponent + 1); keep the digits up to the
    // second decimal place.
    const int keep = exponent + 3;
    if (keep >= count)
        return readBack(text.data(), written.ptr);
    if (keep < 0)
        return 0.0;

    // [-]0 d1 ... dkeep e-2, the leading 0 taking a carry out of the digits.
    std::array<char, 32> rounded{};
    std::size_t n = 0;
    if (negative)
        rounded[n++] = '-';
    const std::size_t guard = n;
    rounded[n++] = '0';
    for (int i = 0; i < keep; ++i)
        rounded[n++] = digits[static_cast<std::size_t>(i)];
    if (digits[static_cast<std::size_t>(keep)] >= '5') {
        std::size_t i = n - 1;
        while (i > guard && rounded[i] == '9')
            rounded[i--] = '0';
        ++rounded[i];
    }
    for (char c : {'e', '-', '2'})
        rounded[n++] = c;
    const double out = readBack(rounded.data(), rounded.data() + n);
    return out == 0 ? 0.0 : out; // no negative zero
}

} // namespace

QString FormulaFailureText() {
    return QStringLiteral("FORMÜL HATASI. LÜTFEN TEKRAR DENEYİNİZ...");
}

std::optional<double> ComputeHomeValueQuietly(QString& status, double& step, const FormulaViews& views,
                                              FormulaFigures* figures) {
    // Whatever way the formula ends, the caller learns how far it came.
    FormulaFigures unasked;
    FormulaFigures& seen = figures ? *figures : unasked;
    seen = FormulaFigures{};

    if (status.isEmpty())
        status = views.otherGrades.CurrentRow() < 0
                     ? QString()
                     : views.otherGrades.Field(QStringLiteral("durum")).toString();
    if (step == -1.0) {
        const auto stored = finiteField(views.otherGrades, QStringLiteral("adim_no"));
        if (!stored)
            return fail();
        step = *stored;
    }
    if (!std::isfinite(step))
        return fail();
    seen.step = step;

    QString countField, topField, bottomField;
    if (EqualsIgnoringCaseTr(status, QStringLiteral("Kalır"))) {
        countField = QStringLiteral("Kalir_Not_Sayisi");
        topField = QStringLiteral("Max_KN");
        bottomField = QStringLiteral("Min_KN");
    } else if (EqualsIgnoringCaseTr(status, QStringLiteral("Geçer"))) {
        countField = QStringLiteral("Gecer_Not_Sayisi");
        topField = QStringLiteral("Max_GN");
        bottomField = QStringLiteral("Min_GN");
        seen.passBlock = true;
    } else {
        return fail();
    }
    // The other scale's own limits of the block play no part; they are noted
    // for whoever explains the placement.
    seen.otherTop = finiteField(views.otherScale, topField).value_or(FormulaFigures::Unknown);
    seen.otherBottom = finiteField(views.otherScale, bottomField).value_or(FormulaFigures::Unknown);

    const auto n = finiteField(views.otherScale, countField);
    const auto top = finiteField(views.homeScale, topField);
    seen.count = n.value_or(FormulaFigures::Unknown);
    seen.homeTop = top.value_or(FormulaFigures::Unknown);
    // A block holds at least one grade; a smaller count would turn the block
    // upside down instead of failing.
    if (!n || !top || *n < 1)
        return fail();
    const auto bottom = finiteField(views.homeScale, bottomField);
    seen.homeBottom = bottom.value_or(FormulaFigures::Unknown);
    if (*n == 1) {
        seen.placed = *top;
        return *top;
    }

    if (!bottom)
        return fail();
    const double d = *top - *bottom;
    const double s = *n - 1;
    const double q = d / s;
    const double m = q * step;
    const double result = *top - m;
    if (!std::isfinite(result))
        return fail();
    seen.placed = result;
    return result;
}

double ComputeHomeValue(QString& status, double& step, const FormulaViews& views, QWidget* owner) {
    const auto value = ComputeHomeValueQuietly(status, step, views);
    if (value)
        return *value;
    ShowPlainMessage(FormulaFailureText(), owner);
    return FormulaFailure;
}

double ReduceToTwoDecimals(double value) {
    if (!std::isfinite(value))
        return value;
    return roundToTwoDecimalsOnText(roundToThreeDecimalsHalfEven(value));
}

double RoundToHalfStep(double value) {
    const double i = std::floor(value);
    const double f = value - i;
    if (f >= 0 && f < 0.25)
        return i;
    if (f >= 0.25 && f < 0.75)
        return i + 0.5;
    if (f >= 0.75 && f < 1)
        return i + 1;
    return FormulaFailure;
}

} // namespace zendaro
