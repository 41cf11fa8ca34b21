#include "util/ansi_path.h"

#include <windows.h>
#include <direct.h>

#include <string>

#include "scratch.h"
#include "util/file_utils.h"

namespace {

// The answers the system would give: here the short form a volume without 8.3
// names gives (none), and a short form the code page holds.
int shortPathAsked = 0;
std::wstring noShortName(const std::wstring& path) {
    ++shortPathAsked;
    return path;  // a volume with 8.3 names switched off answers with the long path
}
std::wstring asciiShortName(const std::wstring&) {
    ++shortPathAsked;
    return L"C:\\USTANO~1";
}
// Windows 10 and 11 set to UTF-8 as the ANSI code page, whose conversion fails
// when asked for the default character or its flag (Wine takes either).
int WINAPI utf8FromWide(UINT, DWORD flags, LPCWCH wide, int length, LPSTR text, int size, LPCCH defaultChar,
                        LPBOOL usedDefault) {
    if (defaultChar || usedDefault) return SetLastError(ERROR_INVALID_PARAMETER), 0;
    return WideCharToMultiByte(CP_UTF8, flags, wide, length, text, size, nullptr, nullptr);
}
int WINAPI utf8ToWide(UINT, DWORD flags, LPCCH text, int length, LPWSTR wide, int size) {
    return MultiByteToWideChar(CP_UTF8, flags, text, length, wide, size);
}

const WidePathQueries kNoShortNames = {noShortName};
const WidePathQueries kAsciiShortNames = {asciiShortName};
const WidePathQueries kUtf8CodePage = {noShortName, utf8FromWide, utf8ToWide};

const std::wstring kCyrillic = L"C:\\\x0443\x0441\x0442\x0430\x043d\x043e\x0432\x043a\x0430";

}  // namespace

TEST(AnsiPathTest, OnlyATextTheCodePageHoldsExactlyIsAnAnsiPath) {
    std::string ansi;
    EXPECT_TRUE(toAnsiExactly(L"C:\\Caf\x00e9", ansi));
    EXPECT_EQ(ansi, "C:\\Caf\xe9");
    EXPECT_FALSE(toAnsiExactly(kCyrillic, ansi));     // the default character
    EXPECT_FALSE(toAnsiExactly(L"C:\\\x0141odz", ansi));  // or a look-alike L: either names another folder
    EXPECT_EQ(describeWidePath(L"C:\\\x00e9\x0443\xd83d\xde00"), "C:\\\xe9<U+0443><U+1F600>");
}

TEST(AnsiPathTest, APathTheCodePageCannotHoldTakesItsShortFormOrNone) {
    shortPathAsked = 0;
    AnsiPath asIs = ansiPathOf(L"C:\\Program Files\\Caf\x00e9", kNoShortNames);
    EXPECT_EQ(asIs.kind, AnsiPath::Kind::asIs);
    EXPECT_EQ(asIs.path, "C:\\Program Files\\Caf\xe9");
    EXPECT_EQ(shortPathAsked, 0);  // a path the code page holds is never changed

    AnsiPath shortForm = ansiPathOf(kCyrillic, kAsciiShortNames);
    EXPECT_EQ(shortForm.kind, AnsiPath::Kind::shortForm);
    EXPECT_EQ(shortForm.path, "C:\\USTANO~1");

    AnsiPath unnamed = ansiPathOf(kCyrillic, kNoShortNames);
    EXPECT_EQ(unnamed.kind, AnsiPath::Kind::unnamed);
    EXPECT_EQ(unnamed.path, "");
    EXPECT_EQ(unnamed.longForm, "C:\\<U+0443><U+0441><U+0442><U+0430><U+043D><U+043E><U+0432><U+043A><U+0430>");
}

TEST(AnsiPathTest, UnderUtf8AsTheAnsiCodePageAPathInAnyScriptIsItsUtf8Bytes) {
    shortPathAsked = 0;
    AnsiPath path = ansiPathOf(kCyrillic, kUtf8CodePage);
    EXPECT_EQ(path.kind, AnsiPath::Kind::asIs);
    EXPECT_EQ(path.path, "C:\\\xd1\x83\xd1\x81\xd1\x82\xd0\xb0\xd0\xbd\xd0\xbe\xd0\xb2\xd0\xba\xd0\xb0");
    EXPECT_EQ(path.longForm, path.path);
    EXPECT_EQ(shortPathAsked, 0);
    // A lone surrogate has no UTF-8 form: it comes back as U+FFFD, which names another path.
    EXPECT_EQ(ansiPathOf(L"C:\\\xd800", kUtf8CodePage).kind, AnsiPath::Kind::unnamed);
}

using AnsiCurrentDirectoryTest = TempDirTest;

TEST_F(AnsiCurrentDirectoryTest, ACurrentDirectoryTheCodePageCannotHoldBecomesItsShortFormOrUnnamed) {
    const std::string here = getCurrentDir();
    std::wstring hereWide(here.begin(), here.end());
    std::wstring cyrillic = hereWide + L"\\\x0443\x0441\x0442";
    ASSERT_TRUE(CreateDirectoryW(cyrillic.c_str(), nullptr));
    ASSERT_EQ(_wchdir(cyrillic.c_str()), 0);
    EXPECT_EQ(useAnsiCurrentDirectory(kNoShortNames).kind, AnsiPath::Kind::unnamed);

    AnsiPath named = useAnsiCurrentDirectory();  // the system's own short names
    ASSERT_EQ(named.kind, AnsiPath::Kind::shortForm);
    EXPECT_EQ(getCurrentDir(), named.path);
    writeFile("marker", "x");  // a relative name and the short form name the same file
    EXPECT_TRUE(fileExists(named.path + "\\marker"));

    ASSERT_EQ(_chdir(here.c_str()), 0);
    EXPECT_EQ(useAnsiCurrentDirectory(kNoShortNames).kind, AnsiPath::Kind::asIs);
    EXPECT_EQ(getCurrentDir(), here);
}

TEST_F(AnsiCurrentDirectoryTest, TheProgramsFolderIsEnteredInWideCharactersEvenWhereNoAnsiPathNamesIt) {
    bool (*holdsControlFile)() = [] { return fileExists("kiv.control") != 0; };
    const std::string here = getCurrentDir();
    const std::wstring own = std::wstring(here.begin(), here.end()) + L"\\\x0443\x0441\x0442";
    ASSERT_TRUE(CreateDirectoryW(own.c_str(), nullptr));
    std::string left, entered;
    EXPECT_FALSE(useFolderOf(own + L"\\launcher.exe", holdsControlFile, left, entered));
    EXPECT_EQ(getCurrentDir(), here);  // no control file there: the caller's folder stays
    std::ofstream(std::filesystem::path(own + L"\\kiv.control")).close();
    ASSERT_TRUE(useFolderOf(own + L"\\launcher.exe", holdsControlFile, left, entered));
    EXPECT_EQ(left + " > " + entered, here + " > " + here + "\\<U+0443><U+0441><U+0442>");
    wchar_t current[MAX_PATH];
    EXPECT_EQ(std::wstring(current, GetCurrentDirectoryW(MAX_PATH, current)), own);  // not a short name
    // On a volume without 8.3 names the run then ends there as unnamed, not in the caller's folder.
    EXPECT_EQ(useAnsiCurrentDirectory(kNoShortNames).kind, AnsiPath::Kind::unnamed);
}
