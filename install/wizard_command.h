#pragma once
#include <string>
#include <vector>

// The wizard's command line, as plain text functions.

// 1.1 runtimes (jre.exe, jrew.exe) need swingall.jar on the class path: their
// executable's name does not contain "java".
int isOldJvm(const std::string& jvmPath);

struct WizardCommand {
    std::string executableName;
    std::string extraParameters;   // jvmExtraParameters
    std::string classpathSwitch;   // jvmClasspathSwitch, passed even when empty
    std::string classPath;
    std::string javaCommand;       // loaderJavaCommand
    std::string passThrough;
    int quiet = 0;
    int silent = 0;
};

// The argument vector: name, extra words, switch, class path, command words,
// then "-q" (or "-s") and the pass-through argument when there is one. Room
// for `slots` arguments is made before the first goes in.
std::vector<std::string> wizardArguments(const WizardCommand& command, std::size_t slots = 0);

// The arguments joined by blanks for the trace, quoted as the wizard receives them.
std::string argsString(const std::vector<std::string>& arguments);
