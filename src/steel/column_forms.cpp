// The three column forms: wide-flange, tube and pipe. They share the role radio buttons, the seismic
// load fields and the section list; each keeps its own settings keys and report flow.
#include <memory>
#include <string>

#include "platform/field_keys.h"
#include "platform/text_format.h"
#include "steel/column_checks.h"
#include "steel/member_form_support.h"
#include "steel/pipe_column.h"
#include "steel/form_factories.h"
#include "steel/tube_column.h"
#include "steel/w_column.h"
#include "tables/property_sheets.h"

namespace vd {

namespace {

using namespace member_forms;

using namespace column_form;
constexpr int kRoleGroup = 1;

// Layout, role handling and settings plumbing common to the three column forms.
class ColumnFormBase : public Form {
 public:
  const FormLayout& layout() const override { return layout_; }
  std::string candidates() const override { return candidates_; }

  void changed(FormHost& host, int id) override {
    if (id >= RoleFirst && id < RoleFirst + 4 && host.checked(id)) setRole(host, id - RoleFirst);
    if (id == List) listChanged(host);
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
      accept(host);
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 protected:
  ColumnFormBase(AppState& s, const char* templ, const char* title) : state_(s), layout_(templ, title) {}

  virtual void calculate(FormHost& host) = 0;
  virtual void accept(FormHost& host) = 0;
  virtual void listChanged(FormHost&) {}

  // What the "Lightest" button searches: the form's table, its name in the pane, the settings section
  // of the depth limit and the depth it limits.
  struct SearchTable {
    ShapeTable table;
    const char* what;
    const char* section;
    double (*depth)(const SectionRecord&);
  };
  virtual SearchTable searchTable() const = 0;

  // Every row of the table through this form's Calculate; the lightest passing one is calculated.
  void pressLightest(FormHost& host) {
    const SearchTable t = searchTable();
    FormSearch search;
    search.caption = layout_.title;
    search.what = t.what;
    search.section = t.section;
    search.maxDepthId = MaxDepth;
    search.paneId = Result;
    candidates_ = pressLightestShape(host, state_, std::move(search), t.table, 0, rowCount(t.table), t.depth, List,
                                     [this](FormHost& h) {
                                       result_ = DesignResult{};
                                       calculate(h);
                                       return result_;
                                     });
  }

  // The depth limit under the section list, kept with the form's other inputs.
  void addMaxDepth() {
    layout_.newLine();
    maxDepthField(layout_, MaxDepth);
  }

  void addRoleAndSeismicGroups() {
    layout_.newLine();
    layout_.label("Column or brace type:");
    static const char* const kRoles[] = {"A column", "Seismic Zone 3 or 4", "A CBF brace", "A SCBF brace"};
    for (int i = 0; i < 4; ++i) {
      layout_.newLine();
      layout_.radio(RoleFirst + i, kRoles[i], kRoleGroup);
    }
    layout_.newLine();
    layout_.label("Seismic Zone 3 and 4 column specific:");
    layout_.newLine();
    layout_.edit(Dead, "Dead L.,", "kip").width = 10;
    layout_.edit(Live, "Live L.,", "kip").width = 10;
    layout_.edit(Quake, "EQ L.", "kip").width = 10;
    layout_.dropDown(RwList, "Rw=");
  }

  void addResultAndButtons() {
    layout_.newLine();
    layout_.pane(Result, "", 10).width = 70;
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    lightestButton(layout_, Lightest);
    layout_.button(kOk, "OK");
  }

  void setRole(FormHost& host, int role) {
    role_ = static_cast<int>(columnRoleFrom(role));
    for (int i = 0; i < 4; ++i) host.setChecked(RoleFirst + i, i == role_);
    const bool seismic = role_ == static_cast<int>(ColumnRole::SeismicColumn);
    for (int id : {Dead, Live, Quake}) host.setEnabled(id, seismic);
    // The W and tube forms gray only the three loads; the pipe form grays its Rw list with them.
    if (rwFollowsRole_) host.setEnabled(RwList, seismic);
  }

  // Opening: role, Rw position, list and stored row, location.
  void openCommon(FormHost& host, ShapeTable table, const char* roleSection, const char* rowSection,
                  const char* rowKey) {
    setRole(host, state_.settings.readInt(roleSection, "CBF"));
    host.setItems(RwList, rwItems());
    host.select(RwList, state_.settings.readInt(roleSection, "Rw"));
    host.setItems(List, designations(table, 0, rowCount(table)));
    host.select(List, state_.settings.readInt(rowSection, rowKey));
    host.setText(Location, state_.settings.read("Project", "Note", "", 250));
    host.setText(MaxDepth, state_.settings.read(searchTable().section, "maxDepth"));
  }

  AppState& state_;
  FormLayout layout_;
  int role_ = 0;
  std::string report_;      // the design routine's text of the last Calculate
  std::string workBuffer_;  // header (or stop line) and report: what OK puts into the pad
  bool calculated_ = false;
  DesignResult result_;  // of the last calculation
  bool rwFollowsRole_ = false;
  std::string candidates_;  // of the last "Lightest"
};

// ---- Wide-flange column ----------------------------------------------------------------------

class WColumnForm : public ColumnFormBase {
 public:
  // Every stored field, for opening and for storing what a calculation used.
  static constexpr FieldKey kKeys[] = {{Fy, "Fyield", "%.2lf"}, {Kx, "k_xx", "%.2lf"}, {Lx, "l_xx", "%.2lf"},
                                      {Ky, "k_yy", "%.2lf"},   {Ly, "l_yy", "%.2lf"}, {Pa, "Paxial", "%.2lf"},
                                      {Dead, "dead", "%.2lf"}, {Live, "live", "%.2lf"}, {Quake, "seismic", "%.2lf"}};
  explicit WColumnForm(AppState& s) : ColumnFormBase(s, "WFCOL_Box", "Compression Design of a WF Column:") {
    member_forms::locationField(layout_, Location, "Location of this col:");
    layout_.newLine();
    layout_.list(List, "", 8).width = 12;
    addMaxDepth();
    layout_.newLine();
    layout_.edit(Fy, "Fy =", "ksi.").width = 10;
    layout_.newLine();
    layout_.edit(Kx, "K_xx =").width = 10;
    layout_.edit(Lx, "Unbraced length l_xx =", "ft.").width = 10;
    layout_.newLine();
    layout_.edit(Ky, "K_yy * =").width = 10;
    layout_.edit(Ly, "Unbraced length l_yy =", "ft.").width = 10;
    layout_.label("(Minor axis)");
    layout_.newLine();
    layout_.edit(Pa, "Axial Load Pa =", "kip.").width = 10;
    addRoleAndSeismicGroups();
    layout_.newLine();
    layout_.label("E= 29000.0 ksi.");
    addResultAndButtons();
  }

