#include "ReportPathDialog.h"

#include "ui/MessageService.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace zendaro {

namespace {

class SaveDialogChooser : public ReportPathChooser {
public:
    QString choosePdfPath(QWidget* owner, const QString& suggestedPath) override {
        // The window asks about an existing file itself, once ".pdf" is added.
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Raporu Kaydet"), suggestedPath,
                                            QStringLiteral("PDF belgesi (*.pdf)"), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
};

ReportPathChooser* installed = nullptr;

} // namespace

QString ReportPathChooser::chooseXlsxPath(QWidget* owner, const QString& suggestedPath) {
    return QFileDialog::getSaveFileName(owner, QStringLiteral("Excel Dosyasını Kaydet"), suggestedPath,
                                        QStringLiteral("Excel çalışma kitabı (*.xlsx)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

ReportPathChooser& reportPathChooser() {
    static SaveDialogChooser real;
    if (installed)
        return *installed;
    return real;
}

void setReportPathChooser(ReportPathChooser* chooser) {
    installed = chooser;
}

QString WithPdfSuffix(const QString& path) {
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".pdf");
}

QString AskReportPath(QWidget* owner, const QString& suggestedPath) {
    QString path = suggestedPath;
    for (;;) {
        path = reportPathChooser().choosePdfPath(owner, path);
        if (path.isEmpty())
            return {}; // cancelled
        path = WithPdfSuffix(path);
        if (!QFileInfo(path).isFile() ||
            ShowMessage(QDir::toNativeSeparators(path) +
                            QStringLiteral(" adlı dosya zaten var. Dosyanın üzerine yazmak istiyor musunuz?"),
                        StyleYesNo, IconStop, owner) != ResultHayir)
            return path;
    }
}

void TellReportSaved(QWidget* owner, const QString& path, const QString& error) {
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
