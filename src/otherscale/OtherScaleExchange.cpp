#include "OtherScaleExchange.h"

#include "OtherScaleTexts.h"
#include "store/DataView.h"
#include "store/Queries.h"
#include "store/StoreError.h"
#include "store/TurkishText.h"
#include "ui/MessageService.h"
#include "ui/ScaleFileDialogs.h"

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
        grade.pass =
            EqualsIgnoringCaseTr(row.value(QStringLiteral("durum")).toString(), otherscale::PassWord());
        scale.grades.append(grade);
    }
    return scale;
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

void ExportOtherScales(const DataView& scales, QWidget* owner) {
    if (scales.RecordCount() == 0 || scales.CurrentRow() < 0) {
        ShowMessage(NothingToExport(), StyleOk, IconInfo, owner);
        return;
    }
    const QString current = scales.Field(QStringLiteral("olcek_adi")).toString();
    library::ScaleFile file;
    try {
        if (ExportCurrentOnly(current, scales.RecordCount(), owner)) {
            file.otherScales.append(
                StoredOtherScale(scales.DatabaseName(), scales.Field(QStringLiteral("id")).toLongLong()));
        } else {
            for (const QSqlRecord& row : scales.Rows())
                file.otherScales.append(
                    StoredOtherScale(scales.DatabaseName(), row.value(QStringLiteral("id")).toLongLong()));
        }
    } catch (const StoreError& error) {
        ShowMessage(error.text(), StyleOk, IconStop, owner);
        return;
    }
    ExportScaleFile(file, file.otherScales.size() == 1 ? current : QStringLiteral("Diğer Ölçekler"), owner);
}

bool ImportOtherScales(DataView& scales, DataView& grades, const RegionalSettings& settings, QWidget* owner) {
    const std::optional<library::ScaleFile> file = ChooseScaleFileToImport(owner);
    if (!file)
        return false;
    if (file->otherScales.isEmpty()) {
        ShowMessage(QStringLiteral("Dosyada diğer üniversitelerin ölçeği yok: yalnız Dornela ölçekleri var. "
                                   "Onlar Dornela Üniversitesi Not Ölçekleri penceresinden içe aktarılır."),
                    StyleOk, IconInfo, owner);
        return false;
    }
    QStringList lines;
    QStringList names;
    for (const library::OtherScale& scale : file->otherScales) {
        lines.append(ScaleLine(scale));
        names.append(scale.name);
    }
    if (!ConfirmImport(lines, owner))
        return false;
    const QVector<std::optional<QString>> chosen = ImportNames(names, ScaleNames(scales), owner);
    return AddScalesTogether(
        scales, chosen,
        [&](qsizetype index, const QString& name) {
            return AddOtherScale(scales, grades, file->otherScales.at(index), name, settings, owner).saved;
        },
        owner);
}

QString ScaleLine(const library::OtherScale& scale) {
    return QStringLiteral("• %1 (%2, %3 not)").arg(scale.name, scale.system).arg(scale.grades.size());
}

} // namespace zendaro
