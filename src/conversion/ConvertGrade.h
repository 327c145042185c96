#pragma once

#include "Formula.h"
#include "RegionalSettings.h"

#include <QColor>
#include <QString>
#include <map>

class QWidget;

namespace zendaro {

class DataView;

// The data views of a conversion window, each at the rows the user chose: the
// other scales (current row: the chosen other scale), the home scales (current
// row: the chosen home scale), the grades of each chosen scale, and the search
// view that belongs to no grid.
struct ConversionViews {
    DataView& otherScales;
    DataView& homeScales;
    DataView& otherGrades;
    DataView& homeGrades;
    DataView& search;
};

// The one-to-one window turns the regional thousands separator into the
// decimal separator and looks a typed number up among the grades of a letter
// scale; the batch window turns every "." into "," and looks nothing up.
enum class ConversionVariant { OneToOne, Batch };

// What the window must show after a conversion.
struct ConversionResult {
    enum class Outcome {
        Converted,  // the result labels below are ready for the animation
        FocusInput, // an input message was shown: the input box gets the focus
        Stopped,    // a failure message was shown: nothing else happens
    };
    Outcome outcome = Outcome::Stopped;
    QString inputText;      // the text the input box holds afterwards
    QString homeLetter;     // letter of the home grade
    bool passed = false;    // the home grade passes
    QColor colour;          // of both result labels: green for a pass, red for a fail
    QString numericCaption; // "Sayısal Not: " and the value with two decimals
    double value = -1;      // the home value reduced to two decimals
    double rounded = -1;    // that value rounded to the half step: the home grade's value
};

// Why a conversion came to no home grade.
enum class ConversionFailure {
    None,
    EmptyInput,       // nothing typed (M1)
    NotANumber,       // a numeric scale and the input is no number (M2)
    GradeNotFound,    // the other scale has no such grade (M3)
    Formula,          // the formula cannot be computed for the stored scales
    Rounding,         // the half-step rounding failed (M4)
    HomeGradeMissing, // the home scale has no grade of the rounded value (M5)
    ScaleDeleted,     // a chosen scale was deleted (by another user) after it was chosen
};

// A conversion without messages: the result, or the reason there is none.
struct GradeConversion {
    ConversionFailure failure = ConversionFailure::None;
    QString inputText;           // the input as normalised (and, one-to-one, as replaced)
    bool gradeFound = false;     // the other grade was found and made current in otherGrades
    int gradeRow = -1;           // its row in otherGrades (list order)
    QString gradeText;           // harf_notu of the other grade found
    double gradeValue = 0;       // sayisal_not of the other grade found
    FormulaFigures figures;      // how the formula placed it (block, step, limits, placed value)
    double value = -1;           // the home value reduced to two decimals
    double rounded = -1;         // that value rounded to the half step
    QString homeLetter;          // letter of the home grade
    double homeLetterValue = -1; // sayisal_not of the home grade
    QString homeStatus;          // durum of the home grade, as stored
    bool passed = false;         // the home grade passes
    bool converted() const { return failure == ConversionFailure::None; }
};

// The conversion behind ConvertGrade, quiet: the same normalisation, search,
// formula, roundings and home lookup, every failure returned instead of shown.
// Leaves the found grades current in otherGrades and homeGrades, as ConvertGrade
// does. Store failures are not caught (StoreError).
GradeConversion ConvertGradeQuietly(const QString& input, ConversionVariant variant, ConversionViews& views,
                                    const RegionalSettings& settings);

// A grade of the chosen home scale, as a conversion found it.
struct HomeGrade {
    QString letter;
    double value = -1;
    QString status;
};
// The home grades a run of conversions has found, by half-step value: a
// table of the whole scale looks each one up once.
using HomeGradesFound = std::map<double, HomeGrade>;

// The steps of ConvertGradeQuietly after the search, for the grade that is
// current in views.otherGrades: the formula, the two roundings and the home
// grade (made current in views.homeGrades unless `found` already held it;
// what is looked up is added to `found`). inputText stays empty.
GradeConversion ConvertCurrentGradeQuietly(ConversionViews& views, HomeGradesFound* found = nullptr);

// Shows what a quiet conversion came to: its message, if any, through the
// message service with owner as the owning window, and the result the window
// shows. Reads the chosen other scale's name from views for M3.
ConversionResult ReportConversion(const GradeConversion& quiet, ConversionViews& views,
                                  const RegionalSettings& settings, QWidget* owner);

// The message text of a failure; otherScaleName names the scale in M3.
QString ConversionFailureText(ConversionFailure failure, const QString& otherScaleName);

// Converts the typed grade: normalises the input, finds the grade in the chosen
// other scale, places it on the chosen home scale and finds the home grade.
// Leaves the found grades current in otherGrades and homeGrades and the search
// view empty (or holding a search that found nothing). Messages go through the
// message service with owner as the owning window. Store failures are not
// caught (StoreError).
ConversionResult ConvertGrade(const QString& input, ConversionVariant variant, ConversionViews& views,
                              const RegionalSettings& settings, QWidget* owner);

// The input as the variant normalises it: trimmed, then the separator replacement.
QString NormaliseGradeInput(const QString& input, ConversionVariant variant,
                            const RegionalSettings& settings);

// The texts of the conversion messages.
QString EmptyInputText();
QString NotANumberText();
QString GradeNotFoundText(const QString& scaleName);
QString RoundingFailureText();
QString HomeGradeMissingText();
QString ScaleDeletedText();

// Colours of the result labels.
QColor PassColour();
QColor FailColour();

} // namespace zendaro
