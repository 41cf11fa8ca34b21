#include "control/control_text.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(KeyLineValueTest, KeyMustStartTheLineExactly) {
    const struct {
        const char* line;
        bool isKey;
        const char* value;
    } cases[] = {
        {"jvmName=JRE", true, "JRE"},
        {"jvmName = JRE", true, "= JRE"},  // the blank is the separator
        {"jvmNameX=y", true, "=y"}, {"jvmName", true, ""},
        {" jvmName=JRE", false, "stale"}, {"#jvmName=JRE", false, "stale"},
        {"jvmname=x", false, "stale"},
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

using Steps = std::vector<std::pair<std::string, std::string>>;

Steps removeWithTrace(std::string& value) {
    Steps steps;
    removeExtraBackSlashes(value, [&steps](const char* label, const std::string& text) {
        steps.emplace_back(label, text);
    });
    return steps;
}

TEST(RemoveExtraBackSlashesTest, DropsBackSlashesThatEscapeNoName) {
    const struct {
        const char* value;
        const char* cleaned;
    } cases[] = {
        {"a\\:b", "a:b"}, {"\\\"x\\\"", "\"x\""}, {"a\\\\b", "a\\b"}, {"a\\\\", "a\\"},
        {"a\\\\\\:b", "a:b"}, {"a\\b", "a\\b"}, {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        std::string value = c.value;
        Steps steps = removeWithTrace(value);
        EXPECT_EQ(value, c.cleaned);
        ASSERT_GE(steps.size(), 2u);
        EXPECT_EQ(steps.front(), Steps::value_type("initial jvm switches for installer", c.value));
        EXPECT_EQ(steps.back(), Steps::value_type("final jvm switches for installer", c.cleaned));
    }

    std::string value = "a\\:b";
    Steps expected = {{"initial jvm switches for installer", "a\\:b"},
                      {"  before extra back slash removed", "a\\:b"},
                      {"  after extra back slash removed", "a:b"},
                      {"final jvm switches for installer", "a:b"}};
    EXPECT_EQ(removeWithTrace(value), expected);
}

TEST(RepairInstallDirTest, BackSlashesOnlyAndEscapesUndone) {
    const struct {
        const char* value;
        const char* repaired;
    } cases[] = {
        {"[$AppDir]/jvm", "[$AppDir]\\jvm"}, {"C\\:\\\\Program Files", "C:\\Program Files"},
        {"\\\\\\\\server\\share", "\\\\server\\share"}, {"C:\\jvm\\", "C:\\jvm\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(repairInstallDir(c.value), c.repaired);
    }
}

TEST(ConvertLineEndingsTextTest, EveryLineEndsInCrLf) {
    const struct {
        std::string content;
        std::string converted;
    } cases[] = {
        {"a\nb\n", "a\r\nb\r\n"}, {"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\rb\n", "ab\r\n"}, {"", ""},
        {std::string("a\0\x1A\n", 4), std::string("a\0\x1A\r\n", 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.content));
        EXPECT_EQ(convertLineEndingsText(c.content), c.converted);
    }
}

TEST(ControlTextTest, FileNameCharactersAndFlags) {
    for (char c : std::string("\\/:*?\"<>|")) EXPECT_EQ(isfilenameChar(c), 0) << c;
    for (char c : {'a', ' ', '.', '\0'}) EXPECT_EQ(isfilenameChar(c), 1) << static_cast<int>(c);
    for (const char* flag : {"true", "YES", "Yes"}) EXPECT_TRUE(isFlagTrue(flag)) << flag;
    for (const char* flag : {"1", "y", " true", "", "yess"}) EXPECT_FALSE(isFlagTrue(flag)) << flag;
}

}  // namespace
