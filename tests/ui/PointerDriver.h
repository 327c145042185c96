#pragma once

#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace zendaro::test {

// Moves the platform pointer to a point of a widget (widget coordinates, may
// lie outside it) and delivers the move to the widget, as a real pointer
// move over it would. `buttons` are the buttons held during the move.
inline void movePointer(QWidget* widget, QPoint local, Qt::MouseButtons buttons = Qt::NoButton) {
    const QPoint global = widget->mapToGlobal(local);
    QCursor::setPos(global);
    if (buttons == Qt::NoButton) {
        QCoreApplication::processEvents();
        return;
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Presses or releases a mouse button at a point of the widget, with the
// platform pointer there too.
inline void pressAt(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
    QCursor::setPos(widget->mapToGlobal(local));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(local), QPointF(widget->mapToGlobal(local)), button,
                      button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

inline void releaseAt(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
    QCursor::setPos(widget->mapToGlobal(local));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(local), QPointF(widget->mapToGlobal(local)),
                        button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// A point well away from every test window.
inline void parkPointer() {
    QCursor::setPos(QPoint(5, 5));
}

} // namespace zendaro::test
