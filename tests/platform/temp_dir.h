#pragma once
// A fresh folder per test under the system's temporary folder, removed afterwards (made writable first).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vdtest {

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("vd_platform_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::permissions(dir, std::filesystem::perms::all);
  }
  void TearDown() override {
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(dir);
  }
  static std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void put(const std::filesystem::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
  std::size_t entries() const {
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) ++n, (void)e;
    return n;
  }
  std::filesystem::path dir;
};

}  // namespace vdtest
