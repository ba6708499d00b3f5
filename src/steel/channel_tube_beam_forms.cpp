// The channel beam ("CHBM_Box") and tube beam ("TUBEBM_Box") forms.
#include <memory>

#include "platform/text_format.h"
#include "steel/channel_tube_beams.h"
#include "steel/shape_form.h"

namespace vd {

namespace {


class ChannelBeamForm : public BeamForm {
 public:
  using enum channel_beam_form::Id;

  explicit ChannelBeamForm(AppState& s)
      : BeamForm(s, "CHBM_Box", "Flexural Design of a W shape:", {List, Result, Calculate, Lightest, MaxDepth}, Status,
                 s.module<SteelBeamReportTexts>().channel, "AISC", "channelNum") {
    addLocationAndList(Location, 14);
    layout_.edit(Moment, "Moment=", "kip-ft");
    layout_.newLine();
    layout_.edit(Fy, "Fy=", "ksi");
    layout_.newLine();
    layout_.edit(Cb, "Cb=");
    layout_.newLine();
    layout_.edit(Lb, "Unbraced length Lb=", "ft");
    layout_.newLine();
    layout_.edit(Shear, "Shear *=", "kip");
    layout_.newLine();
    layout_.edit(Bearing, "End Bearing Length *=", "in");
    layout_.newLine();
    layout_.text(ETxt, "E=   29000.0   ksi");
    addResultAndButtons(false);
  }

  void changed(FormHost& host, int id) override {
    if (id != List) return;
    row_ = host.selection(List);
    const SectionRecord* r = sectionRow(ShapeTable::Channel, row_);
    if (!r) return;
    host.setText(Result, format("    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in \t Web thickness "
                                "=%.3f in\r\n Flange width =%.3f in,  thick =%.3f in\r\n Compact Section Criteria:\t  "
                                "d/Af =%.3f\r\n Elastic Properties: Ixx =%9.2f in^4,  Sxx =%.3f in^3,  rxx =%.3f "
                                "in\r\n Shear Center Location:  eo =%.3f in\r\n",
                                usDesignation(ShapeTable::Channel, row_), metricDesignation(ShapeTable::Channel, row_),
                                double(r->d), double(r->tw), double(r->bf), double(r->tf), double(r->dAf),
                                double(r->Ixx), double(r->Sxx), double(r->rxx), double(r->eo)));
  }

 private:
  ShapeRows rows() const override { return {ShapeTable::Channel, 0, kChannelRowCount, "C", "CH_BM", sectionDepth}; }

  void loadInputs(FormHost& host) override {
    for (const auto& [id, key] : {std::pair<int, const char*>{Moment, "moment"}, {Fy, "Fyield"}, {Cb, "Cb"},
                                  {Lb, "unBL"}, {Shear, "shear"}, {Bearing, "bearing"}})
      host.setText(id, state_.settings.read("CH_BM", key));
  }

  void calculate(FormHost& host) override {
    const double M = host.number(Moment, 11);
    std::string notes;
    const double fy = kChannelFy.apply(host.number(Fy, 11), notes);
    const double cb = kAsdCb.apply(host.number(Cb, 11), notes);
    const double lb = host.number(Lb, 11);
    const double V = host.number(Shear, 11);
    const double N = host.number(Bearing, 11);
    if (refused(host, {{"Moment=", M}, {"Fy=", fy}, {"Unbraced length Lb=", lb}, {"Shear *=", V},
                       {"End Bearing Length *=", N}},
                nullptr, lb))
      return;
    const SectionRecord& r = calculationRow(host);
    const std::string location = host.text(Location, 251);

    state_.settings.write("Project", "NOTE", location);
    storeValues({{"moment", M}, {"shear", V}, {"unBL", lb}, {"Cb", cb}, {"Fyield", fy}, {"bearing", N}});

    std::string& text = padText_;
    text = format(
        "\r\n Flexural for \"C\" Shapes Based on the 9th Ed. AISC Allowable Stress Design Job number or ID: %s \r\n "
        "%s\r\n\r\n Moment =%.3f kip-ft",
        state_.jobNumber.c_str(), location.c_str(), M);
    if (V > 0.0) appendf(text, ",   shear force =%.2f kip ", V);
    appendf(text, "\r\n unbraced length =%.2f ft \t Cb =%.2f\r\n Fy =%.2f ksi.\r\n%s\r\n", lb, cb, fy, notes.c_str());
    appendf(text,
            "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth=%.3f in \t Web thickness=%8.3f in\r\n Flange "
            "width=%8.3f in, thick=%8.3f in\r\n Compact Section Criteria:\t  d/Af=%8.3f\r\n Elastic Properties: "
            "Ixx=%9.2f in^4, Sxx=%8.3f in^3, rxx=%7.3f in\r\n Shear Center Location:  eo = %8.3f in\r\n",
            usDesignation(ShapeTable::Channel, row_), metricDesignation(ShapeTable::Channel, row_), double(r.d),
            double(r.tw), double(r.bf), double(r.tf), double(r.dAf), double(r.Ixx), double(r.Sxx), double(r.rxx),
            double(r.eo));

    ChannelBeamAsd beam(r, M, lb, V, cb, fy, 0.0);
    text += beam.design();
    result_ = beam.result();
    host.setText(Result, text);
  }
};

class TubeBeamForm : public BeamForm {
 public:
  using enum tube_beam_form::Id;

