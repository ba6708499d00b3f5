#pragma once
// Comma-separated values as RFC 4180 has them: fields in double quotes may hold commas, line ends and
// doubled quotes; records end with CRLF or LF. What batch runs read and write.
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct CsvRecord {
  int line = 0;  // the line of the text the record starts on, from 1
  std::vector<std::string> fields;
  // A blank line: one empty field.
  bool blank() const { return fields.size() == 1 && fields[0].empty(); }
};

// Splits the text into records; a leading UTF-8 byte-order mark is skipped. Returns "" or why the text is
// not CSV, naming the line ("line 4: a quoted field is not closed").
std::string parseCsv(std::string_view text, std::vector<CsvRecord>& records);

// One record as a line, each field in quotes when it holds a comma, a quote, a line end or blanks at an
// end; ends with "\n".
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace vd
