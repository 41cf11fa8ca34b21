#include "control/control_text.h"

#include <string>

#include <gtest/gtest.h>

TEST(KeyLineValueTest, KeyMustStartTheLineExactly) {
    const struct {
        const char* line;
        bool isKey;
        const char* value;
    } cases[] = {
        {"jvmName=JRE", true, "JRE"},
        {"jvmName = JRE", true, "= JRE"},  // the blank is the separator
        {"jvmNameX=y", true, "=y"}, {"jvmName", true, ""}, {"jvmname=x", false, "stale"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::string value = "stale";
        EXPECT_EQ(keyLineValue(c.line, "jvmName", value), c.isKey);
        EXPECT_EQ(value, c.value);
    }
}

TEST(NormalizeCommandNameTest, LowerCaseWithExtensionAndWindowedProgram) {
    const struct {
        const char* name;
        const char* windowed;
        const char* console;
    } cases[] = {
        {"Java", "javaw.exe", "java.exe"}, {"JRE.EXE", "jrew.exe", "jre.exe"},
        {"MyJvm.cfg", "myjvm.exe", "myjvm.exe"}, {"Run.BAT", "run.bat", "run.bat"},
        {"java.exe.old", "javaw.exe", "java.exe.old"}, {"tool.com", "tool.com", "tool.com"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(normalizeCommandName(c.name, false), c.windowed);
        EXPECT_EQ(normalizeCommandName(c.name, true), c.console);
    }
}

TEST(BackSlashRepairTest, SwitchesAndInstallDirectory) {
    const char* switches[][2] = {
        {"a\\:b", "a:b"}, {"\\\"x\\\"", "\"x\""}, {"a\\\\b", "a\\b"}, {"a\\\\", "a\\"},
        {"a\\\\\\:b", "a:b"}, {"a\\b", "a\\b"},
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
