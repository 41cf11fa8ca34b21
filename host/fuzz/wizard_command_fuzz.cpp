// The wizard's command: its words, the argument vector and the trace text.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "install/wizard_command.h"
#include "util/quoting.h"
#include "util/text.h"

namespace {

std::size_t blanks(const std::string& text) {
    std::size_t count = 0;
    for (char c : text) count += c == ' ';
    return count;
}

void checkWords(const std::string& text) {
    const std::vector<std::string> words = splitWords(text);
    FUZZ_CHECK(words.size() == blanks(text) + 1);
    std::string joined;
    for (std::size_t i = 0; i < words.size(); ++i) joined += (i > 0 ? " " : "") + words[i];
    FUZZ_CHECK(joined == text);
}

void checkQuoting(const std::string& argument) {
    const std::string quoted = quoteIfBlankAndUnquoted(argument);
    FUZZ_CHECK(quoteIfBlankAndUnquoted(quoted) == quoted);
    FUZZ_CHECK(quoted == argument || quoted == quoteWhole(argument));
    FUZZ_CHECK(argsString({argument}) == quoted);
    if (argument.find(' ') == std::string::npos) FUZZ_CHECK(argsString({argument}) == argument);
    const std::string element = quoteIfBlank(argument);
    FUZZ_CHECK(element == argument || element == quoteWhole(argument));
    const std::string file = fileNameOf(argument);
    FUZZ_CHECK(endsWith(argument, file) && file.find('\\') == std::string::npos);
    FUZZ_CHECK(isOldJvm(argument) == (file.find("java") == std::string::npos ? 1 : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 7);
    WizardCommand command;
    command.executableName = parts[0];
    command.extraParameters = parts[1];
    command.classpathSwitch = parts[2];
    command.classPath = parts[3];
    command.javaCommand = parts[4];
    command.passThrough = parts[5];
    const unsigned flags = parts[6].empty() ? 0 : static_cast<unsigned char>(parts[6][0]);
    command.quiet = flags & 1;
    command.silent = (flags >> 1) & 1;

    for (const std::string& part : parts) {
        checkWords(part);
        checkQuoting(part);
    }

    const std::vector<std::string> arguments = wizardArguments(command);
    const bool handsOver = (command.quiet || command.silent) && !command.passThrough.empty();
    const std::size_t extraWords =
        command.extraParameters.empty() ? 0 : blanks(command.extraParameters) + 1;
    const std::size_t expected =
        1 + extraWords + 2 + blanks(command.javaCommand) + 1 + (handsOver ? 2 : 0);
    FUZZ_CHECK(arguments.size() == expected);
    FUZZ_CHECK(arguments.front() == command.executableName);
    if (handsOver) FUZZ_CHECK(arguments[arguments.size() - 2] == (command.quiet ? "-q" : "-s"));

    // Without blanks in the arguments the trace text splits back into them.
    const std::string text = argsString(arguments);
    bool anyBlank = false;
    for (const std::string& argument : arguments) {
        anyBlank = anyBlank || argument.find(' ') != std::string::npos;
    }
    if (!anyBlank) FUZZ_CHECK(splitWords(text) == arguments);
    return 0;
}
