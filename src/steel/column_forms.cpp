// The three column forms: wide-flange, tube and pipe. They share the role radio buttons, the seismic
// load fields and the section list (ColumnFormBase); each keeps its own settings keys and report flow.
#include <memory>
#include <string>

#include "platform/field_keys.h"
#include "platform/text_format.h"
#include "steel/pipe_column.h"
#include "steel/shape_form.h"
#include "steel/tube_column.h"
#include "steel/w_column.h"
#include "tables/property_sheets.h"

namespace vd {

namespace {

using namespace column_form;

constexpr ShapeFormIds kIds{List, Result, Calculate, Lightest, MaxDepth};

// The W and tube columns: a header naming the section, then the report; a brace that stops on its
// slenderness shows the stop line in place of the header.
class AxesColumnForm : public ColumnFormBase {
 protected:
  AxesColumnForm(AppState& s, const char* templ, const char* title, const char* caption, const char* section,
                 std::span<const FieldKey> keys)
      : ColumnFormBase(s, templ, title, kIds), caption_(caption), section_(section), keys_(keys) {}

  // The length fields along both axes and the axial load; `weakLabel` sits before the weak axis (tube)
  // or `minorNote` after it (W).
  void addColumnFields(int listWidth, const char* weakLabel, const char* lyLabel, const char* minorNote) {
    locationField(layout_, Location, "Location of this col:");
    layout_.newLine();
    layout_.list(List, "", 8).width = listWidth;
    addMaxDepth();
    layout_.newLine();
    layout_.edit(Fy, "Fy =", "ksi.").width = 10;
    layout_.newLine();
    layout_.edit(Kx, "K_xx =").width = 10;
    layout_.edit(Lx, "Unbraced length l_xx =", "ft.").width = 10;
    layout_.newLine();
    if (weakLabel) layout_.label(weakLabel);
    layout_.edit(Ky, "K_yy * =").width = 10;
    layout_.edit(Ly, lyLabel, "ft.").width = 10;
    if (minorNote) layout_.label(minorNote);
    layout_.newLine();
    layout_.edit(Pa, "Axial Load Pa =", "kip.").width = 10;
    addRoleAndSeismicGroups();
    layout_.newLine();
    layout_.label("E= 29000.0 ksi.");
    addResultAndButtons();
  }

  void opened(FormHost& host) override {
    openCommon(host, section_, "AISC", rowKey());
    loadFields(host, state_.settings, section_, keys_);
  }
  void listChanged(FormHost& host) override { host.setText(Result, report_); }

  virtual const char* rowKey() const = 0;
  // A line after the header (the W column: whose values a substituted row holds).
  virtual std::string headerNote(int) const { return {}; }

  template <class Column>
  void calculateColumn(FormHost& host) {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    const double fy = host.number(Fy), kx = host.number(Kx), lx = host.number(Lx), ky = host.number(Ky),
                 ly = host.number(Ly), pa = host.number(Pa), dead = host.number(Dead), live = host.number(Live),
                 quake = host.number(Quake);
    const int rwPos = host.selection(RwList);
    const int rw = rwFrom(host, RwList);
    const ShapeTable table = rows().table;
    const int row = tableRow(host);
    padText_ = designHeader(state_, location, usDesignation(table, row), metricDesignation(table, row)) +
               headerNote(row);
    st.formatAndWrite(section_, "CBF", "%d", role_);
    storeFields(host, st, section_, keys_);
    st.formatAndWrite(section_, "Rw", "%d", rwPos < 0 ? 0 : rwPos);

    Column column(*sectionRow(table, row), kx, lx, ky, ly, pa, fy, dead, live, quake, role_, rw);
    std::string error;
    report_ = design(column, error);
    result_ = column.result();
    calculated_ = true;
    if (!error.empty())
      report_ = refuse(host, caption_, error);
    else if (!column.stopText().empty())
      padText_ = column.stopText();
    padText_ += report_;
    host.setText(Result, padText_);
  }

  // OK stores the row and the location; the report is the last Calculate's.
  void storeRowAndNote(FormHost& host, bool noteFirst) {
    if (noteFirst) state_.settings.write("Project", "NOTE", host.text(Location, 350));
    state_.settings.formatAndWrite("AISC", rowKey(), "%d", tableRow(host));
    if (!noteFirst) state_.settings.write("Project", "NOTE", host.text(Location, 350));
  }

 private:
  const char* caption_;
  const char* section_;
  std::span<const FieldKey> keys_;
};

// ---- Wide-flange column ----------------------------------------------------------------------

class WColumnForm : public AxesColumnForm {
 public:
  // Every stored field, for opening and for storing what a calculation used.
  static constexpr FieldKey kKeys[] = {{Fy, "Fyield", "%.2lf"}, {Kx, "k_xx", "%.2lf"}, {Lx, "l_xx", "%.2lf"},
                                      {Ky, "k_yy", "%.2lf"},   {Ly, "l_yy", "%.2lf"}, {Pa, "Paxial", "%.2lf"},
                                      {Dead, "dead", "%.2lf"}, {Live, "live", "%.2lf"}, {Quake, "seismic", "%.2lf"}};
  explicit WColumnForm(AppState& s)
      : AxesColumnForm(s, "WFCOL_Box", "Compression Design of a WF Column:", "WF column", "WF_COL", kKeys) {
    addColumnFields(12, nullptr, "Unbraced length l_yy =", "(Minor axis)");
  }

