#include "util/quoting.h"

namespace {

bool holdsBlank(const std::string& text) {
    return text.find(' ') != std::string::npos;
}

}  // namespace

std::string quoteWhole(const std::string& argument) {
    std::string::size_type end = argument.find_last_not_of('\\');
    std::string::size_type trailing = argument.size() - (end == std::string::npos ? 0 : end + 1);
    return "\"" + argument + std::string(trailing, '\\') + "\"";
}

std::string quoteIfBlank(const std::string& argument) {
    return holdsBlank(argument) ? quoteWhole(argument) : argument;
}

std::string quoteIfBlankAndUnquoted(const std::string& argument) {
    if (!holdsBlank(argument) || argument.find('"') != std::string::npos) return argument;
    return quoteWhole(argument);
}

std::string quoteProgramIfBlank(const std::string& path) {
    if (!holdsBlank(path) || path[0] == '"') return path;
    return "\"" + path + "\"";
}

std::string unquoteProgram(const std::string& command) {
    std::string::size_type length = command.size();
    if (length >= 2 && command[0] == '"' && command[length - 1] == '"') return command.substr(1, length - 2);
    return command;
}
