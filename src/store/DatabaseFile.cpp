#include "DatabaseFile.h"

#include <QCoreApplication>

namespace zendaro {

QString DatabaseFilePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/donustur.evk");
}

} // namespace zendaro
