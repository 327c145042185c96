#pragma once

#include "ui/ColorUtils.h"
#include "ui/SurfacePainting.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class QLabel;
class QTimer;

namespace zendaro {

// A push button that paints itself: colour bands, edge lines, a caption and a
// dotted focus rectangle, in four looks (normal, hover, pressed, disabled).
// Raises LClick on a left-button release inside it, on the release of Space,
// and when pressed as the default (Enter) or cancel (Escape) button of its window.
class tvColorButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int Step READ step WRITE setStep)
    Q_PROPERTY(int GradMode READ gradMode WRITE setGradMode)
    Q_PROPERTY(bool Gradient READ gradient WRITE setGradient)
    Q_PROPERTY(int Direction READ direction WRITE setDirection)
    Q_PROPERTY(int Black READ black WRITE setBlack)
    Q_PROPERTY(int Alignement READ alignement WRITE setAlignement)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(int DrawWidth1 READ drawWidth1 WRITE setDrawWidth1)
    Q_PROPERTY(int DrawWidth2 READ drawWidth2 WRITE setDrawWidth2)
    Q_PROPERTY(int DrawWidth3 READ drawWidth3 WRITE setDrawWidth3)
    Q_PROPERTY(int DrawWidth4 READ drawWidth4 WRITE setDrawWidth4)
    Q_PROPERTY(int FocusColor READ focusColor WRITE setFocusColor)
    Q_PROPERTY(int FocusBorderWidth READ focusBorderWidth WRITE setFocusBorderWidth)
    Q_PROPERTY(int FocusBorderStyle READ focusBorderStyle WRITE setFocusBorderStyle)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Cancel READ isCancel WRITE setCancel)

public:
    enum class Look { Normal, Hover, Pressed, Disabled };

    explicit tvColorButton(QWidget* parent = nullptr);

    Colour backColor() const { return backColor_; }
    void setBackColor(Colour c);
    Colour borderColor() const { return borderColor_; }
    void setBorderColor(Colour c);
    int step() const { return step_; }
    void setStep(int step);
    int gradMode() const { return gradMode_; }
    void setGradMode(int mode);
    bool gradient() const { return gradient_; }
    void setGradient(bool on);
    int direction() const { return direction_; }
    void setDirection(int direction);
    int black() const { return black_; }
    void setBlack(int black);
    int alignement() const { return alignement_; }
    void setAlignement(int alignement);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour c);
    QFont captionFont() const { return font_; }
    void setCaptionFont(const QFont& font);
    int drawWidth1() const { return drawWidth_[0]; }
    void setDrawWidth1(int w);
    int drawWidth2() const { return drawWidth_[1]; }
    void setDrawWidth2(int w);
    int drawWidth3() const { return drawWidth_[2]; }
    void setDrawWidth3(int w);
    int drawWidth4() const { return drawWidth_[3]; }
    void setDrawWidth4(int w);
    Colour focusColor() const { return focusColor_; }
    void setFocusColor(Colour c);
    int focusBorderWidth() const { return focusBorderWidth_; }
    void setFocusBorderWidth(int w);
    int focusBorderStyle() const { return focusBorderStyle_; }
    void setFocusBorderStyle(int style);
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    QPixmap mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);

    // The default button of its window takes Enter, the cancel button Escape.
    bool isDefault() const { return default_; }
    void setDefault(bool on);
    bool isCancel() const { return cancel_; }
    void setCancel(bool on);

    // Presses the visible, enabled default (Enter) or cancel (Escape) button
    // inside `window`, raising its LClick. Returns whether one was pressed.
    static bool pressDefaultOrCancel(QWidget* window, int key);

    // Presses this button as its window's default or cancel button.
    void pressAsDefaultOrCancel();

    Look look() const { return look_; }
    bool isPressed() const { return pressed_; }
    // The painted surface, without the caption label and the focus rectangle
    // (brought up to the current size first: a hidden control gets its
    // resize events only when shown).
    const QImage& surface();
    // The rectangle of the focus mark, in pixels.
    QRect focusRect() const;

signals:
    void Click();
    void DblClick();
    void RClick();
    void LClick();
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void MouseOver();
    void MouseOut();
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void Show();
    void Hide();
    void Resize();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void relayout();
    void paintLook(Look look);
    ButtonSurface surfaceFor(Look look) const;
    void layoutCaption(Colour colour);
    void hoverTick();

    Colour backColor_;
    Colour borderColor_ = 0;
    int step_ = 1;
    int gradMode_ = 1;
    bool gradient_ = true;
    int direction_ = 1;
    int black_ = 0;
    int alignement_ = 2;
    QString caption_;
    Colour foreColor_ = 0;
    QFont font_;
    int drawWidth_[4] = {1, 1, 1, 1};
    Colour focusColor_;
    int focusBorderWidth_ = 1;
    int focusBorderStyle_ = 3;
    int mousePointer_ = 0;
    QPixmap mouseIcon_;
    bool default_ = false;
    bool cancel_ = false;

    bool pressed_ = false;
    bool spaceDown_ = false; // Space went down on this button
    bool layingOut_ = false;
    Look look_ = Look::Normal;
    QImage surface_;
    QLabel* captionLbl_;
    QTimer* effectTimer_;
};

} // namespace zendaro
