// The security files' texts: backup names, the renaming notice, the identity
// database line of java.security and the user-home target names.
#include <string>

#include "fuzz_input.h"
#include "security/security_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 4);
    const std::string& path = parts[0];

    // The first name not yet there, in the order of the numbers: mostly a few
    // backups taken, rarely (the search is slow) all or all but one.
    const int first = size > 0 ? data[0] : 0;
    const int taken = first >= 0xFE ? kLastBackupNumber - 0xFF + first : first % 8;
    int asked = 0;
    const std::string free = freeBackupName(path, [&asked, taken](const std::string&) {
        return asked++ < taken;
    });
    if (taken >= kLastBackupNumber) {
        FUZZ_CHECK(free.empty() && asked == kLastBackupNumber);
    } else {
        FUZZ_CHECK(free == backupName(path, taken + 1) && free[free.size() - 4] == '.');
    }
    renamingNotice(parts[1], path, free);

    std::string database = "stale";
    if (identityDatabasePath(parts[2], parts[1], parts[3], database)) {
        FUZZ_CHECK(database.find('/') == std::string::npos && database.find("\\\\") == std::string::npos);
    } else {
        FUZZ_CHECK(database == "stale");
    }
    std::string target = "${USER.home}/" + parts[3];
    if (liesDirectlyInUserHome(target)) {
        FUZZ_CHECK(!parts[3].empty() && parts[3].find('/') == std::string::npos);
    } else {
        FUZZ_CHECK(parts[3].empty() || parts[3].find('/') != std::string::npos);
    }
    return 0;
}
