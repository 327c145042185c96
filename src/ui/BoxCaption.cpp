#include "BoxCaption.h"

#include "ui/Fonts.h"

#include <QLabel>

namespace zendaro {

QLabel* BoxCaption(QWidget* parent, const QString& text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(legacyFont(QStringLiteral("Times New Roman"), 11.25));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace zendaro
