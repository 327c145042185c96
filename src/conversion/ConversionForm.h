#pragma once

#include "conversion/ConvertGrade.h"
#include "conversion/RegionalSettings.h"
#include "store/DataView.h"
#include "ui/WorkingForm.h"

#include <QPointer>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTimer;

namespace zendaro {

class DataGrid;
class InputShield;
class PictureBttn;

// What the two conversion windows share: the two scale pickers with their
// placeholders, the grade grids of the chosen scales, the conversion panel
// shown once both scales are picked, the five data views, the checks of the
// first activation, the convert button with its caption and the result labels.
class ConversionForm : public WorkingForm {
    Q_OBJECT
public:
    // The views' file must exist; `helpAnchor` empty: no help button.
    ConversionForm(const QString& objectName, const QString& banner, const QString& helpAnchor,
                   const QString& databasePath, RegionalSettings regional, Navigator& navigator,
                   QWidget* parent = nullptr);
    ~ConversionForm() override;

    // Runs the next tick of whichever animation timer is running; returns
    // false when no animation runs. Tests drive the animation with it.
    bool advanceAnimation();
    bool animating() const;

protected:
    // The box ConvertGrade reads.
    QLineEdit* input() const { return input_; }
    QFrame* panel() const { return panel_; }
    QLabel* homeLetter() const { return homeLetter_; }
    QLabel* homeNumeric() const { return homeNumeric_; }
    PictureBttn* convertButton() const { return zendaro_; }
    PictureBttn* blinkButton() const { return donusum_; }
    DataGrid* otherGrid() const { return otherGrid_; }
    DataGrid* homeGrid() const { return homeGrid_; }
    QTimer* timer(int number) const;
    const RegionalSettings& regional() const { return regional_; }
    ConversionViews& views() { return views_; }

    // The window-specific steps of picking a scale and of converting.
    virtual void emptyBoxesOnPick() = 0;
    virtual void showScaleKind(bool letterScale) = 0;
    virtual void focusAfterPick() = 0;
    virtual void inputChanged() = 0;
    virtual ConversionVariant variant() const = 0;
    // Starts the result animation after a successful conversion. From here
    // to endAnimation the window takes no input, keeping its look, and no
    // control holds the focus.
    virtual void startAnimation() = 0;
    // The last step of the animation: the numeric value shows, the home grade
    // is lit, the window takes input again and `focus` gets the focus.
    void endAnimation(QWidget* focus);
    // The control of this window that had the focus when the animation began.
    QWidget* focusBeforeAnimation() const { return focusBeforeAnimation_.data(); }
    // Escape and F1 wait while the result animation runs.
    bool takesKeys() const override { return !animating() && WorkingForm::takesKeys(); }

    // The conversion behind the convert button (and Enter in the one-to-one window).
    void convert();
    // A conversion begins: the result display starts again from rest.
    virtual void conversionStarted() {}
    // The quiet conversion of the last press of the convert button.
    const GradeConversion& lastConversion() const { return lastConversion_; }

    // Animation state shared by both windows.
    int animationPosition_ = 0;
    int blinkCount_ = 0;

    // Each tick of a timer runs these.
    virtual void timer1Tick() {}
    virtual void timer2Tick() = 0;
    void timer3Tick();

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPickers();
    void buildGrids();
    void buildPanel();
    void load();
    void firstActivation();
    void fillPicker(QComboBox* picker, DataView& view, bool withSystem);
    void pickOtherScale();
    void pickHomeScale();
    void showPanelWhenBothPicked();
    // A picked scale that another user deleted meanwhile: its entry leaves the
    // picker, which waits for another choice (as before the first pick).
    void forgetPick(QComboBox* picker, void (ConversionForm::*pick)());
    // After a conversion that found a chosen scale deleted: each picker whose
    // scale is gone forgets it.
    void forgetDeletedPicks();

    RegionalSettings regional_;
    DataView otherScales_;
    DataView homeScales_;
    DataView otherGrades_;
    DataView homeGrades_;
    DataView search_;
    ConversionViews views_;
    bool firstActivation_ = true;
    bool loaded_ = false;
    bool captionPressed_ = false; // a left-button press on LBL_DONUSTUR awaits its release
    std::unique_ptr<InputShield> animationShield_;
    QPointer<QWidget> focusBeforeAnimation_;
    GradeConversion lastConversion_;

    QComboBox* otherPicker_;
    QComboBox* homePicker_;
    QLineEdit* otherPlaceholder_;
    QLineEdit* homePlaceholder_;
    DataGrid* otherGrid_;
    DataGrid* homeGrid_;
    QFrame* panel_;
    QLineEdit* input_;
    QLabel* convertCaption_;
    PictureBttn* zendaro_;
    PictureBttn* donusum_;
    QLabel* homeLetter_;
    QLabel* homeNumeric_;
    QTimer* timers_[3];
    QString spokenResult_;
};

} // namespace zendaro
