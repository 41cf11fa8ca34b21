#include <windows.h>

#include <gtest/gtest.h>

#include "jvm/setup/install_jvm.h"
#include "temp_dir.h"
#include "util/win_handles.h"

namespace {

// Every test registers under its own scratch key, never the real JavaSoft entries.
class RegistrationTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        static int counter = 0;
        root_ = "SOFTWARE\\LauncherTests\\Registration" + std::to_string(_getpid()) + "_" +
                std::to_string(++counter);
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, root_.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\LauncherTests");  // only when empty
        TempDirTest::TearDown();
    }

    // The value as written, or a marker when it is missing, too large or not a string.
    std::string value(const std::string& subkey, const char* name) {
        UniqueRegKey key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
            ERROR_SUCCESS) {
            return "<no key>";
        }
        char data[300] = {};
        DWORD type = 0, size = sizeof(data) - 1;
        LONG status =
            RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        if (status == ERROR_MORE_DATA) return "<large>";
        if (status != ERROR_SUCCESS) return "<missing>";
        return type == REG_SZ ? std::string(data) : "<not a string>";
    }
    void setValue(const std::string& subkey, const char* name, const std::string& text) {
        UniqueRegKey key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, key.put(), nullptr), ERROR_SUCCESS);
        RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }
    // A JVM home holding bin\<kind>\jvm.dll for each kind named.
    std::string makeHome(const std::string& name, std::initializer_list<const char*> kinds) {
        std::string home = (dir_ / name).string();
        for (const char* kind : kinds) {
            std::filesystem::create_directories(home + "\\bin\\" + kind);
            writeFile(home + "\\bin\\" + kind + "\\jvm.dll", "");
        }
        return home;
    }

    InstallJvm jvm;
    std::string root_;
};

TEST_F(RegistrationTest, FreshRuntimeRegistersBothVersionKeys) {
    std::string home = makeHome("jre", {"hotspot"});
    EXPECT_EQ(jvm.addJvmToRegistry(root_, "JavaHome", "1.3", "1", home, "javaw.exe"), 1);
    EXPECT_EQ(jvm.addJvmToRegistry(root_, "JavaHome", "1.3.1", "1", home, "javaw.exe"), 1);
    EXPECT_EQ(value(root_, "CurrentVersion"), "1.3");
    for (const char* version : {"1.3", "1.3.1"}) {
        SCOPED_TRACE(version);
        std::string key = root_ + "\\" + version;
        EXPECT_EQ(value(key, "JavaHome"), home);
        EXPECT_EQ(value(key, "MicroVersion"), "1");
        EXPECT_EQ(value(key, "RuntimeLib"), home + "\\bin\\hotspot\\jvm.dll");
    }
}

TEST_F(RegistrationTest, ExistingEntriesAreNeverReplaced) {
    std::string home = makeHome("jre", {"hotspot"});
    setValue(root_, "CurrentVersion", "1.2");
    setValue(root_ + "\\1.3", "MicroVersion", "0");
    setValue(root_ + "\\1.3", "JavaHome", "d:\\old");
    setValue(root_ + "\\1.4", "JavaHome", "d:\\half");
    writeFile("jinstall.log", "");

    EXPECT_EQ(jvm.addJvmToRegistry(root_, "JavaHome", "1.3", "0", home, "java.exe"), 1);
    EXPECT_EQ(jvm.addJvmToRegistry(root_, "JavaHome", "1.4", "0", home, "java.exe"), 1);
    EXPECT_EQ(value(root_, "CurrentVersion"), "1.2");
    // A micro version marks a finished registration: nothing under it changes.
    EXPECT_EQ(value(root_ + "\\1.3", "JavaHome"), "d:\\old");
    EXPECT_EQ(value(root_ + "\\1.3", "RuntimeLib"), "<missing>");
    // Without one, the missing values are added around the present home.
    EXPECT_EQ(value(root_ + "\\1.4", "JavaHome"), "d:\\half");
    EXPECT_EQ(value(root_ + "\\1.4", "MicroVersion"), "0");
    EXPECT_EQ(value(root_ + "\\1.4", "RuntimeLib"), home + "\\bin\\hotspot\\jvm.dll");
    EXPECT_NE(readFile("jinstall.log").find("JavaHome already exists in registry"), std::string::npos);
}

TEST_F(RegistrationTest, RuntimeLibNeedsJavaNameVersionAndLibrary) {
    struct Row {
        const char* executable;
        const char* version;
        std::initializer_list<const char*> kinds;
        const char* expected;  // the kind named by RuntimeLib, or null for none
    };
    const Row rows[] = {
        {"jre.exe", "1.3", {"hotspot"}, nullptr},
        {"Javaw.exe", "1.3", {"hotspot"}, nullptr},
        {"java.exe", "1.1", {"hotspot"}, nullptr},
        {"java.exe", "1.10", {"hotspot"}, nullptr},
        {"java.exe", "1.3", {}, nullptr},
        {"java.exe", "1.2", {"client"}, "client"},
        {"javaw.exe", "1.3.1", {"classic", "hotspot"}, "classic"},
        {"java.exe", "1.4", {"hotspot", "client"}, "hotspot"},
    };
    int index = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.executable) + " " + row.version);
        std::string name = "home" + std::to_string(++index);
        std::string home = makeHome(name, row.kinds), rootKey = root_ + "\\" + name;
        ASSERT_EQ(jvm.addJvmToRegistry(rootKey, "JavaHome", row.version, "0", home, row.executable), 1);
        std::string expected = row.expected
                                   ? home + "\\bin\\" + row.expected + "\\jvm.dll"
                                   : "<missing>";
        EXPECT_EQ(value(rootKey + "\\" + row.version, "RuntimeLib"), expected);
        EXPECT_EQ(value(rootKey + "\\" + row.version, "JavaHome"), home);
    }
}

TEST_F(RegistrationTest, AddValueWritesOnlyMissingOrEmptyValues) {
    setValue(root_, "Present", "old");
    setValue(root_, "Empty", "");
    setValue(root_, "Large", std::string(6000, 'x'));  // beyond the read limit
    UniqueRegKey key;
    ASSERT_EQ(jvm.addToRegistry(HKEY_LOCAL_MACHINE, root_, *key.put()), 1);
    const std::pair<const char*, const char*> rows[] = {
        {"Present", "old"}, {"Empty", "new"}, {"Missing", "new"}, {"Large", "<large>"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        EXPECT_EQ(jvm.addValueToRegistry(key.get(), row.first, "new"), 1);
        EXPECT_EQ(value(root_, row.first), row.second);
    }
}

TEST_F(RegistrationTest, KeyThatCannotBeCreatedIsReported) {
    writeFile("jinstall.log", "");
    RegistryKey key = nullptr;
    EXPECT_EQ(jvm.addToRegistry(reinterpret_cast<HKEY>(0x1234), "Sub", key), 0);
    EXPECT_EQ(key, nullptr);
    EXPECT_NE(readFile("jinstall.log").find("Unable to create registry key Sub"), std::string::npos);
}

}  // namespace
