#pragma once

#include "ui/ColorUtils.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace zendaro {

// Everything one look of a colour button paints from.
struct ButtonSurface {
    Colour base = rgbColour(255, 255, 255);
    Colour edge = 0;
    int edgeWidths[4] = {1, 1, 1, 1}; // top, right, bottom, left; pixels, 0 or less: none
    int step = 1;
    bool bands = true;
    int layout = 1; // 1 horizontal bands, 0 vertical bands, other: none
    int direction = 1;
    bool dark = false;
};

// Paints a colour button surface on an image already cleared to the button's
// background. `far` is a pixel size well beyond the image (the screen's).
// Returns false, painting nothing, for a step of 0.
bool paintButtonSurface(QImage& image, const ButtonSurface& surface, QSize far);

// Everything a gradient shape paints from.
struct ShapeSurface {
    Colour backColor = rgbColour(255, 255, 255);
    Colour borderBackColor = rgbColour(128, 128, 255);
    QString caption;
    Colour foreColor = rgbColour(255, 255, 255);
    bool gradientBorderColor = false;
    bool gradientBackColor = true;
    Colour borderColor = rgbColour(128, 128, 255);
    int step = 10;
    int borderStep = 3;
    int diagonal = 10;
    int borderDiagonal = 3;
    int gradMode = 1;
    int borderGradMode = 0;
    int direction = 0;
    int borderDirection = 0;
    bool black = false;
    bool borderBlack = false;
    QFont font;
};

// Clears the image to BorderBackColor and paints the back pass, the title
// pass with its separator (only with a caption), the frame and the caption.
// Returns false, painting nothing, when Step or BorderStep is 0.
bool paintShapeSurface(QImage& image, const ShapeSurface& shape, QSize far);

} // namespace zendaro
