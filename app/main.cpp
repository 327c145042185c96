#include "admin/AdminCommand.h"
#include "admin/CommandConsole.h"
#include "conversion/BatchWindow.h"
#include "conversion/OneToOneWindow.h"
#include "files/FilesWindow.h"
#include "homescale/HomeScaleEditor.h"
#include "otherscale/OtherScaleEditor.h"
#include "shell/Shell.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

using namespace zendaro;

int main(int argc, char* argv[]) {
    // The administrator's commands need no display and open no window.
    if (IsAdminCommandLine(argc, argv)) {
        QCoreApplication app(argc, argv);
        const CommandConsole console;
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunAdminCommand(app.arguments().mid(1), QCoreApplication::applicationDirPath(), out, err);
    }
    QApplication app(argc, argv);
    Shell shell(QCoreApplication::applicationDirPath());
    shell.registerWindow(WorkingWindow::OneToOne, [](const WindowContext& c) {
        return new OneToOneWindow(c.store, c.regional, c.navigator);
    });
    shell.registerWindow(WorkingWindow::Batch, [](const WindowContext& c) {
        return new BatchWindow(c.store, c.regional, c.navigator);
    });
    shell.registerWindow(WorkingWindow::HomeScales, [](const WindowContext& c) {
        return new HomeScaleEditor(c.store, c.regional.numbers(), c.navigator);
    });
    shell.registerWindow(WorkingWindow::OtherScales, [](const WindowContext& c) {
        return new OtherScaleEditor(c.store, c.regional, c.navigator);
    });
    shell.registerWindow(WorkingWindow::Files, [](const WindowContext& c) {
        return new FilesWindow(c.store, c.regional, c.navigator, *c.schema, c.handOver);
    });
    return RunZendaro(app, shell);
}
