#include "InputShield.h"

#include <QApplication>
#include <QEvent>
#include <QHash>

namespace zendaro {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::ToolTip:
        return true;
    default:
        return false;
    }
}

// The nearest widget of an event's receiver: the receiver itself, or the
// widget that owns it (a shortcut, an action).
const QWidget* widgetOf(const QObject* receiver) {
    for (const QObject* o = receiver; o; o = o->parent())
        if (o->isWidgetType())
            return static_cast<const QWidget*>(o);
    return nullptr;
}

// One filter on the application for every shielded window: it sees each event
// before the control it is meant for.
class ShieldFilter : public QObject {
public:
    static ShieldFilter& instance() {
        static ShieldFilter* filter = [] {
            auto* f = new ShieldFilter;
            f->setParent(qApp); // goes with the application
            return f;
        }();
        return *filter;
    }

    void raise(QWidget* window) {
        if (counts_.isEmpty())
            qApp->installEventFilter(this);
        if (!counts_.contains(window))
            connect(window, &QObject::destroyed, this, [this](QObject* gone) { forget(gone); });
        ++counts_[window];
    }

    void lower(QWidget* window) {
        auto it = counts_.find(window);
        if (it == counts_.end())
            return;
        if (--it.value() <= 0) {
            disconnect(window, &QObject::destroyed, this, nullptr);
            forget(window);
        }
    }

    bool isShielded(const QWidget* window) const { return counts_.contains(window); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && !isUserInput(type))
            return false;
        const QWidget* widget = widgetOf(watched);
        if (!widget || !counts_.contains(widget->window()))
            return false;
        // A key meant for a shortcut of the window is taken here, so the
        // shortcut does not fire; the key itself is then dropped as a key press.
        event->accept();
        return true;
    }

private:
    void forget(QObject* window) {
        counts_.remove(window);
        if (counts_.isEmpty())
            qApp->removeEventFilter(this);
    }

    QHash<const QObject*, int> counts_;
};

} // namespace

InputShield::InputShield(QWidget* widget) : window_(widget ? widget->window() : nullptr) {
    if (window_ && qApp)
        ShieldFilter::instance().raise(window_);
}

InputShield::~InputShield() {
    if (window_ && qApp)
        ShieldFilter::instance().lower(window_);
}

bool InputShield::isShielded(const QWidget* widget) {
    return widget && qApp && ShieldFilter::instance().isShielded(widget->window());
}

} // namespace zendaro
