#pragma once
#include <string>

#include "util/win_handles.h"

// SHELL32, loaded from the system directory only on the roads that need it:
// linked in, it would bring the COM libraries into every run. Named by its full
// path, so that no copy in the installation directory can stand in for it.
UniqueModule loadShellLibrary();

// Opens an address in the user's browser (the shell's "open" for it), without
// waiting; true when the shell started a program for it.
bool openInBrowser(const std::string& address);
