#pragma once
#include <string>

// The launcher's command line: the switches -q (quiet) and -s (silent) and the
// pass-through argument that follows them, which the wizard receives.
struct CommandLine {
    int quiet = 0;
    int silent = 0;
    std::string passThrough;
};

// Words are separated by single blanks. Any word containing "-q" or "-s" is a
// switch, unless it belongs to a double-quoted argument (from a word that
// begins with a double quote to the word that closes it); the last word is
// never examined, so a switch counts only when another word follows it. The
// first word after a switch is the pass-through argument; a double quote in it
// starts a quoted run of words that ends with the next word holding a double quote.
CommandLine parseCommandLine(const std::string& commandLine);

// What follows the program's name on the process command line, as a windowed
// program receives it: the name ends at the first blank or control character
// outside double quotes, and the blanks after it are skipped. Letters beyond
// ASCII are letters, never separators. Points into the given text.
char* commandTail(char* processCommandLine);

// The status dialog's test: true when a word other than the last, and outside a
// double-quoted argument, contains "-q" or "-s".
bool isQuietCommandLine(const std::string& commandLine);
