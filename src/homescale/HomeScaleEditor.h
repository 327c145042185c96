#pragma once

#include "store/DataView.h"
#include "store/ScaleRevision.h"
#include "ui/NumberFormat.h"
#include "ui/WorkingForm.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zendaro {

class DataGrid;
class PictureBttn;

// FRMDORNELAOLCEK: lists the home scales, shows the current one's details and
// nine grades, and adds, changes and deletes scales. Browsing, adding and
// changing are its three states.
class HomeScaleEditor : public WorkingForm {
    Q_OBJECT
public:
    enum class State { Browsing, Adding, Changing };

    HomeScaleEditor(const QString& databasePath, const NumberFormat& numbers, Navigator& navigator,
                    QWidget* parent = nullptr);

    State state() const { return state_; }
    QString mode() const { return mode_; }

private:
    void buildGrids(const NumberFormat& numbers);
    void buildEditPanel();
    void buildButtons();
    void load();

    void setState(State state);
    void showCurrentScale();     // shows a store failure as a message
    void fillFromCurrentScale(); // throws StoreError (ScaleConflict: the scale is gone)
    void showListAsStored();     // after a conflict: the list read again, its current scale shown
    void clearBoxes();
    void colourLadder();

    void startAdding();
    void startChanging();
    void deleteScale();
    void save();
    void cancel();

    DataView scales_;
    DataView grades_;
    State state_ = State::Browsing;
    QString mode_; // "EKLE" or "DUZENLE"; kept after a save or a cancel
    // The scale the boxes show, as read for them; its save and delete are
    // refused when another user changed it since.
    std::optional<ShownScale> shown_;

    DataGrid* scaleList_;
    DataGrid* gradeList_;
    QGroupBox* editPanel_;
    QLineEdit* name_;
    QComboBox* level_;
    QComboBox* maxFail_;
    QVector<QLabel*> ladderLabels_;
    QFrame* browseButtons_;
    QFrame* editButtons_;
    PictureBttn* importButton_; // BTN_ICE_AKTAR
    PictureBttn* exportButton_; // BTN_DISA_AKTAR
};

} // namespace zendaro
