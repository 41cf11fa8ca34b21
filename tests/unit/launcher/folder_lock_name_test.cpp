#include "launcher/folder_lock_name.h"

#include <string>

#include <gtest/gtest.h>

TEST(FolderLockNameTest, OneNamePerFolderWhateverTheLetterCaseAndNoBackslash) {
    const std::string name = folderLockName("C:\\Temp\\Acme Setup");
    EXPECT_EQ(name, folderLockName("c:\\TEMP\\acme setup"));
    EXPECT_NE(name, folderLockName("C:\\Temp\\Acme Setup2"));
    EXPECT_NE(name, folderLockName("C:\\Temp"));
    EXPECT_EQ(name.find('\\'), std::string::npos);
    EXPECT_EQ(folderLockName(std::string(5000, '\\')).size(), name.size());
}
