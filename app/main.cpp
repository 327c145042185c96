#include "shell/Shell.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zendaro::Shell shell(QCoreApplication::applicationDirPath());
    return zendaro::RunZendaro(app, shell);
}
