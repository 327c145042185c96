#pragma once

#include "ui/Navigator.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace zendaro {
class PictureBttn;
}

namespace zendaro::test {

// A working window for the shell's tests: it knows only the navigator, as
// the real working windows do, and goes back through it like "ANA MENÜ".
class StandInWindow : public QWidget {
    Q_OBJECT
public:
    StandInWindow(Navigator& navigator, WorkingWindow which);

    void goBack() { navigator_.returnToMenu(this); }
    Navigator& navigator() { return navigator_; }
    WorkingWindow which() const { return which_; }

private:
    Navigator& navigator_;
    WorkingWindow which_;
};

// Clicks a picture button as a user does: the pointer moves onto its centre,
// then the left button goes down and up there.
void clickPictureButton(PictureBttn* button);

// Left click at `pos` of `widget`, with the pointer put there first.
void leftClickAt(QWidget* widget, QPoint pos);

// Runs `open` (which shows a modal window and waits for it) and, once the
// modal window is up, `inspect` on it from inside its event loop. `inspect`
// should close the window; if it does not (a failed check), the window is
// closed afterwards so that the test goes on. Returns whether a modal window
// appeared at all.
bool whileModal(const std::function<void()>& open, const std::function<void(QWidget* modal)>& inspect);

// Every top-level widget that is visible, by object name.
QStringList visibleTopLevels();

} // namespace zendaro::test
