#pragma once
// The lightest-section search every design form can offer: the form's own calculation run on each row of
// a section table, the lightest rows that pass kept with their weight and governing ratio.
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/report_lines.h"
#include "platform/settings.h"

namespace vd {

// One row of the table searched: its index in the form's list, its name, its weight (lb/ft, plf...) and
// its depth (in), which the maximum-depth limit compares.
struct SearchRow {
  int row;
  std::string name;
  double weight;
  double depth;
};

// A row the calculation was run on, with the result it gave.
struct Candidate {
  int row;
  std::string name;
  double weight;
  DesignResult result;
};

struct SearchLimits {
  double maxDepth = 0.0;  // 0: no limit
  std::size_t count = 5;  // how many passing rows to keep
};

struct LightestResult {
  std::vector<Candidate> passing;     // lightest first (equal weights in table order), at most `count`
  std::optional<Candidate> heaviest;  // when none passes: the heaviest row checked, with its failing check
  int considered = 0;                 // rows within the limits
  // The pane text: the passing rows, or why there is none. `what` names the rows ("W", "2x sawn"),
  // `unit` the weight's.
  std::string text(const std::string& what, const SearchLimits& limits, const char* unit = "lb/ft") const;
};

// Runs `design(row)` on the rows within the limits, lightest first, until `count` of them pass (the
// rest are heavier and are not run). `design` is the form's own calculation with its inputs as they
// stand; a row it cannot calculate returns a failing result.
LightestResult lightestPassing(const std::vector<SearchRow>& rows, const std::function<DesignResult(int row)>& design,
                               const SearchLimits& limits = {});

// ---- A search through a form's own calculation ----------------------------------------------------

// The window a form's calculation sees while a search runs it on one row: it starts as the real window
// and remembers what is put into it (a list row, a size's dimensions) until the next row, but shows
// nothing to the user; the first error the calculation would have shown is kept as the reason the row
// cannot be designed.
class ProbeHost final : public FormHost {
 public:
  explicit ProbeHost(FormHost& real) : real_(real) {}

  // Forgets what the last row put in and its error.
  void reset();
  // The first error message since the reset, "" when there was none.
  const std::string& refusal() const { return refusal_; }

  std::string text(int id, std::size_t capacity = 256) const override;
  void setText(int id, std::string_view text) override { texts_[id] = std::string(text); }
  void setItems(int, const std::vector<std::string>&) override {}
  int selection(int id) const override;
  void select(int id, int index) override { selections_[id] = index; }
  std::string itemText(int id, int index) const override { return real_.itemText(id, index); }
  bool checked(int id) const override { return real_.checked(id); }
  void setChecked(int, bool) override {}
  void setEnabled(int, bool) override {}
  bool isEnabled(int id) const override { return real_.isEnabled(id); }
  void setStatus(int, std::string_view) override {}
  void showPicture(int, const std::filesystem::path&) override {}
  void close(bool) override {}
  const FormLayout& formLayout() const override { return real_.formLayout(); }
  void message(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None) override;
  bool askYesNo(std::string_view, std::string_view) override { return false; }

 private:
  FormHost& real_;
  std::map<int, std::string> texts_;
  std::map<int, int> selections_;
  std::string refusal_;
};

// Runs `run(probe, row)` — the form putting the row in place and running its own calculation through
// `probe` — on the rows within the limits, lightest first (as lightestPassing). Nothing is stored in
// `settings` meanwhile; a row whose calculation shows an error fails with that error as its check.
LightestResult searchThroughForm(FormHost& host, Settings& settings, const std::vector<SearchRow>& rows,
                                 const SearchLimits& limits,
                                 const std::function<DesignResult(ProbeHost& probe, int row)>& run);

// The "Lightest" button (beside Calculate) and the optional depth limit of the search.
Control& lightestButton(FormLayout& layout, int id);
Control& maxDepthField(FormLayout& layout, int id);

// The limits from the depth field (empty: none); false, after saying why, when it holds a negative depth.
// A field that holds no number throws FieldError as every field read does.
bool readLimits(FormHost& host, int maxDepthId, std::string_view caption, SearchLimits& limits);

// Puts the search's pane text above what the pane shows now (the report of the row calculated).
void showAbove(FormHost& host, int paneId, const std::string& candidates);

// What a form's "Lightest" button searches and where it shows the outcome.
struct FormSearch {
  std::string caption;        // of the message box
  std::string what;           // names the rows in the pane text ("W", "2x-4x sawn")
  const char* unit = "lb/ft";  // of the weight
  const char* section = "";   // settings section that keeps the depth limit
  int maxDepthId = 0;
  int paneId = 0;             // the candidates show above the report there
  std::vector<SearchRow> rows;
  // Puts a row in place in `host` (a ProbeHost during the search, the window at the end: selects it in
  // the list, types its dimensions...) and presses the form's own Calculate, returning that calculation's
  // result. Row -1 puts back what the form showed before the search.
  std::function<DesignResult(FormHost& host, int row)> calculate;
  // Puts back what `calculate` changed outside the window (a wood form's current member) when a field
  // that holds no number stops the search before any row is chosen. Empty: nothing to put back.
  std::function<void()> restore;
};

// The "Lightest" button: reads the depth limit, runs the search through the form's own calculation, then
// calculates the lightest passing row in the window (or, when none passes, the row shown before, and
// says why none passes). Returns the pane text, "" when the limit was refused. A FieldError from a field
// read runs `search.restore` and goes on to the caller, which shows it as every Calculate does.
std::string pressLightest(FormHost& host, Settings& settings, const FormSearch& search);

}  // namespace vd
