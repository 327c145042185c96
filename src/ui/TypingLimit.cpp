#include "TypingLimit.h"

#include <QLineEdit>
#include <QValidator>

namespace zendaro {

namespace {

// Judges each of the user's edits against the text before it.
class TypingLimitValidator : public QValidator {
public:
    TypingLimitValidator(QLineEdit* box, int limit)
        : QValidator(box), box_(box), limit_(limit), before_(box->text()) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    }

    State validate(QString& input, int& pos) const override {
        // A text the program puts in (setText) leaves the box unmodified: it stands whole.
        if (!box_->isModified() || input.size() <= limit_ || input == before_)
            return Acceptable;
        // The edit: what stayed of the text before it (a beginning and an end)
        // and what came in between. What comes in is cut to the room left.
        const qsizetype common = qMin(input.size(), before_.size());
        qsizetype head = 0;
        while (head < common && input.at(head) == before_.at(head))
            ++head;
        qsizetype tail = 0;
        while (tail < common - head &&
               input.at(input.size() - 1 - tail) == before_.at(before_.size() - 1 - tail))
            ++tail;
        const qsizetype room = qMax<qsizetype>(0, limit_ - head - tail);
        if (input.size() - head - tail <= room)
            return Acceptable; // only deleted, or it fits
        input = input.left(head + room) + input.right(tail);
        pos = static_cast<int>(head + room);
        return Acceptable;
    }

private:
    QLineEdit* box_;
    int limit_;
    QString before_;
};

} // namespace

void LimitTyping(QLineEdit* box, int maxCharacters) {
    box->setMaxLength(32767); // the default: the validator keeps the limit
    box->setValidator(new TypingLimitValidator(box, maxCharacters));
}

} // namespace zendaro
