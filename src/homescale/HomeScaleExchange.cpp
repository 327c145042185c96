#include "HomeScaleExchange.h"

#include "store/DataView.h"
#include "ui/MessageService.h"
#include "ui/ScaleFileDialogs.h"

#include <QSqlRecord>

namespace zendaro {

namespace {

library::HomeScale homeScaleOf(const QSqlRecord& row) {
    return {row.value(QStringLiteral("olcek_adi")).toString(),
            row.value(QStringLiteral("egitim_duzeyi")).toString(),
            row.value(QStringLiteral("max_KN")).toDouble()};
}

} // namespace

HomeSaveResult AddHomeScale(DataView& scales, DataView& grades, const library::HomeScale& scale,
                            const QString& name, QWidget* owner) {
    HomeScaleForm form;
    form.name = name;
    form.levelIndex = static_cast<int>(EducationLevels().indexOf(scale.level));
    form.levelText = scale.level;
    for (int position = 0; position < MaxFailChoices().size(); ++position) {
        if (MaxFailValueAt(position) == scale.maxFail)
            form.maxFailIndex = position;
    }
    form.maxFailValue = scale.maxFail;
    return SaveHomeScaleForm(scales, grades, QStringLiteral("EKLE"), form, owner);
}

void ExportHomeScales(const DataView& scales, QWidget* owner) {
    if (scales.RecordCount() == 0 || scales.CurrentRow() < 0) {
        ShowMessage(NothingToExport(), StyleOk, IconInfo, owner);
        return;
    }
    const QSqlRecord current = scales.Rows().at(scales.CurrentRow());
    library::ScaleFile file;
    if (ExportCurrentOnly(current.value(QStringLiteral("olcek_adi")).toString(), scales.RecordCount(),
                          owner)) {
        file.homeScales.append(homeScaleOf(current));
    } else {
        for (const QSqlRecord& row : scales.Rows())
            file.homeScales.append(homeScaleOf(row));
    }
    ExportScaleFile(file,
                    file.homeScales.size() == 1 ? file.homeScales.first().name
                                                : QStringLiteral("Dornela Ölçekleri"),
                    owner);
}

bool ImportHomeScales(DataView& scales, DataView& grades, QWidget* owner) {
    const std::optional<library::ScaleFile> file = ChooseScaleFileToImport(owner);
    if (!file)
        return false;
    if (file->homeScales.isEmpty()) {
        ShowMessage(QStringLiteral("Dosyada Dornela ölçeği yok: yalnız diğer üniversitelerin ölçekleri var. "
                                   "Onlar Diğer Üniversitelerin Not Ölçekleri penceresinden içe aktarılır."),
                    StyleOk, IconInfo, owner);
        return false;
    }
    QStringList lines;
    QStringList names;
    for (const library::HomeScale& scale : file->homeScales) {
        lines.append(QStringLiteral("• %1 (%2, en yüksek kalır not %3)")
                         .arg(scale.name, scale.level, LadderLetterOf(scale.maxFail)));
        names.append(scale.name);
    }
    if (!ConfirmImport(lines, owner))
        return false;
    const QVector<std::optional<QString>> chosen = ImportNames(names, ScaleNames(scales), owner);
    return AddScalesTogether(
        scales, chosen,
        [&](qsizetype index, const QString& name) {
            return AddHomeScale(scales, grades, file->homeScales.at(index), name, owner).saved;
        },
        owner);
}

} // namespace zendaro
