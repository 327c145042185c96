#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace zendaro {

// The working windows the main menu opens, one at a time.
enum class WorkingWindow { OneToOne, Batch, HomeScales, OtherScales, Files };

// How windows move between each other without knowing the shell: the main
// menu implements it. A working window asks it to open another working window
// (the conversion windows hand over to an editor when scales are missing), to
// go back to the main menu ("ANA MENÜ"), or to open the help page at an anchor.
class Navigator {
public:
    virtual ~Navigator() = default;

    // Opens a working window without blocking; the main menu stays hidden.
    virtual void openWindow(WorkingWindow which) = 0;

    // Opens a working window with work handed over from another one (the
    // batch window hands its courses to a new conversion file); the new
    // window finds `handOver` in what the shell gives it.
    virtual void handOver(WorkingWindow which, const QVariant& handOver) = 0;

    // Closes `from` (a working window) and shows the main menu again.
    virtual void returnToMenu(QWidget* from) = 0;

    // Sets the shared help target to the help page of the application folder
    // followed by `anchor` ("#HV", "#DG", "#DN" or empty for the top) and opens
    // the help window modally over `owner`.
    virtual void showHelp(const QString& anchor, QWidget* owner) = 0;
};

} // namespace zendaro
