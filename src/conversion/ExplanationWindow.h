#pragma once

#include "ConvertGrade.h"
#include "CourseReport.h"
#include "RegionalSettings.h"
#include "store/DataView.h"

#include <QDialog>
#include <QPixmap>
#include <QVector>

class QLabel;

namespace zendaro {

class ConversionCurve;
class DataGrid;
class PictureBttn;

// FRMHESAP: how one conversion came about. The steps in words (from the
// conversion's own figures), the conversion curve of the pair of scales with
// the grade marked, and the table of the whole pair, which can be saved as a
// PDF. Opens its own data views on the two chosen scales; window-modal over
// the conversion window, the same size and look as the working windows.
class ExplanationWindow : public QDialog {
    Q_OBJECT
public:
    // `converted`: a successful conversion between the two scales of these ids.
    ExplanationWindow(const QString& databasePath, qint64 otherScaleId, qint64 homeScaleId,
                      GradeConversion converted, RegionalSettings settings, QWidget* owner);

    // The conversion of every grade of the pair, as the table lists them.
    const QVector<GradeConversion>& rows() const { return rows_; }
    ConversionCurve* curve() const { return curve_; }

    // "PDF'e Aktar": the pair table as a PDF, where the user chooses.
    void ExportTable();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void load(qint64 otherScaleId, qint64 homeScaleId);

    GradeConversion converted_;
    RegionalSettings settings_;
    DataView otherScales_;
    DataView homeScales_;
    DataView otherGrades_;
    DataView homeGrades_;
    DataView search_;
    ConversionViews views_;
    ReportScales scales_;
    QVector<GradeConversion> rows_;

    QPixmap background_;
    QLabel* text_;           // LBL_ACIKLAMA
    ConversionCurve* curve_; // PIC_DONUSUM_EGRISI
    DataGrid* table_;        // DG_DONUSUM_TABLOSU
    PictureBttn* export_;    // BTN_PDF_AKTAR
    PictureBttn* close_;     // BTN_KAPAT
};

} // namespace zendaro
