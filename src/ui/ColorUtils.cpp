#include "ui/ColorUtils.h"

#include <cmath>
#include <cstdlib>

namespace zendaro {

ColourParts SplitColor(Colour c) {
    // Worked in 64 bits so that a colour with the high bit set cannot overflow.
    const std::int64_t v = c;
    auto floorDiv = [](std::int64_t a, std::int64_t b) {
        return static_cast<std::int64_t>(std::floor(static_cast<double>(a) / static_cast<double>(b)));
    };
    const std::int64_t red = v - 256 * floorDiv(v, 256);
    const std::int64_t rest = (v - red) / 256;
    const std::int64_t green = rest - 256 * floorDiv(rest, 256);
    const std::int64_t blue = (rest - green) / 256;
    return {static_cast<int>(std::llabs(red)), static_cast<int>(std::llabs(green)),
            static_cast<int>(std::llabs(blue))};
}

int ClampByte(int& v) {
    if (v < 0)
        v = 0;
    else if (v > 255)
        v = 255;
    return v;
}

namespace {
Colour shift(Colour c, int dr, int dg, int db) {
    ColourParts p = SplitColor(c);
    int r = p.red + dr;
    int g = p.green + dg;
    int b = p.blue + db;
    return rgbColour(ClampByte(r), ClampByte(g), ClampByte(b));
}
} // namespace

Colour LightenColor(Colour c, int dr, int dg, int db) {
    return shift(c, dr, dg, db);
}

Colour DarkenColor(Colour c, int dr, int dg, int db) {
    return shift(c, -dr, -dg, -db);
}

QColor toQColor(Colour c) {
    ColourParts p = SplitColor(c);
    return QColor(ClampByte(p.red), ClampByte(p.green), ClampByte(p.blue));
}

Colour fromQColor(const QColor& c) {
    return rgbColour(c.red(), c.green(), c.blue());
}

} // namespace zendaro
