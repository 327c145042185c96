#pragma once

#include <QDialog>

class QTextBrowser;

namespace zendaro {

// FRMHELP: the user manual in a browser `WB`, opened at the help target.
// Fills the screen, has a title bar with a close box only, and is shown
// modally by its caller; each opening loads the page anew.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner = nullptr);

    QTextBrowser* browser() const { return browser_; }

protected:
    bool event(QEvent* event) override;

private:
    QTextBrowser* browser_;
};

} // namespace zendaro
