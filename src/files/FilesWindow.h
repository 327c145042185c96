#pragma once

#include "conversion/RegionalSettings.h"
#include "files/SchemaUpgrade.h"
#include "ui/WorkingForm.h"

#include <QVariant>
#include <memory>

class QStackedWidget;

namespace zendaro {

class FileEditorPage;
class FileListPage;
class FileStore;

// FRMDOSYA: the students' conversion files. Opens on the list of saved
// files, or, when the batch window handed its courses over, on a new file
// holding them. The list and the editor are two pages of the one window.
class FilesWindow : public WorkingForm {
    Q_OBJECT
public:
    // `schema`: how the database stood at start-up. Files of a newer program
    // are listed and shown but never written; files that could not be
    // upgraded are not shown (the window says why and goes back).
    FilesWindow(const QString& databasePath, const RegionalSettings& regional, Navigator& navigator,
                const SchemaState& schema, const QVariant& handOver = {}, QWidget* parent = nullptr);
    ~FilesWindow() override;

    FileListPage* listPage() const { return list_; }
    FileEditorPage* editorPage() const { return editor_; }
    bool editing() const;

protected:
    void backRequested() override;
    void showEvent(QShowEvent* event) override;

private:
    void showList();
    void openFile(qint64 id);
    void newFile(const QVariant& handOver);

    std::unique_ptr<FileStore> store_;
    SchemaState schema_;
    QStackedWidget* pages_ = nullptr;
    FileListPage* list_ = nullptr;
    FileEditorPage* editor_ = nullptr;
    bool toldReadOnly_ = false;
};

} // namespace zendaro
