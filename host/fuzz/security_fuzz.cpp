// The security files' texts: backup names, the renaming notice, the identity
// database line of java.security and the user-home target names.
#include <string>

#include "fuzz_input.h"
#include "security/security_text.h"

namespace {

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

void checkBackups(const std::string& path, int taken) {
    const std::string backup = backupName(path, taken % 1000);
    FUZZ_CHECK(backup.size() <= path.size() + 4 && backup.size() >= 4);
    FUZZ_CHECK(backup[backup.size() - 4] == '.');
    // The first name not yet there, in the order of their numbers.
    int asked = 0;
    const std::string free = freeBackupName(path, [&asked, taken](const std::string&) {
        return asked++ < taken;
    });
    if (taken >= kLastBackupNumber) {
        FUZZ_CHECK(free.empty() && asked == kLastBackupNumber);
    } else {
        FUZZ_CHECK(free == backupName(path, taken + 1) && asked == taken + 1);
    }
}

void checkIdentityLine(const std::string& line, const std::string& javaHome,
                       const std::string& userHome) {
    std::string path = "stale";
    const bool named = identityDatabasePath(line, javaHome, userHome, path);
    if (!startsWith(line, "identity.database=")) FUZZ_CHECK(!named);
    if (!named) {
        FUZZ_CHECK(path == "stale");
        return;
    }
    // Only a reference to an empty home can leave nothing.
    FUZZ_CHECK(!path.empty() || javaHome.empty() || userHome.empty());
    FUZZ_CHECK(path.find('/') == std::string::npos);
    FUZZ_CHECK(path.find("\\\\") == std::string::npos);
}

void checkTarget(const std::string& target) {
    std::string directory, fileName;
    splitAtLastSlash(target, directory, fileName);
    if (target.find('/') == std::string::npos) {
        FUZZ_CHECK(directory == target && fileName.empty());
    } else {
        FUZZ_CHECK(directory + "/" + fileName == target && fileName.find('/') == std::string::npos);
    }
    if (liesDirectlyInUserHome(target)) {
        FUZZ_CHECK(target.size() > 13 && target[12] == '/' && !fileName.empty());
        FUZZ_CHECK(profileTarget("H", "L", fileName) == "H\\profiles\\L\\" + fileName);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 5);
    // Mostly a few backups taken, rarely (the search is slow) all or all but one.
    const int first = size > 0 ? data[0] : 0;
    const int taken = first >= 0xFE ? kLastBackupNumber - 0xFF + first : first % 8;
    checkBackups(parts[0], taken);

    const std::string notice = renamingNotice(parts[1], parts[0], parts[2]);
    FUZZ_CHECK(notice.find(" " + parts[0] + " ") != std::string::npos);
    FUZZ_CHECK(endsWith(notice, " " + parts[2]));

    checkIdentityLine(parts[3], parts[1], parts[2]);
    checkIdentityLine("identity.database=" + parts[3], parts[1], parts[2]);
    checkTarget(parts[4]);
    checkTarget("${USER.home}/" + parts[4]);
    if (!parts[4].empty() && parts[4].find('/') == std::string::npos) {
        FUZZ_CHECK(liesDirectlyInUserHome("${USER.home}/" + parts[4]));
    }

    // A replacement that holds what it replaces is not replaced again.
    const std::string key = "${java.home}";
    std::string wrapped = parts[3];
    replaceAll(wrapped, key, "<" + key + ">");
    FUZZ_CHECK(wrapped.size() == parts[3].size() + 2 * occurrences(parts[3], key));
    FUZZ_CHECK(occurrences(wrapped, key) == occurrences(parts[3], key));
    return 0;
}
