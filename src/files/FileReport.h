#pragma once

#include "files/FileWork.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

namespace zendaro {

// One scale as the document's last page shows it, read from the database so
// that a reader can check each course line against it.
struct ReportScaleTable {
    struct Grade {
        QString letter; // harf_notu as stored
        double value = 0;
        QString status;
        std::optional<qint64> step; // adim_no (other scales only)
    };
    bool found = false; // false: the scale is gone (or none is chosen); `name` is the one the file keeps
    QString name;
    QString kind; // the grade system of an other scale, the education level of a home scale
    std::optional<double> maxPass;
    std::optional<double> minPass;
    std::optional<double> maxFail;
    std::optional<double> minFail;
    std::optional<qint64> passCount; // other scales only
    std::optional<qint64> failCount;
    QVector<Grade> grades; // in the order the scale lists them
};

struct FileReportScales {
    ReportScaleTable other;
    ReportScaleTable home;
};

// The file's two scales with their grades, by the file's scale ids. Store
// failures are not caught (StoreError).
FileReportScales ReadFileReportScales(const QString& databasePath, const ConversionFile& file);

// The "Not Dönüşüm Belgesi" as a document: the student, the other university
// and both scales, every course with its shown result and mark, the totals,
// the date, the signature lines and, on a last page, the two scales' grade
// tables. With explanations, a last section "Ek: Dönüşüm Hesapları" tells
// for each course converted now how its result came about. Numbers under the
// work's regional settings; typed text escaped.
QString FileReportHtml(const FileWork& work, const FileReportScales& scales, const QDateTime& when,
                       bool withExplanations = false);

// Reads the scales, builds the document and writes it as a PDF at path, whole
// or not at all. Returns the empty text on success, otherwise the reason, a
// Turkish sentence (a store failure gives the store's text).
QString WriteFileReport(const QString& path, const QString& databasePath, const FileWork& work,
                        const QDateTime& when, bool withExplanations = false);

// The title of the document and of its appendix.
QString FileReportTitle();
QString ExplanationAppendixTitle();
// The question of the report step whether the appendix goes in.
QString ExplanationAppendixQuestion();

} // namespace zendaro
