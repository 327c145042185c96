#include "ui/Fonts.h"

namespace zendaro {

QString freeFontFamily(const QString& legacyFamily) {
    const QString name = legacyFamily.trimmed().toLower();
    if (name == QLatin1String("arial") || name == QLatin1String("ms sans serif") ||
        name == QLatin1String("microsoft sans serif") || name == QLatin1String("tahoma"))
        return QStringLiteral("Liberation Sans");
    if (name == QLatin1String("times new roman"))
        return QStringLiteral("Liberation Serif");
    if (name == QLatin1String("courier new"))
        return QStringLiteral("Liberation Mono");
    return legacyFamily;
}

QFont legacyFont(const QString& legacyFamily, double pointSize, bool bold) {
    QFont font(freeFontFamily(legacyFamily));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont msSansSerif825() {
    return legacyFont(QStringLiteral("MS Sans Serif"), 8.25);
}

QFont tahoma975Bold() {
    return legacyFont(QStringLiteral("Tahoma"), 9.75, true);
}

} // namespace zendaro
