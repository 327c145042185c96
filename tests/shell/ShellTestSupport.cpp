#include "ShellTestSupport.h"

#include "ui/PictureBttn.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace zendaro::test {

StandInWindow::StandInWindow(Navigator& navigator, WorkingWindow which)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), navigator_(navigator), which_(which) {
    setObjectName(QStringLiteral("STAND_IN"));
    resize(200, 100);
}

void leftClickAt(QWidget* widget, QPoint pos) {
    QCursor::setPos(widget->mapToGlobal(pos));
    QTest::mouseMove(widget, pos);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
}

void clickPictureButton(PictureBttn* button) {
    leftClickAt(button, button->rect().center());
}

bool whileModal(const std::function<void()>& open, const std::function<void(QWidget* modal)>& inspect) {
    bool appeared = false;
    QTimer poll;
    poll.setInterval(10);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (waited.elapsed() > 5000)
                poll.stop();
            return;
        }
        poll.stop();
        appeared = true;
        // Let the window finish showing and become active first.
        QTest::qWait(20);
        QPointer<QWidget> guard(modal);
        inspect(modal);
        if (guard && guard->isVisible())
            guard->close();
    });
    poll.start();
    open();
    poll.stop();
    return appeared;
}

QStringList visibleTopLevels() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName();
    }
    return names;
}

} // namespace zendaro::test
