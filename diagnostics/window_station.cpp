#include "diagnostics/window_station.h"

#include <windows.h>

#include "diagnostics/status.h"
#include "util/run_state.h"
#include "util/system_function.h"

namespace {

using GetProcessWindowStationFunction = HWINSTA(WINAPI*)();
using GetUserObjectInformationFunction = BOOL(WINAPI*)(HANDLE, int, PVOID, DWORD, LPDWORD);

// Neither function is on 95: both are looked up, and a missing one is no answer.
bool askStation(int index, void* buffer, DWORD size) {
    auto station = systemFunction<GetProcessWindowStationFunction>("user32.dll", "GetProcessWindowStation");
    auto information =
        systemFunction<GetUserObjectInformationFunction>("user32.dll", "GetUserObjectInformationA");
    if (station == nullptr || information == nullptr) return false;
    HWINSTA handle = station();  // the process's own: never closed
    DWORD needed = 0;
    return handle != nullptr && information(handle, index, buffer, size, &needed);
}

bool systemFlags(unsigned long& flags) {
    USEROBJECTFLAGS object = {};
    if (!askStation(UOI_FLAGS, &object, sizeof object)) return false;
    flags = object.dwFlags;
    return true;
}

std::string systemName() {
    char name[256] = "";
    return askStation(UOI_NAME, name, sizeof name - 1) ? name : std::string();
}

}  // namespace

const WindowStationQueries& systemWindowStationQueries() {
    static const WindowStationQueries queries = {systemFlags, systemName};
    return queries;
}

bool windowStationVisible(std::string& note, const WindowStationQueries& queries) {
    unsigned long flags = 0;
    if (!queries.flags(flags) || (flags & WSF_VISIBLE) != 0) return true;
    note = "window station " + queries.name() + " is not visible: no message box is shown";
    return false;
}

void keepBoxesOffInvisibleStation() {
    std::string note;
    if (windowStationVisible(note)) return;
    setBoxesShown(false, "window station not visible");
    startupNotes.push_back(note);
}
