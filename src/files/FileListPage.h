#pragma once

#include "files/ConversionFile.h"

#include <QVector>
#include <QWidget>

class QLineEdit;

namespace zendaro {

class DataGrid;
class FileStore;
class NumberFormat;
class PictureBttn;

// The list side of FRMDOSYA: the saved conversion files, the most recently
// changed first, narrowed as the user types a name or number into the search
// box; buttons to open a file, begin a new one and delete one.
class FileListPage : public QWidget {
    Q_OBJECT
public:
    FileListPage(FileStore& store, const NumberFormat& numbers, QWidget* parent);

    // Reads the list again (after a save or a delete), keeping the search.
    void reload();
    // Files cannot be written (a newer program's database): new and delete stay off.
    void setReadOnly(bool readOnly);

    const QVector<FileSummary>& listed() const { return listed_; }

signals:
    void openRequested(qint64 id);
    void newRequested();

private:
    void search();
    void openChosen();
    void deleteChosen();
    void enableButtons();
    const FileSummary* chosen() const;

    FileStore& store_;
    QVector<FileSummary> listed_;
    bool readOnly_ = false;
    QLineEdit* query_;    // TXT_ARA
    DataGrid* list_;      // DG_DOSYALAR
    PictureBttn* open_;   // BTN_DOSYA_AC
    PictureBttn* create_; // BTN_YENI_DOSYA
    PictureBttn* delete_; // BTN_DOSYA_SIL
};

} // namespace zendaro
