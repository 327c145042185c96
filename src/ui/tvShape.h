#pragma once

#include "ui/ColorUtils.h"
#include "ui/SurfacePainting.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

class QTimer;

namespace zendaro {

// A container that paints its own surface: a back of colour bands, an
// optional title band with the caption printed on it, a separator under the
// title and a one-pixel frame. The picture is kept in a persistent image and
// redrawn only on a resize or a property change. Other controls can be
// placed inside it.
class tvShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BorderBackColor READ borderBackColor WRITE setBorderBackColor)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool GradientBorderColor READ gradientBorderColor WRITE setGradientBorderColor)
    Q_PROPERTY(bool GradientBackColor READ gradientBackColor WRITE setGradientBackColor)
    Q_PROPERTY(int BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int Step READ step WRITE setStep)
    Q_PROPERTY(int BorderStep READ borderStep WRITE setBorderStep)
    Q_PROPERTY(int Diagonal READ diagonal WRITE setDiagonal)
    Q_PROPERTY(int BorderDiagonal READ borderDiagonal WRITE setBorderDiagonal)
    Q_PROPERTY(int GradMode READ gradMode WRITE setGradMode)
    Q_PROPERTY(int BorderGradMode READ borderGradMode WRITE setBorderGradMode)
    Q_PROPERTY(int Direction READ direction WRITE setDirection)
    Q_PROPERTY(int BorderDirection READ borderDirection WRITE setBorderDirection)
    Q_PROPERTY(bool Black READ black WRITE setBlack)
    Q_PROPERTY(bool BorderBlack READ borderBlack WRITE setBorderBlack)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)

public:
    // The largest slant accepted; larger values are held at this limit so
    // that band coordinates stay in range and a repaint stays quick.
    static constexpr int MaxDiagonal = 4096;

    explicit tvShape(QWidget* parent = nullptr);

    Colour backColor() const { return s_.backColor; }
    void setBackColor(Colour c);
    Colour borderBackColor() const { return s_.borderBackColor; }
    void setBorderBackColor(Colour c);
    QString caption() const { return s_.caption; }
    void setCaption(const QString& caption);
    Colour foreColor() const { return s_.foreColor; }
    void setForeColor(Colour c);
    bool gradientBorderColor() const { return s_.gradientBorderColor; }
    void setGradientBorderColor(bool on);
    bool gradientBackColor() const { return s_.gradientBackColor; }
    void setGradientBackColor(bool on);
    Colour borderColor() const { return s_.borderColor; }
    void setBorderColor(Colour c);
    int step() const { return s_.step; }
    void setStep(int step);
    int borderStep() const { return s_.borderStep; }
    void setBorderStep(int step);
    int diagonal() const { return s_.diagonal; }
    void setDiagonal(int slant);
    int borderDiagonal() const { return s_.borderDiagonal; }
    void setBorderDiagonal(int slant);
    int gradMode() const { return s_.gradMode; }
    void setGradMode(int mode);
    int borderGradMode() const { return s_.borderGradMode; }
    void setBorderGradMode(int mode);
    int direction() const { return s_.direction; }
    void setDirection(int direction);
    int borderDirection() const { return s_.borderDirection; }
    void setBorderDirection(int direction);
    bool black() const { return s_.black; }
    void setBlack(bool on);
    bool borderBlack() const { return s_.borderBlack; }
    void setBorderBlack(bool on);
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    QPixmap mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);

    // The painted surface (brought up to the current size first: a hidden
    // control gets its resize events only when shown).
    const QImage& surface();
    // How many times the surface has been painted (exposure never paints it).
    int repaintCount() const { return repaints_; }

signals:
    void Resize();
    void Paint();
    void Show();
    void Hide();
    void Click();
    void DblClick();
    void LClick();
    void RClick();
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void MouseOver();
    void MouseOut();
    void KeyPress(int keyAscii);
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void repaintSurface();
    void hoverTick();

    ShapeSurface s_;
    int mousePointer_ = 0;
    QPixmap mouseIcon_;
    QImage surface_;
    QTimer* effectTimer_;
    bool borderColorSet_ = false; // until set, BorderColor follows BorderBackColor
    bool repainting_ = false;
    int repaints_ = 0;
};

} // namespace zendaro
