#pragma once

#include <QString>
#include <optional>

class QLocale;

namespace zendaro {

// The two separators numbers are read and written with: the decimal separator
// and the thousands separator that groups the whole part by threes. Either may
// be longer than one character, and the thousands separator may be empty.
class NumberFormat {
public:
    NumberFormat() = default; // "." and no grouping
    NumberFormat(QString decimalSeparator, QString thousandsSeparator);
    // The separators a Qt locale writes numbers with (no grouping when the
    // locale omits it). Not explicit: wherever a number format is asked for,
    // a locale may be given.
    NumberFormat(const QLocale& locale);

    const QString& decimalSeparator() const { return decimal_; }
    const QString& thousandsSeparator() const { return thousands_; }

    // A typed number: an optional sign, digits with at most one decimal
    // separator, an optional exponent; blanks around it are ignored, and so is
    // the thousands separator wherever it stands in the whole part ("1.00,00"
    // is one hundred under Turkish separators). Only finite numbers are
    // numbers: "inf", "nan" and values beyond the range of a double are not.
    std::optional<double> read(const QString& text) const;

    // Exactly `decimals` decimals, the whole part grouped by threes (1.234,50).
    QString fixed(double value, int decimals) const;

    // The shortest decimal form of at most 15 significant digits, without
    // grouping (85,5 and 85 under Turkish separators); -0 is written as 0.
    QString shortest(double value) const;

private:
    QString decimal_ = QStringLiteral(".");
    QString thousands_;
};

} // namespace zendaro
