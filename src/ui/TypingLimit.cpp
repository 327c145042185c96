#include "TypingLimit.h"

#include <QLineEdit>

namespace zendaro {

TypingLimit::TypingLimit(QLineEdit* box, int limit) : QObject(box), box_(box), limit_(limit) {
    box->setMaxLength(limit);
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
        // Lowering the limit cuts the text, so only once the text fits it.
        if (box_->maxLength() > limit_ && text.size() <= limit_)
            box_->setMaxLength(limit_);
    });
}

void PutWholeText(QLineEdit* box, const QString& text) {
    if (text.size() > box->maxLength())
        box->setMaxLength(static_cast<int>(text.size()));
    box->setText(text);
}

} // namespace zendaro
