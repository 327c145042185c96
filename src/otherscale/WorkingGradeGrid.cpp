#include "WorkingGradeGrid.h"

#include "OtherScaleTexts.h"
#include "WorkingGradeList.h"
#include "ui/DataGrid.h"

namespace zendaro {

void BindWorkingGradeGrid(DataGrid* grid, const WorkingGradeList* list, const NumberFormat& numbers) {
    const QVector<GridColumn> columns{
        {QStringLiteral("Sil"), {}, false},
        {QStringLiteral("Harf Notu"), {}, false},
        {QStringLiteral("Sayısal Not"), {}, true},
        {QStringLiteral("Başarı Durumu"), {}, false},
        {QString(), {}, false},
    };
    const QString removeCaption = otherscale::RemoveCaption();
    grid->bindTable([list] { return list->size(); },
                    [list, removeCaption](int row, int column) -> QVariant {
                        const WorkingGrade& grade = list->at(row);
                        switch (column) {
                        case RemoveColumn:
                            return removeCaption;
                        case LetterColumn:
                            return grade.letter;
                        case ValueColumn:
                            return grade.value;
                        case StatusColumn:
                            return grade.status;
                        case StepColumn:
                            return grade.step < 0 ? QVariant() : QVariant(grade.step);
                        default:
                            return {};
                        }
                    },
                    columns, numbers, removeCaption);
    grid->setColumnShown(StepColumn, false);
    grid->setRowMarker(true);
}

} // namespace zendaro
