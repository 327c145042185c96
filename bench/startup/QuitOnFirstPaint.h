#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Ends the event loop once the top-level window named `name` has painted for
// the first time: the moment the window is shown to the user.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QString name) : name_(std::move(name)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && watched->objectName() == name_) {
            QCoreApplication::instance()->removeEventFilter(this);
            // After the whole window (children too) has painted.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }

private:
    QString name_;
};
