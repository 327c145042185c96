#pragma once

#include "library/ScaleFile.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

class QWidget;

namespace zendaro {

class DataView;

// Where a scale file is written or read from: the real chooser asks with the
// platform's file dialogs; tests install one that answers with paths of their own.
class ScaleFileChooser {
public:
    virtual ~ScaleFileChooser() = default;
    // The chosen path, or the empty text when the user cancelled. The save
    // dialog does not ask about an existing file: ExportScaleFile does.
    virtual QString chooseSavePath(QWidget* owner, const QString& suggestedPath) = 0;
    virtual QString chooseOpenPath(QWidget* owner) = 0;
};

// The chooser in use: the real dialogs unless another was installed.
ScaleFileChooser& scaleFileChooser();
// Installs a chooser (nullptr restores the real one). Not owned.
void setScaleFileChooser(ScaleFileChooser* chooser);

// The path as a scale file: ".zolcek" added when it ends otherwise.
QString WithZolcekSuffix(const QString& path);

// "Dışa Aktar": asks where (suggesting `suggestedName` in the user's home
// folder), asks before overwriting an existing file, writes the file whole or
// not at all and tells the user. True when the file was written.
bool ExportScaleFile(const library::ScaleFile& file, const QString& suggestedName, QWidget* owner);

// With more than one scale: asks whether only the current scale is exported
// ("Evet") or every scale ("Hayır"). True for the current scale alone.
bool ExportCurrentOnly(const QString& currentName, int scaleCount, QWidget* owner);

// Shown when there is no scale to export.
QString NothingToExport(); // "DIŞA AKTARILACAK ÖLÇEK YOK..."

// "İçe Aktar": asks which file, reads and checks it. A refused file is
// reported with its reason and nothing comes back.
std::optional<library::ScaleFile> ChooseScaleFileToImport(QWidget* owner);

// Shows what a file holds (one line per scale) and asks whether to add it:
// true for "Evet".
bool ConfirmImport(const QStringList& scaleLines, QWidget* owner);

// The names under which the scales of a file are added: a name already
// present (`taken`, compared trimmed and ignoring Turkish letter case, also
// against names added before it) asks whether to add the scale under a free
// name ("Evet") or to skip it ("Hayır": no name).
QVector<std::optional<QString>> ImportNames(const QStringList& names, QStringList taken, QWidget* owner);

// The names (olcek_adi) of the scales a scale view holds.
QStringList ScaleNames(const DataView& scales);

// True when `name` is among `taken` (trimmed, Turkish letter case ignored).
bool NameTaken(const QString& name, const QStringList& taken);

// A name that is not taken: the name itself, else "name (2)", "name (3)", ...
// cut so that it stays within 40 characters.
QString FreeName(const QString& name, const QStringList& taken);

// The report after an import: how many scales were added and skipped.
QString ImportReport(int added, int skipped);

// Adds the scales of a file under their chosen names (no name: skipped), all
// in one transaction on the file of `scales`: `add` stores scale `index` and
// tells whether it was stored (a refusing save has told the user why). A
// refusal or a store failure undoes them all and `scales` shows the file as
// it is again; otherwise the report is shown. True when scales were added.
bool AddScalesTogether(DataView& scales, const QVector<std::optional<QString>>& names,
                       const std::function<bool(qsizetype index, const QString& name)>& add, QWidget* owner);

} // namespace zendaro
