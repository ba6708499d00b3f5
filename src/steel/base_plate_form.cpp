// The base plate form.
#include <memory>
#include <string>

#include "platform/text_format.h"
#include "steel/base_plate.h"
#include "steel/column_checks.h"
#include "steel/member_form_support.h"
#include "steel/form_factories.h"
#include "tables/property_sheets.h"

namespace vd {

namespace {


enum Id { Location = 101, List, Fy, N, B, PierN, PierB, Fc, P, Result = 130, Calculate };

class BasePlateForm : public Form {
 public:
  explicit BasePlateForm(AppState& s) : state_(s), layout_("BASEPL_Box", "Steel Baseplate for a WF Column:") {
    FormLayout& l = layout_;
    locationField(l, Location, "Location of this col:");
    l.newLine();
    l.list(List, "", 8).width = 12;
    l.newLine();
    l.edit(Fy, "Fy =", "ksi\t  E= 29000.0 ksi").width = 10;
    l.newLine();
    l.edit(N, "N, side along the web =", "in.").width = 10;
    l.newLine();
    l.edit(B, "B, side along the flange =", "in.").width = 10;
    l.newLine();
    l.label("Concrete Pier:");
    l.edit(PierN, "side along N =", "in.").width = 10;
    l.edit(PierB, "side along B =", "in.").width = 10;
    l.edit(Fc, "f'c =", "ksi.").width = 10;
    l.newLine();
    l.edit(P, "P, axial  =", "kips.").width = 10;
    l.newLine();
    l.pane(Result, "", 10).width = 70;
    l.newLine();
    l.button(Calculate, "Calculate").isDefault = true;
    l.button(kOk, "OK");
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    host.setText(Location, st.read("Project", "Note", "", 250));
    host.setItems(List, designations(ShapeTable::W, 0, kWRowCount));
    host.select(List, st.readInt("BASEPL", "wfNum"));
    for (const auto& [id, key] : {std::pair<int, const char*>{P, "Paxial"}, {Fy, "Fyield"}, {N, "Nside"},
                                  {B, "Bside"}, {PierN, "NPS"}, {PierB, "BPS"}, {Fc, "FPC"}})
      host.setText(id, st.read("BASEPL", key));
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == kOk) {
      state_.settings.formatAndWrite("BASEPL", "wfNum", "%d", rowForCalculate(host, List, ShapeTable::W));
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
  void calculate(FormHost& host) {
    Settings& st = state_.settings;
    const std::string location = host.text(Location, 350);
    BasePlateInput in;
    in.Fy = host.number(Fy);
    in.N = host.number(N);
    in.B = host.number(B);
    in.N2 = host.number(PierN);
    in.B2 = host.number(PierB);
    in.fc = host.number(Fc);
    in.P = host.number(P);
    const int row = rowForCalculate(host, List, ShapeTable::W);
    const SectionRecord& rec = *sectionRow(ShapeTable::W, row);
    in.d = rec.d;
    in.bf = rec.bf;
    workBuffer_ = designHeader(state_, location, usDesignation(ShapeTable::W, row), metricDesignation(ShapeTable::W, row));
    // A substituted row says whose values it holds.
    if (const std::string note = substituteNote(ShapeTable::W, row); !note.empty()) workBuffer_ += note + "\r\n";
    calculated_ = true;
    st.write("Project", "Note", location);
    st.formatAndWrite("BASEPL", "Paxial", "%.2lf", in.P);
    st.formatAndWrite("BASEPL", "Fyield", "%.1lf", in.Fy);
    st.formatAndWrite("BASEPL", "Nside", "%.3lf", in.N);
    st.formatAndWrite("BASEPL", "Bside", "%.3lf", in.B);
    st.formatAndWrite("BASEPL", "NPS", "%.3lf", in.N2);
    st.formatAndWrite("BASEPL", "BPS", "%.3lf", in.B2);
    st.formatAndWrite("BASEPL", "FPC", "%.3lf", in.fc);

    std::string error = basePlateInputError(in);
    BasePlateResult result;
    if (error.empty()) {
      result = designBasePlate(in);
      if (hasNonFiniteNumber(result.report) || hasNonFiniteNumber(result.message))
        error = "The inputs are out of range: the plate has no finite result.";
    }
    if (!error.empty()) {
      workBuffer_ += refuse(host, "Steel Baseplate", MessageIcon::Stop, error);
    } else if (!result.bearingOk) {
      // An overstressed pier is a check that fails, reported with its verdict; no error box.
      workBuffer_ += "\r\n" + result.message + "\r\n" + result.result.summaryLine();
    } else {
      workBuffer_ += result.report;
    }
    result_ = result.result;
    host.setText(Result, workBuffer_);
  }

  AppState& state_;
  FormLayout layout_;
  std::string workBuffer_;
  bool calculated_ = false;
  DesignResult result_;  // of the last calculation
};

}  // namespace

std::unique_ptr<Form> makeBasePlateForm(AppState& s) { return std::make_unique<BasePlateForm>(s); }

}  // namespace vd
