#pragma once

#include <QPixmap>
#include <Qt>

class QWidget;

namespace zendaro {

// The mouse-button codes of the controls' events: 1 left, 2 right, 4 middle
// (or-ed together for the buttons held during a move).
int buttonCode(Qt::MouseButtons buttons);

// The shift codes: 1 Shift, 2 Ctrl, 4 Alt.
int shiftCode(Qt::KeyboardModifiers modifiers);

// Applies a pointer shape code to a widget: 0 the default, 99 the custom
// picture `icon` (the default pointer when it is empty), 1 arrow, 2 cross,
// 3 I-beam, 5 size all, 6 to 9 the sizing arrows, 10 up arrow, 11 hourglass,
// 12 no drop, 13 arrow and hourglass, 14 arrow and question mark, 15 size all.
// Other codes give the default pointer.
void applyMousePointer(QWidget* widget, int pointer, const QPixmap& icon, QPoint hotSpot = QPoint(-1, -1));

} // namespace zendaro
