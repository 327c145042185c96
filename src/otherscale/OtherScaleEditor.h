#pragma once

#include "OtherScaleControls.h"
#include "OtherScaleLayout.h"
#include "conversion/RegionalSettings.h"
#include "store/DataView.h"
#include "store/ScaleRevision.h"
#include "ui/WorkingForm.h"

namespace zendaro {

class OtherScaleEntry;

// FRMDIGEROLCEK: lists the other universities' scales, shows the selected
// one's details and grades, and adds, edits and deletes scales. Browsing,
// adding and editing are its three states; parameter entry, generation and
// manual grade entry are the OtherScaleEntry's, the save's checks and values
// SaveOtherScaleForm's.
class OtherScaleEditor : public WorkingForm {
    Q_OBJECT
public:
    enum class State { Browsing, Adding, Editing };

    OtherScaleEditor(const QString& databasePath, RegionalSettings settings, Navigator& navigator,
                     QWidget* parent = nullptr);
    ~OtherScaleEditor() override;

    State state() const { return state_; }
    QString mode() const;
    const OtherScaleEntry& entry() const { return *entry_; }

    // The current scale's name, grading system, max fail grade and grades on
    // screen. Runs whenever the current row of the scale list changes, by the
    // user or by the program (load, delete, save), and on cancel.
    void ShowSelectedScale();

    // "KAYDET".
    void SaveScale();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void wire();
    void applyState(State state);
    void clearScaleBoxes();
    void backToBrowsing();
    void showListAsStored(); // after a conflict: the list read again, its current scale shown

    void startAdding();
    void startEditing();
    void deleteScale();
    void cancel();
    void rereadWorkingList();
    void importScales();
    void openLibrary(); // FRMKUTUPHANE

    DataView scales_;
    DataView grades_;
    RegionalSettings settings_;
    OtherScaleLayout ui_;
    OtherScaleControls c_;
    OtherScaleEntry* entry_ = nullptr;
    State state_ = State::Browsing;
    // The scale the boxes show, as read for them; its save and delete are
    // refused when another user changed it since.
    std::optional<ShownScale> shown_;
};

} // namespace zendaro
