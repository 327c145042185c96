#include "ConversionCurve.h"

#include "NumberText.h"
#include "ui/Fonts.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace zendaro {

namespace {
constexpr int LeftRoom = 58;   // the axis name and the value texts
constexpr int RightRoom = 30;  // the home letters
constexpr int TopRoom = 22;    // the block names
constexpr int BottomRoom = 40; // the grade texts and the axis name
constexpr double Infinity = std::numeric_limits<double>::infinity();

// The row at a position along the plot (0 at its left edge, 1 at its right)
// among n rows.
qsizetype rowAt(double position, qsizetype n) {
    const auto row = static_cast<qsizetype>(position * static_cast<double>(n));
    return std::clamp<qsizetype>(row, 0, n - 1);
}

} // namespace

ConversionCurve::ConversionCurve(RegionalSettings settings, QWidget* parent)
    : QWidget(parent), settings_(std::move(settings)) {
    setObjectName(QStringLiteral("PIC_DONUSUM_EGRISI"));
    setAccessibleName(QStringLiteral("Dönüşüm eğrisi"));
    setFont(msSansSerif825());
}

void ConversionCurve::setRows(const QVector<GradeConversion>* rows, int markedRow) {
    rows_ = rows;
    marked_ = markedRow;
    // The axis runs over whole half steps that hold every home value and block.
    double high = 4;
    double low = 0;
    if (rows_)
        for (const GradeConversion& row : *rows_) {
            if (!row.converted())
                continue;
            for (double v : {row.value, row.rounded, row.figures.homeTop, row.figures.homeBottom})
                if (std::isfinite(v)) {
                    high = std::max(high, v);
                    low = std::min(low, v);
                }
        }
    top_ = std::ceil(high * 2) / 2;
    bottom_ = std::floor(low * 2) / 2;
    if (top_ <= bottom_)
        top_ = bottom_ + 0.5;
    update();
}

QRect ConversionCurve::plotRect() const {
    return rect().adjusted(LeftRoom, TopRoom, -RightRoom, -BottomRoom);
}

int ConversionCurve::columnOfRow(int row) const {
    const QRect plot = plotRect();
    const qsizetype n = rows_ ? rows_->size() : 0;
    if (n == 0)
        return plot.left();
    return plot.left() + static_cast<int>((row + 0.5) * plot.width() / static_cast<double>(n));
}

int ConversionCurve::rowAtColumn(int column) const {
    const QRect plot = plotRect();
    return static_cast<int>(rowAt((column - plot.left() + 0.5) / plot.width(), rows_->size()));
}

int ConversionCurve::yOfValue(double value) const {
    const QRect plot = plotRect();
    return plot.bottom() -
           static_cast<int>(std::lround((value - bottom_) / (top_ - bottom_) * plot.height()));
}

QString ConversionCurve::valueText(double value) const {
    return TwoDecimalText(value, settings_);
}

