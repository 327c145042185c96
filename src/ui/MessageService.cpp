#include "MessageService.h"

#include "ui/InputShield.h"
#include "ui/MsgForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>

#include <memory>
#include <optional>

namespace zendaro {

namespace {

// After its box closed the owner comes back to the top. `focused`: where the
// keyboard focus was when the box opened; it goes back there first.
void raiseOwner(QWidget* owner, QWidget* focused) {
    if (focused && focused->isVisible() && focused->isEnabled())
        focused->setFocus(Qt::ActiveWindowFocusReason);
    owner->raise();
    owner->activateWindow();
}

// The real service: the program's own box for messages, a plain standard box
// for the few internal failures.
class BoxService : public MessageService {
public:
    int showMessage(const QString& text, int style, int icon, QWidget* owner) override {
        beep();
        QPointer<QWidget> ownerWindow = owner ? owner->window() : nullptr;
        // The owner takes no input while the box is open, but keeps its look:
        // nothing of it is painted disabled. Boxes over the same owner nest.
        std::optional<InputShield> shield;
        // Where the keyboard focus was: it goes back there when the box closes.
        QPointer<QWidget> focused = ownerWindow ? ownerWindow->focusWidget() : nullptr;
        if (ownerWindow)
            shield.emplace(ownerWindow);

        auto box = std::make_unique<MsgForm>();
        box->MyMessage = text;
        box->MyImage = icon;
        box->MyFlag = style;
        box->load();
        box->centreOnScreen(ownerWindow);
        box->show();
        box->raise();
        box->activateWindow();

        // The application keeps processing its events until the box is gone.
        QEventLoop wait;
        QObject::connect(box.get(), &MsgForm::finished, &wait, &QEventLoop::quit);
        if (box->isVisible())
            wait.exec();
        // The wait can also end with the application leaving its event loops;
        // a box nobody answered answers as its cancel button, never as consent.
        if (!box->isAnswered())
            box->close();

        const int result = box->MyFlag;
        box.reset();

        shield.reset();
        if (ownerWindow)
            raiseOwner(ownerWindow, focused);
        return result;
    }

    void showPlain(const QString& text, QWidget* owner) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZENDARO"), text, QMessageBox::Ok, owner);
        box.exec();
    }

    void beep() override { QApplication::beep(); }
};

MessageService* installed = nullptr;

} // namespace

MessageService& messageService() {
    static BoxService real;
    if (installed)
        return *installed;
    return real;
}

void setMessageService(MessageService* service) {
    installed = service;
}

int ShowMessage(const QString& text, int style, int icon, QWidget* owner) {
    return messageService().showMessage(text, style, icon, owner);
}

void ShowPlainMessage(const QString& text, QWidget* owner) {
    messageService().showPlain(text, owner);
}

void Beep() {
    messageService().beep();
}

} // namespace zendaro
