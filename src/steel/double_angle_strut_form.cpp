// The double-angle strut form: the column forms' role and seismic fields, and the gap between the
// angles.
#include <memory>
#include <string>

#include "platform/text_format.h"
#include "steel/double_angle_strut.h"
#include "steel/shape_form.h"

namespace vd {

namespace {

using namespace strut_form;

constexpr int kGapGroup = 2;

// The strut's role and seismic fields have the column forms' ids.
static_assert(int(RoleFirst) == int(column_form::RoleFirst) && int(Dead) == int(column_form::Dead) &&
              int(Live) == int(column_form::Live) && int(Quake) == int(column_form::Quake) &&
              int(RwList) == int(column_form::RwList));

class DoubleAngleStrutForm : public ColumnFormBase {
 public:
  explicit DoubleAngleStrutForm(AppState& s)
      : ColumnFormBase(s, "DBLLCOL_Box", "Design of a Double-angles strut:",
                       {List, Result, Calculate, Lightest, MaxDepth}) {
    rwFollowsRole_ = true;
    FormLayout& l = layout_;
    locationField(l, Location, "Location of this col:");
    l.newLine();
    l.list(List, "", 8).width = 18;
    addMaxDepth();
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
    addRoleAndSeismicGroups();
    l.newLine();
    l.label("Gap:");
    static const char* const kGaps[] = {"0 in", "3/8 in", "3/4 in"};
    for (int i = 0; i < 3; ++i) l.radio(GapFirst + i, kGaps[i], kGapGroup);
    addResultAndButtons();
  }

  void opened(FormHost& host) override {
    const Settings& st = state_.settings;
    openCommon(host, "DBLL_COL", "AISC", "DBLLNUM");
    setGap(host, st.readInt("DBLL_COL", "GAP"));
    for (const auto& [id, key] : {std::pair<int, const char*>{Fy, "Fy"}, {Kyy, "k_yy"}, {Lyy, "l_yy"}, {Kxx, "k_xx"},
                                  {Lxx, "l_xx"}, {Pa, "Pa"}, {Dead, "dead"}, {Live, "live"}, {Quake, "seismic"}})
      host.setText(id, st.read("DBLL_COL", key));
  }

  void changed(FormHost& host, int id) override {
    ColumnFormBase::changed(host, id);
    if (id >= GapFirst && id < GapFirst + 3 && host.checked(id)) setGap(host, id - GapFirst);
  }

 private:
  // The depth of a pair is its joined legs'.
  ShapeRows rows() const override {
    return {ShapeTable::Angle, kFirstDoubleAngleRow, kAngleRowCount, "2L", "DBLL_COL",
            [](const SectionRecord& r) { return double(r.leg1); }};
  }

  void setGap(FormHost& host, int gap) {
    gap_ = gap >= 0 && gap <= 2 ? gap : 0;
    for (int i = 0; i < 3; ++i) host.setChecked(GapFirst + i, i == gap_);
  }

  void accept(FormHost& host) override {
    state_.settings.formatAndWrite("AISC", "DBLLNUM", "%9d", tableRow(host));
    state_.settings.write("Project", "Note", host.text(Location, 350));
  }

  void calculate(FormHost& host) override {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    const double fy = host.number(Fy), kyy = host.number(Kyy), lyy = host.number(Lyy), kxx = host.number(Kxx),
                 lxx = host.number(Lxx), pa = host.number(Pa), dead = host.number(Dead), live = host.number(Live),
                 quake = host.number(Quake);
    const int rw = rwFrom(host, RwList);
    const int row = tableRow(host);
    padText_ = designHeader(state_, location, usDesignation(ShapeTable::Angle, row),
                            metricDesignation(ShapeTable::Angle, row), false);
    calculated_ = true;
    st.formatAndWrite("DBLL_COL", "CBF", "%d", role_);

    DoubleAngleStrut strut(*sectionRow(ShapeTable::Angle, row), lyy, kyy, pa, lxx, kxx, gap_, fy, role_, dead, live,
                           quake, rw);
    std::string error;
    const std::string report = design(strut, error);
    if (!error.empty()) {
      padText_ += refuse(host, "angles strut", error);
      host.setText(Result, padText_);
      return;
    }
    result_ = strut.result();
    if (strut.stop() != DoubleAngleStrut::None) {
      // A slenderness limit that fails ends the design: its NO GOOD line is the report, no error box.
      padText_ += report + "\r\n" + result_.summaryLine();
      host.setText(Result, padText_);
      return;
    }
    if (!strut.restartText().empty()) padText_ = strut.restartText();
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
    padText_ += report;
    host.setText(Result, padText_);
  }

  int gap_ = 0;
};

}  // namespace

std::unique_ptr<Form> makeDoubleAngleStrutForm(AppState& s) { return std::make_unique<DoubleAngleStrutForm>(s); }

}  // namespace vd
