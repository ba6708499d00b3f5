// The two W-shape beam forms, ASD ("WBM_Box") and LRFD ("WBM_LRFD"): one layout, two design routines.
#include <cmath>
#include <memory>

#include "frame/frame.h"
#include "platform/text_format.h"
#include "steel/shape_form.h"
#include "steel/w_beam_asd.h"
#include "steel/w_beam_lrfd.h"
#include "tables/property_sheets.h"

namespace vd {

namespace {


class WBeamForm : public BeamForm {
 public:
  using enum w_beam_form::Id;

  WBeamForm(AppState& s, bool lrfd)
      : BeamForm(s, lrfd ? "WBM_LRFD" : "WBM_Box",
                 lrfd ? "Flexural Design of a W shape Beam / LRFD:" : "Flexural Design of a W shape Beams:",
                 {List, Result, Calculate, Lightest, MaxDepth}, Status,
                 lrfd ? s.module<SteelBeamReportTexts>().wLrfd : s.module<SteelBeamReportTexts>().wAsd, "AISC",
                 "wideFlangeNum"),
        lrfd_(lrfd) {
    addLocationAndList(Location, 14);
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
    addResultAndButtons(false);
  }

  void opened(FormHost& host) override {
    BeamForm::opened(host);
    takeHandoff(host);
  }

  void changed(FormHost& host, int id) override {
    handoffFields_.changed(host, id);
    if (id != List) return;
    row_ = host.selection(List);
    const SectionRecord* r = sectionRow(ShapeTable::W, row_);
    if (!r) return;
    host.setText(Result, format(lrfd_ ? "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Web "
                                        "thickness =%.3f in,   k =%.3f in\r\n Flange width =%.3f in, thick =%.3f "
                                        "in\r\n Compact Section Criteria:\tbf/2tf =%.3f \t d/tw =%.3f\r\n\t rT =%.3f "
                                        "\t d/Af =%.3f\r\n Properties: Ixx =%.2f in^4,  Sxx =%.2f in^3,  Zxx =%.3f "
                                        "in^3\r\n"
                                      : "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Web "
                                        "thickness =%.3f in,   k =%.3f in\r\n Flange width =%.3f in, thick =%.3f "
                                        "in\r\n Compact Section Criteria:\tbf/2tf =%.3f \t d/tw =%.3f\r\n\t rT =%.3f "
                                        "\t d/Af =%.3f\r\n Elastic Properties: Ixx =%.2f in^4,  Sxx=%.3f in^3,  rxx=%.3f "
                                        "in\r\n",
                                usDesignation(ShapeTable::W, row_), metricDesignation(ShapeTable::W, row_),
                                double(r->d), double(r->tw), double(r->k), double(r->bf), double(r->tf),
                                double(r->bf2tf), double(r->dtw), double(r->rT), double(r->dAf), double(r->Ixx),
                                double(r->Sxx), lrfd_ ? double(r->Zxx) : double(r->rxx)) +
                             substituteLine(row_));
  }

 private:
  ShapeRows rows() const override { return {ShapeTable::W, 0, kWRowCount, "W", "WF_BM", sectionDepth}; }

  void loadInputs(FormHost& host) override {
    const Settings& st = state_.settings;
    for (const auto& [id, key] : {std::pair<int, const char*>{Moment, "moment"}, {Fy, "Fy"}, {Cb, "Cb"}, {Lb, "unBL"},
                                  {Pa, "Pa"}, {Shear, "shear"}, {Bearing, "bearing"}})
      host.setText(id, st.read("WF_BM", key));
    if (lrfd_) {
      host.setText(Fu, st.read("WF_BM", "Fu"));
      host.setEnabled(Pa, false);
      host.setEnabled(Bearing, false);
    }
  }

  double field(FormHost& host, int id) const { return host.number(id, 11); }

  // One line under the section summary when the row holds another shape's values; "" otherwise.
  static std::string substituteLine(int row) {
    const std::string note = substituteNote(ShapeTable::W, row);
    return note.empty() ? note : note + "\r\n";
  }

