#pragma once

#include "OtherScaleControls.h"
#include "WorkingGradeList.h"
#include "conversion/RegionalSettings.h"

#include <QObject>
#include <QString>
#include <optional>

class QLineEdit;

namespace zendaro {

// Parameter entry, equal-interval generation and manual grade entry of the
// other-scale editor, acting on the editor's controls. It sets the controls
// up (list items, box lengths, the key filters and the change, leaving and
// entering rules, the DG_ARRAY grid over the working grade list) and connects
// the two lists, the grid's "Notu Sil" buttons and Enter in the entry boxes
// itself. The editor window calls the rest from its buttons.
class OtherScaleEntry : public QObject {
    Q_OBJECT
public:
    OtherScaleEntry(const OtherScaleControls& controls, RegionalSettings settings, QObject* parent = nullptr);

    // Editor mode: "EKLE", "DUZENLE" or empty. Set by the window when it starts
    // adding or editing a scale and when it goes back to browsing.
    void setMode(const QString& mode) {
        mode_ = mode;
        storedMaxFail_.reset();
    }
    const QString& mode() const { return mode_; }

    // An edited scale's max fail grade as stored (after the mode is set): the
    // box shows it with two decimals, but until the user changes the box it is
    // this value, in full, that grades are marked and the scale saved with.
    void keepStoredMaxFail(double value) { storedMaxFail_ = value; }
    bool maxFailAsStored() const { return storedMaxFail_.has_value(); }

    // The max fail grade: as stored (above), else the number in its box;
    // empty when the box holds no number.
    std::optional<double> maxFailGrade() const;

    // The working grade list shown by DG_ARRAY.
    const WorkingGradeList& grades() const { return list_; }
    WorkingGradeList& grades() { return list_; }

    // The value the guided letter entry proposes next.
    double guidedValue() const { return guided_; }

    // "Ölçek Oluştur" (BTN_OLCEK_OLUSTUR pressed): fills the list for a numeric
    // scale, starts the guided letter entry for a letter scale.
    void GenerateEqualIntervalScale();

    // What must be known before grades are generated or added; on false the
    // message has been shown and the focus moved.
    bool CheckScaleParameters();

    // After a grade was added under "Eşit Aralık": the next proposed value.
    void AdvanceGuidedValue();

    // "Ölçeğe Ekle" (BTN_OLCEGE_EKLE pressed; also Enter in the entry boxes).
    void AddGradeToScale();

    // A row's "Notu Sil" button (connected to DG_ARRAY here).
    void RemoveGradeRow(int row);

    // CMB_NOT_SISTEMI's selection changed, by the user or the program (connected here).
    void GradingSystemChosen();

    // CMB_NOT_DAGILIMI's selection changed (connected here).
    void DistributionChosen();

    // The max fail grade changed to a number (run by its change rule): every
    // row's status again, the grid re-read.
    void RemarkStatuses();

    // The grid takes the list's rows, is shown, and `currentRow` (kept within
    // the rows) becomes its current row. For the save and the edit loading.
    void showGrades(int currentRow);

    // Empties the list and hides the grid.
    void clearGrades();

    // The number in a box read with the regional settings; empty when there is none.
    std::optional<double> numberIn(const QLineEdit* box) const;

    // "0" + decimal separator + "00", the lowest grade of a new scale.
    QString zeroText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpControls();
    void installRules();
    void numericTextChanged(QLineEdit* box);
    void generateNumericScale();
    void letterEnter();
    void refreshGrid(int currentRow);
    bool refuse(const QString& text, QLineEdit* focus); // stop icon; returns false
    void inform(const QString& text, QLineEdit* focus); // information icon
    QWidget* owner() const;
    bool letterSystem() const;

    OtherScaleControls c_;
    RegionalSettings settings_;
    WorkingGradeList list_;
    QString mode_;
    std::optional<double> storedMaxFail_;
    double guided_ = 0;
};

} // namespace zendaro
