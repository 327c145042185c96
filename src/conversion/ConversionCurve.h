#pragma once

#include "ConvertGrade.h"
#include "RegionalSettings.h"

#include <QColor>
#include <QVector>
#include <QWidget>

namespace zendaro {

// The mapping of a pair of scales: every grade of the other scale along the
// horizontal axis in scale order, the home value it converts to on the
// vertical axis, the pass and fail blocks shaded, the home letters as steps
// and one grade marked. Drawn per pixel column, so a scale of ten thousand
// grades reads as well as one of ten.
class ConversionCurve : public QWidget {
    Q_OBJECT
public:
    explicit ConversionCurve(RegionalSettings settings, QWidget* parent = nullptr);

    // The conversions of every grade in list order (not owned; must outlive
    // the curve) and the row to mark (-1: none).
    void setRows(const QVector<GradeConversion>* rows, int markedRow);

    // Where the plot lies, and the pixel column of a row's grade in it.
    QRect plotRect() const;
    int columnOfRow(int row) const;
    // The pixel row of a home value.
    int yOfValue(double value) const;

    static QColor passShade() { return {222, 241, 222}; }
    static QColor failShade() { return {248, 222, 222}; }
    static QColor markColour() { return {220, 0, 0}; }
    static QColor valueColour() { return {3, 133, 209}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowAtColumn(int column) const;
    QString valueText(double value) const;

    RegionalSettings settings_;
    const QVector<GradeConversion>* rows_ = nullptr;
    int marked_ = -1;
    double top_ = 4;
    double bottom_ = 0;
};

} // namespace zendaro
