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

    State validate(QString& input, int&) const override {
        // A text the program puts in (setText) leaves the box unmodified: it stands whole.
        if (!box_->isModified() || input.size() <= limit_ || input == before_)
            return Acceptable;
        // Beyond the limit only what is left when a piece is deleted from a
        // longer text: the same beginning and the same end.
        if (input.size() < before_.size()) {
            qsizetype same = 0;
            while (same < input.size() && input.at(same) == before_.at(same))
                ++same;
            if (before_.endsWith(QStringView(input).mid(same)))
                return Acceptable;
        }
        return Invalid;
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
