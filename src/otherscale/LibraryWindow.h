#pragma once

#include "conversion/RegionalSettings.h"
#include "library/ScaleFile.h"

#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;

namespace zendaro {

class DataGrid;
class DataView;
class PictureBttn;

// FRMKUTUPHANE: the library of real grading scales, searchable by country,
// name and grading system. The chosen scale is added through the other-scale
// editor's save, on the editor's own views, under its library name or a name
// the user types; a name already present is refused, never overwritten.
// Window-modal over the editor, the same size and look as the working windows.
class LibraryWindow : public QDialog {
    Q_OBJECT
public:
    LibraryWindow(QVector<library::OtherScale> scales, DataView& editorScales, DataView& editorGrades,
                  RegionalSettings settings, QWidget* owner);

    // The id of the scale added, or -1.
    int addedId() const { return addedId_; }

    // The positions (in the library) of the scales listed, in list order.
    const QVector<int>& listed() const { return listed_; }

    // "Ölçeği Ekle".
    void AddChosenScale();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void search();
    void showChosen();
    const library::OtherScale* chosen() const;

    QVector<library::OtherScale> scales_;
    DataView& editorScales_;
    DataView& editorGrades_;
    RegionalSettings settings_;
    QVector<int> listed_;
    int addedId_ = -1;

    QPixmap background_;
    QLineEdit* query_;   // TXT_ARA
    DataGrid* list_;     // DG_KUTUPHANE
    QLabel* country_;    // LBL_ULKE
    QLabel* grades_;     // LBL_NOTLAR
    QLabel* source_;     // LBL_KAYNAK
    QLabel* note_;       // LBL_ACIKLAMA
    QLineEdit* name_;    // TXT_OLCEK_ADI
    PictureBttn* add_;   // BTN_OLCEK_EKLE
    PictureBttn* close_; // BTN_KAPAT
};

// Reads the library KUTUPHANE.zolcek of the application folder (the folder of
// the database file; with a server, the folder of the program). A library that cannot be read is reported and
// nothing comes back.
std::optional<QVector<library::OtherScale>> ReadScaleLibrary(const QString& databasePath, QWidget* owner);

} // namespace zendaro
