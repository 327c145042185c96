#include "NumericKeyFilter.h"

#include "NumericKey.h"
#include "ui/MessageService.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zendaro {

namespace {

QChar firstOf(const QString& separator) {
    return separator.isEmpty() ? QChar() : separator.at(0);
}

} // namespace

NumericKeyFilter::NumericKeyFilter(QLineEdit* box, const RegionalSettings& settings, Options options)
    : QObject(box), box_(box), decimal_(firstOf(settings.decimalSeparator)),
      thousands_(firstOf(settings.thousandsSeparator)), options_(std::move(options)) {
    box->installEventFilter(this);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);

    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!options_.enterAction)
            return true;
        if (!box_->text().isEmpty()) {
            options_.enterAction();
            return true;
        }
        refuse(true);
        return true;
    }

    const QString text = key->text();
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const bool shortcut =
        (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier); // not AltGr
    if (text.isEmpty() || shortcut)
        return false; // cursor keys, Ctrl+C / Ctrl+V and the like
    if (text.size() != 1) {
        refuse(false);
        return true;
    }
    const QChar typed = text.at(0);
    if (typed.category() == QChar::Other_Control && typed != QLatin1Char('\b') && typed != QLatin1Char('\t'))
        return false; // Delete, Escape

    const KeyDecision decision = DecideNumericKey(
        {box_->text(), box_->cursorPosition(), box_->hasSelectedText()}, typed, decimal_, thousands_);
    switch (decision.verdict) {
    case KeyVerdict::Pass:
        return false;
    case KeyVerdict::Accept:
        if (decision.insert == typed)
            return false;
        box_->insert(QString(decision.insert));
        return true;
    case KeyVerdict::RefuseSeparator:
    case KeyVerdict::RefuseDigit:
        refuse(false);
        return true;
    case KeyVerdict::RefuseOther:
        refuse(true);
        return true;
    }
    return true;
}

void NumericKeyFilter::refuse(bool withMessage) {
    Beep();
    if (!withMessage || options_.refusalMessage.isEmpty())
        return;
    if (options_.messageWanted && !options_.messageWanted())
        return;
    ShowMessage(options_.refusalMessage, StyleOk, IconInfo, box_->window());
    box_->setFocus();
}

} // namespace zendaro
