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

QString AskReportPath(QWidget* owner, QString suggestedPath,
                      const std::function<QString(QWidget*, const QString&)>& choose,
                      const std::function<QString(const QString&)>& withSuffix) {
    for (;;) {
        const QString chosen = choose(owner, suggestedPath);
        if (chosen.isEmpty())
            return {}; // cancelled
        suggestedPath = withSuffix(chosen);
        if (!QFileInfo(suggestedPath).isFile() ||
            ShowMessage(QDir::toNativeSeparators(suggestedPath) +
                            QStringLiteral(" adlı dosya zaten var. Dosyanın üzerine yazmak istiyor musunuz?"),
                        StyleYesNo, IconStop, owner) != ResultHayir)
            return suggestedPath;
    }
}

QString AskReportPath(QWidget* owner, const QString& suggestedPath) {
    return AskReportPath(
        owner, suggestedPath,
        [](QWidget* parent, const QString& at) { return reportPathChooser().choosePdfPath(parent, at); },
        WithPdfSuffix);
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
