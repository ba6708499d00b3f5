#pragma once
// A scratch directory (current directory and settings file) per test, removed afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/all_forms.h"
#include "cli/script_runner.h"

namespace vdtest {

class ScratchDir : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() /
           ("vd_" + std::to_string(::getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::permissions(dir_, std::filesystem::perms::all);  // some tests act as another user here
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    // A test may have made the folder read-only.
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(dir_);
  }
  std::filesystem::path ini() const { return dir_ / "Vardelin.ini"; }
  static std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void put(const std::filesystem::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
  // How many entries the folder holds.
  std::size_t entries() const {
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) ++n, (void)e;
    return n;
  }
  // Runs script lines; returns what the CLI printed. Fails the test on a script error.
  std::string run(vd::ScriptRunner& r, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream err;
    EXPECT_EQ(r.runScript(in, err), 0) << err.str();
    return out_.str();
  }
  std::ostringstream out_;
  std::filesystem::path dir_, old_;
};

}  // namespace vdtest
