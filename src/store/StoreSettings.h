#pragma once

#include "StoreAddress.h"

#include <QString>

namespace zendaro {

// Which store this run uses, from the settings file zendaro.ini beside the
// program. Without the file, or with Tur=SQLite, the store is the file
// donustur.evk of the application folder, exactly as without any settings.
// The section [Veritabani] names a server:
//   Tur=PostgreSQL
//   Sunucu=HOST or socket folder   Port=5432   Ad=DATABASE   Kullanici=ROLE
// (Sunucu, Port and Kullanici may be left out: libpq's defaults then serve).
// A password is never read from the file.
struct StoreChoice {
    StoreAddress address;
    // Empty when the file was understood; else a Turkish text that says what
    // is wrong in it (an unknown Tur, a server without Ad, a Port that is not
    // a number), and `address` must not be used.
    QString problem;
};

StoreChoice ReadStoreChoice(const QString& appFolder);

} // namespace zendaro
