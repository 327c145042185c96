#pragma once

#include "conversion/ConversionForm.h"

namespace zendaro {

// FRMBIREBIR: converts one grade at a time. The typed grade slides to the
// convert button, the button flashes twice, then the grade slides back while
// the home letter slides out to the right and the numeric value shows.
class OneToOneWindow : public ConversionForm {
    Q_OBJECT
public:
    OneToOneWindow(const QString& databasePath, const RegionalSettings& regional, Navigator& navigator,
                   QWidget* parent = nullptr);

protected:
    void emptyBoxesOnPick() override;
    void showScaleKind(bool letterScale) override;
    void focusAfterPick() override;
    void inputChanged() override;
    ConversionVariant variant() const override { return ConversionVariant::OneToOne; }
    void startAnimation() override;
    void timer1Tick() override;
    void timer2Tick() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void conversionStarted() override;

private:
    // "Nasıl hesaplandı?": the explanation of the conversion just shown.
    void explain();

    QLabel* letterCaption_;
    QLabel* numericCaption_;
    QLabel* howLink_; // LBL_NASIL_HESAPLANDI
    int returnPosition_ = 0;
};

} // namespace zendaro
