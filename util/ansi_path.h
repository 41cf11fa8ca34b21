#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Paths outside the ANSI code page. The launcher uses the ANSI functions
// throughout, as it must to run on 95, 98 and Me. On NT a path holding a
// character that the ANSI code page lacks comes back from them with "?" or a
// look-alike letter in its place, a path that names nothing or something else
// (a user profile named in Cyrillic on a Western machine). Such a path is used
// in its short 8.3 form, whose characters the code page holds. Paths the code
// page can hold are never changed. On 9x, where every path is ANSI, the wide
// queries fail and everything stays as the ANSI functions give it.

struct AnsiPath {
    enum class Kind {
        asIs,       // the code page holds the path (or there is no wide form to ask)
        shortForm,  // `path` is the short form of a path the code page cannot hold
        unnamed,    // the code page holds neither the path nor a short form of it
    };
    Kind kind = Kind::asIs;
    std::string path;      // the ANSI path to use; empty when unnamed
    std::string longForm;  // the path as the system holds it, for traces (see describeWidePath)
};

// The wide-character queries a conversion asks; tests answer in their place.
struct WidePathQueries {
    // The short form of a path, or empty when the system gives none.
    std::wstring (*shortPath)(const std::wstring& path);
    // The conversions between wide text and the ANSI code page (CP_ACP), where
    // a test plays a code page other than the process's own.
    decltype(&WideCharToMultiByte) fromWide = WideCharToMultiByte;
    decltype(&MultiByteToWideChar) toWide = MultiByteToWideChar;
};

const WidePathQueries& systemWidePathQueries();

// The ANSI text of a wide one, when the ANSI code page holds every character
// exactly (no default character, no best-fit look-alike); false otherwise.
// Under UTF-8 as the ANSI code page (Windows 10 and 11 can be set so) every
// path is held: its UTF-8 bytes.
bool toAnsiExactly(const std::wstring& wide, std::string& ansi,
                   const WidePathQueries& queries = systemWidePathQueries());

// A wide path for a trace: characters the code page holds as they are, any
// other as <U+XXXX>, so that the line names it whatever the log's code page.
std::string describeWidePath(const std::wstring& wide, const WidePathQueries& queries = systemWidePathQueries());

// The ANSI path to use for a path the system gives in wide characters.
AnsiPath ansiPathOf(const std::wstring& wide, const WidePathQueries& queries = systemWidePathQueries());

// The current directory, made nameable: when the code page cannot hold it, its
// short form becomes the current directory. asIs also where the system gives no
// wide form (9x).
AnsiPath useAnsiCurrentDirectory(const WidePathQueries& queries = systemWidePathQueries());

// The entries of a ";"-separated search path given in wide characters, each
// without surrounding quotes and trailing backslashes, as an ANSI path (its
// short form where the code page cannot hold it). Empty entries are left out,
// and so are those that no ANSI path names, whose long forms go to `unnamed`.
std::vector<std::string> ansiPathEntries(const std::wstring& searchPath, std::vector<std::string>& unnamed);

// An environment variable's value in wide characters; false when it is not set
// or the system gives none (9x).
bool wideEnvironmentVariable(const char* name, std::wstring& value);

// A text with its %VARIABLE% references expanded; as it is where the system cannot.
std::wstring expandWide(const std::wstring& text);

// The full path of this program in wide characters: the module's wide name
// where the system gives one, else its ANSI name widened (9x).
std::wstring ownProgramPath();

// Makes the folder of `program` (a full path in wide characters) the current
// directory when `holds`, asked there by relative names, says so; else the
// current directory stays. The folder is cut off and entered in wide
// characters: a folder that no ANSI path names is entered all the same (the
// run then ends as in any such installation directory, and writes nothing
// where it was started), and a Shift-JIS name, whose second byte can be a
// backslash, is not cut apart. 9x enters through the ANSI name. True when
// entered; `left` and `entered` then name both folders for a trace.
bool useFolderOf(const std::wstring& program, bool (*holds)(), std::string& left, std::string& entered);

// An environment variable that holds a path (JAVA_HOME and its kin), as getenv
// gives it, or in its short form where the code page cannot hold it. False when
// the variable is not set; `unnamed` then holds the long form of a value that
// cannot be named (and `path` is empty).
bool environmentPath(const char* name, std::string& path, std::string& unnamed);
