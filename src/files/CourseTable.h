#pragma once

#include "files/FileWork.h"

#include <QStringList>
#include <QVariant>

class QAbstractItemDelegate;
class QObject;

// The course table of a conversion file (DG_DERSLER): what each cell shows.
namespace zendaro::course_table {

enum Column { Code, Name, Credit, Ects, Grade, Counts, HomeLetter, HomeValue, Status, Mark, ColumnCount };

QStringList captions();
// Whether the column shows numbers in the standard format.
bool isNumber(int column);
// Pixel widths of the columns at the table's width; the mark column takes the rest.
int width(int column);

// The value of a cell: numbers as numbers, texts as the user reads them.
QVariant cell(const FileWork& work, int row, int column);

// What a marked course says: "Değişti: BA 3,50 → BB 3,00" for a changed
// result, the mark's own text otherwise, empty for an unmarked course.
QString markText(const FileWork& work, int row);

// Paints results green (pass) or red (fail) and marked rows on a light amber ground.
QAbstractItemDelegate* makeDelegate(const FileWork& work, QObject* parent);

} // namespace zendaro::course_table
