#include "ReportPathDialog.h"

#include <QFileDialog>

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

} // namespace zendaro
