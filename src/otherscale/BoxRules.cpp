#include "BoxRules.h"

#include "conversion/NumberText.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace zendaro {

namespace {

bool fromAnotherWindow(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

QString ZeroText(const RegionalSettings& settings) {
    return QStringLiteral("0") + settings.decimalSeparator + QStringLiteral("00");
}

QString LeavingText(const QString& text, const RegionalSettings& settings, int maxLength) {
    if (text.isEmpty())
        return text;
    const std::optional<double> value = ReadNumberText(text, settings);
    if (!value)
        return text;
    const QString formatted = TwoDecimalText(*value, settings);
    return formatted.size() <= maxLength ? formatted : text;
}

std::optional<double> ApplyChangeRule(QLineEdit* box, const RegionalSettings& settings,
                                      bool zeroWhenNoNumber) {
    if (const std::optional<double> value = ReadNumberText(box->text(), settings))
        return value;
    if (zeroWhenNoNumber) {
        box->setText(ZeroText(settings));
        box->selectAll();
    } else if (!box->text().isEmpty()) {
        box->clear();
    }
    return std::nullopt;
}

SelectOnEntry::SelectOnEntry(QLineEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
}

bool SelectOnEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::FocusIn || fromAnotherWindow(event))
        return false;
    box_->selectAll();
    // A click places the caret after the focus arrived; select again once it has.
    if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
        QPointer<QLineEdit> box = box_;
        QTimer::singleShot(0, box_, [box] {
            if (box && box->hasFocus())
                box->selectAll();
        });
    }
    return false;
}

FormatOnLeave::FormatOnLeave(QLineEdit* box, RegionalSettings settings)
    : QObject(box), box_(box), settings_(std::move(settings)) {
    box->installEventFilter(this);
}

bool FormatOnLeave::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::FocusOut || fromAnotherWindow(event))
        return false;
    const QString text = LeavingText(box_->text(), settings_, box_->maxLength());
    if (text != box_->text())
        box_->setText(text);
    return false;
}

} // namespace zendaro
