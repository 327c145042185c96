#include "TurkishText.h"

#include <QLocale>

namespace zendaro {

bool EqualsIgnoringCaseTr(const QString& a, const QString& b) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toUpper(a) == turkish.toUpper(b);
}

} // namespace zendaro
