#include "cli/csv.h"

namespace vd {

std::string parseCsv(std::string_view text, std::vector<CsvRecord>& records) {
  records.clear();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::size_t i = 0;
  int line = 1;
  // A line end at i: its length (CRLF, LF or a lone CR), 0 when there is none.
  auto lineEnd = [&](std::size_t at) -> std::size_t {
    if (at >= text.size()) return 0;
    if (text[at] == '\n') return 1;
    if (text[at] == '\r') return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    return 0;
  };
  while (i < text.size()) {
    CsvRecord record;
    record.line = line;
    for (;;) {
      std::string field;
      if (i < text.size() && text[i] == '"') {
        const int opened = line;
        ++i;
        for (;;) {
          if (i >= text.size()) return "line " + std::to_string(opened) + ": a quoted field is not closed";
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              field += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          if (lineEnd(i) == 1) ++line;  // LF, or a CR alone; a CRLF counts at its LF
          field += text[i++];
        }
        if (i < text.size() && text[i] != ',' && lineEnd(i) == 0)
          return "line " + std::to_string(line) + ": text after the closing quote of a field";
      } else {
        while (i < text.size() && text[i] != ',' && lineEnd(i) == 0) {
          if (text[i] == '"')
            return "line " + std::to_string(line) +
                   ": a quote inside a field that does not start with one (quote the whole field, double the quote)";
          field += text[i++];
        }
      }
      record.fields.push_back(std::move(field));
      if (i < text.size() && text[i] == ',') {
        ++i;
        continue;
      }
      break;
    }
    if (const std::size_t n = lineEnd(i); n > 0) {
      i += n;
      ++line;
    }
    records.push_back(std::move(record));
  }
  return {};
}

std::string csvLine(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t f = 0; f < fields.size(); ++f) {
    const std::string& s = fields[f];
    if (f > 0) out += ',';
    const bool quote = s.find_first_of(",\"\r\n") != std::string::npos ||
                       (!s.empty() && (s.front() == ' ' || s.back() == ' ' || s.front() == '\t' || s.back() == '\t'));
    if (!quote) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out + "\n";
}

}  // namespace vd
