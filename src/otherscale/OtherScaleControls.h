#pragma once

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace zendaro {

class DataGrid;

// The controls of the other-scale editor that parameter entry, generation and
// manual entry act on; the editor window builds them and hands them over.
// Frames are plain widgets: any container with the frame's objectName.
struct OtherScaleControls {
    QLineEdit* name = nullptr;             // TXT_OLCEK_ADI
    QComboBox* gradingSystem = nullptr;    // CMB_NOT_SISTEMI
    QLineEdit* maxFail = nullptr;          // TXT_MAX_KALIR_NOT
    QComboBox* distribution = nullptr;     // CMB_NOT_DAGILIMI
    QLineEdit* maxGrade = nullptr;         // TXT_MAX_NOT
    QLineEdit* minGrade = nullptr;         // TXT_MIN_NOT
    QLineEdit* interval = nullptr;         // TXT_NOT_ARALIGI
    QLineEdit* entryLetter = nullptr;      // TXT_NOT_EKLEME_HARF_NOTU
    QLineEdit* entryValue = nullptr;       // TXT_NOT_EKLEME_SAYISAL_NOT
    QLabel* entryLetterLabel = nullptr;    // LBL_NOT_EKLEME_HARF_NOTU
    QLabel* entryValueLabel = nullptr;     // LBL_NOT_EKLEME_SAYISAL_NOT
    QWidget* distributionFrame = nullptr;  // CER_MAX_KALIR_NOT
    QWidget* equalIntervalFrame = nullptr; // CER_ESIT_ARALIKLI_DAGILIM
    QWidget* entryFrame = nullptr;         // CER_NOT_EKLE
    DataGrid* grid = nullptr;              // DG_ARRAY

    // Finds every control under `window` by its objectName; a missing one stays null.
    static OtherScaleControls find(QWidget* window);
    // True when every control is there.
    bool complete() const;
};

} // namespace zendaro
