// The process entry. The toolchain's own start-up code is not linked: it brings
// the runtime relocator, thread-local callbacks and exception-frame registration,
// none of which this program uses, so they are left out (their size is in
// docs/benchmarks.md). What a windowed program needs from its start is done here.
#include <windows.h>

#include <cstdlib>

#include "launcher/command_line.h"

extern "C" {
void __cdecl __set_app_type(int type);
char** __cdecl __p__acmdln();
void __main();  // runs the static constructors once
}

namespace {
const int kGuiApp = 2;
}

// The start-up code also supplied this. The runtime's exit runs what is registered.
extern "C" int __cdecl atexit(void(__cdecl* function)()) {
    return _onexit(reinterpret_cast<_onexit_t>(function)) != nullptr ? 0 : -1;
}

extern "C" void WinMainCRTStartup() {
    // Runtime errors are then reported in a box, not on a console nobody sees.
    __set_app_type(kGuiApp);
    __main();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    // The runtime's own copy of the command line; the worker parses a copy of its tail.
    char* line = *__p__acmdln();
    char* tail = commandTail(line != nullptr ? line : GetCommandLineA());
    // exit, not ExitProcess: the C streams are flushed and closed first.
    std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, tail, show));
}
