#pragma once

#include "conversion/RegionalSettings.h"
#include "files/ConversionFile.h"
#include "files/FileWork.h"
#include "store/DataView.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zendaro {

class DataGrid;
class FileStore;
class PictureBttn;

// The editor side of FRMDOSYA: one conversion file's student, other
// university, scales and note, its course table with the entry boxes above it
// (code → name → credit → ECTS → grade; Enter adds the course, converts it
// and goes back to the code box), the totals, saving and the reports.
class FileEditorPage : public QWidget {
    Q_OBJECT
public:
    FileEditorPage(const QString& databasePath, const RegionalSettings& settings, FileStore& store,
                   QWidget* parent);
    ~FileEditorPage() override;

    // Shows a file (new or loaded) with every course converted anew.
    void open(ConversionFile file);
    // A newer program's database: the file can be read and reported, not saved.
    void setReadOnly(bool readOnly);

    // Asks before unsaved changes are lost; true when the page may be left.
    bool mayLeave();

    // "Kaydet": true when the file was saved.
    bool save();

    const FileWork& work() const { return *work_; }
    // The row being changed in the entry boxes (-1: a new course is typed).
    int editedRow() const { return editedRow_; }

signals:
    void listRequested();
    void savedFile();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStudent();
    void buildEntry();
    void buildTable();
    void buildButtons();
    void alignEntry();
    void fillPickers();
    void pickScales();
    void showFile();
    void showCourses(int currentRow);
    void commitEntry();
    void editRow(int row);
    void cancelEdit();
    void deleteRow();
    void detailsEdited();
    void showMessageFor(const CourseEntryResult& result);
    void clearEntry();
    void writeReport(bool spreadsheet);

    QString databasePath_;
    RegionalSettings settings_;
    FileStore& store_;
    std::unique_ptr<FileWork> work_;
    DataView otherScales_;
    DataView homeScales_;
    int editedRow_ = -1;
    bool readOnly_ = false;

    QLineEdit* name_;         // TXT_OGRENCI_ADI
    QLineEdit* number_;       // TXT_OGRENCI_NO
    QLineEdit* programme_;    // TXT_PROGRAM
    QLineEdit* university_;   // TXT_DIGER_UNIVERSITE
    QLineEdit* note_;         // TXT_ACIKLAMA
    QComboBox* otherPicker_;  // CMB_KAYNAK_OLCEK
    QComboBox* homePicker_;   // CMB_DORNELA_OLCEK
    QLineEdit* code_;         // TXT_DERS_KODU
    QLineEdit* course_;       // TXT_DERS_ADI
    QLineEdit* credit_;       // TXT_KREDI
    QLineEdit* ects_;         // TXT_AKTS
    QLineEdit* grade_;        // TXT_DERSNOTU
    QCheckBox* counts_;       // CHK_ORTALAMA
    PictureBttn* add_;        // BTN_DERS_EKLE
    PictureBttn* cancel_;     // BTN_DERS_VAZGEC
    PictureBttn* remove_;     // BTN_DERS_SIL
    DataGrid* table_;         // DG_DERSLER
    QLabel* totals_;          // LBL_TOPLAMLAR
    PictureBttn* saveButton_; // BTN_KAYDET
    PictureBttn* pdf_;        // BTN_PDF
    PictureBttn* xlsx_;       // BTN_XLSX
    PictureBttn* list_;       // BTN_DOSYA_LISTESI
};

} // namespace zendaro
