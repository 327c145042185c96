#include "ui/ControlInput.h"

#include <QCursor>
#include <QWidget>

namespace zendaro {

int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

void applyMousePointer(QWidget* widget, int pointer, const QPixmap& icon, QPoint hotSpot) {
    if (!widget)
        return;
    switch (pointer) {
    case 99:
        if (icon.isNull())
            widget->unsetCursor();
        else
            widget->setCursor(QCursor(icon, hotSpot.x(), hotSpot.y()));
        return;
    case 1:
        widget->setCursor(Qt::ArrowCursor);
        return;
    case 2:
        widget->setCursor(Qt::CrossCursor);
        return;
    case 3:
        widget->setCursor(Qt::IBeamCursor);
        return;
    case 5:
    case 15:
        widget->setCursor(Qt::SizeAllCursor);
        return;
    case 6:
        widget->setCursor(Qt::SizeBDiagCursor);
        return;
    case 7:
        widget->setCursor(Qt::SizeVerCursor);
        return;
    case 8:
        widget->setCursor(Qt::SizeFDiagCursor);
        return;
    case 9:
        widget->setCursor(Qt::SizeHorCursor);
        return;
    case 10:
        widget->setCursor(Qt::UpArrowCursor);
        return;
    case 11:
        widget->setCursor(Qt::WaitCursor);
        return;
    case 12:
        widget->setCursor(Qt::ForbiddenCursor);
        return;
    case 13:
        widget->setCursor(Qt::BusyCursor);
        return;
    case 14:
        widget->setCursor(Qt::WhatsThisCursor);
        return;
    default:
        widget->unsetCursor();
        return;
    }
}

} // namespace zendaro
