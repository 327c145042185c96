#include "FileReportPath.h"

#include "ui/MessageService.h"

#include <QDir>
#include <QFileInfo>

namespace zendaro {

QString AskReportPath(QWidget* owner, QString suggestedPath,
                      const std::function<QString(QWidget*, const QString&)>& choose,
                      const std::function<QString(const QString&)>& withSuffix) {
    for (;;) {
        const QString chosen = choose(owner, suggestedPath);
        if (chosen.isEmpty())
            return {};
        suggestedPath = withSuffix(chosen);
        if (!QFileInfo(suggestedPath).isFile() ||
            ShowMessage(QDir::toNativeSeparators(suggestedPath) +
                            QStringLiteral(" adlı dosya zaten var. Dosyanın üzerine yazmak istiyor musunuz?"),
                        StyleYesNo, IconStop, owner) != ResultHayir)
            return suggestedPath;
    }
}

void TellReportWritten(QWidget* owner, const QString& path, const QString& error) {
    if (error.isEmpty())
        ShowMessage(QStringLiteral("Rapor ") + QDir::toNativeSeparators(path) +
                        QStringLiteral(" adlı dosyaya kaydedildi..."),
                    StyleOk, IconInfo, owner);
    else
        ShowMessage(QStringLiteral("Rapor ") + QDir::toNativeSeparators(path) +
                        QStringLiteral(" adlı dosyaya kaydedilemedi: ") + error,
                    StyleOk, IconStop, owner);
}

} // namespace zendaro
