#include "install/wizard_command.h"

#include "util/quoting.h"
#include "util/text.h"

int isOldJvm(const std::string& jvmPath) {
    return fileNameOf(jvmPath).find("java") == std::string::npos ? 1 : 0;
}

std::vector<std::string> wizardArguments(const WizardCommand& command, std::size_t slots) {
    std::vector<std::string> arguments;
    arguments.reserve(slots);
    arguments.push_back(command.executableName);
    if (!command.extraParameters.empty()) {
        for (const std::string& word : splitWords(command.extraParameters)) arguments.push_back(word);
    }
    arguments.push_back(command.classpathSwitch);
    arguments.push_back(command.classPath);
    for (const std::string& word : splitWords(command.javaCommand)) arguments.push_back(word);
    if ((command.quiet || command.silent) && !command.passThrough.empty()) {
        arguments.push_back(command.quiet ? "-q" : "-s");
        arguments.push_back(quoteIfBlankAndUnquoted(command.passThrough));
    }
    return arguments;
}

std::string argsString(const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) text += ' ';
        text += quoteIfBlankAndUnquoted(arguments[i]);
    }
    return text;
}
