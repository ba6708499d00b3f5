#pragma once
// Table look-ups and the form fixture for the steel member tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/script_runner.h"
#include "frame/frame.h"
#include "steel/form_factories.h"
#include "steel/steel_forms.h"
#include "tables/steel_tables.h"

namespace smtest {

inline bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

inline const vd::SectionRecord& row(vd::ShapeTable table, const char* designation) {
  for (int i = 0; i < vd::rowCount(table); ++i)
    if (std::string(vd::usDesignation(table, i)) == designation) return *vd::sectionRow(table, i);
  ADD_FAILURE() << "no row " << designation;
  return *vd::sectionRow(table, 0);
}

// A scratch current directory and settings file, and a script runner over the member forms.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() /
           ("vd_sm_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
    settings_ = std::make_unique<vd::Settings>(dir_ / "Vardelin.ini");
    vd::registerFrameForms(registry_);
    vd::registerSteelForms(registry_);
    runner_ = std::make_unique<vd::ScriptRunner>(*settings_, out_, registry_);
  }
  void TearDown() override {
    runner_.reset();
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  void run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream err;
    EXPECT_EQ(runner_->runScript(in, err), 0) << err.str();
  }
  std::string messages() {
    out_.str("");
    run("show messages\n");
    return out_.str();
  }
  std::string ini(const char* section, const char* key) { return settings_->read(section, key, "<none>", 40); }
  std::string pad() { return runner_->padText(); }
  std::filesystem::path dir_, old_;
  std::unique_ptr<vd::Settings> settings_;
  vd::FormRegistry registry_;
  std::ostringstream out_;
  std::unique_ptr<vd::ScriptRunner> runner_;
};

}  // namespace smtest
