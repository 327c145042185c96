#pragma once

#include "store/StoreAddress.h"

#include <QDialog>
#include <QPixmap>
#include <optional>

class QLabel;
class QLineEdit;

namespace zendaro {

class PictureBttn;

// FRMPAROLA: asks for the password of the database server, when the server
// wants one and libpq's own places (~/.pgpass, PGPASSWORD) hold none. Modal,
// fixed size, the working windows' look: the background with its title band,
// a heading, the server and role asked for, the password box (`TXT_PAROLA`,
// its text hidden) and two picture buttons ("Tamam", "Vazgeç"). Enter gives
// the password, Escape gives none. After a refused password it says so
// (`LBL_PAROLA_YANLIS`).
class PasswordWindow : public QDialog {
    Q_OBJECT
public:
    PasswordWindow(const StoreAddress& server, bool wrongBefore, QWidget* owner = nullptr);

    QString password() const;

    // "Tamam": takes the password typed; an empty box is refused with a message.
    void confirm();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap background_;
    QLabel* explanation_; // LBL_PAROLA_ACIKLAMA
    QLabel* wrong_;       // LBL_PAROLA_YANLIS
    QLineEdit* password_; // TXT_PAROLA
    PictureBttn* ok_;     // BTN_TAMAM
    PictureBttn* cancel_; // BTN_VAZGEC
};

// Shows the window over `owner` and waits: the password given, or nothing.
std::optional<QString> AskServerPassword(const StoreAddress& server, bool wrongBefore, QWidget* owner);

} // namespace zendaro
