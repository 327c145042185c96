#pragma once

#include <QString>

class QWidget;

namespace zendaro {

// Button sets of ShowMessage ("style codes"); the windows use these two.
constexpr int StyleOk = 0;    // "Tamam"
constexpr int StyleYesNo = 9; // "Evet", "Hayır"

// Icon selectors.
constexpr int IconStop = 0;
constexpr int IconInfo = 1;

// Result codes: which caption was pressed.
enum MessageResult : int {
    ResultTamam = 0,
    ResultEvet = 1,
    ResultIptal = 2,
    ResultHayir = 3,
    ResultVazgec = 4,
    ResultTekrarDene = 5,
};

// The one way the program talks to the user. The real service shows the
// program's own message box; tests install a responder that records and answers.
class MessageService {
public:
    virtual ~MessageService() = default;

    // The program's own box: beep, owner barred from input, box shown, events keep
    // running until a button is pressed; returns the result code.
    virtual int showMessage(const QString& text, int style, int icon, QWidget* owner) = 0;

    // The plain standard box: the text, an OK button, no icon, title "ZENDARO".
    virtual void showPlain(const QString& text, QWidget* owner) = 0;

    // The platform's default beep (refused keys).
    virtual void beep() = 0;
};

// The service in use; the real one unless a test installed another.
MessageService& messageService();

// Installs a service (nullptr restores the real one). Not owned.
void setMessageService(MessageService* service);

// Shorthands for messageService().showMessage / showPlain / beep.
int ShowMessage(const QString& text, int style, int icon, QWidget* owner);
void ShowPlainMessage(const QString& text, QWidget* owner);
void Beep();

} // namespace zendaro
