#include "shell/MenuGroup.h"

#include "ui/Fonts.h"

#include <QLabel>
#include <QPainter>

namespace zendaro {

MenuGroup::MenuGroup(const QString& heading, QWidget* parent)
    : QWidget(parent), heading_(new QLabel(heading, this)) {
    heading_->setFont(legacyFont(QStringLiteral("Arial"), 10, true));
    QPalette palette = heading_->palette();
    palette.setColor(QPalette::WindowText, QColor(3, 133, 209));
    heading_->setPalette(palette);
    heading_->move(16, 8);
    heading_->adjustSize();
    heading_->setVisible(!heading.isEmpty());
}

void MenuGroup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(3, 133, 209), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(panel, 8, 8);
    if (heading_->isVisible()) {
        // A short rule under the heading, in the lighter blue.
        const int y = heading_->geometry().bottom() + 4;
        painter.setPen(QPen(QColor(1, 157, 203), 2.0));
        painter.drawLine(QPointF(16, y), QPointF(16 + heading_->width(), y));
    }
}

} // namespace zendaro
