#pragma once

#include "StoreAddress.h"

#include <QString>
#include <functional>
#include <optional>

class QSqlDatabase;

namespace zendaro {

// Asks the user for the password of a server that wants one when libpq's own
// places (~/.pgpass, PGPASSFILE, PGPASSWORD) hold none. `wrongBefore` is true
// when the password given last was refused. Returns nothing when the user
// gives none. The shell installs a window for it; without one the store never
// asks and the connection fails with its message.
using ServerPasswordPrompt =
    std::function<std::optional<QString>(const StoreAddress& server, bool wrongBefore)>;
void SetServerPasswordPrompt(ServerPasswordPrompt prompt);

// Opens `db` (a QPSQL connection with its server, database and role set) on
// `server`: with the password given earlier in this run, else with libpq's
// own, asking the prompt when the server wants one that no place holds. A
// password that opened a connection is kept in memory for the rest of the run
// only. Throws StoreError with a Turkish text that says what to do.
void OpenServerConnection(QSqlDatabase& db, const StoreAddress& server);

// Whether an open server connection was found broken (the server restarted,
// stopped or the network dropped it): reads what the server has sent without
// waiting, so a connection the server closed while idle counts as broken.
bool ServerConnectionBroken(const QSqlDatabase& db);

// Forgets every password kept in this run (tests).
void ForgetServerPasswords();

} // namespace zendaro
