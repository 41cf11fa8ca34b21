// Starting the wizard or, for the plug-in kind of installation, the applet page.
#include <cstdio>

#include "install/install.h"
#include "install/wizard_command.h"
#include "jvm/find/version_text.h"
#include "util/file_utils.h"
#include "util/quoting.h"
#include "util/run_files.h"
#include "util/run_state.h"
#include "util/spawn.h"
#include "util/text.h"

int Install::runJavaInstaller(const std::string& jvmPathIn, const std::string& jvmExtraParameters,
                              const std::string& jvmClasspathSwitch, const std::string& loaderClasspath,
                              const std::string& loaderJavaCommand, const std::string& startGuiCommand,
                              const std::string& checkGuiRunningCommand, const std::string& passThrough,
                              int quietSwitch, int silentSwitch) {
    std::string swingPath = fileExists(kSwingJar) ? std::string(kSwingJar) : javaHomeDir + "\\lib\\" + kSwingJar;
    int oldJvm = isOldJvm(jvmPathIn);
    std::string classPath;
    std::string rest = loaderClasspath;
    std::string::size_type semicolon;
    while ((semicolon = rest.find(';')) != std::string::npos &&
           classPath.size() <= loaderClasspath.size() + 1000) {
        addClassElement(classPath, rest.substr(0, semicolon), swingPath, oldJvm);
        rest.erase(0, semicolon + 1);
    }
    if (!rest.empty()) addClassElement(classPath, rest, swingPath, oldJvm);
    return runInstaller(jvmPathIn, jvmExtraParameters, jvmClasspathSwitch, classPath, loaderJavaCommand,
                        startGuiCommand, checkGuiRunningCommand, passThrough, quietSwitch, silentSwitch);
}

void Install::addClassElement(std::string& classPath, const std::string& element,
                              const std::string& swingPath, int oldJvm) {
    if (!classPath.empty()) classPath += ';';
    if (element.find(kSwingJar) == std::string::npos) {
        classPath += quoteIfBlank(element);
        return;
    }
    // Only 1.1 runtimes need swing from outside; later ones carry it.
    if (!fileExists(swingPath) || !oldJvm) {
        if (!classPath.empty() && classPath.back() == ';') classPath.pop_back();
        if (oldJvm) traceMessage(kTraceLog, "swing file does not exist", swingPath);
        return;
    }
    classPath += quoteIfBlank(swingPath);
    traceMessage(kTraceLog, "added swing to classpath");
}

int Install::runInstaller(const std::string& jvmPathIn, const std::string& jvmExtraParameters,
                          const std::string& jvmClasspathSwitch, const std::string& classPath,
                          const std::string& loaderJavaCommand, const std::string& startGuiCommand,
                          const std::string& checkGuiRunningCommand, const std::string& passThrough,
                          int quietSwitch, int silentSwitch) {
    WizardCommand command;
    command.executableName = fileNameOf(jvmPathIn);
    command.extraParameters = jvmExtraParameters;
    command.classpathSwitch = jvmClasspathSwitch;
    command.classPath = classPath;
    command.javaCommand = loaderJavaCommand;
    command.passThrough = passThrough;
    command.quiet = quietSwitch;
    command.silent = silentSwitch;
    int slots = countParameters(loaderJavaCommand, passThrough, quietSwitch, silentSwitch);
    std::vector<std::string> arguments = wizardArguments(command, static_cast<std::size_t>(slots));

    if (classPath.find(kWizardJar) != std::string::npos && !fileExists(kWizardJar)) {
        logAndTraceMessage(kErrorsLog, kTraceLog, "install.jar does not exist.");
        wizardArchiveMissing = true;
        return 0;
    }
    return _runInstaller(jvmPathIn, arguments, startGuiCommand, checkGuiRunningCommand);
}

int Install::countParameters(const std::string& loaderJavaCommand, const std::string& passThrough,
                             int quietSwitch, int silentSwitch) {
    auto words = [](const std::string& text) {
        return text.empty() ? 0 : static_cast<int>(splitWords(text).size());
    };
    int passed = (quietSwitch || silentSwitch) && !passThrough.empty() ? 2 : 0;
    return words(loaderJavaCommand) + words(parameters.jvmExtraParameters) + passed + 5;
}

int Install::_runInstaller(const std::string& jvmPathIn, const std::vector<std::string>& arguments,
                           const std::string&, const std::string&) {
    std::string argumentText = argsString(arguments);
    std::string commandText = "\"" + jvmPathIn + "\" " + argumentText;
    traceMessage(kTraceLog, "java installer C++ command:", commandText);
    traceMessage(kTraceLog, "java installer launch command:", argumentText);
    removeClasspathVariable();
    // Only this wizard's proof of start counts, never one an interrupted run left behind.
    std::remove(kWizardSemaphore);
    // The status dialog may go now: the wizard shows its own windows.
    std::remove(showDialogFilename.c_str());

    SpawnResult run = spawnAndWait(jvmPathIn, arguments);
    if (!run.started) {
        logAndTraceMessage(kErrorsLog, kTraceLog,
                           std::string("Error running JVM: ") + spawnErrorText(run.error), 0);
        logAndTraceMessage(kErrorsLog, kTraceLog, "Unable to start ", commandText);
        return 0;
    }
    traceMessage(kTraceLog, "java wizard execed with no reported errors");
    wizardExitCode = run.exitCode;
    if (fileExists(kWizardSemaphore)) {
        std::remove(kWizardSemaphore);
        traceMessage(kTraceLog, "Java wizard launched successfully");
        return 1;
    }
    logAndTraceMessage(kErrorsLog, kTraceLog, "Java wizard not started properly");
    return 0;
}
