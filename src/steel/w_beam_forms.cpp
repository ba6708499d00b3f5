// The two W-shape beam forms, ASD ("WBM_Box") and LRFD ("WBM_LRFD"): one layout, two design routines.
#include <cmath>
#include <memory>

#include "frame/frame.h"
#include "platform/report_lines.h"
#include "platform/text_format.h"
#include "steel/beam_form_support.h"
#include "steel/form_factories.h"
#include "steel/member_form_support.h"
#include "steel/w_beam_asd.h"
#include "steel/w_beam_lrfd.h"
#include "tables/property_sheets.h"

namespace vd {

namespace {

// The W beam checks are written for mild and high-strength steels from 33 to 50 ksi.
constexpr const char* kFyRule = "the W beam checks take Fy from 33 to 50 ksi";

class WBeamForm : public Form {
 public:
  using enum w_beam_form::Id;

  WBeamForm(AppState& s, bool lrfd)
      : state_(s),
        lrfd_(lrfd),
        layout_(lrfd ? "WBM_LRFD" : "WBM_Box",
                lrfd ? "Flexural Design of a W shape Beam / LRFD:" : "Flexural Design of a W shape Beams:") {
    Control& loc = layout_.add(ControlKind::MultiEdit, Location, "Location of this beam:");
    loc.width = 40;
    loc.height = 3;
    layout_.newLine();
    layout_.list(List, "", 10).width = 14;
    layout_.newLine();
    maxDepthField(layout_, MaxDepth);
    layout_.newLine();
    layout_.edit(Moment, "Moment=", "kip-ft");
    layout_.newLine();
    layout_.edit(Fy, "Fy=", "ksi");
    if (lrfd_) layout_.edit(Fu, "Fu=", "ksi");
    layout_.newLine();
    layout_.edit(Cb, "Cb=");
    layout_.newLine();
    layout_.edit(Lb, "Unbraced length Lb=", "ft");
    layout_.newLine();
    Control& pa = layout_.edit(Pa, "Axial Load Pa=", "kip");
    pa.enabled = !lrfd_;
    pa.optional = true;  // no axial load
    layout_.newLine();
    layout_.edit(Shear, "Shear *=", "kip");
    layout_.newLine();
    layout_.edit(Bearing, "End Bearing Length *=", "in").enabled = !lrfd_;
    layout_.newLine();
    layout_.text(ETxt, "E=   29000.0   ksi");
    handoffFields_.addTo(layout_);
    layout_.newLine();
    layout_.pane(Result, "", 14).width = 80;
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    lightestButton(layout_, Lightest);
    layout_.button(kOk, "OK");
    layout_.newLine();
    layout_.statusBar(Status);
  }

  const FormLayout& layout() const override { return layout_; }
  std::string candidates() const override { return candidates_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    row_ = readRowIndex(st, "AISC", "wideFlangeNum");
    host.setText(MaxDepth, st.read("WF_BM", "maxDepth"));
    showLastBeam(host, state_);
    host.setText(Location, st.read("Project", "Note", "", 250));
    host.setText(Moment, st.read("WF_BM", "moment"));
    host.setText(Fy, st.read("WF_BM", "Fy"));
    host.setText(Cb, st.read("WF_BM", "Cb"));
    host.setText(Lb, st.read("WF_BM", "unBL"));
    host.setText(Pa, st.read("WF_BM", "Pa"));
    host.setText(Shear, st.read("WF_BM", "shear"));
    host.setText(Bearing, st.read("WF_BM", "bearing"));
    if (lrfd_) {
      host.setText(Fu, st.read("WF_BM", "Fu"));
      host.setEnabled(Pa, false);
      host.setEnabled(Bearing, false);
    }
    fillShapeList(host, List, ShapeTable::W, row_);
    takeHandoff(host);
  }

