// The physical floor of the launcher's main road: a minimal Win32 program that
// runs the same version test and the same wizard one after the other, waiting
// for each. Its only argument names a file of three lines: the JVM's path, the
// version test's command line and the wizard's. With "-window" before it, it
// first creates and destroys one hidden window, as any program with a user
// interface does: the part of the cost that belongs to the window system.
// It uses no C++ library, so that its size and memory are a true minimum.
#include <windows.h>

#include <cstring>

#include "bench/bench_clock.h"

namespace {

// The whole file, zero-terminated, in a heap block the process never frees.
char* readWholeFile(const char* path) {
    UniqueKernelHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return nullptr;
    }
    DWORD size = GetFileSize(file.get(), nullptr);
    if (size == INVALID_FILE_SIZE) return nullptr;
    char* text = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size + 1));
    DWORD read = 0;
    if (!text || !ReadFile(file.get(), text, size, &read, nullptr)) return nullptr;
    text[read] = '\0';
    return text;
}

// Cuts the next line off `text` in place and returns it; null when none is left.
char* nextLine(char*& text) {
    if (!text || !*text) return nullptr;
    char* line = text;
    char* end = line + std::strcspn(line, "\r\n");
    text = end + std::strspn(end, "\r\n");
    *end = '\0';
    return line;
}

bool runAndWait(const char* program, char* commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return false;
    }
    UniqueKernelHandle process(started.hProcess);
    UniqueKernelHandle thread(started.hThread);
    return WaitForSingleObject(process.get(), INFINITE) == WAIT_OBJECT_0;
}

void touchWindowSystem(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "BenchFloor";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowExA(0, "BenchFloor", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window) DestroyWindow(window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argument = 1;
    if (__argc > 2 && std::strcmp(__argv[1], "-window") == 0) {
        touchWindowSystem(instance);
        argument = 2;
    }
    if (__argc <= argument) return 2;
    char* text = readWholeFile(__argv[argument]);
    char* program = nextLine(text);
    char* versionTest = nextLine(text);
    char* wizard = nextLine(text);
    if (!wizard) return 2;
    if (!runAndWait(program, versionTest)) return 1;
    return runAndWait(program, wizard) ? 0 : 1;
}
