#pragma once

#include "files/FileWork.h"

#include <QString>
#include <QStringList>

namespace zendaro {

// The columns of the spreadsheet, in order (the captions of its header row).
QStringList FileSpreadsheetCaptions();

// Writes the file's courses and their shown results as an .xlsx workbook for
// the student information system: a header row, then one row per course.
// Numbers are stored as numbers (credits, ECTS credits, results, and a grade
// that reads as a number), everything else as text, exactly as typed (control
// characters and text that looks like a formula included). Written whole or
// not at all (a temporary file in the same folder, renamed at the end).
// Returns the empty text on success and otherwise the reason, a Turkish
// sentence.
QString WriteFileSpreadsheet(const QString& path, const FileWork& work);

// The path as a spreadsheet file: ".xlsx" added when it ends otherwise.
QString WithXlsxSuffix(const QString& path);

// The reason given when a text is longer than a spreadsheet cell holds.
QString TextTooLongForCellText();

} // namespace zendaro
