#pragma once

#include <QtGlobal>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zendaro::test {

// True when a Windows build runs under Wine (its ntdll names its version),
// for the few cases where Wine lacks what Windows itself does.
inline bool UnderWine() {
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace zendaro::test
