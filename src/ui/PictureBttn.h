#pragma once

#include "ui/ColorUtils.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace zendaro {

// The button of every window: a picture with an optional caption to its
// right. While the pointer is over it, it shows its light picture and a red
// caption. A left-button release over it raises LClick; so do Space and Enter
// while it has the focus, which Tab gives it (a click does not). A thin
// outline marks it only while the focus came from the keyboard, so a mouse
// user sees no focus mark. It has no pressed look; its size follows its content.
class PictureBttn : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap PictureNormal READ pictureNormal WRITE setPictureNormal)
    Q_PROPERTY(QPixmap PictureLight READ pictureLight WRITE setPictureLight)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QFont Font READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(int ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)

public:
    explicit PictureBttn(QWidget* parent = nullptr);

    QPixmap pictureNormal() const;
    void setPictureNormal(const QPixmap& picture);
    void setPictureNormal(const QIcon& icon, const QSize& size);
    QPixmap pictureLight() const;
    void setPictureLight(const QPixmap& picture);
    void setPictureLight(const QIcon& icon, const QSize& size);
    // Both pictures by name (see resources/Pictures.h): the normal one at once,
    // the light one when it is first needed, as the pointer comes over the button.
    void setPictures(const QString& normal, const QString& light);

    QString caption() const;
    void setCaption(const QString& caption);
    QFont captionFont() const;
    void setCaptionFont(const QFont& font);
    Colour foreColor() const;
    void setForeColor(Colour colour);
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    QPixmap mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);

    // Whether the light look is showing.
    bool isLit() const;

    // Presses the button as a click does: raises LClick when it is enabled.
    void press();
    // Whether the keyboard focus mark is showing.
    bool showsFocusMark() const;

signals:
    void LClick();
    void RClick();
    void MouseOver();
    void MouseOut();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutContent();
    void showLightLook();
    void showNormalLook();
    void loadLightPicture() const;
    void setCaptionColour(const QColor& colour);
    void applyPointer();
    void hoverTick();
    void updateFocusMark();

    QLabel* pictures_[2];
    mutable std::function<QPixmap()> pendingLight_; // draws the light picture not yet loaded
    QLabel* infoLbl_;
    QTimer* effectTimer_;
    Colour backColor_;
    int mousePointer_ = 99;
    QPixmap mouseIcon_;
    bool builtInIcon_ = true;
    bool layingOut_ = false;
    QWidget* focusMark_ = nullptr;
    bool keyboardFocus_ = false; // the focus came from the keyboard
    bool spaceDown_ = false;
};

// A picture button of a window: its object name, caption and tooltip, the
// normal and light pictures by resource path, placed at (left, top) in twips.
PictureBttn* MakePictureButton(QWidget* parent, const char* name, const QString& caption,
                               const QString& tooltip, const char* normal, const char* light, int left,
                               int top);

} // namespace zendaro
