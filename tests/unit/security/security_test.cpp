#include "security/security.h"

#include <cstdio>
#include <string>
#include <iterator>

#include "scratch.h"
#include "security/security_text.h"
#include "util/file_utils.h"

// The login name is looked up in the scratch HKEY_LOCAL_MACHINE.
class SecurityTest : public ScratchMachineTest {
protected:
    void SetUp() override {
        ScratchMachineTest::SetUp();
        javaHome_ = (dir_ / "jre").string();
        userHome_ = (dir_ / "home").string();
        profile_ = (dir_ / "profile").string();
        for (const char* name : {"jre\\lib\\security", "home", "profile"}) std::filesystem::create_directories(name);
        _putenv(("USERPROFILE=" + profile_).c_str());
    }
    int install(const std::string& system, const std::string& user, const std::string& keystore, int replace) {
        return Security().addSecurity(system, user, keystore, javaHome_, userHome_, replace);
    }

    std::string javaHome_, userHome_, profile_;
};

TEST_F(SecurityTest, PoliciesLandWhereTheirEntriesPoint) {
    std::string plain = (dir_ / "plain" / "sub" / "p.policy").string();
    for (char& c : plain) c = c == '\\' ? '/' : c;
    writeFile(".java.policy", "user");
    writeFile("java.policy", "jre");
    writeFile("p.policy", "plain");
    const std::string cases[][3] = {
        {"", "${user.home}/.java.policy", userHome_ + "\\.java.policy"},
        {"${java.home}/lib/security/java.policy", "", javaHome_ + "\\lib\\security\\java.policy"},
        {plain, "", (dir_ / "plain" / "sub" / "p.policy").string()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] + c[1]);
        EXPECT_EQ(install(c[0], c[1], "", 0), 1);
        EXPECT_EQ(readFile(c[2]), readFile(c[2].substr(c[2].rfind('\\') + 1)));
    }
    // Files the installation does not carry, and a target without any "/", are skipped.
    EXPECT_EQ(install("${java.home}/lib/none.policy", "java.policy", "", 0), 1);
    EXPECT_FALSE(fileExists(javaHome_ + "\\lib\\none.policy"));
}

// Replacing keeps every earlier file as a numbered backup and records it in
// changes.txt; without replacing, and for a read-only target, the user's file stays.
TEST_F(SecurityTest, ReplacingKeepsEveryEarlierFile) {
    const std::string entry = "${java.home}/lib/security/java.policy";
    const std::string target = javaHome_ + "\\lib\\security\\java.policy";
    const std::string first = javaHome_ + "\\lib\\security\\java.001";
    writeFile(target, "original");
    writeFile("java.policy", "new");
    EXPECT_EQ(install("", entry, "", 0), 1);
    EXPECT_EQ(readFile(target), "original");
    EXPECT_EQ(install("", entry, "", 1), 1);
    writeFile("java.policy", "newer");
    EXPECT_EQ(install("", entry, "", 1), 1);
    const std::string second = javaHome_ + "\\lib\\security\\java.002";
    EXPECT_EQ(readFile(target) + readFile(first) + readFile(second), "neweroriginalnew");
    std::string language = Security().language();
    EXPECT_EQ(readFile("changes.txt"), renamingNotice(language, target, first) + "\r\n" +
                                           renamingNotice(language, target, second) + "\r\n");
    const std::string locked = userHome_ + "\\java.policy";
    writeFile(locked, "locked");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(install("", "${user.home}/java.policy", "", 1), 1);
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readFile(locked), "locked");
    EXPECT_FALSE(fileExists(userHome_ + "\\java.001"));
}

// A file the installation lacks is not installed, so replacing it must not move
// the user's own aside: it stays, with no backup and no notice.
TEST_F(SecurityTest, ReplacingWithAFileTheInstallationLacksKeepsTheUsersFile) {
    const std::string policy = "${user.home}.java.policy", store = "${user.home}identitydb.obj";
    writeFile(userHome_ + "\\.java.policy", "my policy");
    writeFile(userHome_ + "\\identitydb.obj", "my store");
    EXPECT_EQ(install("", policy, store, 1), 1);
    EXPECT_EQ(readFile(userHome_ + "\\.java.policy") + readFile(userHome_ + "\\identitydb.obj"),
              "my policymy store");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(userHome_), {}), 2);
    EXPECT_FALSE(fileExists("changes.txt"));
}