  void opened(FormHost& host) override {
    openCommon(host, ShapeTable::W, "WF_COL", "AISC", "wfNum");
    loadFields(host, state_.settings, "WF_COL", kKeys);
  }

 private:
  void listChanged(FormHost& host) override { host.setText(Result, report_); }
  SearchTable searchTable() const override {
    return {ShapeTable::W, "W", "WF_COL", [](const SectionRecord& r) { return double(r.d); }};
  }

  void calculate(FormHost& host) override {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    const double fy = host.number(Fy), ky = host.number(Ky), ly = host.number(Ly), kx = host.number(Kx),
                 lx = host.number(Lx), pa = host.number(Pa), dead = host.number(Dead), live = host.number(Live),
                 quake = host.number(Quake);
    const int rwPos = host.selection(RwList);
    const int rw = rwFrom(host, RwList);
    const int row = selectedOrFirst(host, List);
    workBuffer_ = designHeader(state_, location, usDesignation(ShapeTable::W, row),
                               metricDesignation(ShapeTable::W, row));
    // A substituted row says whose values it holds.
    if (const std::string note = substituteNote(ShapeTable::W, row); !note.empty()) workBuffer_ += note + "\r\n";
    st.formatAndWrite("WF_COL", "CBF", "%d", role_);
    storeFields(host, st, "WF_COL", kKeys);
    st.formatAndWrite("WF_COL", "Rw", "%d", rwPos < 0 ? 0 : rwPos);

    WColumnAsd column(*sectionRow(ShapeTable::W, row), kx, lx, ky, ly, pa, fy, dead, live, quake, role_, rw);
    std::string error = column.inputError();
    if (error.empty()) {
      report_ = column.design();
      result_ = column.result();
      if (hasNonFiniteNumber(report_)) error = "The inputs are out of range: the design has no finite result.";
    }
    calculated_ = true;
    if (!error.empty()) {
      host.message("WF column", error, MessageIcon::Stop);
      report_ = errorLine(error);
    } else if (!column.stopText().empty()) {
      workBuffer_ = column.stopText();
    }
    workBuffer_ += report_;
    host.setText(Result, workBuffer_);
  }

