#include "MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace zendaro {

namespace {

// Placeholder real service until the program's own box exists.
class PlainService : public MessageService {
public:
    int showMessage(const QString& text, int style, int, QWidget* owner) override {
        auto buttons = style == StyleYesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
        auto answer = QMessageBox::question(owner, QStringLiteral("ZENDARO"), text, buttons);
        return answer == QMessageBox::No ? ResultHayir : (style == StyleYesNo ? ResultEvet : ResultTamam);
    }
    void showPlain(const QString& text, QWidget* owner) override {
        QMessageBox::information(owner, QStringLiteral("ZENDARO"), text);
    }
    void beep() override { QApplication::beep(); }
};

MessageService* installed = nullptr;

} // namespace

MessageService& messageService() {
    static PlainService real;
    return installed ? *installed : real;
}

void setMessageService(MessageService* service) { installed = service; }

int ShowMessage(const QString& text, int style, int icon, QWidget* owner) {
    return messageService().showMessage(text, style, icon, owner);
}

void ShowPlainMessage(const QString& text, QWidget* owner) { messageService().showPlain(text, owner); }

void Beep() { messageService().beep(); }

} // namespace zendaro
