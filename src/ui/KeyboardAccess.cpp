#include "ui/KeyboardAccess.h"

#include "ui/PictureBttn.h"
#include "ui/tvColorButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace zendaro {

namespace {

// A picture button or a colour button: a push button whose one action is a press.
class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !widget()->isEnabled())
            return;
        if (auto* picture = qobject_cast<PictureBttn*>(widget()))
            picture->press();
        else if (auto* colour = qobject_cast<tvColorButton*>(widget()))
            colour->pressAsDefaultOrCancel();
    }
};

QAccessibleInterface* buttonFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("zendaro::PictureBttn") ||
        className == QLatin1String("zendaro::tvColorButton"))
        return new AccessibleButton(widget);
    return nullptr;
}

} // namespace

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(buttonFactory);
        return true;
    }();
    (void)installed;
}

void SetReadingOrder(const QList<QWidget*>& controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        else
            control->setFocus(Qt::OtherFocusReason);
        previous = control;
    }
}

void SetReadingOrder(QWidget* window, const QStringList& names) {
    QList<QWidget*> controls;
    for (const QString& name : names)
        controls.append(window->findChild<QWidget*>(name));
    SetReadingOrder(controls);
}

void Announce(QLabel* label, const QString& text) {
    label->setAccessibleName(text);
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace zendaro
