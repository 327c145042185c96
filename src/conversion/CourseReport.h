#pragma once

#include <QDateTime>
#include <QString>

namespace zendaro {

class CourseList;
class DataView;

// The two scales a report names.
struct ReportScales {
    QString otherName;
    QString otherSystem; // "Harf Notu" or "Sayısal Not"
    QString homeName;
    QString homeLevel; // education level of the home scale
};

// The chosen scales: the current rows of the two scale views.
ReportScales ChosenScales(const DataView& otherScales, const DataView& homeScales);

// The report as a document: the date, both scales, every course with its
// results and the totals. Typed text is escaped.
QString CourseReportHtml(const CourseList& list, const ReportScales& scales, const QDateTime& when);

// Writes the report as a PDF at path, whole or not at all (a temporary file in
// the same folder, renamed at the end). Returns the empty text on success and
// otherwise the reason, a Turkish sentence.
QString WriteCourseReportPdf(const QString& path, const QString& html);

// The style sheet of the program's reports (fonts, colours, tables).
QString ReportStyleSheet();

// Writes an HTML document as an A4 PDF with that title, as the course report
// is written: whole or not at all; the empty text or the Turkish reason.
QString WritePdfDocument(const QString& path, const QString& html, const QString& title);

// Why a file could not be written at path, a Turkish sentence (the system's
// own texts are English).
QString UnwritableFileReason(const QString& path);

} // namespace zendaro
