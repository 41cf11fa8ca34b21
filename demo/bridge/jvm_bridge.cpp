// The demo's JVM bridge. Placed as bin\javaw.exe and bin\java.exe in a demo
// JVM home under Wine, it runs the host's own JDK (a Linux program, by default
// /usr/bin/java, or $DEMO_HOST_JAVA) with the arguments it received, and ends
// with that JVM's exit code once the JVM has ended.
//
// Wine starts a Linux program from CreateProcess but cannot wait for it: the
// handle it returns is not the program's. So the bridge writes a small shell
// script into a job folder under the Windows temp directory, runs it with
// /bin/sh, and polls for the file in which the script records java's exit code.
//
// Windows paths become Linux paths through Wine's own drive mapping
// (wine_get_unix_file_name): every argument of the form X:\... or X:/..., the
// working directory, and each element of the ';'-separated class path after
// -cp, -classpath or --class-path (joined again with ':'). Other arguments
// pass unchanged.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "util/unique_file.h"

namespace {

// How long the shell may take to start; java itself runs without a limit.
const DWORD kStartTimeoutMs = 30000;
const DWORD kPollMs = 50;

std::wstring fromUtf8(const std::string& text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 1) return L"";
    std::wstring result(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &result[0], size);
    result.resize(size - 1);
    return result;
}

std::string toUtf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &result[0], size, nullptr, nullptr);
    result.resize(size - 1);
    return result;
}

// Wine's kernel32 exports the mapping in both directions; both allocate their
// result on the process heap.
std::string unixPath(const std::wstring& windowsPath) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    static ToUnix toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* name = toUnix ? toUnix(windowsPath.c_str()) : nullptr;
    if (!name) return toUtf8(windowsPath);
    std::string result(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

std::wstring dosPath(const char* unixName) {
    using ToDos = WCHAR*(CDECL*)(LPCSTR);
    static ToDos toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* name = toDos ? toDos(unixName) : nullptr;
    if (!name) return L"";
    std::wstring result(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

bool isDrivePath(const std::wstring& text) {
    return text.size() >= 3 && iswalpha(text[0]) && text[1] == L':' && (text[2] == L'\\' || text[2] == L'/');
}

std::string hostArgument(const std::wstring& argument) {
    return isDrivePath(argument) ? unixPath(argument) : toUtf8(argument);
}

// Relative elements stay relative to the working directory, with '/' for '\'.
std::string hostClassPath(const std::wstring& classPath) {
    std::string result;
    std::wstring::size_type start = 0;
    while (true) {
        std::wstring::size_type end = classPath.find(L';', start);
        std::wstring element = classPath.substr(start, end == std::wstring::npos ? end : end - start);
        std::string host = hostArgument(element);
        if (!isDrivePath(element)) {
            for (char& c : host)
                if (c == '\\') c = '/';
        }
        result += (start == 0 ? "" : ":") + host;
        if (end == std::wstring::npos) return result;
        start = end + 1;
    }
}

std::string shellQuoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

std::vector<std::string> hostArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; argv && i < count; ++i) {
        std::wstring previous = i > 1 ? argv[i - 1] : L"";
        bool classPath = previous == L"-cp" || previous == L"-classpath" || previous == L"--class-path";
        result.push_back(classPath ? hostClassPath(argv[i]) : hostArgument(argv[i]));
    }
    LocalFree(argv);
    return result;
}

std::wstring currentDirectory() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(size, L'\0');
    DWORD length = GetCurrentDirectoryW(size, &dir[0]);
    dir.resize(length < size ? length : 0);
    return dir;
}

std::string hostJava() {
    const char* java = std::getenv("DEMO_HOST_JAVA");
    return java && *java ? java : "/usr/bin/java";
}

// The script's last line renames the exit code into place, so the bridge never reads half of it.
std::string script(const std::string& job) {
    std::string text = "# Written by the demo's JVM bridge; Wine runs it as a Linux program.\n";
    text += ": >" + shellQuoted(job + "/started") + "\n";
    text += "cd " + shellQuoted(unixPath(currentDirectory())) + " && " + shellQuoted(hostJava());
    for (const std::string& argument : hostArguments()) text += " " + shellQuoted(argument);
    text += "\necho $? >" + shellQuoted(job + "/exit.part") + "\n";
    text += "mv " + shellQuoted(job + "/exit.part") + " " + shellQuoted(job + "/exit") + "\n";
    return text;
}

bool writeFile(const std::wstring& path, const std::string& content) {
    UniqueFile out(_wfopen(path.c_str(), L"wb"));
    return out && std::fwrite(content.data(), 1, content.size(), out.get()) == content.size() &&
           std::fflush(out.get()) == 0;
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A fresh folder under the Windows temp directory for one run.
std::wstring makeJobFolder() {
    WCHAR temp[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) return L"";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::wstring folder = std::wstring(temp) + L"demo-jvm-bridge-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(GetTickCount() + attempt);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
    return L"";
}

void removeJobFolder(const std::wstring& folder) {
    for (const wchar_t* name : {L"\\run.sh", L"\\started", L"\\exit.part", L"\\exit"})
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

// Wine hands the words of the command line to the Linux program as its arguments.
bool startShell(const std::string& unixScript) {
    std::wstring shell = dosPath("/bin/sh");
    std::wstring commandLine = L"\"" + shell + L"\" \"" + fromUtf8(unixScript) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (shell.empty() ||
        !CreateProcessW(shell.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    // Not the script's process in any useful sense: Wine cannot wait on it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Waits for the script to record java's exit code; -1 when the script never started.
int waitForExitCode(const std::wstring& folder) {
    DWORD begin = GetTickCount();
    while (!fileExists(folder + L"\\exit")) {
        if (!fileExists(folder + L"\\started") && GetTickCount() - begin > kStartTimeoutMs) return -1;
        Sleep(kPollMs);
    }
    int code = -1;
    UniqueFile in(_wfopen((folder + L"\\exit").c_str(), L"rb"));
    if (!in || std::fscanf(in.get(), "%d", &code) != 1) return -1;
    return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::wstring folder = makeJobFolder();
    if (folder.empty()) return 1;
    std::string job = unixPath(folder);
    int code = -1;
    if (writeFile(folder + L"\\run.sh", script(job)) && startShell(job + "/run.sh")) code = waitForExitCode(folder);
    removeJobFolder(folder);
    return code < 0 ? 1 : code;
}
