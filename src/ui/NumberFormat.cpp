#include "NumberFormat.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace zendaro {

namespace {

// Reads the plain form: "." before the decimals, no grouping at all.
std::optional<double> readPlain(const QString& text) {
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

NumberFormat::NumberFormat(QString decimalSeparator, QString thousandsSeparator)
    : decimal_(std::move(decimalSeparator)), thousands_(std::move(thousandsSeparator)) {}

NumberFormat::NumberFormat(const QLocale& locale)
    : decimal_(locale.decimalPoint()),
      thousands_(locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? QString()
                                                                              : locale.groupSeparator()) {}

std::optional<double> NumberFormat::read(const QString& text) const {
    const QString trimmed = text.trimmed();
    const qsizetype point = decimal_.isEmpty() ? -1 : trimmed.indexOf(decimal_);
    QString whole = point < 0 ? trimmed : trimmed.left(point);
    const QString decimals = point < 0 ? QString() : trimmed.mid(point + decimal_.size());
    if (!thousands_.isEmpty() && thousands_ != decimal_)
        whole.remove(thousands_);
    // Under separators other than "." a full stop is no decimal point.
    const QChar stop = QLatin1Char('.');
    if (decimal_ != QLatin1String(".") && (whole.contains(stop) || decimals.contains(stop)))
        return std::nullopt;
    return readPlain(point < 0 ? whole : whole + stop + decimals);
}

QString NumberFormat::fixed(double value, int decimals) const {
    QString plain = QString::number(value, 'f', decimals);
    if (!std::isfinite(value))
        return plain;
    // A value that rounds to zero is 0,00, not -0,00.
    const auto nonZero = [](QChar c) {
        return c >= QLatin1Char('1') && c <= QLatin1Char('9');
    };
    if (plain.startsWith(QLatin1Char('-')) && std::none_of(plain.cbegin(), plain.cend(), nonZero))
        plain.remove(0, 1);
    const qsizetype start = plain.startsWith(QLatin1Char('-')) ? 1 : 0;
    qsizetype point = plain.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = plain.size();
    QString whole = plain.mid(start, point - start);
    if (!thousands_.isEmpty())
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, thousands_);
    QString out = plain.left(start) + whole;
    if (point < plain.size())
        out += decimal_ + plain.mid(point + 1);
    return out;
}

QString NumberFormat::shortest(double value) const {
    // A typed "-0" is the grade 0.
    QString text = QString::number(value == 0 ? 0.0 : value, 'g', 15);
    text.replace(QLatin1Char('.'), decimal_);
    return text;
}

} // namespace zendaro
