#include "jvm/find/jvm_ok.h"

#include <cstdio>
#include <vector>

#include "jvm/find/jvm_arch.h"
#include "jvm/find/version_numbers.h"
#include "jvm/find/version_text.h"
#include "util/file_utils.h"
#include "util/line_reader.h"
#include "util/quoting.h"
#include "util/run_files.h"
#include "util/spawn.h"
#include "util/text.h"
#include "util/unique_file.h"

int JvmOk::jvmCorrectVersion(const std::string& required, const std::string& minimum,
                             const std::string& maximum, const std::string& versionText,
                             const std::string& home, std::string& jvmCommandName, std::string& jvmPath) {
    std::string entryName = jvmCommandName;
    int result = jvmCorrectVersion(required, minimum, maximum, home, jvmCommandName, jvmPath);
    if (result) {
        // Only a version the test reported may settle what a less precise key leaves open.
        result = verdict_ == JvmVerdict::accepted ? verifyRegistryVersion(required, minimum, maximum, versionText)
                                                  : verifyVersion(required, minimum, maximum, versionText);
        if (!result) {
            traceMessage(kTraceLog, "jvm doesn't meet criteria");
            verdict_ = JvmVerdict::registryOutsideBounds;
        }
    }
    if (!result) jvmCommandName = entryName;
    return result;
}

int JvmOk::jvmCorrectVersion(const std::string& required, const std::string& minimum,
                             const std::string& maximum, const std::string& home,
                             std::string& jvmCommandName, std::string& jvmPath) {
    std::string entryName = jvmCommandName;
    verdict_ = JvmVerdict::executableMissing;
    reported_.clear();
    testedBefore_ = false;
    architecture_ = nullptr;
    if (tryPath(required, minimum, maximum, home + "\\" + jvmCommandName, jvmCommandName, jvmPath) ||
        tryPath(required, minimum, maximum, home + "\\bin\\" + jvmCommandName, jvmCommandName, jvmPath)) {
        return 1;
    }
    std::string alternative = javaNameInsteadOf(jvmCommandName);
    if (!alternative.empty()) {
        jvmCommandName = alternative;
        if (tryPath(required, minimum, maximum, home + "\\" + jvmCommandName, jvmCommandName, jvmPath) ||
            tryPath(required, minimum, maximum, home + "\\bin\\" + jvmCommandName, jvmCommandName,
                    jvmPath)) {
            return 1;
        }
    }
    jvmCommandName = entryName;
    return 0;
}

int JvmOk::tryPath(const std::string& required, const std::string& minimum, const std::string& maximum,
                   const std::string& path, const std::string& name, std::string& jvmPath) {
    jvmPath = path;
    return correctVersion(required, minimum, maximum, name, path);
}

int JvmOk::correctVersion(const std::string& required, const std::string& minimum,
                          const std::string& maximum, const std::string&,
                          const std::string& executablePath) {
    if (!fileExists(executablePath)) return 0;
    if (tested_ && jvmSearchOptions.allowedArchs != 0) {
        JvmArch arch = archOfProgram(executablePath);
        if (!archAllowed(jvmSearchOptions.allowedArchs, arch)) {
            traceMessage(kTraceLog, std::string("not run, its architecture is not listed in jvmArch: ") +
                                        archName(arch), executablePath);
            verdict_ = JvmVerdict::wrongArchitecture;
            architecture_ = archName(arch);
            return 0;
        }
    }
    return testVersion(required, minimum, maximum, executablePath);
}

int JvmOk::testVersion(const std::string& required, const std::string& minimum,
                       const std::string& maximum, const std::string& executablePath) {
    if (!fileExists(kTestClass)) {
        verdict_ = JvmVerdict::untested;
        return 1;
    }
    if (const TestedJvm* earlier = testedBefore(executablePath)) {
        reported_ = earlier->version;
        verdict_ = earlier->verdict;
        testedBefore_ = true;
        return verdict_ == JvmVerdict::accepted ? 1 : 0;
    }
    int result = runTest(required, minimum, maximum, executablePath);
    if (tested_) tested_->push_back({executablePath, reported_, verdict_});
    return result;
}

