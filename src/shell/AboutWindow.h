#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QTimer;

namespace zendaro {

class tvShape;

// FRMABOUT: a borderless window that is exactly its gradient shape
// `MainShpe`, with the program's name, its purpose, the credits and two
// pictures (`Image1`, numbers 0 and 1) that swap every half second while the
// window is active. A left click anywhere closes it. Under the credits, the
// store this run uses (`LBL_VERITABANI`): the file's path or the server.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // `store`: what StoreAddress::description() says of the store in use; the
    // line is left out when empty.
    explicit AboutWindow(QWidget* owner = nullptr, const QString& store = QString());

    tvShape* shape() const { return shape_; }
    QLabel* picture(int index) const { return pictures_[index]; }
    const QList<QLabel*>& labels() const { return labels_; }
    QLabel* storeLine() const { return store_; }
    QTimer* timer() const { return timer_; }

    // One tick of `Timer1`: the visible picture gives way to the other.
    void swapPictures();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const QString& text, const QRect& rect, const QFont& font, const QColor& colour,
                     bool wrap = false);

    tvShape* shape_;
    QLabel* pictures_[2];
    QList<QLabel*> labels_;
    QTimer* timer_;
    QLabel* store_ = nullptr;
};

} // namespace zendaro
