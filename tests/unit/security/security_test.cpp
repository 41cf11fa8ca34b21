#include "security/security.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "security/security_text.h"
#include "scratch.h"
#include "util/file_utils.h"

namespace {

// The login name is looked up in the scratch HKEY_LOCAL_MACHINE.
class SecurityTest : public ScratchMachineTest {
protected:
    void SetUp() override {
        ScratchMachineTest::SetUp();
        javaHome_ = (dir_ / "jre").string();
        userHome_ = (dir_ / "home").string();
        ASSERT_EQ(_mkdir(javaHome_.c_str()), 0);
        ASSERT_EQ(_mkdir(userHome_.c_str()), 0);
    }
    int install(const std::string& system, const std::string& user, const std::string& keystore,
                int replace) {
        return Security().addSecurity(system, user, keystore, javaHome_, userHome_, replace);
    }

    const std::string kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
    std::string javaHome_, userHome_;
};

TEST_F(SecurityTest, PoliciesLandWhereTheirEntriesPoint) {
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
    EXPECT_TRUE(logged("jinstall.log", "unable to create security directory " + javaHome_ + "\\lib"));
    EXPECT_TRUE(logged("jinstall.log", "unable to get destination ${java.home}/lib/java.policy"));
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
    setMachineValue(kWinlogon, "UserName", "tester");
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

    setMachineValue(kWinlogon, "UserName", "");
    setMachineValue(kWinlogon, "DefaultUserName", "tester");
    EXPECT_EQ(install("", "", "${user.home}/identitydb.obj", 0), 1);
    EXPECT_EQ(readFile(profileCopy), "store");

    Security security;
    std::string name;
    EXPECT_EQ(security.getLoginName(0, name), 0);
    setMachineValue("Network\\Logon", "username", "nine");
    setMachineValue(kWinlogon, "UserName", "now");
    for (int winNT : {0, 1}) {
        EXPECT_EQ(security.getLoginName(winNT, name), 1);
        EXPECT_EQ(name, winNT ? "now" : "nine");
    }
}

}  // namespace
