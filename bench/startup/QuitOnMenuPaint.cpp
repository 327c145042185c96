// Linked beside the program's own main(): once the application exists, the
// process ends as soon as the main menu has painted for the first time.
#include "QuitOnFirstPaint.h"

#include <QCoreApplication>

namespace {

void quitOnMenuPaint() {
    new QuitOnFirstPaint(QStringLiteral("FRMMAIN")); // lives as long as the application
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(quitOnMenuPaint)