// The certificate store goes where java.security names the identity database,
// else to its target and, directly in the user's home, to the login's profile
// too. From 2000 on, as these tests run, a target below the user home also goes
// below the user's profile.
TEST_F(SecurityTest, CertificateStoreGoesWhereJavaSecuritySaysElseToTheHomeAndProfiles) {
    const std::string javaSecurity = javaHome_ + "\\lib\\security\\java.security";
    writeFile("identitydb.obj", "store");
    writeFile(javaSecurity, "policy.provider=x\r\nidentity.database=${user.home}/ids/identitydb.obj\r\n");
    EXPECT_EQ(install("", "", "${java.home}/lib/identitydb.obj", 0), 1);
    EXPECT_EQ(readFile(userHome_ + "\\ids\\identitydb.obj") + readFile(profile_ + "\\ids\\identitydb.obj"),
              "storestore");
    EXPECT_FALSE(fileExists(userHome_ + "\\identitydb.obj") || fileExists(userHome_ + "\\profiles"));
    writeFile(javaSecurity, "identity.database=${java.home}/lib/ids.obj\r\n");
    EXPECT_EQ(install("", "", "${user.home}/x/identitydb.obj", 0), 1);
    EXPECT_FALSE(fileExists(profile_ + "\\x"));  // the store is not below the user home
    std::remove(javaSecurity.c_str());
    EXPECT_EQ(install("", "", "${user.home}/keys/identitydb.obj", 0), 1);  // not directly in the home
    EXPECT_EQ(install("", "", "${user.home}/identitydb.obj", 0), 0);       // no login name registered
    EXPECT_EQ(readFile(userHome_ + "\\identitydb.obj") + readFile(profile_ + "\\keys\\identitydb.obj") +
                  readFile(profile_ + "\\identitydb.obj"), "storestorestore");
}

// A policy below the user home also goes below the profile, by the same rules,
// and the trace names each copy. A profile that is the home itself gets no second
// copy (nor a second backup); without a usable one the home's copy stands alone.
TEST_F(SecurityTest, APolicyBelowTheUserHomeAlsoGoesBelowTheProfile) {
    writeFile(".java.policy", "user");
    writeFile("jinstall.log", "");
    EXPECT_EQ(install("", "${user.home}/sub/.java.policy", "", 0), 1);
    writeFile(".java.policy", "newer");
    EXPECT_EQ(install("", "${user.home}/sub/.java.policy", "", 1), 1);
    const std::string home = userHome_ + "\\sub\\.java.", profile = profile_ + "\\sub\\.java.";
    EXPECT_EQ(readFile(profile + "policy") + readFile(profile + "001"), "neweruser");
    const std::string language = Security().language();
    EXPECT_EQ(readFile("changes.txt"), renamingNotice(language, home + "policy", home + "001") + "\r\n" +
                                           renamingNotice(language, profile + "policy", profile + "001") + "\r\n");
    _putenv(("USERPROFILE=" + userHome_ + "\\").c_str());
    EXPECT_EQ(install("", "${user.home}/sub/.java.policy", "", 1), 1);
    EXPECT_FALSE(fileExists(home + "003"));
    for (const std::string& variable : {std::string("USERPROFILE="), "USERPROFILE=" + profile_ + "\\none"}) {
        _putenv(variable.c_str());
        EXPECT_EQ(install("", "${user.home}/.java.policy", "", 0), 1);
    }
    const std::string unusable = ": no security file is copied to the user's profile";
    for (const std::string& line : {"security file copied to " + profile + "policy",
                                    "USERPROFILE is not set" + unusable,
                                    "USERPROFILE " + profile_ + "\\none names no directory" + unusable}) {
        EXPECT_TRUE(logged("jinstall.log", line));
    }
}
