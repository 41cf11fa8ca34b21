#pragma once
#include <string>
#include <vector>

// Text rules the whole launcher shares. Texts are ANSI bytes of whatever code
// page; only the ASCII letters A to Z have a case here, every other byte stays
// as it is (the system's case folding would depend on the code page).

inline char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Lower-cases the letters A to Z of `text` in place.
void lowerAsciiLetters(std::string& text);

// Negative, zero or positive as `a` sorts before, equal to or after `b` without
// regard to case: byte by byte, A to Z as a to z. This is the runtime's _stricmp
// in the "C" locale the launcher runs in, wherever texts are compared "without
// regard to case" (versions, directories, key and file names).
int compareIgnoringCase(const std::string& a, const std::string& b);
bool equalsIgnoringCase(const std::string& a, const std::string& b);

bool beginsWith(const std::string& text, const char* prefix);

// Whether the path's last character is a backslash. Under a double-byte code
// page (Shift-JIS) a backslash byte can be the second byte of a letter (\x83\x5c
// is one): `isLeadByte` tells which bytes begin such a letter.
bool endsWithBackslash(const std::string& path, bool (*isLeadByte)(unsigned char));

// The part of a path after its last backslash, or the whole path.
std::string fileNameOf(const std::string& path);

// The part of a text after its last "/" (a URL's page, a file written with
// forward slashes), or the whole text.
std::string afterLastSlash(const std::string& text);

// Words split at every single blank: two blanks give an empty word, and an
// empty text gives one empty word.
std::vector<std::string> splitWords(const std::string& text);

// The entries of a search path in their order. An empty entry between two ";"
// (or before the first) means the current directory; nothing follows a final ";".
std::vector<std::string> splitSearchPath(const std::string& searchPath);

// True for an address that begins with "http://" or "https://" (any letter case)
// and goes on in printable ASCII without blanks and without "<>\^`{|}.
bool isWebAddress(const std::string& address);

// The line without the blanks, carriage returns and line feeds that end it; a
// line holding nothing else becomes empty.
std::string trimLineEnd(const std::string& line);
