#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zendaro {

// Where a conversion file's document or workbook goes: asks with the save
// dialog (`choose`), gives the name its suffix (`withSuffix`) and, when such
// a file exists, asks before replacing it ("Hayır" opens the dialog again).
// The empty text when the user cancelled.
QString AskReportPath(QWidget* owner, QString suggestedPath,
                      const std::function<QString(QWidget*, const QString&)>& choose,
                      const std::function<QString(const QString&)>& withSuffix);

// Tells the user whether the report was written (`error` empty) or why not.
void TellReportWritten(QWidget* owner, const QString& path, const QString& error);

} // namespace zendaro
