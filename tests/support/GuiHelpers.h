#pragma once

#include <QCursor>
#include <QTest>
#include <QWidget>

namespace zendaro::test {

// The control of a window with this object name; the test stops when it is missing.
template <typename T> T* control(QWidget* window, const QString& name) {
    T* widget = window->findChild<T*>(name);
    if (!widget)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return widget;
}

// Types text key by key, Turkish letters included (QTest::keyClicks takes Latin-1 only).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// A user's left click on a widget: the pointer onto it first (the picture
// buttons decide on the pointer's real position), then down and up there.
inline void clickOn(QWidget* widget, QPoint pos = QPoint(-1, -1)) {
    if (pos == QPoint(-1, -1))
        pos = widget->rect().center();
    QCursor::setPos(widget->mapToGlobal(pos));
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
}

} // namespace zendaro::test
