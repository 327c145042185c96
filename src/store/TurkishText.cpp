#include "TurkishText.h"

#include <QLocale>

namespace zendaro {

QString FoldCaseTr(const QString& text) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    QString folded = turkish.toUpper(text);
    // "i̇" (i and a combining dot above: "İ" made small by other languages'
    // rules) is the letter i as well.
    folded.replace(QStringLiteral("\u0130\u0307"), QStringLiteral("\u0130"));
    return folded;
}

bool EqualsIgnoringCaseTr(const QString& a, const QString& b) {
    return FoldCaseTr(a) == FoldCaseTr(b);
}

} // namespace zendaro
