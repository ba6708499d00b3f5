// The double-angle strut form.
#include <memory>
#include <string>

#include "platform/text_format.h"
#include "steel/column_checks.h"
#include "steel/double_angle_strut.h"
#include "steel/member_form_support.h"
#include "steel/form_factories.h"

namespace vd {

namespace {

using namespace member_forms;

using namespace strut_form;
constexpr int kRoleGroup = 1, kGapGroup = 2;

class DoubleAngleStrutForm : public Form {
 public:
  explicit DoubleAngleStrutForm(AppState& s) : state_(s), layout_("DBLLCOL_Box", "Design of a Double-angles strut:") {
    FormLayout& l = layout_;
    member_forms::locationField(l, Location, "Location of this col:");
    l.newLine();
    l.list(List, "", 8).width = 18;
    l.newLine();
    maxDepthField(l, MaxDepth);
    l.newLine();
    l.edit(Fy, "Fy =", "ksi.").width = 10;
    l.newLine();
    l.edit(Kyy, "K_yy =").width = 10;
    l.edit(Lyy, "Unbraced length l_yy =", "ft.").width = 10;
    l.newLine();
    l.edit(Kxx, "K_xx =").width = 10;
    l.label("(Minor axis, x-x axis)");
    l.edit(Lxx, "Unbraced length l_xx =", "ft.").width = 10;
    l.newLine();
    l.label("E= 29000.0 ksi.");
    l.newLine();
    l.edit(Pa, "Axial Load Pa =", "kip.").width = 10;
    l.newLine();
    l.label("Column or brace type:");
    static const char* const kRoles[] = {"A column", "Seismic Zone 3 or 4", "A CBF brace", "A SCBF brace"};
    for (int i = 0; i < 4; ++i) {
      l.newLine();
      l.radio(RoleFirst + i, kRoles[i], kRoleGroup);
    }
    l.newLine();
    l.label("Seismic Zone 3 and 4 column specific:");
    l.newLine();
    l.edit(Dead, "Dead L.,", "kip").width = 10;
    l.edit(Live, "Live L.,", "kip").width = 10;
    l.edit(Quake, "EQ L.", "kip").width = 10;
    l.dropDown(RwList, "Rw=");
    l.newLine();
    l.label("Gap:");
    static const char* const kGaps[] = {"0 in", "3/8 in", "3/4 in"};
    for (int i = 0; i < 3; ++i) l.radio(GapFirst + i, kGaps[i], kGapGroup);
    l.newLine();
    l.pane(Result, "", 10).width = 70;
    l.newLine();
    l.button(Calculate, "Calculate").isDefault = true;
    lightestButton(l, Lightest);
    l.button(kOk, "OK");
  }

  const FormLayout& layout() const override { return layout_; }
  std::string candidates() const override { return candidates_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    host.setText(Location, st.read("Project", "Note", "", 250));
    host.setText(MaxDepth, st.read("DBLL_COL", "maxDepth"));
    host.setItems(List, designations(ShapeTable::Angle, kFirstDoubleAngleRow, kAngleRowCount));
    host.select(List, st.readInt("AISC", "DBLLNUM") - kFirstDoubleAngleRow);
    host.setItems(RwList, rwItems());
    host.select(RwList, 0);
    setRole(host, st.readInt("DBLL_COL", "CBF"));
    setGap(host, st.readInt("DBLL_COL", "GAP"));
    for (const auto& [id, key] : {std::pair<int, const char*>{Fy, "Fy"}, {Kyy, "k_yy"}, {Lyy, "l_yy"}, {Kxx, "k_xx"},
                                  {Lxx, "l_xx"}, {Pa, "Pa"}, {Dead, "dead"}, {Live, "live"}, {Quake, "seismic"}})
      host.setText(id, st.read("DBLL_COL", key));
  }

