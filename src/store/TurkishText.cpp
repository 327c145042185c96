#include "TurkishText.h"

#include <QLocale>

namespace zendaro {

QString FoldCaseTr(const QString& text) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toUpper(text);
}

bool EqualsIgnoringCaseTr(const QString& a, const QString& b) {
    return FoldCaseTr(a) == FoldCaseTr(b);
}

} // namespace zendaro
