#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace zendaro {

// The administrator's commands, run from the command line without any window:
//   zendaro --sunucu-kur                     the tables in an empty server database
//   zendaro --aktar sunucu [--uzerine-yaz]   donustur.evk beside the program to the server
//   zendaro --aktar YEDEK.evk                the server into a new database file
// The server is the one zendaro.ini beside the program names.

// Whether the command line is for RunAdminCommand: any argument but Qt's own
// options for the windows (-platform, -style, ...). An unknown option is
// RunAdminCommand's as well: it answers with the usage text.
bool IsAdminCommandLine(int argc, const char* const* argv);

// Runs the command of `arguments` (the program's name left out) for the
// program in `appFolder`: what it did goes to `out`, a failure's Turkish text
// to `err`. Returns the exit status: 0 when done, 1 on a failure, 2 for a
// command line it does not understand. Needs a QCoreApplication.
int RunAdminCommand(const QStringList& arguments, const QString& appFolder, QTextStream& out,
                    QTextStream& err);

} // namespace zendaro