  void accept(FormHost& host) override {
    state_.settings.write("Project", "NOTE", host.text(Location, 350));
    state_.settings.formatAndWrite("AISC", "wfNum", "%d", selectedOrFirst(host, List));
    if (calculated_) {
      state_.report = workBuffer_;
      state_.result = result_;
    }
  }
};

// ---- Tube column -----------------------------------------------------------------------------

class TubeColumnForm : public ColumnFormBase {
 public:
  // The length keys are stored crosswise to the labels: the strong-axis fields under "_yy" keys.
  static constexpr FieldKey kKeys[] = {{Fy, "Fy", "%.2lf"},     {Kx, "k_yy", "%.2lf"}, {Lx, "l_yy", "%.2lf"},
                                      {Ky, "k_xx", "%.2lf"},   {Ly, "l_xx", "%.2lf"}, {Pa, "Pa", "%.2lf"},
                                      {Dead, "dead", "%.2lf"}, {Live, "live", "%.2lf"}, {Quake, "seismic", "%.2lf"}};
  explicit TubeColumnForm(AppState& s) : ColumnFormBase(s, "TSCOL_Box", "Compression Design of a Tube Column:") {
    member_forms::locationField(layout_, Location, "Location of this col:");
    layout_.newLine();
    layout_.list(List, "", 8).width = 18;
    addMaxDepth();
    layout_.newLine();
    layout_.edit(Fy, "Fy =", "ksi.").width = 10;
    layout_.newLine();
    layout_.edit(Kx, "K_xx =").width = 10;
    layout_.edit(Lx, "Unbraced length l_xx =", "ft.").width = 10;
    layout_.newLine();
    layout_.label("along the weak axis:");
    layout_.edit(Ky, "K_yy * =").width = 10;
    layout_.edit(Ly, "Unbraced length l_yy * =", "ft.").width = 10;
    layout_.newLine();
    layout_.edit(Pa, "Axial Load Pa =", "kip.").width = 10;
    addRoleAndSeismicGroups();
    layout_.newLine();
    layout_.label("E= 29000.0 ksi.");
    addResultAndButtons();
  }

  void opened(FormHost& host) override {
    openCommon(host, ShapeTable::Tube, "TUBE_COL", "AISC", "tubeNum");
    loadFields(host, state_.settings, "TUBE_COL", kKeys);
  }

 private:
  void listChanged(FormHost& host) override { host.setText(Result, report_); }
  SearchTable searchTable() const override {
    return {ShapeTable::Tube, "TS", "TUBE_COL", [](const SectionRecord& r) { return double(r.d); }};
  }

  void calculate(FormHost& host) override {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    const double fy = host.number(Fy), kx = host.number(Kx), lx = host.number(Lx), ky = host.number(Ky),
                 ly = host.number(Ly), pa = host.number(Pa), dead = host.number(Dead), live = host.number(Live),
                 quake = host.number(Quake);
    const int rwPos = host.selection(RwList);
    const int rw = rwFrom(host, RwList);
    const int row = selectedOrFirst(host, List);
    workBuffer_ = designHeader(state_, location, usDesignation(ShapeTable::Tube, row),
                               metricDesignation(ShapeTable::Tube, row));
    st.formatAndWrite("TUBE_COL", "CBF", "%d", role_);

    TubeColumnAsd column(*sectionRow(ShapeTable::Tube, row), kx, lx, ky, ly, pa, fy, dead, live, quake, role_, rw);
    std::string error = column.inputError();
    if (error.empty()) {
      report_ = column.design();
      result_ = column.result();
      if (hasNonFiniteNumber(report_)) error = "The inputs are out of range: the design has no finite result.";
    }
    calculated_ = true;
    if (!error.empty()) {
      host.message("tube column", error, MessageIcon::Stop);
      report_ = errorLine(error);
    } else if (!column.stopText().empty()) {
      workBuffer_ = column.stopText();
    }
    workBuffer_ += report_;
    host.setText(Result, workBuffer_);

    storeFields(host, st, "TUBE_COL", kKeys);
    st.formatAndWrite("TUBE_COL", "Rw", "%d", rwPos < 0 ? 0 : rwPos);
  }

