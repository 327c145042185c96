#include "OtherScaleControls.h"

#include "ui/DataGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zendaro {

OtherScaleControls OtherScaleControls::find(QWidget* window) {
    const auto box = [window](const char* name) {
        return window->findChild<QLineEdit*>(QLatin1String(name));
    };
    const auto list = [window](const char* name) {
        return window->findChild<QComboBox*>(QLatin1String(name));
    };
    const auto label = [window](const char* name) {
        return window->findChild<QLabel*>(QLatin1String(name));
    };
    const auto frame = [window](const char* name) {
        return window->findChild<QWidget*>(QLatin1String(name));
    };
    OtherScaleControls c;
    c.name = box("TXT_OLCEK_ADI");
    c.gradingSystem = list("CMB_NOT_SISTEMI");
    c.maxFail = box("TXT_MAX_KALIR_NOT");
    c.distribution = list("CMB_NOT_DAGILIMI");
    c.maxGrade = box("TXT_MAX_NOT");
    c.minGrade = box("TXT_MIN_NOT");
    c.interval = box("TXT_NOT_ARALIGI");
    c.entryLetter = box("TXT_NOT_EKLEME_HARF_NOTU");
    c.entryValue = box("TXT_NOT_EKLEME_SAYISAL_NOT");
    c.entryLetterLabel = label("LBL_NOT_EKLEME_HARF_NOTU");
    c.entryValueLabel = label("LBL_NOT_EKLEME_SAYISAL_NOT");
    c.distributionFrame = frame("CER_MAX_KALIR_NOT");
    c.equalIntervalFrame = frame("CER_ESIT_ARALIKLI_DAGILIM");
    c.entryFrame = frame("CER_NOT_EKLE");
    c.grid = window->findChild<DataGrid*>(QStringLiteral("DG_ARRAY"));
    return c;
}

bool OtherScaleControls::complete() const {
    return name && gradingSystem && maxFail && distribution && maxGrade && minGrade && interval &&
           entryLetter && entryValue && entryLetterLabel && entryValueLabel && distributionFrame &&
           equalIntervalFrame && entryFrame && grid;
}

} // namespace zendaro
