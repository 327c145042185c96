#include "admin/CommandConsole.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zendaro {

namespace {

// Standard output and error into the command window the program was started
// from; the window's code page before, 0 when nothing was done.
unsigned int attachCommandWindow() {
#ifdef _WIN32
    // Redirected output (a file, a pipe, Wine's terminal) is left as it is.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE)
        return 0;
    if (!AttachConsole(ATTACH_PARENT_PROCESS) || std::freopen("CONOUT$", "w", stdout) == nullptr ||
        std::freopen("CONOUT$", "w", stderr) == nullptr)
        return 0;
    const unsigned int old = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    return old;
#else
    return 0;
#endif
}

} // namespace

CommandConsole::CommandConsole() : oldCodePage_(attachCommandWindow()) {}

CommandConsole::~CommandConsole() {
    // Everything written is out before the command window takes over again.
    std::fflush(stdout);
    std::fflush(stderr);
#ifdef _WIN32
    if (oldCodePage_ != 0)
        SetConsoleOutputCP(oldCodePage_);
#endif
}

} // namespace zendaro
