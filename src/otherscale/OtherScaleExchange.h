#pragma once

#include "OtherScaleSave.h"
#include "library/ScaleFile.h"

#include <QStringList>

class QWidget;

namespace zendaro {

class DataView;

// The stored other scale `id` of the database file as a scale of a file: a
// letter scale with its letters, a numeric scale by its values alone.
library::OtherScale StoredOtherScale(const QString& databasePath, qint64 id);

// Adds a scale of a file (or of the library) as a new other scale under
// `name`, through the editor's save with all its checks, in one transaction.
// Its letters (letter scales only), values and statuses form the working
// list; the max fail grade is its highest fail value.
OtherSaveResult AddOtherScale(DataView& scales, DataView& grades, const library::OtherScale& scale,
                              const QString& name, const RegionalSettings& settings, QWidget* owner);

// "Dışa Aktar": the current scale of `scales`, or every scale when the user
// says so, into a file the user chooses.
void ExportOtherScales(const DataView& scales, QWidget* owner);

// "İçe Aktar": reads a file the user chooses, shows what it holds and, once
// the user agrees, adds its other scales through the editor's save, all in
// one transaction: a clash of names asks to add under a free name or to skip.
// A refused file, a refused save or a store failure leaves the database as it
// was. True when scales were added (the last one is then current in `scales`).
bool ImportOtherScales(DataView& scales, DataView& grades, const RegionalSettings& settings, QWidget* owner);

// One line describing a scale: "name (Harf Notu, 9 not)".
QString ScaleLine(const library::OtherScale& scale);

} // namespace zendaro
