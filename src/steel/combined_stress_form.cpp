// The combined-stresses form. Its fields come in a grid: row 0 the axial stresses (fa, Fa), row 1 the
// X-X bending values and row 2 the Y-Y ones, so that equal labels ("fb=", "Fb=") stay addressable.
#include <memory>
#include <string>

#include "platform/text_format.h"
#include "steel/column_checks.h"
#include "steel/combined_stress.h"
#include "steel/member_form_support.h"
#include "steel/form_factories.h"

namespace vd {

namespace {

using namespace combined_stress_form;

struct BendingField {
  const char* label;
  const char* unit;
  const char* xKey;
  const char* yKey;
};
constexpr BendingField kBending[6] = {
    {"fb=", "", "fbx", "fby"}, {"k=", "", "kx", "ky"},   {"Lb=", "ft.", "lbx", "lby"},
    {"r=", "in.", "rx", "ry"}, {"Cm=", "", "cmx", "cmy"}, {"Fb=", "ksi.", "Fbxa", "Fbya"},
};

class CombinedStressForm : public Form {
 public:
  explicit CombinedStressForm(AppState& s) : state_(s), layout_("StCombined_Box", "Design Steel Combined Stresses:") {
    FormLayout& l = layout_;
    locationField(l, Location, "Location of this column:");
    Control& job = l.readOnly(JobNum, "Job Num:");
    job.width = 24;  // the whole job number (kJobNumberLength)
    job.isText = true;
    l.newLine();
    l.label("Axial load:");
    l.cell(FaComputed, "fa=", 0, 0).width = 10;
    l.cell(FaAllowable, "Fa=", 0, 1).width = 10;
    l.newLine();
    l.edit(Fy, "Fy=", "ksi").width = 10;
    for (int axis = 0; axis < 2; ++axis) {
      l.newLine();
      l.label(axis == 0 ? "X-X bending:" : "Y-Y bending:");
      for (int i = 0; i < 6; ++i) {
        Control& c = l.cell((axis == 0 ? XFirst : YFirst) + i, kBending[i].label, axis + 1, i);
        c.unit = kBending[i].unit;
        c.width = 8;
      }
    }
    l.newLine();
    l.pane(Result, "", 10).width = 70;
    l.newLine();
    l.button(Calculate, "Calculate").isDefault = true;
    l.button(kCancel, "Cancel");
    l.button(kOk, "OK");
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    host.setText(Location, st.read("Project", "Note", "", 250));
    host.setText(JobNum, state_.jobNumber);
    host.setText(FaComputed, st.read("COMB_COL", "fa"));
    host.setText(FaAllowable, st.read("COMB_COL", "Faa"));
    host.setText(Fy, st.read("COMB_COL", "Fyield"));
    for (int i = 0; i < 6; ++i) {
      host.setText(XFirst + i, st.read("COMB_COL", kBending[i].xKey));
      host.setText(YFirst + i, st.read("COMB_COL", kBending[i].yKey));
    }
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == kOk) {
      if (calculated_) {
        state_.report = format(" Job number or ID: %s\r\n ", state_.jobNumber.c_str());
        state_.report += host.text(Location, 250);
        state_.report += "\r\n";
        state_.report += report_;
        state_.result = result_;
      }
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  void calculate(FormHost& host) {
    Settings& st = state_.settings;
    const double fa = host.number(FaComputed), Fa = host.number(FaAllowable), fy = host.number(Fy);
    double x[6], y[6];
    for (int i = 0; i < 6; ++i) {
      x[i] = host.number(XFirst + i);
      y[i] = host.number(YFirst + i);
    }
    st.formatAndWrite("COMB_COL", "fa", "%.2lf", fa);
    st.formatAndWrite("COMB_COL", "Faa", "%.2lf", Fa);
    st.formatAndWrite("COMB_COL", "Fyield", "%.2lf", fy);
    for (int i = 0; i < 6; ++i) {
      st.formatAndWrite("COMB_COL", kBending[i].xKey, "%.2lf", x[i]);
      st.formatAndWrite("COMB_COL", kBending[i].yKey, "%.2lf", y[i]);
    }
    st.write("Project", "Note", host.text(Location, 350));

    CombinedStress cs(fa, Fa, fy, x[0], x[1], x[2], x[3], x[4], x[5], y[0], y[1], y[2], y[3], y[4], y[5]);
    std::string error = cs.inputError();
    if (error.empty()) {
      report_ = cs.report();
      result_ = cs.result();
      if (hasNonFiniteNumber(report_)) error = "The inputs are out of range: the check has no finite result.";
    }
    if (!error.empty()) {
      report_ = vd::refuse(host, "Combined Stresses", MessageIcon::Stop, error);
    }
    calculated_ = true;
    host.setText(Result, report_);
  }

  AppState& state_;
  FormLayout layout_;
  std::string report_;
  DesignResult result_;  // of the last calculation
  bool calculated_ = false;
};

}  // namespace

std::unique_ptr<Form> makeCombinedStressForm(AppState& s) { return std::make_unique<CombinedStressForm>(s); }

}  // namespace vd
