#pragma once

#include <QString>
#include <QVariantList>

namespace zendaro {

// A query or search criterion as it goes to the store: the text, and the
// typed values bound to its `?` placeholders (never spliced into the text).
struct SqlText {
    QString text;
    QVariantList values;
};

// The catalogue of every query and search criterion the windows send. The
// texts are kept word for word as the catalogue writes them; an id is written
// in decimal digits, a number with "." as the decimal separator.
namespace queries {

// Home scales in the order they were added (home-scale editor).
QString Q1();
// A home scale's nine grades, AA first.
QString Q2(qint64 scaleId);
// Other scales in the order they were added (other-scale editor).
QString Q3();
// An other scale's grades, from the highest value to the lowest.
QString Q4(qint64 scaleId);
// Other scales by name in Turkish alphabetical order (conversion screens).
QString Q5();
// Home scales by name in Turkish alphabetical order (conversion screens).
QString Q6();
// Does the home scale have a grade of this value (criterion C3).
SqlText Q7(qint64 scaleId, const SqlText& criterion);
// Does the other scale have this grade (criterion C4 or C5).
SqlText Q8(qint64 scaleId, const SqlText& criterion);

// After a save: make the saved scale current.
QString C1(qint64 scaleId);
// Conversion screens: make the chosen scale current.
QString C2(qint64 scaleId);
// A home grade of this value. `number` is a plain decimal numeral written
// with "." (for example "3.5"); anything else throws StoreError.
SqlText C3(const QString& number);
SqlText C3(double value);
// An other grade of this value; `number` as for C3.
SqlText C4(const QString& number);
SqlText C4(double value);
// An other grade with this letter. The letter is bound, so a quote in a typed
// letter is compared as a character and never read as SQL.
SqlText C5(const QString& letter);

// A number written for a query text: shortest form of at most 15 significant
// digits, "." as the decimal separator, no grouping ("85.5", "85", "-0.25").
QString NumberForQuery(double value);

} // namespace queries
} // namespace zendaro
