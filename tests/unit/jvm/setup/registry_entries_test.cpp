#include <initializer_list>
#include <string>

#include "jvm/setup/install_jvm.h"
#include "scratch.h"

class RegistrationTest : public ScratchMachineTest {
protected:
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
    const std::string root_ = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
};

TEST_F(RegistrationTest, RuntimeLibNeedsJavaNameVersionAndLibrary) {
    struct Row {
        const char* executable;
        const char* version;
        std::initializer_list<const char*> kinds;
        const char* expected;  // the kind named by RuntimeLib, or null for none
    };
    const Row rows[] = {
        {"jre.exe", "1.3", {"hotspot"}, nullptr},
        {"java.exe", "1.10", {"hotspot"}, nullptr},
        {"java.exe", "1.2", {"classic"}, "classic"},  // 1.2 itself is not less than 1.2
        {"java.exe", "1.3", {}, nullptr},
        {"javaw.exe", "1.3.1", {"classic", "hotspot"}, "classic"},
        {"java.exe", "1.4", {"hotspot", "client"}, "hotspot"},
    };
    int index = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.executable) + " " + row.version);
        std::string name = "home" + std::to_string(++index);
        std::string home = makeHome(name, row.kinds), rootKey = root_ + "\\" + name;
        ASSERT_EQ(jvm.addJvmToRegistry(rootKey, "JavaHome", row.version, "0", home, row.executable), 1);
        std::string expected = row.expected ? home + "\\bin\\" + row.expected + "\\jvm.dll" : "<missing>";
        EXPECT_EQ(machineValue(rootKey + "\\" + row.version, "RuntimeLib"), expected);
    }
}
