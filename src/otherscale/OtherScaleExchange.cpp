#include "OtherScaleExchange.h"

#include "OtherScaleTexts.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/TurkishText.h"

#include <QSqlRecord>

namespace zendaro {

library::OtherScale StoredOtherScale(const QString& databasePath, qint64 id) {
    DataView scales;
    DataView grades;
    scales.SetDatabaseName(databasePath);
    grades.SetDatabaseName(databasePath);
    scales.SetRecordSource(queries::Q3());
    scales.Refresh();
    library::OtherScale scale;
    if (!scales.FindFirst(queries::C1(id)))
        return scale;
    scale.name = scales.Field(QStringLiteral("olcek_adi")).toString();
    scale.system = scales.Field(QStringLiteral("not_sistemi")).toString();
    grades.SetRecordSource(queries::Q4(id));
    grades.Refresh();
    const bool letters = scale.letterSystem();
    for (const QSqlRecord& row : grades.Rows()) {
        library::Grade grade;
        if (letters)
            grade.letter = row.value(QStringLiteral("harf_notu")).toString();
        grade.value = row.value(QStringLiteral("sayisal_not")).toDouble();
        grade.pass = EqualsIgnoringCaseTr(row.value(QStringLiteral("durum")).toString(), otherscale::PassWord());
        scale.grades.append(grade);
    }
    return scale;
}

QStringList ScaleNames(const DataView& scales) {
    QStringList names;
    for (const QSqlRecord& row : scales.Rows())
        names.append(row.value(QStringLiteral("olcek_adi")).toString());
    return names;
}

OtherSaveResult AddOtherScale(DataView& scales, DataView& grades, const library::OtherScale& scale,
                              const QString& name, const RegionalSettings& settings, QWidget* owner) {
    OtherScaleForm form;
    form.mode = otherscale::AddMode();
    form.name = name;
    form.systemIndex = scale.letterSystem() ? otherscale::LetterSystem : otherscale::NumericSystem;
    form.systemText = otherscale::GradingSystems().at(form.systemIndex);
    form.maxFail = scale.maxFail();
    WorkingGradeList list;
    QVector<WorkingGrade> rows;
    for (const library::Grade& grade : scale.grades)
        rows.append({scale.letterSystem() ? grade.letter : QString(), grade.value,
                     grade.pass ? otherscale::PassWord() : otherscale::FailWord(), -1});
    list.setRows(rows);
    return SaveOtherScaleForm(scales, grades, form, list, settings, owner);
}

QString ScaleLine(const library::OtherScale& scale) {
    return QStringLiteral("• %1 (%2, %3 not)").arg(scale.name, scale.system).arg(scale.grades.size());
}

} // namespace zendaro
