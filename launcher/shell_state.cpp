#include "launcher/shell_state.h"

HINSTANCE hInst = nullptr;
int postedQuit = 0;
