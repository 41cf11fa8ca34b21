#pragma once
// What the unit tests that touch the system share: a scratch directory and a
// scratch HKEY_LOCAL_MACHINE, and the files the code writes there.
#include <windows.h>
#include <direct.h>
#include <process.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "util/win_handles.h"

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The messages of a log file: its CR LF lines without the 24-character time
// stamp and the blank after it.
inline std::vector<std::string> logMessages(const std::string& file) {
    std::vector<std::string> messages;
    const std::string bytes = readFile(file);
    std::size_t start = 0, end;
    for (; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        messages.push_back(end - start >= 25 ? bytes.substr(start + 25, end - start - 25) : "<no stamp>");
    }
    return messages;
}

inline ::testing::AssertionResult logged(const std::string& file, const std::string& message) {
    const std::vector<std::string> messages = logMessages(file);
    if (std::find(messages.begin(), messages.end(), message) != messages.end()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << file << " lacks \"" << message << "\" among "
                                         << ::testing::PrintToString(messages);
}

// Each test runs in a fresh directory under the Windows temp directory, because
// the code under test works with relative names (changes.txt, trace files).
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        previous_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() /
               ("unit_" + std::to_string(_getpid()) + "_" + std::to_string(++counter));
        std::filesystem::create_directory(dir_);
        ASSERT_EQ(_chdir(dir_.string().c_str()), 0);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::filesystem::path dir_, previous_;
};

// HKEY_LOCAL_MACHINE, for this test process, is an empty scratch key under
// HKEY_CURRENT_USER: a test writes exactly the machine values the code reads,
// and the prefix's own keys, shared with the tests running beside it, stay.
class ScratchMachineTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, machine_.put(), nullptr), ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_.get()), ERROR_SUCCESS);
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        machine_.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
        TempDirTest::TearDown();
    }

    void setMachineValue(const std::string& subkey, const char* name, const std::string& text) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, subkey.c_str(), name, REG_SZ, text.c_str(),
                                  static_cast<DWORD>(text.size() + 1)), ERROR_SUCCESS);
    }
    // The text as written, or a marker when it is missing or too large.
    std::string machineValue(const std::string& subkey, const char* name) {
        char data[300] = {};
        DWORD size = sizeof(data);
        LONG status = RegGetValueA(HKEY_LOCAL_MACHINE, subkey.c_str(), name, RRF_RT_REG_SZ, nullptr,
                                   data, &size);
        return status == ERROR_SUCCESS ? data : status == ERROR_MORE_DATA ? "<large>" : "<missing>";
    }

    const std::string scratch_ = "Software\\UnitMachine" + std::to_string(_getpid());
    UniqueRegKey machine_;
};
