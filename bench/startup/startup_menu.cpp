// Start-up to the main menu shown: the program's own start (the same shell,
// the same registered windows), ending once the main menu has painted.
// scripts/bench runs it under /usr/bin/time beside startup_bare.
#include "QuitOnFirstPaint.h"
#include "conversion/BatchWindow.h"
#include "conversion/OneToOneWindow.h"
#include "homescale/HomeScaleEditor.h"
#include "otherscale/OtherScaleEditor.h"
#include "shell/Shell.h"
#include "shell/Startup.h"
#include "store/DatabaseFile.h"

#include <QApplication>

using namespace zendaro;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QuitOnFirstPaint quit(QStringLiteral("FRMMAIN"));
    Shell shell(QCoreApplication::applicationDirPath());
    shell.registerWindow(WorkingWindow::OneToOne, [](const WindowContext& c) {
        return new OneToOneWindow(DatabaseFilePath(), c.regional, c.navigator);
    });
    shell.registerWindow(WorkingWindow::Batch, [](const WindowContext& c) {
        return new BatchWindow(DatabaseFilePath(), c.regional, c.navigator);
    });
    shell.registerWindow(WorkingWindow::HomeScales, [](const WindowContext& c) {
        return new HomeScaleEditor(DatabaseFilePath(), c.regional.locale, c.navigator);
    });
    shell.registerWindow(WorkingWindow::OtherScales, [](const WindowContext& c) {
        return new OtherScaleEditor(DatabaseFilePath(), c.regional, c.navigator);
    });
    return RunZendaro(app, shell);
}
