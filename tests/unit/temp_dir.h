#pragma once
#include <direct.h>
#include <process.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
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
