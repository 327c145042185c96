#pragma once

#include <QString>

namespace zendaro {

// The database file "donustur.evk" in the application folder (the folder
// that holds the program). Needs a QCoreApplication.
QString DatabaseFilePath();

} // namespace zendaro
