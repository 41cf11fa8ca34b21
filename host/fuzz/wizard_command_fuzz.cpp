// The wizard's command: its words, the argument vector and the trace text.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "install/wizard_command.h"
#include "util/quoting.h"

namespace {

std::size_t blanks(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), ' '));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 6);
    WizardCommand command;
    command.executableName = parts[0];
    command.extraParameters = parts[1];
    command.classpathSwitch = parts[2];
    command.classPath = parts[3];
    command.javaCommand = parts[4];
    command.passThrough = parts[5];
    command.quiet = size & 1;
    command.silent = (size >> 1) & 1;

    // Every blank of the extra parameters and the Java command starts a word;
    // the pass-through follows its switch.
    const std::vector<std::string> arguments = wizardArguments(command);
    const bool handsOver = (command.quiet || command.silent) && !command.passThrough.empty();
    const std::size_t extraWords = command.extraParameters.empty() ? 0 : blanks(command.extraParameters) + 1;
    FUZZ_CHECK(arguments.size() == 1 + extraWords + 2 + blanks(command.javaCommand) + 1 + (handsOver ? 2 : 0));
    FUZZ_CHECK(arguments.front() == command.executableName);
    if (handsOver) FUZZ_CHECK(arguments[arguments.size() - 2] == (command.quiet ? "-q" : "-s"));

    // Without blanks in the arguments the trace text splits back into them.
    bool anyBlank = false;
    for (const std::string& argument : arguments) anyBlank = anyBlank || blanks(argument) > 0;
    if (!anyBlank) FUZZ_CHECK(splitWords(argsString(arguments)) == arguments);
    for (const std::string& part : parts) {
        const std::string quoted = quoteIfBlankAndUnquoted(part);
        FUZZ_CHECK(quoteIfBlankAndUnquoted(quoted) == quoted && argsString({part}) == quoted);
        FUZZ_CHECK(isOldJvm(part) == (fileNameOf(part).find("java") == std::string::npos ? 1 : 0));
    }
    return 0;
}
