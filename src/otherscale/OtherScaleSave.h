#pragma once

#include "WorkingGradeList.h"
#include "conversion/RegionalSettings.h"
#include "store/ScaleStore.h"

#include <QString>
#include <QVector>
#include <functional>
#include <optional>

class QWidget;

namespace zendaro {

class DataView;

// What the editor holds when "KAYDET" is pressed.
struct OtherScaleForm {
    QString mode;                  // "EKLE" or "DUZENLE" (compared ignoring case)
    QString name;                  // the name box as typed
    int systemIndex = -1;          // CMB_NOT_SISTEMI; -1: nothing chosen
    QString systemText;            // its item text, "Harf Notu" or "Sayısal Not"
    std::optional<double> maxFail; // the max fail grade; empty when the box holds no number
    // An edited scale whose max fail grade the user has not changed: `maxFail`
    // is the one it was stored with, and its rows keep their statuses.
    bool maxFailAsStored = false;
    // The scale being edited as the editor showed it (mode "DUZENLE").
    std::optional<ShownScale> shown;
};

// Where the focus goes after a refused save.
enum class OtherScaleField { None, Name, GradingSystem, MaxFail };

struct OtherSaveResult {
    bool saved = false;
    QString trimmedName;                           // what the name box holds afterwards
    OtherScaleField focus = OtherScaleField::None; // after a refusal
    int id = -1;                                   // the stored scale's id
    // Refused because another user changed or deleted the scale meanwhile:
    // the views show the store as it now is.
    bool conflict = false;
};

// The scale row of a summarised list.
OtherScaleValues OtherScaleRow(const QString& name, const QString& system, const ScaleSummary& summary);

// The grade rows of a summarised list, in list order. A grade without a letter
// stores its value as text in the letter field, in the shortest form with the
// regional decimal separator (85,5 and 85 under Turkish settings): the text
// the conversion searches a numeric grade by.
QVector<OtherGradeValues> OtherGradeRows(const WorkingGradeList& list, const RegionalSettings& settings);

// The working list of an edited scale from the rows of the grade view (that
// scale's grades): the letter only for a letter scale, the value and the
// status as stored, ordered from the highest value down. No rows give an
// empty list.
QVector<WorkingGrade> WorkingGradesOf(const DataView& grades, bool letterSystem);

// "KAYDET": trims the name, runs the checks in order (only the first failing
// one is reported, nothing is written), summarises the list (its step numbers
// are written into it), asks when the max fail grade is no grade of the list
// ("Hayır" ends the save with nothing written), then runs `beforeWriting` and
// stores the scale and its grades in one transaction: a new scale, or, in
// "DUZENLE" mode, the current scale of `scales` (the form's shown scale,
// refused when another user changed or deleted it since) with all-new grade
// rows.
// Before the checks the rows are re-marked under the max fail grade, unless
// the max fail grade is as stored and the statuses already form a pass block
// above a fail block: saving an edit never changes a status the user did not
// change, and what is stored always splits into a pass block above a fail
// block. A store failure is shown with the store's text and nothing is
// stored. Messages go through the message service with `owner`.
OtherSaveResult SaveOtherScaleForm(DataView& scales, DataView& grades, const OtherScaleForm& form,
                                   WorkingGradeList& list, const RegionalSettings& settings, QWidget* owner,
                                   const std::function<void()>& beforeWriting = {});

} // namespace zendaro
