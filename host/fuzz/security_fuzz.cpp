// The security files' texts: backup names, the renaming notice, the identity
// database line of java.security and the user-home target names.
#include <string>

#include "fuzz_input.h"
#include "security/security_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 4);
    // The first backup name not yet taken, asked in the order of the numbers:
    // mostly a few taken, rarely (the search is slow) all or all but one.
    const int first = size > 0 ? data[0] : 0;
    const int taken = first >= 0xFE ? kLastBackupNumber - 0xFF + first : first % 8;
    int asked = 0;
    const std::string free = freeBackupName(parts[0], [&asked, taken](const std::string&) {
        return asked++ < taken;
    });
    FUZZ_CHECK(taken >= kLastBackupNumber ? free.empty() && asked == kLastBackupNumber
                                          : free == backupName(parts[0], taken + 1) && asked == taken + 1);
    renamingNotice(parts[1], parts[0], free);
    std::string database;
    identityDatabasePath(parts[2], parts[1], parts[3], database);
    liesDirectlyInUserHome(parts[3]);
    return 0;
}
