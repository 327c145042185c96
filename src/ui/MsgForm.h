#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace zendaro {

class tvShape;
class tvColorButton;

// The program's own message box: a borderless, always-on-top window 6975
// twips wide, made of a gradient shape with the title "ZENDARO", a stop or
// information icon, the centred message and up to three Turkish answer
// buttons in fixed slots from the right. The user drags it by its background.
// It lives for one message: filled, loaded, shown, answered, destroyed.
class MsgForm : public QWidget {
    Q_OBJECT

public:
    explicit MsgForm(QWidget* parent = nullptr);

    // Set before loading: the text, the icon selector (0 stop, other info)
    // and the style code; after the box closed MyFlag holds the result code.
    QString MyMessage;
    int MyImage = 0;
    int MyFlag = 0;

    // Title, topmost, text, layout with the button set, icon.
    void load();
    // Sizes the label for the text, places and shows the buttons, sizes the box.
    void LayoutBox(const QString& text);
    // Captions, default and cancel marks of the slots for MyFlag; returns how
    // many buttons show.
    int ApplyButtonSet();

    // Places the box in the middle of the screen of `near` (or the primary screen).
    void centreOnScreen(const QWidget* near = nullptr);

    tvShape* mainShape() const { return mainShpe_; }
    tvColorButton* buttonSlot(int slot) const { return slots_[slot]; }
    QLabel* messageLabel() const { return msgLbl_; }
    // The label height the layout rule gave, in twips.
    float labelHeightTwips() const { return labelHeightTw_; }
    bool isAnswered() const { return answered_; }

signals:
    // The box is no longer shown.
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void pressSlot(int slot);
    void startDrag(int button, int shift, float x, float y);
    void drag(int button, int shift, float x, float y);
    void endDrag();

    tvShape* mainShpe_;
    QLabel* imgStop_;
    QLabel* imgInfo_;
    QLabel* msgLbl_;
    tvColorButton* slots_[3];
    int style_ = 0;
    bool answered_ = false;
    float labelHeightTw_ = 0;
    bool dragging_ = false;
    float x0_ = 0;
    float y0_ = 0;
};

} // namespace zendaro
