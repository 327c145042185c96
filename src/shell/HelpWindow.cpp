#include "shell/HelpWindow.h"

#include "shell/HelpTarget.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>

namespace zendaro {

HelpWindow::HelpWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FRMHELP"));
    setWindowTitle(QStringLiteral("ZENDARO YARDIM"));
    setModal(true);

    // The whole screen (less the desktop's own panels), the browser 200 twips
    // in from the left and the top, 400 twips narrower and 800 twips lower.
    QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    setFixedSize(area.size());
    move(area.topLeft());

    browser_->setObjectName(QStringLiteral("WB"));
    browser_->setOpenExternalLinks(false);
    browser_->setAccessibleName(QStringLiteral("Kullanım Klavuzu"));
    browser_->setGeometry(twips(200), twips(200), width() - twips(400), height() - twips(800));
    browser_->setSource(HelpTargetUrl());
}

bool HelpWindow::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        browser_->setFocus(Qt::ActiveWindowFocusReason);
    return handled;
}

} // namespace zendaro