int JvmOk::runTest(const std::string& required, const std::string& minimum, const std::string& maximum,
                   const std::string& executablePath) {
    traceMessage(kTraceLog, "testing ", executablePath);
    std::remove(kVersionFile);
    reported_.clear();
    // The test class's one argument: a directory with a blank must arrive whole.
    std::string directory = quoteIfBlank(getCurrentDir());
    removeClasspathVariable();
    // With jvmTestWithOptions the wizard's own JVM options go first, as on its command line.
    std::vector<std::string> arguments = {fileNameOf(executablePath)};
    arguments.insert(arguments.end(), jvmSearchOptions.testOptions.begin(), jvmSearchOptions.testOptions.end());
    arguments.insert(arguments.end(), {"-cp", ".", "TestJvm", directory});
    SpawnResult run;
    {
        WithoutJavaOptions clean(jvmSearchOptions.any());
        run = spawnAndWait(executablePath, arguments, jvmSearchOptions.testTimeoutSeconds * 1000);
    }
    int result = 0;
    if (!run.started) {
        logAndTraceMessage(kErrorsLog, kTraceLog,
                           std::string("Error running JVM: ") + spawnErrorText(run.error), 0);
        verdict_ = JvmVerdict::notStarted;
    } else if (run.timedOut) {
        logAndTraceMessage(kErrorsLog, kTraceLog,
                           "Jvm version test ended after " +
                               std::to_string(jvmSearchOptions.testTimeoutSeconds) + " seconds:",
                           executablePath);
        verdict_ = JvmVerdict::timedOut;
    } else {
        traceMessage(kTraceLog, "test jvm launched ok", 1);
        result = checkVersion(kVersionFile, required, minimum, maximum);
        if (!result) {
            logAndTraceMessage(kErrorsLog, kTraceLog, "Jvm isn't installed properly.");
        } else {
            traceMessage(kTraceLog, "test jvm ok", result);
        }
        verdict_ = result ? JvmVerdict::accepted
                          : reported_.empty() ? JvmVerdict::noVersion : JvmVerdict::outsideBounds;
    }
    std::remove(kVersionFile);
    return result;
}

const TestedJvm* JvmOk::testedBefore(const std::string& executablePath) const {
    if (!tested_) return nullptr;
    for (const TestedJvm& earlier : *tested_) {
        if (equalsIgnoringCase(earlier.path, executablePath)) return &earlier;
    }
    return nullptr;
}

void JvmOk::traceCandidate(const std::string& source, const std::string& home) {
    if (!jvmSearchOptions.any()) return;
    traceMessage(kTraceLog, candidateLine(source, home, reported_, verdict_, testedBefore_, architecture_));
}

int JvmOk::checkVersion(const std::string& filename, const std::string& required,
                        const std::string& minimum, const std::string& maximum) {
    UniqueFile file = openFile(filename.c_str(), "rt");
    if (!file) {
        traceMessage(kTraceLog, "Unable to verify version", filename);
        return 0;
    }
    // Only the first line counts: the rest of the file stays unread.
    std::string line;
    if (!readLine(file.get(), kLinePiece, LongLine::kPieces, line)) line.clear();
    file.reset();
    return testLine(line, required, minimum, maximum);
}

int JvmOk::testLine(const std::string& line, const std::string& required, const std::string& minimum,
                    const std::string& maximum) {
    reported_ = jvmSearchOptions.numericCompare ? extractVersionToken(line) : extractVersion(line);
    return verifyVersion(required, minimum, maximum, reported_);
}

int JvmOk::verifyVersion(const std::string& required, const std::string& minimum,
                         const std::string& maximum, const std::string& version) {
    bool accepted = jvmSearchOptions.numericCompare
                        ? versionAcceptableByNumbers(version, required, minimum, maximum)
                        : versionAcceptable(version, required, minimum, maximum);
    traceMessage(kTraceLog, "found jvm version:", version);
    return accepted ? 1 : 0;
}

int JvmOk::verifyRegistryVersion(const std::string& required, const std::string& minimum,
                                 const std::string& maximum, const std::string& version) {
    if (!jvmSearchOptions.numericCompare) return verifyVersion(required, minimum, maximum, version);
    traceMessage(kTraceLog, "found jvm version:", version);
    return registryVersionAcceptableByNumbers(version, required, minimum, maximum) ? 1 : 0;
}

std::string executableBelow(const std::string& home, const std::string& jvmCommandName) {
    std::vector<std::string> names = {jvmCommandName};
    std::string alternative = javaNameInsteadOf(jvmCommandName);
    if (!alternative.empty()) names.push_back(alternative);
    for (const std::string& name : names) {
        for (const char* below : {"\\", "\\bin\\"}) {
            std::string path = home + below + name;
            if (fileExists(path)) return path;
        }
    }
    return std::string();
}

std::string javaNameInsteadOf(const std::string& jvmCommandName) {
    if (!beginsWith(jvmCommandName, "jre")) return std::string();
    return fileExists(kTraceMarker) ? "javaw.exe" : "java.exe";
}
