#include "security/security.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "security/security_text.h"
#include "temp_dir.h"
#include "util/file_utils.h"

namespace {

class SecurityTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        javaHome_ = (dir_ / "jre").string();
        userHome_ = (dir_ / "home").string();
        ASSERT_EQ(_mkdir(javaHome_.c_str()), 0);
        ASSERT_EQ(_mkdir(userHome_.c_str()), 0);
        // One scratch key per process: ctest runs tests of this fixture side by side.
        scratch_ = "Software\\SecurityTestScratch" + std::to_string(_getpid());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &loginRoot_, nullptr), ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(loginRoot_);
        RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
        TempDirTest::TearDown();
    }
    void registerLogin(const char* key, const char* name, const char* value) {
        ASSERT_EQ(RegSetKeyValueA(loginRoot_, key, name, REG_SZ, value, strlen(value) + 1), ERROR_SUCCESS);
    }
    int install(const std::string& system, const std::string& user, const std::string& keystore,
                int replace) {
        Security security(loginRoot_);
        return security.addSecurity(system, user, keystore, javaHome_, userHome_, replace);
    }

    static constexpr const char* kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
    std::string javaHome_, userHome_, scratch_;
    HKEY loginRoot_ = nullptr;
};

TEST_F(SecurityTest, PoliciesLandWhereTheirSpecificationsSay) {
    std::string plainDir = (dir_ / "plain" / "sub").string();
    std::string plainSpec = (dir_ / "plain" / "sub" / "p.policy").string();
    for (char& c : plainSpec) c = c == '\\' ? '/' : c;
    writeFile(".java.policy", "user");
    writeFile("java.policy", "jre");
    writeFile("p.policy", "plain");
    const std::string cases[][3] = {
        {"", "${user.home}/.java.policy", userHome_ + "\\.java.policy"},
        {"", "${java.home}/lib/security/java.policy", javaHome_ + "\\lib\\security\\java.policy"},
        {"${java.home}/lib/security/java.policy", "", javaHome_ + "\\lib\\security\\java.policy"},
        {plainSpec, "", plainDir + "\\p.policy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] + c[1]);
        std::remove(c[2].c_str());
        EXPECT_EQ(install(c[0], c[1], "", 0), 1);
        EXPECT_EQ(readFile(c[2]), readFile(c[2].substr(c[2].rfind('\\') + 1)));
    }
    // Files the installation does not carry, and a target without any "/", are skipped.
    EXPECT_EQ(install("${java.home}/lib/none.policy", "${user.home}/none.policy", "", 0), 1);
    EXPECT_EQ(install("", "java.policy", "", 0), 1);
    EXPECT_FALSE(fileExists(userHome_ + "\\none.policy") || fileExists(javaHome_ + "\\lib\\none.policy"));
}

TEST_F(SecurityTest, ReplacingKeepsEveryEarlierBackup) {
    const std::string entry = "${java.home}/lib/security/java.policy";
    const std::string target = javaHome_ + "\\lib\\security\\java.policy";
    const std::string first = javaHome_ + "\\lib\\security\\java.001";
    const std::string second = javaHome_ + "\\lib\\security\\java.002";
    writeFile("java.policy", "new");
    ASSERT_EQ(install("", entry, "", 0), 1);
    writeFile(target, "original");
    EXPECT_EQ(install("", entry, "", 0), 1);
    EXPECT_EQ(readFile(target), "original");
    EXPECT_FALSE(fileExists(first) || fileExists("changes.txt"));

    EXPECT_EQ(install("", entry, "", 1), 1);
    writeFile("java.policy", "newer");
    EXPECT_EQ(install("", entry, "", 1), 1);
    EXPECT_EQ(readFile(target), "newer");
    EXPECT_EQ(readFile(first), "original");
    EXPECT_EQ(readFile(second), "new");
    std::string language = Security().language();
    EXPECT_EQ(readFile("changes.txt"), renamingNotice(language, target, first) + "\r\n" +
                                           renamingNotice(language, target, second) + "\r\n");
}

// The result is that of the last step that ran; a failed step leaves its trace
// and never the user's file damaged.
TEST_F(SecurityTest, FailedStepsKeepTheUsersFilesAndLeaveTraceLines) {
    writeFile("jinstall.log", "");
    writeFile("java.policy", "new");
    const std::string target = userHome_ + "\\java.policy";
    writeFile(target, "locked");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(install("", "${user.home}/java.policy", "", 1), 1);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readFile(target), "locked");
    EXPECT_FALSE(fileExists(userHome_ + "\\java.001") || fileExists("changes.txt"));

    javaHome_ = (dir_ / "missing").string();
    EXPECT_EQ(install("${java.home}/lib/java.policy", "${user.home}/java.policy", "", 0), 1);
    EXPECT_EQ(install("${user.home}/java.policy", "${java.home}/lib/java.policy", "", 0), 1);
    std::string log = readFile("jinstall.log");
    EXPECT_NE(log.find("unable to create security directory " + javaHome_ + "\\lib"), std::string::npos);
    EXPECT_NE(log.find("unable to get destination ${java.home}/lib/java.policy"), std::string::npos);
}

TEST_F(SecurityTest, IdentityDatabaseGoesWhereJavaSecuritySays) {
    std::string absolute = (dir_ / "ids").string() + "\\\\identitydb.obj";
    const std::string cases[][2] = {
        {"policy.provider=x\nidentity.database=${user.home}/ids/identitydb.obj\n",
         userHome_ + "\\ids\\identitydb.obj"},
        {"a=b\r\nidentity.database=" + absolute, (dir_ / "ids" / "identitydb.obj").string()},
    };
    ASSERT_EQ(_mkdir((javaHome_ + "\\lib").c_str()), 0);
    ASSERT_EQ(_mkdir((javaHome_ + "\\lib\\security").c_str()), 0);
    writeFile("identitydb.obj", "store");
    registerLogin(kWinlogon, "UserName", "tester");
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        writeFile(javaHome_ + "\\lib\\security\\java.security", c[0]);
        EXPECT_EQ(install("", "", "${user.home}/identitydb.obj", 0), 1);
        EXPECT_EQ(readFile(c[1]), "store");
    }
    EXPECT_FALSE(fileExists(userHome_ + "\\identitydb.obj") || fileExists(userHome_ + "\\profiles"));
}

TEST_F(SecurityTest, StoreInTheUserHomeIsCopiedToTheLoginsProfile) {
    const std::string profileCopy = userHome_ + "\\profiles\\tester\\identitydb.obj";
    writeFile("identitydb.obj", "store");
    EXPECT_EQ(install("", "", "${user.home}/identitydb.obj", 0), 0);  // no login name registered
    EXPECT_EQ(readFile(userHome_ + "\\identitydb.obj"), "store");
    EXPECT_EQ(install("", "", "${user.home}/keys/identitydb.obj", 0), 1);  // not directly in the home

    registerLogin(kWinlogon, "UserName", "");
    registerLogin(kWinlogon, "DefaultUserName", "tester");
    EXPECT_EQ(install("", "", "${user.home}/identitydb.obj", 0), 1);
    EXPECT_EQ(readFile(profileCopy), "store");

    Security security(loginRoot_);
    std::string name;
    EXPECT_EQ(security.getLoginName(0, name), 0);
    registerLogin("Network\\Logon", "username", "nine");
    registerLogin(kWinlogon, "UserName", "now");
    for (int winNT : {0, 1}) {
        EXPECT_EQ(security.getLoginName(winNT, name), 1);
        EXPECT_EQ(name, winNT ? "now" : "nine");
    }
}

}  // namespace
