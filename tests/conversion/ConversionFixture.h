#pragma once

#include "TestDatabase.h"
#include "conversion/ConvertGrade.h"
#include "conversion/Formula.h"
#include "store/DataView.h"

#include <QString>

namespace zendaro::test {

// Scales of the conversion tests (ids as stored).
namespace fixture {
// Home scales: Max_GN 4, Min_GN 2.5, Max_KN 2, Min_KN 0 and the ladder AA 4.0
// to FF 0.0 (CB and above "GEÇER", CC and below "KALIR").
constexpr qint64 HomeLadder = 1;
constexpr qint64 HomeWithoutBA = 2;       // the same limits, but no grade of value 3.5
constexpr qint64 HomeTopAtDoubleMax = 3;  // Max_GN at the largest double: the reduction overflows
constexpr qint64 HomeLowercaseStatus = 4; // statuses stored as "geçer" / "kalır"

// Other scales.
constexpr qint64 Letters = 1;      // AA BA BB CB CC pass (steps 0-4), DC DD FF fail (0-2)
constexpr qint64 Hundred = 2;      // numeric 100..50 pass (51 grades), 49..0 fail (50 grades)
constexpr qint64 FiveTurkish = 3;  // numeric 5 4,5 4 3,5 3 pass, 2,5 2 1 fail (stored as Turkish text)
constexpr qint64 FiveEnglish = 4;  // the same with "." in the stored text
constexpr qint64 SingleBlocks = 5; // "HARF NOTU": A pass, F fail, one grade per block, steps 7 and 9
constexpr qint64 BrokenStatus = 6; // letter scale with a grade of status "Belki"
constexpr qint64 LongLetters =
    7; // "Mükemmel" 100, "Orta" 50 pass, "Yetersiz" 0 fail: letters beyond five characters
} // namespace fixture

QString conversionFixtureSql();

// The five data views of a conversion window on a database built from the
// fixture (conversions only read, so one database can serve many cases).
class ConversionWindowViews {
public:
    explicit ConversionWindowViews(const QString& databasePath);

    // Chooses the scales as the pickers do: current rows and their grade lists.
    void choose(qint64 otherScaleId, qint64 homeScaleId);

    DataView otherScales;
    DataView homeScales;
    DataView otherGrades;
    DataView homeGrades;
    DataView search;
    ConversionViews views{otherScales, homeScales, otherGrades, homeGrades, search};
    FormulaViews formulaViews{otherScales, homeScales, otherGrades};
};

} // namespace zendaro::test
