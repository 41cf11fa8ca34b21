// The demo installation's clean-up program. When the installation was started
// from another directory, the launcher hands over to it as
// "__cleanup.exe <installation directory>" and ends. It waits until the
// launcher's program file can be deleted (that is, the launcher has ended),
// then removes the unpacked installation directory. Its own file, still in
// use, is left to be removed at the next restart. A directory without the
// launcher and its control file is no unpacked installation and stays as it is.
#include <windows.h>

#include <string>

#include "util/unique_handle.h"

namespace {

struct FindTraits {
    using Handle = HANDLE;
    static Handle empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle find) noexcept { FindClose(find); }
};

const DWORD kLauncherTimeoutMs = 30000;

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isInstallation(const std::string& directory) {
    return fileExists(directory + "\\launcher.exe") && fileExists(directory + "\\kiv.control");
}

bool waitForLauncherEnd(const std::string& launcher) {
    DWORD begin = GetTickCount();
    while (!DeleteFileA(launcher.c_str())) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return true;
        if (GetTickCount() - begin > kLauncherTimeoutMs) return false;
        Sleep(100);
    }
    return true;
}

// Deletes the tree below directory, except the file named keep.
void removeTree(const std::string& directory, const std::string& keep) {
    WIN32_FIND_DATAA entry;
    UniqueHandle<FindTraits> find(FindFirstFileA((directory + "\\*").c_str(), &entry));
    if (!find) return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = directory + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            removeTree(path, keep);
            RemoveDirectoryA(path.c_str());
        } else if (lstrcmpiA(path.c_str(), keep.c_str()) != 0) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(find.get(), &entry));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 1;
    std::string directory = __argv[1];
    char module[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string self(module, length < MAX_PATH ? length : 0);
    if (!isInstallation(directory) || !waitForLauncherEnd(directory + "\\launcher.exe")) return 1;
    removeTree(directory, self);
    MoveFileExA(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    MoveFileExA(directory.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}
