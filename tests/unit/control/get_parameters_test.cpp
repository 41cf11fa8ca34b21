#include "control/get_parameters.h"

#include "scratch.h"
#include "util/file_utils.h"

using GetParametersTest = TempDirTest;

TEST_F(GetParametersTest, RepairFirstPutsBackTheControlFileAnInterruptedRunLeft) {
    writeFile("__kivold.control", "jvmName=JRE\n");
    EXPECT_EQ(GetParameters().convertLineEndings("kiv.control"), 1);
    EXPECT_EQ(readFile("kiv.control"), "jvmName=JRE\r\n");
    EXPECT_FALSE(fileExists("__kivold.control"));
}
