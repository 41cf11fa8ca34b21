#include "jvm/setup/installer_arguments.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

TEST(InstallerArgumentsTest, WordsWithTheJvmDirectoryEachQuotedByTheControlFilesRule) {
    using Words = std::vector<std::string>;
    const std::string dir = "C:\\Program Files\\Acme\\jre";
    EXPECT_EQ(installerArguments("", dir), Words());
    EXPECT_EQ(installerArguments("/s  INSTALLDIR=[$JvmDir] /L=[$JvmDir]\\log.txt", dir),
              (Words{"/s", "\"INSTALLDIR=C:\\Program Files\\Acme\\jre\"",
                     "\"/L=C:\\Program Files\\Acme\\jre\\log.txt\""}));
    // The author's own quotes: the word stays as written, so the value may be quoted alone.
    EXPECT_EQ(installerArguments("INSTALLDIR=\"[$JvmDir]\"", dir), Words{"INSTALLDIR=\"" + dir + "\""});
    // A directory that ends in a backslash keeps its closing quote a quote.
    EXPECT_EQ(installerArguments("/D=[$JvmDir]", "C:\\a b\\"), Words{"\"/D=C:\\a b\\\\\""});
    EXPECT_EQ(installerArguments("[$JvmDir][$JvmDir]", "[$JvmDir]"), Words{"[$JvmDir][$JvmDir]"});
}
