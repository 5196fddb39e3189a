#pragma once
// A test fixture that gives each test a folder of its own under the test temporary folder,
// removed afterwards (also when a test took permissions away).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/common/remove_tree.h"

namespace tarvik {

class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::path(::testing::TempDir()) /
                  ("tarvik_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                   std::to_string(getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { RemoveTestTree(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }

    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    std::filesystem::path folder_;
};

}  // namespace tarvik
