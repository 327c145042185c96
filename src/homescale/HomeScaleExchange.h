#pragma once

#include "HomeScaleModel.h"
#include "library/ScaleFile.h"

class QWidget;

namespace zendaro {

class DataView;

// Adds a home scale of a file as a new scale under `name`, through the
// editor's save with its checks, in one transaction.
HomeSaveResult AddHomeScale(DataView& scales, DataView& grades, const library::HomeScale& scale,
                            const QString& name, QWidget* owner);

// "Dışa Aktar": the current home scale, or every one when the user says so,
// into a file the user chooses.
void ExportHomeScales(const DataView& scales, QWidget* owner);

// "İçe Aktar": reads a file the user chooses, shows what it holds and, once
// the user agrees, adds its home scales through the editor's save, all in one
// transaction; a clash of names asks to add under a free name or to skip. A
// refused file, a refused save or a store failure leaves the database as it
// was. True when scales were added (the last one is then current in `scales`).
bool ImportHomeScales(DataView& scales, DataView& grades, QWidget* owner);

} // namespace zendaro
