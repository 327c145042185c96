#pragma once

#include <QRect>
#include <cmath>

namespace zendaro {

// Screen lengths are given in twips: 1/1440 inch, 15 twips to one logical
// pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

// Twips to whole pixels, rounded to the nearest pixel (halves away from zero).
constexpr int twips(int t) {
    return t >= 0 ? (2 * t + TwipsPerPixel) / (2 * TwipsPerPixel)
                  : -((-2 * t + TwipsPerPixel) / (2 * TwipsPerPixel));
}

// Twips (fractional) to pixels, unrounded.
constexpr double twipsF(double t) {
    return t / TwipsPerPixel;
}

// A pixel rectangle from a left, top, width and height given in twips.
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Pixels to twips, rounded to a whole number with halves to even.
inline int pixelsToTwips(double pixels) {
    return static_cast<int>(std::nearbyint(pixels * TwipsPerPixel));
}

// Rounds to a whole number, halves to even (the rounding of the old platform).
inline int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace zendaro
