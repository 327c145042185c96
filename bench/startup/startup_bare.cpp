// The anchor of the start-up: a bare Qt Widgets window of the main menu's
// size and kind (borderless, centred), ending once it has painted.
#include "QuitOnFirstPaint.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QuitOnFirstPaint quit(QStringLiteral("BARE"));
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setObjectName(QStringLiteral("BARE"));
    window.setFixedSize(zendaro::twips(12405), zendaro::twips(9285));
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
