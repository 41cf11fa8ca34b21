#pragma once
#include <windows.h>

#include "util/run_state.h"

// The main thread's own values: the program's instance, and whether its main
// window has posted the quit message.
extern HINSTANCE hInst;
extern int postedQuit;
