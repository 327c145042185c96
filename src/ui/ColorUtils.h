#pragma once

#include <QColor>
#include <cstdint>

namespace zendaro {

// Colours are 24-bit values: red in the low byte, green in the middle byte,
// blue in the high byte. Values with higher bits set (system colours) are
// accepted and split as raw numbers.
using Colour = std::int32_t;

constexpr Colour rgbColour(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ColourParts&, const ColourParts&) = default;
};

// Splits a colour into its three components (absolute values). A colour with
// the high bit set gives a blue component above 255.
ColourParts SplitColor(Colour c);

// Clamps v to 0..255 in place and returns it.
int ClampByte(int& v);

// The colour with each component raised (lowered) by the amounts, clamped.
Colour LightenColor(Colour c, int dr, int dg, int db);
Colour DarkenColor(Colour c, int dr, int dg, int db);

// To and from Qt colours (components clamped to 0..255 on the way to Qt).
QColor toQColor(Colour c);
Colour fromQColor(const QColor& c);

} // namespace zendaro
