#include "ui/WindowUtils.h"

#include "ui/Twips.h"

#include <QCursor>
#include <QWidget>

namespace zendaro {

QPoint GetCursorTwips() {
    const QPoint p = QCursor::pos();
    return {pixelsToTwips(p.x()), pixelsToTwips(p.y())};
}

bool IsPointOverRect(const QRect& screenRect, const QPoint& pointerTwips) {
    const int left = pixelsToTwips(screenRect.left());
    const int top = pixelsToTwips(screenRect.top());
    const int right = pixelsToTwips(screenRect.left() + screenRect.width());
    const int bottom = pixelsToTwips(screenRect.top() + screenRect.height());
    const int x = pointerTwips.x();
    const int y = pointerTwips.y();
    return left < x && x < right && top < y && y < bottom;
}

bool IsCursorOverWindow(const QWidget* widget) {
    if (!widget)
        return false;
    const QRect screenRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return IsPointOverRect(screenRect, GetCursorTwips());
}

void MakeTopmost(QWidget* window) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    // Changing the flags of a shown window hides it; show it again where it was.
    const bool wasVisible = window->isVisible();
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->setGeometry(geometry);
    if (wasVisible)
        window->show();
}

} // namespace zendaro
