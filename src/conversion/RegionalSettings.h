#pragma once

#include "ui/NumberFormat.h"

#include <QString>
#include <optional>

namespace zendaro {

// The user's regional number settings, read once at start-up and passed to
// whoever reads or writes numbers: the two separators that steer the input
// replacements, and with which every number is read and written.
struct RegionalSettings {
    QString decimalSeparator;
    QString thousandsSeparator;

    // Numbers read and written with these two separators.
    NumberFormat numbers() const { return {decimalSeparator, thousandsSeparator}; }

    // Explicit settings for tests and tools (never depend on installed locales).
    static RegionalSettings turkish(); // "," and "."
    static RegionalSettings english(); // "." and ","
};

// Reads the user's monetary decimal and thousands separators. On Windows:
// the user's regional settings (their own changes included). Elsewhere: the
// environment's locale (LC_ALL / LC_MONETARY / LANG). When the locale defines no monetary
// separators at all (the plain POSIX locale), its number separators stand in.
// When the C library cannot load the locale, Qt's own locale data stands in
// for it (SeparatorsKnownToQt of the name that rules the monetary category).
// Empty when neither knows the locale.
std::optional<RegionalSettings> ReadRegionalSeparators();

// The separators Qt's own locale data holds for a locale name such as
// "tr_TR.UTF-8" (its character set and modifier are not looked at). Empty for
// a name Qt does not know: an unknown language, or a territory other than the
// one named.
std::optional<RegionalSettings> SeparatorsKnownToQt(const QString& localeName);

} // namespace zendaro
