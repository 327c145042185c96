#pragma once

#include <QPointer>
#include <QWidget>

namespace zendaro {

// Bars a window from the user's input for the shield's lifetime without
// changing its look: no control is painted disabled, nothing loses its
// highlight, timers and painting go on. Mouse, wheel, keyboard, shortcuts,
// touch and drops aimed at the window or any of its controls are dropped;
// other windows (a message box over it) are not touched. Shields nest: the
// window takes input again when its last shield is gone.
class InputShield {
public:
    explicit InputShield(QWidget* widget); // shields the window of `widget`
    ~InputShield();
    InputShield(const InputShield&) = delete;
    InputShield& operator=(const InputShield&) = delete;

    // Whether any shield bars the window of `widget`.
    static bool isShielded(const QWidget* widget);

private:
    QPointer<QWidget> window_;
};

} // namespace zendaro