  void changed(FormHost& host, int id) override {
    if (id >= RoleFirst && id < RoleFirst + 4 && host.checked(id)) setRole(host, id - RoleFirst);
    if (id >= GapFirst && id < GapFirst + 3 && host.checked(id)) setGap(host, id - GapFirst);
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
      state_.settings.formatAndWrite("AISC", "DBLLNUM", "%9d", kFirstDoubleAngleRow + selectedOrFirst(host, List));
      state_.settings.write("Project", "Note", host.text(Location, 350));
      if (calculated_) {
        state_.report = workBuffer_;
        state_.result = result_;
      }
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  void setRole(FormHost& host, int role) {
    role_ = role >= 0 && role <= 3 ? role : 0;
    for (int i = 0; i < 4; ++i) host.setChecked(RoleFirst + i, i == role_);
    for (int id : {Dead, Live, Quake, RwList}) host.setEnabled(id, role_ == 1);
  }
  void setGap(FormHost& host, int gap) {
    gap_ = gap >= 0 && gap <= 2 ? gap : 0;
    for (int i = 0; i < 3; ++i) host.setChecked(GapFirst + i, i == gap_);
  }

  // Every 2L row through this form's Calculate; the lightest passing one is calculated. The depth is the
  // joined legs'.
  void pressLightest(FormHost& host) {
    FormSearch search;
    search.caption = layout_.title;
    search.what = "2L";
    search.section = "DBLL_COL";
    search.maxDepthId = MaxDepth;
    search.paneId = Result;
    candidates_ = pressLightestShape(host, state_, std::move(search), ShapeTable::Angle, kFirstDoubleAngleRow,
                                     kAngleRowCount, [](const SectionRecord& r) { return double(r.leg1); }, List,
                                     [this](FormHost& h) {
                                       result_ = DesignResult{};
                                       calculate(h);
                                       return result_;
                                     });
  }

  void calculate(FormHost& host) {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    const double fy = host.number(Fy), kyy = host.number(Kyy), lyy = host.number(Lyy), kxx = host.number(Kxx),
                 lxx = host.number(Lxx), pa = host.number(Pa), dead = host.number(Dead), live = host.number(Live),
                 quake = host.number(Quake);
    const int rw = rwFrom(host, RwList);
    const int row = kFirstDoubleAngleRow + selectedOrFirst(host, List);
    workBuffer_ = designHeader(state_, location, usDesignation(ShapeTable::Angle, row),
                               metricDesignation(ShapeTable::Angle, row), false);
    calculated_ = true;
    st.formatAndWrite("DBLL_COL", "CBF", "%d", role_);

    DoubleAngleStrut strut(*sectionRow(ShapeTable::Angle, row), lyy, kyy, pa, lxx, kxx, gap_, fy, role_, dead, live,
                           quake, rw);
    std::string error = strut.inputError();
    std::string report;
    if (error.empty()) {
      report = strut.design();
      if (hasNonFiniteNumber(report)) error = "The inputs are out of range: the design has no finite result.";
    }
    if (!error.empty()) {
      host.message("angles strut", error, MessageIcon::Stop);
      workBuffer_ += errorLine(error);
      host.setText(Result, workBuffer_);
      return;
    }
    result_ = strut.result();
    if (strut.stop() != DoubleAngleStrut::None) {
      // A slenderness limit that fails ends the design: its NO GOOD line is the report, no error box.
      workBuffer_ += report + "\r\n" + result_.summaryLine();
      host.setText(Result, workBuffer_);
      return;
    }
    if (!strut.restartText().empty()) workBuffer_ = strut.restartText();
    st.formatAndWrite("DBLL_COL", "Fy", "%.2lf", fy);
    st.formatAndWrite("DBLL_COL", "k_yy", "%.2lf", kyy);
    st.formatAndWrite("DBLL_COL", "l_yy", "%.3lf", lyy);
    st.formatAndWrite("DBLL_COL", "k_xx", "%.2lf", kxx);
    st.formatAndWrite("DBLL_COL", "l_xx", "%.3lf", lxx);
    st.formatAndWrite("DBLL_COL", "Pa", "%.2lf", pa);
    st.formatAndWrite("DBLL_COL", "GAP", "%d", gap_);
    st.formatAndWrite("DBLL_COL", "dead", "%.2lf", dead);
    st.formatAndWrite("DBLL_COL", "live", "%.2lf", live);
    st.formatAndWrite("DBLL_COL", "seismic", "%.2lf", quake);
    st.formatAndWrite("DBLL_COL", "Rw", "%d", rw - 4);
    workBuffer_ += report;
    host.setText(Result, workBuffer_);
  }

  AppState& state_;
  FormLayout layout_;
  int role_ = 0;
  int gap_ = 0;
  std::string workBuffer_;
  bool calculated_ = false;
  DesignResult result_;  // of the last calculation
  std::string candidates_;  // of the last "Lightest"
};

}  // namespace

std::unique_ptr<Form> makeDoubleAngleStrutForm(AppState& s) { return std::make_unique<DoubleAngleStrutForm>(s); }

}  // namespace vd
