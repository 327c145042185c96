#include "ui/KeyboardAccess.h"

#include "store/TurkishText.h"
#include "ui/PictureBttn.h"
#include "ui/tvColorButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
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

void SetReadingOrder(QWidget* window, const QStringList& names) {
    QWidget* previous = nullptr;
    for (const QString& name : names) {
        auto* control = window->findChild<QWidget*>(name);
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        else
            control->setFocus(Qt::OtherFocusReason);
        previous = control;
    }
}

namespace {

// The typed letters of one list, gathered while the keys come quickly.
class TypedLetters : public QObject {
public:
    explicit TypedLetters(QComboBox* list) : QObject(list), list_(list) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        const bool going = clock_.isValid() && clock_.elapsed() < QApplication::keyboardInputInterval();
        // A blank belongs to the name being typed; otherwise it opens the list.
        if (text.at(0).isSpace() && !going)
            return false;
        if (going)
            typed_ += text;
        else
            typed_ = text;
        clock_.restart();
        choose();
        return true;
    }

private:
    void choose() {
        // One letter, or the same letter again: the next item after the
        // current one; more letters: the first item from the current one on.
        const bool oneLetter = typed_.count(typed_.at(0)) == typed_.size();
        const QString wanted = FoldCaseTr(oneLetter ? typed_.left(1) : typed_);
        const int count = list_->count();
        const int start = list_->currentIndex() + (oneLetter ? 1 : 0);
        for (int i = 0; i < count; ++i) {
            const int index = (qMax(0, start) + i) % count;
            if (!FoldCaseTr(list_->itemText(index)).startsWith(wanted))
                continue;
            if (index != list_->currentIndex()) {
                list_->setCurrentIndex(index);
                emit list_->activated(index);
                emit list_->textActivated(list_->itemText(index));
            }
            return;
        }
    }

    QComboBox* list_;
    QString typed_;
    QElapsedTimer clock_;
};

} // namespace

void ChooseByTypedLetters(QWidget* window) {
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        if (!list->isEditable())
            list->installEventFilter(new TypedLetters(list));
    }
}

void Announce(QLabel* label, const QString& text) {
    label->setAccessibleName(text);
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace zendaro