 private:
  ShapeRows rows() const override { return {ShapeTable::W, 0, kWRowCount, "W", "WF_COL", sectionDepth}; }
  const char* rowKey() const override { return "wfNum"; }
  // A substituted row says whose values it holds.
  std::string headerNote(int row) const override {
    const std::string note = substituteNote(ShapeTable::W, row);
    return note.empty() ? note : note + "\r\n";
  }
  void calculate(FormHost& host) override { calculateColumn<WColumnAsd>(host); }
  void accept(FormHost& host) override { storeRowAndNote(host, true); }
};

// ---- Tube column -----------------------------------------------------------------------------

class TubeColumnForm : public AxesColumnForm {
 public:
  // The length keys are stored crosswise to the labels: the strong-axis fields under "_yy" keys.
  static constexpr FieldKey kKeys[] = {{Fy, "Fy", "%.2lf"},     {Kx, "k_yy", "%.2lf"}, {Lx, "l_yy", "%.2lf"},
                                      {Ky, "k_xx", "%.2lf"},   {Ly, "l_xx", "%.2lf"}, {Pa, "Pa", "%.2lf"},
                                      {Dead, "dead", "%.2lf"}, {Live, "live", "%.2lf"}, {Quake, "seismic", "%.2lf"}};
  explicit TubeColumnForm(AppState& s)
      : AxesColumnForm(s, "TSCOL_Box", "Compression Design of a Tube Column:", "tube column", "TUBE_COL", kKeys) {
    addColumnFields(18, "along the weak axis:", "Unbraced length l_yy * =", nullptr);
  }

 private:
  ShapeRows rows() const override { return {ShapeTable::Tube, 0, kTubeRowCount, "TS", "TUBE_COL", sectionDepth}; }
  const char* rowKey() const override { return "tubeNum"; }
  void calculate(FormHost& host) override { calculateColumn<TubeColumnAsd>(host); }
  void accept(FormHost& host) override { storeRowAndNote(host, false); }
};

// ---- Pipe column -----------------------------------------------------------------------------

class PipeColumnForm : public ColumnFormBase {
 public:
  static constexpr FieldKey kKeys[] = {{Fy, "Fyield", "%.2lf"}, {Kx, "k", "%.2lf"},       {Lx, "length", "%.3lf"},
                                      {Pa, "Pa", "%.3lf"},       {Dead, "dead", "%.2lf"}, {Live, "live", "%.2lf"},
                                      {Quake, "seismic", "%.2lf"}};
  explicit PipeColumnForm(AppState& s)
      : ColumnFormBase(s, "PCOL_Box", "Compression Design of a Pipe Column:", kIds) {
    rwFollowsRole_ = true;
    locationField(layout_, Location, "This column is located at:");
    layout_.newLine();
    layout_.list(List, "", 8).width = 12;
    addMaxDepth();
    layout_.newLine();
    layout_.edit(Fy, "Fy=", "ksi. ").width = 10;
    layout_.label("E= 29000.0 ksi.");
    layout_.newLine();
    layout_.edit(Kx, "K =").width = 10;
    layout_.edit(Lx, "Unbraced length l =", "ft.").width = 10;
    layout_.newLine();
    layout_.edit(Pa, "Axial Load Pa=", "kip.").width = 10;
    addRoleAndSeismicGroups();
    addResultAndButtons();
  }

  void opened(FormHost& host) override {
    openCommon(host, "PIPE_COL", "AISC", "pipeNum");
    loadFields(host, state_.settings, "PIPE_COL", kKeys);
  }

 private:
  ShapeRows rows() const override {
    return {ShapeTable::Pipe, 0, rowCount(ShapeTable::Pipe), "pipe", "PIPE_COL",
            [](const SectionRecord& r) { return double(r.D); }};
  }

  void calculate(FormHost& host) override {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    const double fy = host.number(Fy), k = host.number(Kx), length = host.number(Lx), pa = host.number(Pa),
                 dead = host.number(Dead), live = host.number(Live), quake = host.number(Quake);
    const int rwPos = host.selection(RwList);
    const int rw = rwFrom(host, RwList);
    const int row = tableRow(host);
    padText_ = designHeader(state_, location, usDesignation(ShapeTable::Pipe, row),
                            metricDesignation(ShapeTable::Pipe, row));
    calculated_ = true;
    st.formatAndWrite("PIPE_COL", "CBF", "%d", role_);

    PipeColumn column(*sectionRow(ShapeTable::Pipe, row), length, k, pa, fy, role_, dead, live, quake, rw);
    std::string error;
    std::string report = design(column, error);
    if (!error.empty()) {
      padText_ += refuse(host, "pipe column", error);
      host.setText(Result, padText_);
      return;
    }
    result_ = column.result();
    if (column.stop() != PipeColumn::None) {
      // A slenderness limit that fails ends the design: its NO GOOD line is the report, no error box.
      report += "\r\n" + result_.summaryLine();
    }
    host.setText(Result, padText_ + report);
    storeFields(host, st, "PIPE_COL", kKeys);
    st.formatAndWrite("PIPE_COL", "Rw", "%d", rwPos < 0 ? 0 : rwPos);
    padText_ += report;
  }

  void accept(FormHost& host) override {
    state_.settings.formatAndWrite("AISC", "pipeNum", "%9d", tableRow(host));
    state_.settings.write("Project", "Note", host.text(Location, 350));
  }
};

}  // namespace

std::unique_ptr<Form> makeWColumnForm(AppState& s) { return std::make_unique<WColumnForm>(s); }
std::unique_ptr<Form> makeTubeColumnForm(AppState& s) { return std::make_unique<TubeColumnForm>(s); }
std::unique_ptr<Form> makePipeColumnForm(AppState& s) { return std::make_unique<PipeColumnForm>(s); }

}  // namespace vd
