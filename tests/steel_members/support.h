#pragma once
// Hand-calculation helpers and fixtures for the steel member tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/script_runner.h"
#include "frame/frame.h"
#include "steel/form_factories.h"
#include "steel/steel_forms.h"
#include "tables/steel_tables.h"

namespace smtest {

// Allowable axial stress of the 9th edition ASD, written out from the textbook form of E2-1 and E2-2.
// E2-1 / E2-2, or with Q < 1 A-B5-11 / A-B5-12: Cc' = sqrt(2 pi^2 E/(Q Fy)) and no Q in the elastic range.
inline double handFa(double klr, double Fy, double Q = 1.0) {
  const double pi = 3.14159265358979323846, E = 29000.0;
  const double Cc = std::sqrt(2.0 * pi * pi * E / (Q * Fy));
  if (klr <= Cc) {
    const double ratio = klr / Cc;
    return Q * (1.0 - ratio * ratio / 2.0) * Fy / (5.0 / 3.0 + 3.0 * ratio / 8.0 - ratio * ratio * ratio / 8.0);
  }
  return 12.0 * pi * pi * E / (23.0 * klr * klr);
}

inline double handCc(double Fy) {
  const double pi = 3.14159265358979323846;
  return std::sqrt(2.0 * pi * pi * 29000.0 / Fy);
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
    out.push_back(text.substr(start, pos - start));
  out.push_back(text.substr(start));
  return out;
}

inline bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// The number printed right after `label` in a report (first occurrence at or after `from`).
inline double numberAfter(const std::string& text, const std::string& label, std::size_t from = 0) {
  const std::size_t pos = text.find(label, from);
  if (pos == std::string::npos) {
    ADD_FAILURE() << "no '" << label << "' in report";
    return NAN;
  }
  return std::strtod(text.c_str() + pos + label.size(), nullptr);
}

inline const vd::SectionRecord& row(vd::ShapeTable table, const char* designation) {
  for (int i = 0; i < vd::rowCount(table); ++i)
    if (std::string(vd::usDesignation(table, i)) == designation) return *vd::sectionRow(table, i);
  ADD_FAILURE() << "no row " << designation;
  return *vd::sectionRow(table, 0);
}

inline int rowIndex(vd::ShapeTable table, const char* designation) {
  for (int i = 0; i < vd::rowCount(table); ++i)
    if (std::string(vd::usDesignation(table, i)) == designation) return i;
  return -1;
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
  std::string iniText() {
    std::ifstream in(dir_ / "Vardelin.ini", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  std::filesystem::path dir_, old_;
  std::unique_ptr<vd::Settings> settings_;
  vd::FormRegistry registry_;
  std::ostringstream out_;
  std::unique_ptr<vd::ScriptRunner> runner_;
};

}  // namespace smtest
