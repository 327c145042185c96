#pragma once

namespace zendaro {

// The command window the administrator's commands write into. On Windows
// the program is a window program: started from a command window it has no
// standard output of its own, so while a CommandConsole lives, standard
// output and error go to the command window it was started from (unless they
// are redirected already), in UTF-8 so the Turkish letters show; the window's
// code page is given back afterwards. Elsewhere it does nothing.
class CommandConsole {
public:
    CommandConsole();
    ~CommandConsole();
    CommandConsole(const CommandConsole&) = delete;
    CommandConsole& operator=(const CommandConsole&) = delete;

private:
    unsigned int oldCodePage_; // 0: nothing to give back
};

} // namespace zendaro