  // Both editions read the same fields; ASD adds the axial load and the bearing length, LRFD Fu.
  void calculate(FormHost& host) override {
    const double M = field(host, Moment);
    std::string notes;
    const double fy = kWBeamFy.apply(field(host, Fy), notes);
    const double fu = lrfd_ ? field(host, Fu) : 0.0;
    const double cb = (lrfd_ ? kLrfdCb : kAsdCb).apply(field(host, Cb), notes);
    const double lb = field(host, Lb);
    const double pa = lrfd_ ? 0.0 : field(host, Pa);
    const double N = lrfd_ ? 0.0 : field(host, Bearing);
    const double V = field(host, Shear);
    const DeflectionCheck deflection = handoffFields_.check(host);
    if (lrfd_ ? refused(host, {{"Moment=", M}, {"Fy=", fy}, {"Fu=", fu}, {"Unbraced length Lb=", lb}, {"Shear *=", V}},
                        nullptr, lb)
              : refused(host, {{"Moment=", M}, {"Fy=", fy}, {"Unbraced length Lb=", lb}, {"Axial Load Pa=", pa},
                               {"Shear *=", V}, {"End Bearing Length *=", N}},
                        nullptr, lb))
      return;
    const SectionRecord& r = calculationRow(host);
    const std::string location = host.text(Location, 251);

    std::string& text = padText_;
    if (lrfd_)
      text = format(
          "\r\n Flexural for \"W\" Shapes Based on the 3rd Ed. AISC LRFD\r\n Job number or ID: %s \r\n %s\r\n\r\n "
          "Moment =%.3lf kip-ft,  \t shear =%.2lf kips\r\n unbraced length =%.2lf ft \tCb =%.2lf,\r\n Fy =%.2lf ksi. "
          "\t Fu =%.2f ksi.\r\n%s\r\n",
          state_.jobNumber.c_str(), location.c_str(), M, V, lb, cb, fy, fu, notes.c_str());
    else
      text = format(
          "\r\n Flexural for \"W\" Shapes Based on the 9th Ed. AISC Allowable Stress Design\r\n Job number or ID: %s "
          "\r\n %s\r\n\r\n Moment =%.3lf kip-ft,  \t shear =%.2lf kips\r\n unbraced length =%.2lf ft,  \t P-axial "
          "=%.2lf kips, \tbearing length =%.3f inches\r\n Cb =%.2lf,  \tFy =%.2lf ksi.\r\n%s\r\n",
          state_.jobNumber.c_str(), location.c_str(), M, V, lb, pa, N, cb, fy, notes.c_str());
    if (const std::string from = handoffFields_.header(host, handoffFields_.largestMomentText(), true, lrfd_);
        !from.empty())
      text += from + "\r\n";
    const char* us = usDesignation(ShapeTable::W, row_);
    const char* metric = metricDesignation(ShapeTable::W, row_);
    if (lrfd_)
      appendf(text,
              "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n area =%.2f in^2,   depth =%.3f in,   web "
              "thickness =%.3f in,   k =%.3f in\r\n flange width =%.3f in,  thick =%.3f in\r\n Compact Section "
              "Criteria:\tbf/2tf =%.3f\t d/tw =%.3f\r\n\t rT =%.3f \t d/Af =%.3f \t h/tw =%.3f\r\n Properties: Ixx "
              "=%.2f in^4,  Sxx =%.3f in^3,  Zxx =%.3f in^3,  rxx =%.3f in\r\n",
              us, metric, double(r.A), double(r.d), double(r.tw), double(r.k), double(r.bf), double(r.tf),
              double(r.bf2tf), double(r.dtw), double(r.rT), double(r.dAf), double(r.htw), double(r.Ixx),
              double(r.Sxx), double(r.Zxx), double(r.rxx));
    else
      appendf(text,
              "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n area =%.2f in^2,   depth =%.3f in,   web "
              "thickness =%.3f in,   k =%.3f in\r\n flange width =%.3f in,  thick =%.3f in\r\n Compact Section "
              "Criteria:\tbf/2tf =%.3f\t d/tw =%.3f\r\n\t rT =%.3f \t d/Af =%.3f\r\n Elastic Properties: Ixx =%.2f "
              "in^4,  Sxx =%.3f in^3,  rxx =%.3f in\r\n",
              us, metric, double(r.A), double(r.d), double(r.tw), double(r.k), double(r.bf), double(r.tf),
              double(r.bf2tf), double(r.dtw), double(r.rT), double(r.dAf), double(r.Ixx), double(r.Sxx),
              double(r.rxx));
    text += substituteLine(row_);
    state_.settings.write("Project", "NOTE", location);
    storeValues({{"moment", M}, {"shear", V}, {"unBL", lb}, {"Cb", cb}, {"Fy", fy}});
    if (lrfd_)
      storeValues({{"Fu", fu}});
    else
      storeValues({{"Pa", pa}, {"bearing", N}});

    if (lrfd_) {
      WBeamLrfd beam(r, M, lb, cb, fy, fu, V);
      beam.setDeflectionCheck(deflection);
      showDesign(host, beam.design(), beam.result());
    } else {
      WBeamAsd beam(r, M, lb, pa, cb, fy, N, V);
      beam.setDeflectionCheck(deflection);
      showDesign(host, beam.design(), beam.result());
    }
  }

  // The design's report goes into the pane and after the header into the form's report.
  void showDesign(FormHost& host, const std::string& report, const DesignResult& result) {
    result_ = result;
    host.setText(Result, report);
    padText_ += report;
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
  bool lrfd_;
};

}  // namespace

std::unique_ptr<Form> makeWBeamForm(AppState& s, bool lrfd) { return std::make_unique<WBeamForm>(s, lrfd); }

}  // namespace vd
