// The wizard's command: its words, the argument vector and the trace text.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "install/wizard_command.h"

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
    auto blanks = [](const std::string& text) { return std::count(text.begin(), text.end(), ' '); };

    // Each blank of the extra parameters and the Java command starts a word; the
    // pass-through follows its switch.
    const std::vector<std::string> arguments = wizardArguments(command);
    const bool handsOver = (command.quiet || command.silent) && !command.passThrough.empty();
    const long extraWords = command.extraParameters.empty() ? 0 : blanks(command.extraParameters) + 1;
    FUZZ_CHECK(static_cast<long>(arguments.size()) ==
               1 + extraWords + 2 + blanks(command.javaCommand) + 1 + (handsOver ? 2 : 0));
    if (handsOver) FUZZ_CHECK(arguments[arguments.size() - 2] == (command.quiet ? "-q" : "-s"));
    // Without blanks in the arguments the trace text splits back into them.
    std::string joined;
    for (const std::string& argument : arguments) joined += argument;
    if (blanks(joined) == 0) FUZZ_CHECK(splitWords(argsString(arguments)) == arguments);
    return 0;
}
