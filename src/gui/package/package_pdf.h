#pragma once
// Calculation packages and the pad's report as PDF, drawn with Qt's painter (Qt Gui only, so the
// headless program writes the same file on Qt's offscreen platform). Every page has a header (project,
// job number, mark, date) and a footer ("Page n of N", the engineer); report text is set in a
// monospace font with tabs expanded and no ligatures, and a line wider than the page wraps with a
// continuation mark instead of being cut.
#include <filesystem>
#include <string>
#include <vector>

#include "jobs/job.h"
#include "platform/settings.h"

namespace vd::gui {

enum class Paper { Letter, A4 };
// "Jobs"/"Paper" in the settings store: "A4", otherwise US Letter.
Paper paperSetting(const Settings& settings);

// What every page's header and footer show.
struct PageTitle {
  std::string project, jobNumber, engineer;
};

// The continuation mark that starts the rest of a wrapped line.
inline constexpr const char* kContinuation = "\xC2\xBB ";  // "» "

// Lines of a report as printed: "\r\n" split, tabs expanded to 8 columns, each line wider than
// `columns` wrapped, its continuations starting with the continuation mark.
std::vector<std::string> printedLines(const std::string& report, int columns);

// The pad's report alone. False with the reason in `error` when the file could not be written.
bool writeReportPdf(const std::string& report, const PageTitle& title, Paper paper, const std::filesystem::path& file,
                    std::string& error);
// The job's package: cover, index, each calculation from a new page with its diagrams after its text.
bool writePackagePdf(const JobHeader& header, const std::vector<Calculation>& calcs, Paper paper,
                     const std::filesystem::path& file, std::string& error);
bool exportPackage(const Job& job, const std::filesystem::path& file, Paper paper, std::string& error);

// The code editions a form's calculation follows, for the cover ("" for tables and conversions).
std::string codeEdition(int command);

}  // namespace vd::gui