  void changed(FormHost& host, int id) override {
    handoffFields_.changed(host, id);
    if (id != List) return;
    row_ = host.selection(List);
    const SectionRecord* r = sectionRow(ShapeTable::W, row_);
    if (!r) return;
    const char* us = usDesignation(ShapeTable::W, row_);
    const char* metric = metricDesignation(ShapeTable::W, row_);
    std::string summary;
    if (lrfd_)
      summary = format(
          "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Web thickness =%.3f "
          "in,   k =%.3f in\r\n Flange width =%.3f in, thick =%.3f in\r\n Compact Section "
          "Criteria:\tbf/2tf =%.3f \t d/tw =%.3f\r\n\t rT =%.3f \t d/Af =%.3f\r\n Properties: Ixx "
          "=%.2f in^4,  Sxx =%.2f in^3,  Zxx =%.3f in^3\r\n",
          us, metric, double(r->d), double(r->tw), double(r->k), double(r->bf), double(r->tf), double(r->bf2tf),
          double(r->dtw), double(r->rT), double(r->dAf), double(r->Ixx), double(r->Sxx), double(r->Zxx));
    else
      summary = format(
          "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Web thickness =%.3f "
          "in,   k =%.3f in\r\n Flange width =%.3f in, thick =%.3f in\r\n Compact Section "
          "Criteria:\tbf/2tf =%.3f \t d/tw =%.3f\r\n\t rT =%.3f \t d/Af =%.3f\r\n Elastic Properties: "
          "Ixx =%.2f in^4,  Sxx=%.3f in^3,  rxx=%.3f in\r\n",
          us, metric, double(r->d), double(r->tw), double(r->k), double(r->bf), double(r->tf), double(r->bf2tf),
          double(r->dtw), double(r->rT), double(r->dAf), double(r->Ixx), double(r->Sxx), double(r->rxx));
    host.setText(Result, summary + substituteLine(row_));
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      lrfd_ ? calculateLrfd(host) : calculateAsd(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
      state_.settings.formatAndWrite("AISC", "wideFlangeNum", "%d", row_);
      state_.report = reportText();
      state_.result = result_;
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  std::string& reportText() {
    SteelBeamReportTexts& t = state_.module<SteelBeamReportTexts>();
    return lrfd_ ? t.wLrfd : t.wAsd;
  }

  double field(FormHost& host, int id) const { return host.number(id, 11); }

  // Every W, M and S row through this form's Calculate; the lightest passing one is calculated.
  void pressLightest(FormHost& host) {
    FormSearch search;
    search.caption = layout_.title;
    search.what = "W";
    search.section = "WF_BM";
    search.maxDepthId = MaxDepth;
    search.paneId = Result;
    candidates_ = member_forms::pressLightestShape(host, state_, std::move(search), ShapeTable::W, 0, kWRowCount,
                                     [](const SectionRecord& r) { return double(r.d); }, List, [this](FormHost& h) {
                                       result_ = DesignResult{};
                                       pressed(h, Calculate);
                                       return result_;
                                     });
  }

  // One line under the section summary when the row holds another shape's values; "" otherwise.
  static std::string substituteLine(int row) {
    const std::string note = substituteNote(ShapeTable::W, row);
    return note.empty() ? note : note + "\r\n";
  }

  // Refuses values no calculation can use; true when the inputs may be designed.
  bool accept(FormHost& host, std::initializer_list<FieldValue> values, double lb) {
    std::string why = outOfRange(values);
    if (why.empty() && lb < 0.0) why = "The unbraced length Lb cannot be negative.";
    if (why.empty()) return true;
    reportText() = refuse(host, why);
    host.setText(Result, reportText());
    return false;
  }

  void calculateAsd(FormHost& host) {
    const double M = field(host, Moment);
    std::string notes;
    const double fy = limitValue(field(host, Fy), 33.0, 50.0, "Fy", "ksi", kFyRule, notes);
    const double cb = limitValue(field(host, Cb), 0.4, 2.3, "Cb", "", "AISC ASD F1.3: Cb at most 2.3; below 0.4 taken as 0.4", notes);
    const double lb = field(host, Lb);
    const double pa = field(host, Pa);
    const double N = field(host, Bearing);
    const double V = field(host, Shear);
    const DeflectionCheck deflection = handoffFields_.check(host);
    if (!accept(host, {{"Moment=", M}, {"Fy=", fy}, {"Unbraced length Lb=", lb}, {"Axial Load Pa=", pa},
                       {"Shear *=", V}, {"End Bearing Length *=", N}},
                lb))
      return;
    row_ = rowForCalculate(host, List, ShapeTable::W);
    const SectionRecord& r = *sectionRow(ShapeTable::W, row_);
    const std::string location = host.text(Location, 251);

    std::string& text = reportText();
    text = format(
        "\r\n Flexural for \"W\" Shapes Based on the 9th Ed. AISC Allowable Stress Design\r\n Job number or ID: %s "
        "\r\n %s\r\n\r\n Moment =%.3lf kip-ft,  \t shear =%.2lf kips\r\n unbraced length =%.2lf ft,  \t P-axial "
        "=%.2lf kips, \tbearing length =%.3f inches\r\n Cb =%.2lf,  \tFy =%.2lf ksi.\r\n%s\r\n",
        state_.jobNumber.c_str(), location.c_str(), M, V, lb, pa, N, cb, fy, notes.c_str());
    if (const std::string from = handoffFields_.header(host, handoffFields_.largestMomentText(), true, false);
        !from.empty())
      text += from + "\r\n";
    Settings& st = state_.settings;
    st.write("Project", "NOTE", location);
    appendf(text,
            "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n area =%.2f in^2,   depth =%.3f in,   web thickness "
            "=%.3f in,   k =%.3f in\r\n flange width =%.3f in,  thick =%.3f in\r\n Compact Section "
            "Criteria:\tbf/2tf =%.3f\t d/tw =%.3f\r\n\t rT =%.3f \t d/Af =%.3f\r\n Elastic Properties: Ixx =%.2f "
            "in^4,  Sxx =%.3f in^3,  rxx =%.3f in\r\n",
            usDesignation(ShapeTable::W, row_), metricDesignation(ShapeTable::W, row_), double(r.A), double(r.d),
            double(r.tw), double(r.k), double(r.bf), double(r.tf), double(r.bf2tf), double(r.dtw), double(r.rT),
            double(r.dAf), double(r.Ixx), double(r.Sxx), double(r.rxx));
    text += substituteLine(row_);
    st.formatAndWrite("WF_BM", "moment", "%.2lf", M);
    st.formatAndWrite("WF_BM", "shear", "%.2lf", V);
    st.formatAndWrite("WF_BM", "unBL", "%.2lf", lb);
    st.formatAndWrite("WF_BM", "Cb", "%.2lf", cb);
    st.formatAndWrite("WF_BM", "Fy", "%.2lf", fy);
    st.formatAndWrite("WF_BM", "Pa", "%.2lf", pa);
    st.formatAndWrite("WF_BM", "bearing", "%.2lf", N);

    WBeamAsd beam(r, M, lb, pa, cb, fy, N, V);
    beam.setDeflectionCheck(deflection);
    state_.report = beam.design();
    result_ = beam.result();
    host.setText(Result, state_.report);
    text += state_.report;
  }

  void calculateLrfd(FormHost& host) {
    const double M = field(host, Moment);
    std::string notes;
    const double fy = limitValue(field(host, Fy), 33.0, 50.0, "Fy", "ksi", kFyRule, notes);
    const double fu = field(host, Fu);
    const double cb = limitValue(field(host, Cb), 1.0, 2.3, "Cb", "", "Cb is taken from 1.0 to 2.3", notes);
    const double lb = field(host, Lb);
    const double V = field(host, Shear);
    const DeflectionCheck deflection = handoffFields_.check(host);
    if (!accept(host, {{"Moment=", M}, {"Fy=", fy}, {"Fu=", fu}, {"Unbraced length Lb=", lb}, {"Shear *=", V}}, lb))
      return;
    row_ = rowForCalculate(host, List, ShapeTable::W);
    const SectionRecord& r = *sectionRow(ShapeTable::W, row_);
    const std::string location = host.text(Location, 251);

    std::string& text = reportText();
    text = format(
        "\r\n Flexural for \"W\" Shapes Based on the 3rd Ed. AISC LRFD\r\n Job number or ID: %s \r\n %s\r\n\r\n "
        "Moment =%.3lf kip-ft,  \t shear =%.2lf kips\r\n unbraced length =%.2lf ft \tCb =%.2lf,\r\n Fy =%.2lf ksi. "
        "\t Fu =%.2f ksi.\r\n%s\r\n",
        state_.jobNumber.c_str(), location.c_str(), M, V, lb, cb, fy, fu, notes.c_str());
    if (const std::string from = handoffFields_.header(host, handoffFields_.largestMomentText(), true, true);
        !from.empty())
      text += from + "\r\n";
    appendf(text,
            "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n area =%.2f in^2,   depth =%.3f in,   web thickness "
            "=%.3f in,   k =%.3f in\r\n flange width =%.3f in,  thick =%.3f in\r\n Compact Section "
            "Criteria:\tbf/2tf =%.3f\t d/tw =%.3f\r\n\t rT =%.3f \t d/Af =%.3f \t h/tw =%.3f\r\n Properties: Ixx "
            "=%.2f in^4,  Sxx =%.3f in^3,  Zxx =%.3f in^3,  rxx =%.3f in\r\n",
            usDesignation(ShapeTable::W, row_), metricDesignation(ShapeTable::W, row_), double(r.A), double(r.d),
            double(r.tw), double(r.k), double(r.bf), double(r.tf), double(r.bf2tf), double(r.dtw), double(r.rT),
            double(r.dAf), double(r.htw), double(r.Ixx), double(r.Sxx), double(r.Zxx), double(r.rxx));
    text += substituteLine(row_);
    Settings& st = state_.settings;
    st.write("Project", "NOTE", location);
    st.formatAndWrite("WF_BM", "moment", "%.2lf", M);
    st.formatAndWrite("WF_BM", "shear", "%.2lf", V);
    st.formatAndWrite("WF_BM", "unBL", "%.2lf", lb);
    st.formatAndWrite("WF_BM", "Cb", "%.2lf", cb);
    st.formatAndWrite("WF_BM", "Fy", "%.2lf", fy);
    st.formatAndWrite("WF_BM", "Fu", "%.2lf", fu);

    WBeamLrfd beam(r, M, lb, cb, fy, fu, V);
    beam.setDeflectionCheck(deflection);
    state_.report = beam.design();
    result_ = beam.result();
    host.setText(Result, state_.report);
    text += state_.report;
  }

  // A pending hand-off from a beam analysis fills the design values (magnitudes: the signs are in the
  // report's header) and, unless typed over, the unbraced length between the supports.
  void takeHandoff(FormHost& host) {
    const BeamHandoff* h = handoffFields_.take(host, state_.beamHandoff);
    if (!h) return;
    handoffFields_.fill(host, Moment, std::fabs(h->moment), 3);
    handoffFields_.fill(host, Shear, std::fabs(h->shear), 3);
    handoffFields_.fill(host, Cb, h->hasCb ? h->cb : 1.0, 2, false);
    handoffFields_.fill(host, Lb, h->unbracedLength, 3);
  }

  HandoffFields handoffFields_{FromAnalysis, DeflectionLimit, TypedLimit};
  AppState& state_;
  bool lrfd_;
  FormLayout layout_;
  int row_ = 0;
  DesignResult result_;  // of the last calculation
  std::string candidates_;  // of the last "Lightest"
};

}  // namespace

std::unique_ptr<Form> makeWBeamForm(AppState& s, bool lrfd) { return std::make_unique<WBeamForm>(s, lrfd); }

}  // namespace vd
