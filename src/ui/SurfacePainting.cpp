#include "ui/SurfacePainting.h"

#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zendaro {

namespace {

// A drawing surface with its own coordinate system: each axis is either in
// twips or in a number of units spread over the full width or height.
// Coordinates are turned into whole pixels before drawing, as the old
// platform did, and lines are drawn solid without smoothing.
class ScaledCanvas {
public:
    ScaledCanvas(QPainter& painter, QSize pixels) : painter_(painter), pixels_(pixels) {}

    void twipsAcross() { sx_ = 1.0 / TwipsPerPixel; }
    void twipsDown() { sy_ = 1.0 / TwipsPerPixel; }
    void pixelsAcross() { sx_ = 1.0; }
    void pixelsDown() { sy_ = 1.0; }
    void unitsAcross(double units) { sx_ = pixels_.width() / units; }
    void unitsDown(double units) { sy_ = pixels_.height() / units; }

    // The far coordinates, in the current units: the given pixel size.
    double farRight(int pixels) const { return pixels / sx_; }
    double farBottom(int pixels) const { return pixels / sy_; }

    void line(double x1, double y1, double x2, double y2, const QColor& colour, int width) {
        QPen pen(colour);
        pen.setWidth(width);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(pen);
        painter_.drawLine(QPoint(toPixel(x1 * sx_), toPixel(y1 * sy_)),
                          QPoint(toPixel(x2 * sx_), toPixel(y2 * sy_)));
        lastY_ = y2;
    }

    // The vertical coordinate of the end point of the last line drawn.
    double lastY() const { return lastY_; }

private:
    static int toPixel(double v) {
        constexpr double limit = 1 << 28;
        return static_cast<int>(std::lround(std::clamp(v, -limit, limit)));
    }

    QPainter& painter_;
    QSize pixels_;
    double sx_ = 1.0;
    double sy_ = 1.0;
    double lastY_ = 0;
};

// The band colour: one level lighter (darker) every `step` bands.
class BandColour {
public:
    BandColour(Colour base, int step, bool dark) : parts_(SplitColor(base)), step_(step), dark_(dark) {}

    QColor forBand(int i) {
        if (i % step_ == 0) {
            const int d = dark_ ? -1 : 1;
            parts_.red += d;
            parts_.green += d;
            parts_.blue += d;
            ClampByte(parts_.red);
            ClampByte(parts_.green);
            ClampByte(parts_.blue);
        }
        return current();
    }
    QColor current() const { return QColor(parts_.red, parts_.green, parts_.blue); }

private:
    ColourParts parts_;
    int step_;
    bool dark_;
};

QSize farOf(const QImage& image, QSize far) {
    return far.expandedTo(image.size() * 2);
}

} // namespace

bool paintButtonSurface(QImage& image, const ButtonSurface& s, QSize far) {
    if (s.step == 0)
        return false;
    far = farOf(image, far);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    ScaledCanvas canvas(painter, image.size());
    constexpr int bandWidth = 2;

    if (!s.bands) {
        canvas.pixelsAcross();
        canvas.pixelsDown();
        const QColor base = toQColor(s.base);
        for (int i = 0; i <= 255; ++i)
            canvas.line(i, 0, i - 1, 240, base, bandWidth);
    } else if (s.layout == 0) {
        canvas.unitsAcross(256);
        canvas.twipsDown();
        BandColour colour(s.base, s.step, s.dark);
        const double bottom = canvas.farBottom(far.height());
        for (int i = 0; i <= 255; ++i) {
            const QColor c = colour.forBand(i);
            if (s.direction == 0)
                canvas.line(i, 0, i - 1, bottom, c, bandWidth);
            else
                canvas.line(256 - i, 0, 255 - i, bottom, c, bandWidth);
        }
    } else if (s.layout == 1) {
        canvas.twipsAcross();
        canvas.unitsDown(256);
        BandColour colour(s.base, s.step, s.dark);
        const double right = canvas.farRight(far.width());
        for (int i = 0; i <= 255; ++i) {
            const QColor c = colour.forBand(i);
            if (s.direction == 0)
                canvas.line(0, i, right, i - 1, c, bandWidth);
            else
                canvas.line(0, 256 - i, right, 255 - i, c, bandWidth);
        }
    }

    // The edges, in twips, each with its own width in pixels.
    canvas.twipsAcross();
    canvas.twipsDown();
    const double w = pixelsToTwips(image.width());
    const double h = pixelsToTwips(image.height());
    const QColor edge = toQColor(s.edge);
    if (s.edgeWidths[0] > 0)
        canvas.line(1, 5, w, 5, edge, s.edgeWidths[0]);
    if (s.edgeWidths[1] > 0)
        canvas.line(w - 8, 8, w - 8, h, edge, s.edgeWidths[1]);
    if (s.edgeWidths[2] > 0)
        canvas.line(w, h - 8, 1, h - 8, edge, s.edgeWidths[2]);
    if (s.edgeWidths[3] > 0)
        canvas.line(1, h, 1, 5, edge, s.edgeWidths[3]);
    return true;
}

