#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace zendaro {

// The pointer's screen position in twips (each pixel coordinate times 15,
// rounded halves to even).
QPoint GetCursorTwips();

// The strict inside test on a screen rectangle in pixels: its edges and the
// pointer are turned into twips; inside exactly when left < x < right and
// top < y < bottom, where right and bottom are the first pixel outside. The
// leftmost column and topmost row count as outside, the rightmost column and
// the bottom row as inside.
bool IsPointOverRect(const QRect& screenRect, const QPoint& pointerTwips);

// Whether the pointer is over the widget's screen rectangle. Purely
// geometric: a window lying over the widget does not change the answer.
bool IsCursorOverWindow(const QWidget* widget);

// Keeps a top-level window above all others; its position and size stay.
void MakeTopmost(QWidget* window);

} // namespace zendaro
