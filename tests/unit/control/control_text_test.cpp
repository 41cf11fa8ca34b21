#include "control/control_text.h"

#include <string>

#include <gtest/gtest.h>

TEST(KeyLineValueTest, KeyMustStartTheLineExactly) {
    const struct { const char* line; bool isKey; const char* value; } cases[] = {
        {"jvmName=JRE", true, "JRE"},
        {"jvmName = JRE", true, "= JRE"},  // the blank is the separator
        {"jvmNameX=y", true, "=y"}, {"jvmName", true, ""}, {"jvmname=x", false, "stale"},
    };
    for (const auto& c : cases) {
        std::string value = "stale";
        EXPECT_EQ(keyLineValue(c.line, "jvmName", value), c.isKey) << c.line;
        EXPECT_EQ(value, c.value) << c.line;
    }
}

TEST(NormalizeCommandNameTest, LowerCaseWithExtensionAndWindowedProgram) {
    const struct { const char* name; const char* windowed; const char* console; } cases[] = {
        {"Java", "javaw.exe", "java.exe"}, {"JRE.EXE", "jrew.exe", "jre.exe"},
        {"MyJvm.cfg", "myjvm.exe", "myjvm.exe"}, {"java.exe.old", "javaw.exe", "java.exe.old"},
        {"Run.BAT", "run.bat", "run.bat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(normalizeCommandName(c.name, false), c.windowed) << c.name;
        EXPECT_EQ(normalizeCommandName(c.name, true), c.console) << c.name;
    }
}

TEST(BackSlashRepairTest, SwitchesAndInstallDirectory) {
    const char* switches[][2] = {
        {"a\\:b", "a:b"}, {"\\\"x\\\"", "\"x\""}, {"a\\\\b", "a\\b"}, {"a\\\\\\:b", "a:b"}, {"a\\b", "a\\b"},
    };
    for (const auto& c : switches) {
        std::string value = c[0];
        removeExtraBackSlashes(value, [](const char*, const std::string&) {});
        EXPECT_EQ(value, c[1]) << c[0];
    }
    const char* directories[][2] = {
        {"[$AppDir]/jvm", "[$AppDir]\\jvm"}, {"C\\:\\\\Program Files", "C:\\Program Files"},
        {"\\\\\\\\server\\share", "\\\\server\\share"}, {"C:\\jvm\\", "C:\\jvm\\"},
    };
    for (const auto& c : directories) EXPECT_EQ(repairInstallDir(c[0]), c[1]) << c[0];
}
