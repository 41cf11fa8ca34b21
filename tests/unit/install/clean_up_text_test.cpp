#include "install/clean_up_text.h"

#include <string>

#include <gtest/gtest.h>

TEST(CleanUpTextTest, ManifestNamesMustStayInsideTheInstallation) {
    for (const char* inside : {"a.class", "lib/a.class", "lib\\..\\a.class", "./x", "a/b/../../c"}) {
        EXPECT_TRUE(staysInside(inside)) << inside;
    }
    for (const char* outside : {"", "../x", "lib/../../x", "\\windows\\x", "/x", "C:x", "c:\\x",
                                "\\\\server\\share\\x", "a/../.."}) {
        EXPECT_FALSE(staysInside(outside)) << outside;
    }
}

TEST(CleanUpTextTest, TreesThatMustNeverBeRemoved) {
    for (const char* root : {"", ".", "\\", "C:", "c:\\", "C:/", "\\\\server\\share", "\\\\server\\s\\"}) {
        EXPECT_TRUE(isRootPath(root)) << root;
    }
    for (const char* path : {"C:\\jvm", "\\\\server\\share\\jvm", "jvm"}) {
        EXPECT_FALSE(isRootPath(path)) << path;
    }
    EXPECT_TRUE(isWithin("C:\\Inst\\Dir", "c:/inst"));
    EXPECT_TRUE(isWithin("C:\\Inst", "C:\\INST\\"));
    EXPECT_FALSE(isWithin("C:\\Installer", "C:\\Inst"));
    EXPECT_FALSE(isWithin("C:\\Inst", "C:\\Inst\\jvm"));
}