  void accept(FormHost& host) override {
    state_.settings.formatAndWrite("AISC", "tubeNum", "%d", selectedOrFirst(host, List));
    state_.settings.write("Project", "NOTE", host.text(Location, 350));
    if (calculated_) {
      state_.report = workBuffer_;
      state_.result = result_;
    }
  }
};

// ---- Pipe column -----------------------------------------------------------------------------

class PipeColumnForm : public ColumnFormBase {
 public:
  static constexpr FieldKey kKeys[] = {{Fy, "Fyield", "%.2lf"}, {Kx, "k", "%.2lf"},       {Lx, "length", "%.3lf"},
                                      {Pa, "Pa", "%.3lf"},       {Dead, "dead", "%.2lf"}, {Live, "live", "%.2lf"},
                                      {Quake, "seismic", "%.2lf"}};
  explicit PipeColumnForm(AppState& s) : ColumnFormBase(s, "PCOL_Box", "Compression Design of a Pipe Column:") {
    rwFollowsRole_ = true;
    member_forms::locationField(layout_, Location, "This column is located at:");
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
    openCommon(host, ShapeTable::Pipe, "PIPE_COL", "AISC", "pipeNum");
    loadFields(host, state_.settings, "PIPE_COL", kKeys);
  }

 private:
  SearchTable searchTable() const override {
    return {ShapeTable::Pipe, "pipe", "PIPE_COL", [](const SectionRecord& r) { return double(r.D); }};
  }

  void calculate(FormHost& host) override {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    const double fy = host.number(Fy), k = host.number(Kx), length = host.number(Lx), pa = host.number(Pa),
                 dead = host.number(Dead), live = host.number(Live), quake = host.number(Quake);
    const int rwPos = host.selection(RwList);
    const int rw = rwFrom(host, RwList);
    const int row = selectedOrFirst(host, List);
    workBuffer_ = designHeader(state_, location, usDesignation(ShapeTable::Pipe, row),
                               metricDesignation(ShapeTable::Pipe, row));
    calculated_ = true;
    st.formatAndWrite("PIPE_COL", "CBF", "%d", role_);

    PipeColumn column(*sectionRow(ShapeTable::Pipe, row), length, k, pa, fy, role_, dead, live, quake, rw);
    std::string error = column.inputError();
    std::string report;
    if (error.empty()) {
      report = column.design();
      if (hasNonFiniteNumber(report)) error = "The inputs are out of range: the design has no finite result.";
    }
    if (!error.empty()) {
      host.message("pipe column", error, MessageIcon::Stop);
      workBuffer_ += errorLine(error);
      return;
    }
    result_ = column.result();
    if (column.stop() != PipeColumn::None) {
      // A slenderness limit that fails ends the design: its NO GOOD line is the report, no error box.
      report += "\r\n" + result_.summaryLine();
    }
    host.setText(Result, workBuffer_ + report);
    storeFields(host, st, "PIPE_COL", kKeys);
    st.formatAndWrite("PIPE_COL", "Rw", "%d", rwPos < 0 ? 0 : rwPos);
    workBuffer_ += report;
  }

  void accept(FormHost& host) override {
    state_.settings.formatAndWrite("AISC", "pipeNum", "%9d", selectedOrFirst(host, List));
    state_.settings.write("Project", "Note", host.text(Location, 350));
    if (calculated_) {
      state_.report = workBuffer_;
      state_.result = result_;
    }
  }
};

}  // namespace

std::unique_ptr<Form> makeWColumnForm(AppState& s) { return std::make_unique<WColumnForm>(s); }
std::unique_ptr<Form> makeTubeColumnForm(AppState& s) { return std::make_unique<TubeColumnForm>(s); }
std::unique_ptr<Form> makePipeColumnForm(AppState& s) { return std::make_unique<PipeColumnForm>(s); }

}  // namespace vd
