#pragma once

#include <QWidget>

class QLabel;

namespace zendaro {

// A group on the main menu: a white panel with a thin blue frame and, when it
// has one, a heading in its top-left corner. The buttons of the group are its
// children.
class MenuGroup : public QWidget {
    Q_OBJECT
public:
    MenuGroup(const QString& heading, QWidget* parent);

    QLabel* heading() const { return heading_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* heading_;
};

} // namespace zendaro
