#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace zendaro {

// The user's regional number settings, read once at start-up and passed to
// whoever reads or writes numbers: the two separators that steer the input
// replacements, and the locale numbers are read and written with.
struct RegionalSettings {
    QString decimalSeparator;
    QString thousandsSeparator;
    QLocale locale;

    // Explicit settings for tests and tools (never depend on installed locales).
    static RegionalSettings turkish(); // "," and ".", QLocale(Turkish, Turkey)
    static RegionalSettings english(); // "." and ",", QLocale(English, UnitedStates)
};

// Reads the monetary decimal and thousands separators of the environment's
// locale (LC_ALL / LC_MONETARY / LANG). Empty when the locale named by the
// environment cannot be loaded. When the locale defines no monetary separators
// at all (the plain POSIX locale), its number separators stand in.
std::optional<RegionalSettings> ReadRegionalSeparators();

} // namespace zendaro
