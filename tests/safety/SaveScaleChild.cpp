#include "SaveScaleChild.h"

namespace zendaro::test {

ScaleToSave bigNumericScale() {
    ScaleToSave out;
    out.scale = {
        QStringLiteral("Büyük Ölçek"), QStringLiteral("Sayısal Not"), 10000, 5000, 4999, 0, 5001, 5000};
    int passes = 0;
    int fails = 0;
    for (int value = 10000; value >= 0; --value) {
        const bool pass = value >= 5000;
        out.grades.append({QString::number(value), double(value),
                           pass ? QStringLiteral("Geçer") : QStringLiteral("Kalır"),
                           pass ? passes++ : fails++});
    }
    return out;
}

} // namespace zendaro::test
