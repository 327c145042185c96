#include "shell/HelpTarget.h"

#include <QDir>

namespace zendaro {

namespace {

QString& target() {
    static QString value;
    return value;
}

} // namespace

QString HelpPagePath(const QString& appFolder) {
    return QDir(appFolder).filePath(QStringLiteral("HELP/KH.html"));
}

void SetHelpTarget(const QString& appFolder, const QString& anchor) {
    target() = HelpPagePath(appFolder) + anchor;
}

QString HelpTarget() {
    return target();
}

QUrl HelpTargetUrl() {
    const QString& value = target();
    const qsizetype hash = value.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(hash < 0 ? value : value.left(hash));
    if (hash >= 0)
        url.setFragment(value.mid(hash + 1));
    return url;
}

} // namespace zendaro
