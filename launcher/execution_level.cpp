#include "launcher/execution_level.h"

#include <cstring>

#include "util/text.h"

const char kStartedAgainMarker[] = "__kivelevated";

ExecutionLevel executionLevelNamed(const std::string& value) {
    if (value.empty() || equalsIgnoringCase(value, "asInvoker")) return ExecutionLevel::asInvoker;
    if (equalsIgnoringCase(value, "highestAvailable")) return ExecutionLevel::highestAvailable;
    if (equalsIgnoringCase(value, "requireAdministrator")) return ExecutionLevel::requireAdministrator;
    return ExecutionLevel::unknown;
}

std::string markedCommandTail(const std::string& tail) {
    return tail.empty() ? std::string(kStartedAgainMarker) : kStartedAgainMarker + (" " + tail);
}

bool removeStartedAgainMarker(char* tail) {
    const std::size_t length = std::strlen(kStartedAgainMarker);
    if (!beginsWith(tail, kStartedAgainMarker) || (tail[length] != '\0' && tail[length] != ' ')) return false;
    const char* rest = tail + length + (tail[length] == ' ' ? 1 : 0);
    std::memmove(tail, rest, std::strlen(rest) + 1);
    return true;
}

bool isBeforeVista(unsigned long version) {
    const bool nineX = (version & 0x80000000UL) != 0;
    return nineX || (version & 0xFF) < 6;
}

namespace {

ElevationStep decided(std::string& why, const std::string& line, ElevationStep step = ElevationStep::runAsStarted) {
    why = line;
    return step;
}

const char* elevatedRun(const ElevationFacts& facts) {
    return facts.startedAgain ? "started again, elevated" : "the launcher runs elevated";
}

ElevationStep requireAdministrator(const ElevationFacts& facts, std::string& why) {
    const std::string key = "executionLevel=requireAdministrator: ";
    if (facts.elevated) return decided(why, key + elevatedRun(facts));
    if (facts.startedAgain) {
        return decided(why, key + "started again, still not elevated (UAC is off, or not an administrator)",
                       ElevationStep::elevationRequired);
    }
    if (facts.unattended) {
        return decided(why, key + "not elevated, and an unattended run asks nobody", ElevationStep::elevationRequired);
    }
    return decided(why, key + "not elevated: starting again through the UAC prompt", ElevationStep::startAgain);
}

// Only an administrator's filtered token can be raised; everything else runs as it is.
ElevationStep highestAvailable(const ElevationFacts& facts, std::string& why) {
    const std::string key = "executionLevel=highestAvailable: ";
    if (facts.elevated) return decided(why, key + elevatedRun(facts));
    if (facts.startedAgain) {
        return decided(why, key + "started again, still not elevated (UAC is off): runs as it is");
    }
    if (!facts.limited) return decided(why, key + "a standard user's token, which no prompt raises: runs as started");
    if (facts.unattended) return decided(why, key + "an unattended run asks nobody: runs as started, not elevated");
    return decided(why, key + "an administrator's filtered token: starting again through the UAC prompt",
                   ElevationStep::startAgain);
}

}  // namespace

ElevationStep elevationStep(const ElevationFacts& facts, const std::string& value, std::string& why) {
    why.clear();
    if (facts.level == ExecutionLevel::asInvoker) return ElevationStep::runAsStarted;
    const std::string key = "executionLevel=" + value;
    if (facts.level == ExecutionLevel::unknown) {
        return decided(why, key + " names no level (asInvoker, highestAvailable, requireAdministrator): runs as started");
    }
    if (facts.beforeVista) return decided(why, key + " changes nothing before Windows Vista: runs as started");
    return facts.level == ExecutionLevel::requireAdministrator ? requireAdministrator(facts, why)
                                                                : highestAvailable(facts, why);
}