namespace {

void paintBackPass(ScaledCanvas& canvas, const ShapeSurface& s, QSize far) {
    constexpr int bandWidth = 3;
    const int d = s.diagonal;
    if (!s.gradientBackColor) {
        canvas.pixelsAcross();
        canvas.pixelsDown();
        const QColor back = toQColor(s.backColor);
        const double right = canvas.farRight(far.width());
        for (int y = 19; y <= 275; ++y)
            canvas.line(0, y, right, y, back, bandWidth);
    } else if (s.gradMode == 1) {
        canvas.twipsAcross();
        canvas.unitsDown(256);
        const double right = canvas.farRight(far.width());
        BandColour colour(s.backColor, s.step, s.black);
        for (int i = 0; i <= 256; ++i) {
            const QColor c = colour.forBand(i);
            if (s.direction == 0)
                canvas.line(0, i, right, i - d, c, bandWidth);
            else
                canvas.line(0, 256 - i, right, 256 - i - d, c, bandWidth);
        }
        const QColor last = colour.current();
        for (int j = 257; j <= 257 + d; ++j) {
            if (s.direction == 0)
                canvas.line(0, j, right, j - d, last, bandWidth);
            else
                canvas.line(0, 257 + d - j, right, 257 - j, last, bandWidth);
        }
    } else if (s.gradMode == 0) {
        canvas.unitsAcross(256);
        canvas.twipsDown();
        const double bottom = canvas.farBottom(far.height());
        BandColour colour(s.backColor, s.step, s.black);
        for (int i = 0; i <= 256; ++i) {
            const QColor c = colour.forBand(i);
            if (s.direction == 0)
                canvas.line(i, 0, i - d, bottom, c, bandWidth);
            else
                canvas.line(256 - i, 0, 256 - i - d, bottom, c, bandWidth);
        }
        const QColor last = colour.current();
        for (int j = 257; j <= 257 + d; ++j) {
            if (s.direction == 0)
                canvas.line(j, 0, j - d, bottom, last, bandWidth);
            else
                canvas.line(1 + d - j, 0, 1 - j, bottom, last, bandWidth);
        }
    }
}

// Paints the title bands; returns false when no line was drawn.
bool paintTitlePass(ScaledCanvas& canvas, const ShapeSurface& s, QSize far) {
    constexpr int bandWidth = 3;
    const int b = s.borderDiagonal;
    if (!s.gradientBorderColor) {
        canvas.unitsAcross(256);
        canvas.twipsDown();
        const QColor back = toQColor(s.borderBackColor);
        for (int i = 0; i <= 255; ++i)
            canvas.line(i, 0, i, 240, back, bandWidth);
    } else if (s.borderGradMode == 1) {
        canvas.twipsAcross();
        canvas.twipsDown();
        const double right = canvas.farRight(far.width());
        BandColour colour(s.borderBackColor, s.borderStep, s.borderBlack);
        for (int i = 0; i <= 255; ++i) {
            const QColor c = colour.forBand(i);
            if (s.borderDirection == 0)
                canvas.line(0, i, right, i - b, c, bandWidth);
            else
                canvas.line(0, 256 - i, right, 256 - i - b, c, bandWidth);
        }
        const QColor last = colour.current();
        for (int j = 256; j <= 256 + b; ++j) {
            if (s.borderDirection == 0)
                canvas.line(0, j, right, j - b, last, bandWidth);
            else
                canvas.line(0, 256 - j, right, 256 - j - b, last, bandWidth);
        }
    } else if (s.borderGradMode == 0) {
        canvas.unitsAcross(256);
        canvas.twipsDown();
        BandColour colour(s.borderBackColor, s.borderStep, s.borderBlack);
        for (int i = 0; i <= 255; ++i)
            canvas.line(i, 0, i - b, 240, colour.forBand(i), bandWidth);
        const QColor last = colour.current();
        for (int j = 256; j <= 256 + b; ++j)
            canvas.line(j, 0, j - b, 240, last, bandWidth);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool paintShapeSurface(QImage& image, const ShapeSurface& s, QSize far) {
    if (s.step == 0 || s.borderStep == 0)
        return false;
    far = farOf(image, far);
    image.fill(toQColor(s.borderBackColor));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    ScaledCanvas canvas(painter, image.size());

    paintBackPass(canvas, s, far);

    const double w = pixelsToTwips(image.width());
    const double h = pixelsToTwips(image.height());
    const QColor border = toQColor(s.borderColor);
    if (!s.caption.isEmpty()) {
        // The separator sits one twip under the end of the last title line; with
        // no title line at all, under the end of the last back line.
        paintTitlePass(canvas, s, far);
        const double y = canvas.lastY();
        canvas.twipsAcross();
        canvas.twipsDown();
        canvas.line(0, y + 1, w, y + 1, border, 1);
    }

    canvas.twipsAcross();
    canvas.twipsDown();
    canvas.line(0, 1, w, 1, border, 1);
    canvas.line(0, 0, 0, h, border, 1);
    canvas.line(0, h - 8, w, h - 8, border, 1);
    canvas.line(w - 8, h - 8, w - 8, 0, border, 1);

    if (!s.caption.isEmpty()) {
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(s.font);
        painter.setPen(toQColor(s.foreColor));
        const QFontMetricsF metrics(s.font);
        painter.drawText(QPointF(twipsF(50), twipsF(30) + metrics.ascent()), s.caption);
    }
    return true;
}

} // namespace zendaro
