#pragma once
#include <string>

// A service's process runs on a window station that no user can see (session 0
// since Vista): a box shown there waits for ever, and with it the deployment
// tool that started the launcher. Window stations exist on NT only.

// The questions asked about the process's window station; tests answer in their place.
struct WindowStationQueries {
    // Its UOI_FLAGS flags; false when the system gives no answer (9x).
    bool (*flags)(unsigned long& flags);
    // Its name, for the trace; empty when the system gives none.
    std::string (*name)();
};

const WindowStationQueries& systemWindowStationQueries();

// False when the process's window station is not visible; `note` then says so,
// naming the station. True when it is, or when nothing answers.
bool windowStationVisible(std::string& note, const WindowStationQueries& queries = systemWindowStationQueries());

// Asked once at start, before any box can be shown: where nobody can see a box,
// none is shown for the whole run, and the worker's trace says why.
void keepBoxesOffInvisibleStation();
