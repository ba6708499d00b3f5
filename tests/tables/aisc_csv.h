#pragma once
// The AISC shapes database as the table tests read it: a line of column names, then one shape a line.
// It is not kept in the repository: the tests that read it skip when it is not there.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vdtest {

struct AiscCsv {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;

  explicit AiscCsv(const std::string& path) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
      if (header.empty() && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      std::vector<std::string> cells;
      std::stringstream ss(line + ",");  // a trailing comma still ends an (empty) cell
      for (std::string cell; std::getline(ss, cell, ',');) cells.push_back(cell);
      (header.empty() ? header : rows.emplace_back()) = std::move(cells);
    }
  }
  // The row's cell of a column; empty where the row is short.
  std::string cell(std::size_t row, const std::string& column) const {
    for (std::size_t i = 0; i < header.size(); ++i)
      if (header[i] == column) return i < rows[row].size() ? rows[row][i] : std::string();
    ADD_FAILURE() << "no column " << column;
    return {};
  }
};

}  // namespace vdtest
