#pragma once

#include <QString>

class QApplication;

namespace zendaro {

class Shell;

// The message of a failed regional-settings check: two lines with a blank line
// between them (CR LF twice, as the plain box shows it).
QString RegionalSettingsFailureText();

// Application-wide settings: the name "ZENDARO", the window icon, Qt's
// Turkish translations and the fonts shipped beside the program.
void ConfigureApplication(QApplication& app);

// Runs the program: the start-up check, then the event loop. Returns the exit
// status: 1 when the regional settings could not be read (after the user has
// closed the message), otherwise the status the event loop ends with.
int RunZendaro(QApplication& app, Shell& shell);

} // namespace zendaro
