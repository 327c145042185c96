#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zendaro {

// Where a report goes: the real chooser asks with the platform's save dialog;
// tests install one that answers with a path of their own.
class ReportPathChooser {
public:
    virtual ~ReportPathChooser() = default;
    // The chosen path, or the empty text when the user cancelled. Asks
    // nothing about an existing file: the caller does, with the final name.
    virtual QString choosePdfPath(QWidget* owner, const QString& suggestedPath) = 0;
    // The same for an .xlsx workbook; the platform's save dialog unless overridden.
    virtual QString chooseXlsxPath(QWidget* owner, const QString& suggestedPath);
};

// The chooser in use: the real dialog unless another was installed.
ReportPathChooser& reportPathChooser();
// Installs a chooser (nullptr restores the real one). Not owned.
void setReportPathChooser(ReportPathChooser* chooser);

// The path as a PDF file: ".pdf" added when it ends otherwise.
QString WithPdfSuffix(const QString& path);

// Where a report goes: the path `choose` asks for, given its suffix by
// `withSuffix`; an existing file is replaced only on "Evet", "Hayır" asks for
// another name. Empty when cancelled.
QString AskReportPath(QWidget* owner, QString suggestedPath,
                      const std::function<QString(QWidget*, const QString&)>& choose,
                      const std::function<QString(const QString&)>& withSuffix);
// The same for a PDF report, through the chooser in use.
QString AskReportPath(QWidget* owner, const QString& suggestedPath);

// Tells the user that the report was written at path, or (error not empty)
// why it was not.
void TellReportSaved(QWidget* owner, const QString& path, const QString& error);

} // namespace zendaro
