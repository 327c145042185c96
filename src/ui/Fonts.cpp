#include "ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>

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

QStringList AddShippedFonts(const QString& folder) {
    QStringList families;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(name));
        if (id >= 0)
            families += QFontDatabase::applicationFontFamilies(id);
    }
    families.removeDuplicates();
    return families;
}

void UseShippedFonts(const QString& folder) {
    const QString sans = QStringLiteral("Liberation Sans");
    if (AddShippedFonts(folder).contains(sans))
        QApplication::setFont(QFont(sans, 9));
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
