#pragma once
#include <string>

// How a text reaches another program whole. _spawnv joins the argument vector
// with blanks and quotes nothing, and the program's runtime splits its command
// line again: at blanks outside double quotes, where backslashes before a
// double quote escape it. The first word, the program's own name, is read
// without escapes: only the double quotes count there.

// The argument in double quotes, with any backslashes that end it doubled so
// that the closing quote stays a quote.
std::string quoteWhole(const std::string& argument);

// Enclosed (quoteWhole) when it holds a blank: a directory or a class-path
// element, which never holds a double quote of its own.
std::string quoteIfBlank(const std::string& argument);

// Enclosed (quoteWhole) when it holds a blank and no double quote: one with a
// double quote is taken as quoted by whoever wrote it (the pass-through
// argument, the applet page, the words of the control file).
std::string quoteIfBlankAndUnquoted(const std::string& argument);

// A program's path as the first word of a command line: in double quotes when
// it holds a blank and does not already begin with one. Nothing is doubled, as
// that word knows no escapes.
std::string quoteProgramIfBlank(const std::string& path);

// The path the runtime looks the program up by: a command in double quotes
// without them, any other as it stands.
std::string unquoteProgram(const std::string& command);
