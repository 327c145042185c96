#pragma once

#include "ui/NumberFormat.h"

namespace zendaro {

class DataGrid;
class WorkingGradeList;

// Column positions of the working-list grid DG_ARRAY.
constexpr int RemoveColumn = 0; // "Sil": the "Notu Sil" buttons
constexpr int LetterColumn = 1; // "Harf Notu"
constexpr int ValueColumn = 2;  // "Sayısal Not", two decimals
constexpr int StatusColumn = 3; // "Başarı Durumu"
constexpr int StepColumn = 4;   // step number, hidden, no caption

// Shows the list in the grid: the five columns, the "Notu Sil" button in
// every first cell, the step column hidden, the whole current row
// highlighted. The grid takes the list's rows whenever it re-reads.
void BindWorkingGradeGrid(DataGrid* grid, const WorkingGradeList* list, const NumberFormat& numbers);

} // namespace zendaro