void ConversionCurve::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect plot = plotRect();
    const QColor axis(74, 93, 107);
    painter.setPen(axis);

    // The value grid and its texts.
    for (double v = bottom_; v <= top_ + 1e-9; v += 0.5) {
        const int y = yOfValue(v);
        painter.setPen(QColor(225, 232, 238));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(axis);
        painter.drawText(QRect(14, y - 8, LeftRoom - 18, 16), Qt::AlignRight | Qt::AlignVCenter,
                         valueText(v));
    }
    const qsizetype n = rows_ ? rows_->size() : 0;
    if (n > 0) {
        // Per pixel column: the block shade, then the range of home values
        // and of home letters of the grades that fall into the column.
        int firstFail = -1;
        int previousValueY = -1;
        int previousStepY = -1;
        for (int x = plot.left(); x <= plot.right(); ++x) {
            // Rows [from, to) fall into this column; at least one does.
            const qsizetype from = rowAt(static_cast<double>(x - plot.left()) / plot.width(), n);
            const auto end = static_cast<qsizetype>(static_cast<double>(x - plot.left() + 1) / plot.width() *
                                                    static_cast<double>(n));
            const qsizetype to = std::clamp<qsizetype>(end, from + 1, n);
            const GradeConversion& centre = rows_->at(rowAtColumn(x));
            painter.setPen(centre.figures.passBlock ? passShade() : failShade());
            painter.drawLine(x, plot.top(), x, plot.bottom());
            if (!centre.figures.passBlock && firstFail < 0)
                firstFail = x;

            double low = Infinity, high = -Infinity, stepLow = Infinity, stepHigh = -Infinity;
            double first = std::numeric_limits<double>::quiet_NaN();
            double firstStep = first;
            for (qsizetype i = from; i < to; ++i) {
                const GradeConversion& row = rows_->at(i);
                if (!row.converted())
                    continue;
                low = std::min(low, row.value);
                high = std::max(high, row.value);
                stepLow = std::min(stepLow, row.rounded);
                stepHigh = std::max(stepHigh, row.rounded);
                if (std::isnan(first)) {
                    first = row.value;
                    firstStep = row.rounded;
                }
            }
            if (std::isnan(first)) {
                previousValueY = previousStepY = -1;
                continue;
            }
            // The home letters as steps, in a warm colour; over them the home
            // value itself. Each joins the column before.
            auto column = [&](const QColor& colour, double start, double high, double low, int& previous) {
                painter.setPen(QPen(colour, 2));
                if (previous >= 0)
                    painter.drawLine(x - 1, previous, x, yOfValue(start));
                painter.drawLine(x, yOfValue(high), x, yOfValue(low));
                previous = yOfValue(low);
            };
            column(QColor(230, 140, 0), firstStep, stepHigh, stepLow, previousStepY);
            column(valueColour(), first, high, low, previousValueY);
        }

        // The block names over the shades.
        painter.setPen(axis);
        const int boundary = firstFail < 0 ? plot.right() : firstFail;
        if (boundary - plot.left() > 60)
            painter.drawText(QRect(plot.left(), 2, boundary - plot.left(), TopRoom - 4), Qt::AlignCenter,
                             QStringLiteral("GEÇER BLOĞU"));
        if (firstFail >= 0 && plot.right() - firstFail > 60)
            painter.drawText(QRect(firstFail, 2, plot.right() - firstFail, TopRoom - 4), Qt::AlignCenter,
                             QStringLiteral("KALIR BLOĞU"));

        // The home letters at the right, once for each step.
        QVector<double> written;
        for (const GradeConversion& row : *rows_) {
            if (!row.converted() || written.contains(row.rounded))
                continue;
            written.append(row.rounded);
            painter.drawText(QRect(plot.right() + 3, yOfValue(row.rounded) - 8, RightRoom - 3, 16),
                             Qt::AlignLeft | Qt::AlignVCenter, row.homeLetter);
        }

        // The grade texts: the first, the first fail grade and the last.
        auto gradeAt = [&](qsizetype row, int align) {
            const int x = columnOfRow(static_cast<int>(row));
            painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
            QRect room(x - 60, plot.bottom() + 3, 120, 14);
            if (align & Qt::AlignLeft)
                room.moveLeft(x - 2);
            if (align & Qt::AlignRight)
                room.moveRight(x + 2);
            painter.drawText(room, align | Qt::AlignTop, rows_->at(row).gradeText);
        };
        gradeAt(0, Qt::AlignLeft);
        gradeAt(n - 1, Qt::AlignRight);
        for (qsizetype i = 1; i < n - 1; ++i)
            if (!rows_->at(i).figures.passBlock && rows_->at(i - 1).figures.passBlock) {
                gradeAt(i, Qt::AlignHCenter);
                break;
            }

        // The grade just converted.
        if (marked_ >= 0 && marked_ < n) {
            const GradeConversion& row = rows_->at(marked_);
            const int x = columnOfRow(marked_);
            painter.setPen(QPen(markColour(), 1, Qt::DashLine));
            painter.drawLine(x, plot.top(), x, plot.bottom());
            if (row.converted()) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(markColour());
                painter.drawEllipse(QPoint(x, yOfValue(row.value)), 4, 4);
                painter.setRenderHint(QPainter::Antialiasing, false);
            }
        }
    }

    painter.setPen(axis);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(plot.left(), height() - 18, plot.width(), 16), Qt::AlignCenter,
                     QStringLiteral("Diğer üniversite notları (ölçek sırasıyla)"));
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -12, plot.height(), 14), Qt::AlignCenter,
                     QStringLiteral("Dornela sayısal notu"));
    painter.restore();
}

} // namespace zendaro
