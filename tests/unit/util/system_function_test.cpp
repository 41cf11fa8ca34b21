#include "util/system_function.h"

#include <gtest/gtest.h>

TEST(SystemFunctionTest, OnTheNineXFamilyTheWideAndTheNtOnlyFunctionsAreMissing) {
    const DWORD windows98 = 0xC0000A04, windows7 = 0x1DB10106;  // as GetVersion answers
    const struct { const char* module; const char* name; bool onNineX; } rows[] = {
        {"kernel32", "SetCurrentDirectoryW", false}, {"kernel32", "MoveFileExA", false},
        {"kernel32", "IsWow64Process", false},       {"advapi32", "RegQueryValueExW", false},
        {"advapi32", "GetTokenInformation", false},  {"advapi32", "OpenProcessToken", false},
        {"kernel32", "GetModuleFileNameA", true},    {"advapi32", "RegQueryValueExA", true},
    };
    for (const auto& row : rows) {
        HMODULE module = GetModuleHandleA(row.module);
        EXPECT_NE(runTimeFunction(module, row.name, windows7), nullptr) << row.name;
        EXPECT_EQ(runTimeFunction(module, row.name, windows98) != nullptr, row.onNineX) << row.name;
    }
}