  explicit TubeBeamForm(AppState& s)
      : BeamForm(s, "TUBEBM_Box", "Flexural Design of a tube shape:", {List, Result, Calculate, Lightest, MaxDepth},
                 Status, s.module<SteelBeamReportTexts>().tube, "tubeBm", "tubeNum") {
    addLocationAndList(Location, 18);
    layout_.edit(Moment, "Moment=", "Kip ft.");
    layout_.newLine();
    layout_.edit(Fy, "Fy=");
    layout_.text(ETxt, "ksi\t  E= 29000.0 ksi");
    layout_.newLine();
    layout_.edit(Cb, "Cb=");
    layout_.newLine();
    layout_.edit(Lb, "Unbraced length Lb=", "ft.");
    layout_.newLine();
    layout_.check(Weak, "Weak Axis Bending");
    addResultAndButtons(true);
  }

  void changed(FormHost& host, int id) override {
    if (id != List) return;
    row_ = host.selection(List);
    const SectionRecord* r = sectionRow(ShapeTable::Tube, row_);
    if (!r) return;
    host.setText(Result,
                 format("    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in  Width =%.3f in,  "
                        "nominal wall thickness =%.3f in\r\n Adjusted design wall thickness = thickness*0.93 =%.3f "
                        "in\r\n Compact Section Criteria:\t  b/t =%.3f\r\n Elastic Properties: Ixx =%.2f in^4, Sxx "
                        "=%.3f in^3, rxx =%.3f in\r\n Torsional constant:  J = %.3f in^4\r\n",
                        usDesignation(ShapeTable::Tube, row_), metricDesignation(ShapeTable::Tube, row_),
                        double(r->d), double(r->b), double(r->t), double(r->t), double(r->b) / double(r->t),
                        double(r->Ixx), double(r->Sxx), double(r->rxx), double(r->J)));
  }

 private:
  ShapeRows rows() const override { return {ShapeTable::Tube, 0, kTubeRowCount, "TS", "tubeBm", sectionDepth}; }
  // The depth limited is the one in the plane of bending: the width when the tube bends about its weak axis.
  double (*searchDepth(const FormHost& host) const)(const SectionRecord&) override {
    if (host.checked(Weak)) return [](const SectionRecord& r) { return double(r.b); };
    return sectionDepth;
  }

  void loadInputs(FormHost& host) override {
    for (const auto& [id, key] :
         {std::pair<int, const char*>{Moment, "moment"}, {Fy, "Fy"}, {Cb, "CB"}, {Lb, "unBL"}})
      host.setText(id, state_.settings.read("tubeBm", key));
  }

  // OK follows a successful calculation of these very inputs: store them as used.
  void accept(FormHost& host) override {
    std::string notes;
    state_.settings.write("Project", "NOTE", host.text(Location, 251));
    BeamForm::accept(host);
    storeValues({{"moment", host.number(Moment, 11)},
                 {"Fy", host.number(Fy, 11)},
                 {"unBL", host.number(Lb, 11)},
                 {"CB", kAsdCb.apply(host.number(Cb, 11), notes)}});
  }

  void calculate(FormHost& host) override {
    const double M = host.number(Moment, 11);
    const double typedFy = host.number(Fy, 11);
    std::string notes;
    const double fy = typedFy > 0.0 ? kTubeFy.apply(typedFy, notes) : typedFy;
    const double cb = kAsdCb.apply(host.number(Cb, 11), notes);
    const double lb = host.number(Lb, 11);
    const bool weak = host.checked(Weak);
    if (refused(host, {{"Moment=", M}, {"Fy=", fy}, {"Unbraced length Lb=", lb}},
                fy > 0.0 ? nullptr : "Fy must be greater than zero.", lb))
      return;
    const SectionRecord& r = calculationRow(host);
    const std::string location = host.text(Location, 251);
    const char* us = usDesignation(ShapeTable::Tube, row_);
    const char* metric = metricDesignation(ShapeTable::Tube, row_);

    std::string& text = padText_;
    text = format(
        "\r\n FLEXURAL FOR \"TS\" SHAPES BASED ON THE 9th Ed. AISC ALLOWABLE STRESS DESIGN\r\n Job number or ID: %s "
        "\r\n %s\r\n\r\n Moment =%.3lf kip-ft\r\n unbraced length =%.2lf ft \t Cb =%.2lf\r\n Fy =%.2lf "
        "ksi.\r\n%s\r\n",
        state_.jobNumber.c_str(), location.c_str(), M, lb, cb, fy, notes.c_str());
    // Bent about its weak axis, the width is the depth and the weak-axis properties are the ones used.
    appendf(text,
            weak ? "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Width =%.3f in,   Adjusted "
                   "thickness =%.3f in,   Area =%.2lf in^2\r\n Elastic Properties: Ixx =%.2f in^4,  Sxx =%.3f in^3,  "
                   "rxx =%.3f in\r\n Torsional constant:  J = %.3f in^4\r\n"
                 : "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Width =%.3f in,  Adjusted "
                   "wall thickness =%.3f in,   Area =%.2lf in^2\r\n Elastic Properties: Ixx =%.2f in^4,  Sxx =%.3f "
                   "in^3,  rxx =%.3f in\r\n Torsional constant:  J = %.3f in^4\r\n",
            us, metric, double(weak ? r.b : r.d), double(weak ? r.d : r.b), double(r.t), double(r.A),
            double(weak ? r.Iyy : r.Ixx), double(weak ? r.Syy : r.Sxx), double(weak ? r.ryy : r.rxx), double(r.J));

    TubeBeamAsd beam(r, M, lb, cb, fy, 0.0, 1.0, weak);
    text += beam.text();
    result_ = beam.result();
    host.setText(Result, text);
  }
};

}  // namespace

std::unique_ptr<Form> makeChannelBeamForm(AppState& s) { return std::make_unique<ChannelBeamForm>(s); }
std::unique_ptr<Form> makeTubeBeamForm(AppState& s) { return std::make_unique<TubeBeamForm>(s); }

}  // namespace vd
