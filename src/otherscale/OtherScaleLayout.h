#pragma once

#include "ui/NumberFormat.h"

class QFrame;
class QGroupBox;
class QWidget;

namespace zendaro {

class DataGrid;
class DataView;
class PictureBttn;

// The controls of FRMDIGEROLCEK that the window itself wires; the parameter
// and entry controls are found by OtherScaleControls::find.
struct OtherScaleLayout {
    DataGrid* scaleList = nullptr;      // DG_DIGER_OLCEKLER
    DataGrid* gradeView = nullptr;      // DG_DIGER_NOTLAR
    QFrame* browseButtons = nullptr;    // CER_BUTONLAR_EKLE_SIL_DUZENLE
    QFrame* editButtons = nullptr;      // CER_BUTONLAR_IPTAL_KAYDET
    QGroupBox* parameters = nullptr;    // CER_OLCEK_DUZENLEME
    PictureBttn* editScale = nullptr;   // BTN_OLCEK_DUZENLE
    PictureBttn* deleteScale = nullptr; // BTN_OLCEK_SIL
    PictureBttn* addScale = nullptr;    // BTN_OLCEK_EKLE
    PictureBttn* cancel = nullptr;      // BTN_OLCEK_VAZGEC
    PictureBttn* save = nullptr;        // BTN_OLCEK_KAYDET
    PictureBttn* generate = nullptr;    // BTN_OLCEK_OLUSTUR
    PictureBttn* addGrade = nullptr;    // BTN_OLCEGE_EKLE
    PictureBttn* library = nullptr;     // BTN_KUTUPHANE
    PictureBttn* fromFile = nullptr;    // BTN_ICE_AKTAR
    PictureBttn* toFile = nullptr;      // BTN_DISA_AKTAR
};

// Builds every control of the other-scale editor on `window` at its place:
// the scale list bound to `scales`, the grade view bound to `grades`, the
// working-list grid DG_ARRAY (bound later), the two button frames, the
// parameter frame with the distribution, equal-interval and manual-entry
// frames inside it (the manual-entry frame above the equal-interval frame it
// overlaps), the library and scale-file buttons in the free strip between the
// help button and "ANA MENÜ", and the tab order of the boxes and lists.
OtherScaleLayout BuildOtherScaleLayout(QWidget* window, DataView* scales, DataView* grades,
                                       const NumberFormat& numbers);

// Picture buttons inside frames take the colour the frames give the
// background where they lie; run after the window has blended its buttons
// with its background picture.
void BlendFramedButtons(QWidget* window);

// The column widths of the working-list grid DG_ARRAY, once its list is bound.
void SizeWorkingListColumns(DataGrid* grid);

} // namespace zendaro
