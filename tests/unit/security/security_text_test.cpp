#include "security/security_text.h"

#include <string>

#include <gtest/gtest.h>

TEST(SecurityTextTest, BackupNamesReplaceOnlyTheFileNamesExtension) {
    const struct { const char* path; int number; const char* backup; } cases[] = {
        {"C:\\jre\\lib\\security\\java.policy", 1, "C:\\jre\\lib\\security\\java.001"},
        {"C:\\my.dir\\identitydb", 1, "C:\\my.dir\\identitydb.001"},
        {"identitydb.obj", 12, "identitydb.obj.012"},
    };
    for (const auto& c : cases) EXPECT_EQ(backupName(c.path, c.number), c.backup) << c.path;
}

TEST(SecurityTextTest, RenamingNoticeNamesTheBackupInTheUsersLanguage) {
    const char* cases[][2] = {
        {"spanish", "Reagrupado  C:\\w\\x.obj a C:\\w\\x.003"},
        {"french", "Renomm\xe9 C:\\w\\x.obj en C:\\w\\x.003"},
        {"klingon", "Renamed C:\\w\\x.obj to C:\\w\\x.003"},
    };
    for (const auto& c : cases) EXPECT_EQ(renamingNotice(c[0], "C:\\w\\x.obj", "C:\\w\\x.003"), c[1]) << c[0];
}

TEST(SecurityTextTest, IdentityDatabaseLines) {
    const char* cases[][2] = {
        {"identity.database=C:/jdk//lib\\\\sec/id.obj \r\n", "C:\\jdk\\lib\\sec\\id.obj"},
        {"identity.database=${user.home}/identitydb.obj", "C:\\home\\identitydb.obj"},
        {"#identity.database=C:/x.obj\n", nullptr},
        {"identity.database=  \r\n", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        std::string path = "unchanged";
        EXPECT_EQ(identityDatabasePath(c[0], "C:\\jre", "C:\\home", path), c[1] != nullptr);
        EXPECT_EQ(path, c[1] ? c[1] : "unchanged");
    }
}
