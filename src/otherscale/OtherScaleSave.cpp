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

bool SameGradeValue(double a, double b) {
    return a == b || QString::number(a, 'g', 15) == QString::number(b, 'g', 15);
}

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
    // Statuses follow the max fail grade whenever it changes; an edited
    // scale's rows come with the statuses they were stored with, which a max
    // fail grade shown with two decimals may not reproduce. With every row
    // marked by the same max fail grade, the two checks below guarantee a pass
    // block above a fail block.
    list.remark(maxFail);
    if (maxFail >= list.at(0).value)
        return refuse(NoPassGrade(), OtherScaleField::None);
    if (maxFail < list.at(list.size() - 1).value)
        return refuse(NoFailGrade(), OtherScaleField::None);

    const ScaleSummary summary = BuildScaleSummary(list);
    if (!SameGradeValue(maxFail, summary.maxFail) &&
        ShowMessage(MaxFailNotInScale(), StyleYesNo, IconInfo, owner) == ResultHayir)
        return result;

    if (beforeWriting)
        beforeWriting();

    const bool changing = EqualsIgnoringCaseTr(form.mode, EditMode());
    try {
        result.id = SaveOtherScale(scales, grades, changing,
                                   OtherScaleRow(result.trimmedName, form.systemText, summary),
                                   OtherGradeRows(list, settings));
        result.saved = true;
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, owner);
    }
    return result;
}

} // namespace zendaro
