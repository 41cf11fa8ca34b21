#pragma once
#include <string>

// executionLevel in kiv.control: the rights an installation needs on Windows
// Vista and later, in the words of an application manifest. The launcher itself
// runs as started; for the other two levels it starts itself again through the
// UAC prompt, once at most.

enum class ExecutionLevel { asInvoker, highestAvailable, requireAdministrator, unknown };

// The level a value names, in any letter case; empty is asInvoker.
ExecutionLevel executionLevelNamed(const std::string& value);

// The word that marks the process started again: the first word of its command
// tail, which no switch ("-q", "-s") can be mistaken for.
extern const char kStartedAgainMarker[];

// The command tail for the process started again: the marker, then the tail.
std::string markedCommandTail(const std::string& tail);

// Removes the marker and the blank after it when they begin the tail, in place,
// so that nothing after sees them; true when the marker was there.
bool removeStartedAgainMarker(char* tail);

// A version as GetVersion gives it names Windows 95, 98, Me, NT 4.0, 2000 or XP
// (9x family, or major version below 6): no UAC, no elevation.
bool isBeforeVista(unsigned long version);

// What the launcher knows about itself when it decides.
struct ElevationFacts {
    ExecutionLevel level = ExecutionLevel::asInvoker;
    bool beforeVista = false;
    bool elevated = false;      // the token is elevated
    bool limited = false;       // an administrator's filtered token
    bool startedAgain = false;  // this process carries the marker
    bool unattended = false;    // -s with exitCodeReport: nobody to answer a prompt
};

enum class ElevationStep {
    runAsStarted,
    startAgain,         // through the UAC prompt
    elevationRequired,  // ends at once with 740: requireAdministrator, and no prompt can help
};

// The step, and in `why` a trace line naming the key and what decided it
// (empty where executionLevel is absent or asInvoker: nothing to say).
ElevationStep elevationStep(const ElevationFacts& facts, const std::string& value, std::string& why);
