// The demo installation's JVM self-extractor. Run without arguments in the JVM
// directory the launcher chose, it unpacks a demo JVM there: the JVM bridge it
// carries (resource 1) as bin\javaw.exe and bin\java.exe, and beside them a
// copy of the system's msvcrt.dll, the runtime library a Windows JVM ships in
// its bin folder. Exit code 0 when every file is in place.
#include <windows.h>

#include <cstdio>
#include <string>

#include "util/unique_file.h"

namespace {

bool writePayload(const std::string& path) {
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return false;
    DWORD size = SizeofResource(nullptr, resource);
    UniqueFile out = openFile(path.c_str(), "wb");
    return out && std::fwrite(data, 1, size, out.get()) == size && std::fflush(out.get()) == 0;
}

std::string systemDirectory() {
    UINT size = GetSystemDirectoryA(nullptr, 0);
    std::string dir(size, '\0');
    UINT length = GetSystemDirectoryA(&dir[0], size);
    dir.resize(length < size ? length : 0);
    return dir;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateDirectoryA("bin", nullptr);
    bool ok = writePayload("bin\\javaw.exe") && writePayload("bin\\java.exe");
    ok = CopyFileA((systemDirectory() + "\\msvcrt.dll").c_str(), "bin\\msvcrt.dll", FALSE) && ok;
    return ok ? 0 : 1;
}
