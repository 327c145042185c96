#pragma once

#include "ui/InputShield.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace zendaro {

class PictureBttn;

// What the four working windows share: no title bar and no border, the fixed
// size of 12405 × 9285 twips, the background picture, the heading, the
// "ANA MENÜ" button that returns to the main menu and, where the window has
// one, the help button that opens the help page at the window's anchor.
// Escape presses "İPTAL" while an edit is open and "ANA MENÜ" otherwise; F1
// does what the help button does.
class WorkingForm : public QWidget {
    Q_OBJECT
public:
    // `helpAnchor` empty: the window has no help button.
    WorkingForm(const QString& objectName, const QString& heading, Navigator& navigator,
                const QString& helpAnchor, QWidget* parent = nullptr);

    QLabel* heading() const { return heading_; }
    PictureBttn* backButton() const { return back_; }
    PictureBttn* helpButton() const { return help_; }
    Navigator& navigator() const { return navigator_; }

    // Shows the main menu again and closes this window.
    void returnToMenu();

    // The window cannot work without its store: shows the store's text and
    // goes back to the main menu, once the window is on its way.
    void failAndReturnToMenu(const QString& storeText);

protected:
    // The "ANA MENÜ" button was pressed: back to the main menu. A window with
    // something to lose asks first.
    virtual void backRequested() { returnToMenu(); }
    // Where F1 opens the help page in a window without a help button (the
    // top of the page unless set).
    void setF1HelpAnchor(const QString& anchor) { f1Anchor_ = anchor; }
    // Whether the window takes Escape and F1 now (not while it is busy).
    virtual bool takesKeys() const { return isEnabled() && !InputShield::isShielded(this); }

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void blendButtons();
    void escapePressed();
    void f1Pressed();

    Navigator& navigator_;
    QPixmap background_;
    QLabel* heading_;
    PictureBttn* back_;
    PictureBttn* help_ = nullptr;
    QString f1Anchor_;
};

// A picture button shows its background colour around its picture and
// caption: gives each picture button of `window` the colour of the window's
// background picture where the button lies.
void BlendPictureButtons(QWidget* window, const QPixmap& background);

} // namespace zendaro
