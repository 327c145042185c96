#include "OtherScaleSave.h"

#include "OtherScaleTexts.h"
#include "conversion/NumberText.h"
#include "store/DataView.h"
#include "store/StoreError.h"
#include "store/TurkishText.h"
#include "ui/MessageService.h"

#include <QSqlRecord>
#include <algorithm>

namespace zendaro {

using namespace otherscale;

OtherScaleValues OtherScaleRow(const QString& name, const QString& system, const ScaleSummary& summary) {
    OtherScaleValues row;
    row.olcekAdi = name;
    row.notSistemi = system;
    row.maxGN = summary.maxPass;
    row.minGN = summary.minPass;
    row.maxKN = summary.maxFail;
    row.minKN = summary.minFail;
    row.gecerNotSayisi = summary.passCount;
    row.kalirNotSayisi = summary.failCount;
    return row;
}

QVector<OtherGradeValues> OtherGradeRows(const WorkingGradeList& list, const RegionalSettings& settings) {
    QVector<OtherGradeValues> rows;
    rows.reserve(list.size());
    for (const WorkingGrade& grade : list.rows()) {
        const QString letter =
            grade.letter.isEmpty() ? ShortestNumberText(grade.value, settings) : grade.letter;
        rows.append({letter, grade.value, grade.status, grade.step});
    }
    return rows;
}

QVector<WorkingGrade> WorkingGradesOf(const DataView& grades, bool letterSystem) {
    QVector<WorkingGrade> rows;
    rows.reserve(grades.RecordCount());
    for (const QSqlRecord& record : grades.Rows()) {
        WorkingGrade grade;
        if (letterSystem)
            grade.letter = record.value(QStringLiteral("harf_notu")).toString();
        grade.value = record.value(QStringLiteral("sayisal_not")).toDouble();
        grade.status = record.value(QStringLiteral("durum")).toString();
        rows.append(grade);
    }
    // Stored in this order already; a file changed by other means must not
    // break the list's order, on which the save's checks rely.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const WorkingGrade& a, const WorkingGrade& b) { return a.value > b.value; });
    return rows;
}

OtherSaveResult SaveOtherScaleForm(DataView& scales, DataView& grades, const OtherScaleForm& form,
                                   WorkingGradeList& list, const RegionalSettings& settings, QWidget* owner,
                                   const std::function<void()>& beforeWriting) {
    OtherSaveResult result;
    result.trimmedName = form.name.trimmed();

    const auto refuse = [&](const QString& text, OtherScaleField field) {
        ShowMessage(text, StyleOk, IconStop, owner);
        result.focus = field;
        return result;
    };
    if (result.trimmedName.isEmpty())
        return refuse(NameMissing(), OtherScaleField::Name);
    if (form.systemIndex < 0)
        return refuse(GradingSystemMissing(), OtherScaleField::GradingSystem);
    if (!form.maxFail)
        return refuse(MaxFailMissing(), OtherScaleField::MaxFail);
    if (list.isEmpty())
        return refuse(NoGrades(), OtherScaleField::None);

    const double maxFail = *form.maxFail;
    // An edited scale's rows come with the statuses they were stored with;
    // they stay unless the user changed the max fail grade or they do not form
    // a pass block above a fail block (a file changed by other means). Either
    // way the statuses now form the blocks, so the two checks below, on the
    // first and the last row, guarantee a pass grade above a fail grade; for
    // re-marked rows they are the max fail grade against the highest and the
    // lowest value.
    if (!form.maxFailAsStored || !list.passBlockAboveFailBlock())
        list.remark(maxFail);
    if (!IsPassStatus(list.at(0).status))
        return refuse(NoPassGrade(), OtherScaleField::None);
    if (IsPassStatus(list.at(list.size() - 1).status))
        return refuse(NoFailGrade(), OtherScaleField::None);

    const ScaleSummary summary = BuildScaleSummary(list);
    if (!SameGradeValue(maxFail, summary.maxFail) &&
        ShowMessage(MaxFailNotInScale(), StyleYesNo, IconInfo, owner) == ResultHayir)
        return result;

    if (beforeWriting)
        beforeWriting();

    const bool changing = EqualsIgnoringCaseTr(form.mode, EditMode());
    try {
        if (changing && !form.shown)
            throw StoreError(QStringLiteral("Değiştirilecek ölçek seçili değil."));
        result.id = SaveOtherScale(scales, grades, changing ? form.shown : std::nullopt,
                                   OtherScaleRow(result.trimmedName, form.systemText, summary),
                                   OtherGradeRows(list, settings));
        result.saved = true;
    } catch (const ScaleConflict& conflict) {
        ShowMessage(conflict.text(), StyleOk, IconStop, owner);
        result.conflict = true;
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, owner);
    }
    return result;
}

} // namespace zendaro
