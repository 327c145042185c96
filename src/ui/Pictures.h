#pragma once

#include <QPixmap>

namespace zendaro {

// The toolkit's own pictures, drawn in code.

// The message box icons, 48 × 48: a red disc with a white cross, and a blue
// disc with a white lower-case "i".
QPixmap stopIconPicture();
QPixmap infoIconPicture();

// The picture button's built-in pictures (54 × 80), normal and highlighted,
// and its pointing-hand pointer (32 × 32, hot spot at the finger tip).
QPixmap defaultButtonPicture();
QPixmap defaultButtonLightPicture();
QPixmap pointingHandPicture();
QPoint pointingHandHotSpot();

} // namespace zendaro
