// The channel beam ("CHBM_Box") and tube beam ("TUBEBM_Box") forms.
#include <memory>

#include "platform/report_lines.h"
#include "platform/text_format.h"
#include "steel/beam_form_support.h"
#include "steel/channel_tube_beams.h"
#include "steel/form_factories.h"
#include "steel/member_form_support.h"

namespace vd {

namespace {

// AISC ASD F1.3 caps Cb at 2.3; the forms take a typed Cb below 0.4 as 0.4.
constexpr const char* kCbRule = "AISC ASD F1.3: Cb at most 2.3; below 0.4 taken as 0.4";

class ChannelBeamForm : public Form {
 public:
  using enum channel_beam_form::Id;

  explicit ChannelBeamForm(AppState& s) : state_(s), layout_("CHBM_Box", "Flexural Design of a W shape:") {
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
    row_ = readRowIndex(st, "AISC", "channelNum");
    host.setText(MaxDepth, st.read("CH_BM", "maxDepth"));
    showLastBeam(host, state_);
    host.setText(Location, st.read("Project", "Note", "", 250));
    host.setText(Moment, st.read("CH_BM", "moment"));
    host.setText(Fy, st.read("CH_BM", "Fyield"));
    host.setText(Cb, st.read("CH_BM", "Cb"));
    host.setText(Lb, st.read("CH_BM", "unBL"));
    host.setText(Shear, st.read("CH_BM", "shear"));
    host.setText(Bearing, st.read("CH_BM", "bearing"));
    fillShapeList(host, List, ShapeTable::Channel, row_);
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

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
      state_.settings.formatAndWrite("AISC", "channelNum", "%d", row_);
      state_.report = state_.module<SteelBeamReportTexts>().channel;
      state_.result = result_;
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  // Every C and MC row through this form's Calculate; the lightest passing one is calculated.
  void pressLightest(FormHost& host) {
    FormSearch search;
    search.caption = layout_.title;
    search.what = "C";
    search.section = "CH_BM";
    search.maxDepthId = MaxDepth;
    search.paneId = Result;
    candidates_ = member_forms::pressLightestShape(
        host, state_, std::move(search), ShapeTable::Channel, 0, kChannelRowCount,
        [](const SectionRecord& r) { return double(r.d); }, List, [this](FormHost& h) {
          result_ = DesignResult{};
          pressed(h, Calculate);
          return result_;
        });
  }

  void calculate(FormHost& host) {
    std::string& text = state_.module<SteelBeamReportTexts>().channel;
    const double M = host.number(Moment, 11);
    std::string notes;
    const double fy = limitValue(host.number(Fy, 11), 33.0, 65.0, "Fy", "ksi", "the channel checks take Fy from 33 to 65 ksi", notes);
    const double cb = limitValue(host.number(Cb, 11), 0.4, 2.3, "Cb", "", kCbRule, notes);
    const double lb = host.number(Lb, 11);
    const double V = host.number(Shear, 11);
    const double N = host.number(Bearing, 11);
    std::string why = outOfRange({{"Moment=", M}, {"Fy=", fy}, {"Unbraced length Lb=", lb}, {"Shear *=", V},
                                  {"End Bearing Length *=", N}});
    if (why.empty() && lb < 0.0) why = "The unbraced length Lb cannot be negative.";
    if (!why.empty()) {
      text = refuse(host, why);
      host.setText(Result, text);
      return;
    }
    row_ = rowForCalculate(host, List, ShapeTable::Channel);
    const SectionRecord& r = *sectionRow(ShapeTable::Channel, row_);
    const std::string location = host.text(Location, 251);

    Settings& st = state_.settings;
    st.write("Project", "NOTE", location);
    st.formatAndWrite("CH_BM", "moment", "%.2lf", M);
    st.formatAndWrite("CH_BM", "shear", "%.2lf", V);
    st.formatAndWrite("CH_BM", "unBL", "%.2lf", lb);
    st.formatAndWrite("CH_BM", "Cb", "%.2lf", cb);
    st.formatAndWrite("CH_BM", "Fyield", "%.2lf", fy);
    st.formatAndWrite("CH_BM", "bearing", "%.2lf", N);

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
    state_.report = beam.design();
    result_ = beam.result();
    text += state_.report;
    host.setText(Result, text);
  }

  AppState& state_;
  FormLayout layout_;
  int row_ = 0;
  DesignResult result_;  // of the last calculation
  std::string candidates_;  // of the last "Lightest"
};

class TubeBeamForm : public Form {
 public:
  using enum tube_beam_form::Id;

  explicit TubeBeamForm(AppState& s) : state_(s), layout_("TUBEBM_Box", "Flexural Design of a tube shape:") {
    Control& loc = layout_.add(ControlKind::MultiEdit, Location, "Location of this beam:");
    loc.width = 40;
    loc.height = 3;
    layout_.newLine();
    layout_.list(List, "", 10).width = 18;
    layout_.newLine();
    maxDepthField(layout_, MaxDepth);
    layout_.newLine();
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
    layout_.newLine();
    layout_.pane(Result, "", 14).width = 80;
    layout_.newLine();
    layout_.button(kCancel, "Cancel");
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
    row_ = readRowIndex(st, "tubeBm", "tubeNum");
    host.setText(MaxDepth, st.read("tubeBm", "maxDepth"));
    showLastBeam(host, state_);
    host.setText(Location, st.read("Project", "Note", "", 250));
    host.setText(Moment, st.read("tubeBm", "moment"));
    host.setText(Fy, st.read("tubeBm", "Fy"));
    host.setText(Cb, st.read("tubeBm", "CB"));
    host.setText(Lb, st.read("tubeBm", "unBL"));
    fillShapeList(host, List, ShapeTable::Tube, row_);
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

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
      // OK follows a successful calculation of these very inputs: store them as used.
      Settings& st = state_.settings;
      std::string notes;
      st.write("Project", "NOTE", host.text(Location, 251));
      st.formatAndWrite("tubeBm", "tubeNum", "%d", row_);
      st.formatAndWrite("tubeBm", "moment", "%.2lf", host.number(Moment, 11));
      st.formatAndWrite("tubeBm", "Fy", "%.2lf", host.number(Fy, 11));
      st.formatAndWrite("tubeBm", "unBL", "%.2lf", host.number(Lb, 11));
      st.formatAndWrite("tubeBm", "CB", "%.2lf", limitValue(host.number(Cb, 11), 0.4, 2.3, "Cb", "", kCbRule, notes));
      state_.report = state_.module<SteelBeamReportTexts>().tube;
      state_.result = result_;
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  // Every tube row through this form's Calculate; the lightest passing one is calculated. The depth
  // limited is the one in the plane of bending: the width when the tube bends about its weak axis.
  void pressLightest(FormHost& host) {
    FormSearch search;
    search.caption = layout_.title;
    search.what = "TS";
    search.section = "tubeBm";
    search.maxDepthId = MaxDepth;
    search.paneId = Result;
    double (*depth)(const SectionRecord&) = +[](const SectionRecord& r) { return double(r.d); };
    if (host.checked(Weak)) depth = +[](const SectionRecord& r) { return double(r.b); };
    candidates_ = member_forms::pressLightestShape(host, state_, std::move(search), ShapeTable::Tube, 0,
                                                   kTubeRowCount, depth, List, [this](FormHost& h) {
                                                     result_ = DesignResult{};
                                                     pressed(h, Calculate);
                                                     return result_;
                                                   });
  }

  void calculate(FormHost& host) {
    std::string& text = state_.module<SteelBeamReportTexts>().tube;
    const double M = host.number(Moment, 11);
    const double typedFy = host.number(Fy, 11);
    std::string notes;
    const double fy = typedFy > 0.0 ? limitValue(typedFy, 33.0, 50.0, "Fy", "ksi", "the tube checks take Fy from 33 to 50 ksi", notes) : typedFy;
    const double cb = limitValue(host.number(Cb, 11), 0.4, 2.3, "Cb", "", kCbRule, notes);
    const double lb = host.number(Lb, 11);
    const bool weak = host.checked(Weak);
    std::string why = outOfRange({{"Moment=", M}, {"Fy=", fy}, {"Unbraced length Lb=", lb}});
    if (why.empty() && !(fy > 0.0)) why = "Fy must be greater than zero.";
    if (why.empty() && lb < 0.0) why = "The unbraced length Lb cannot be negative.";
    if (!why.empty()) {
      text = refuse(host, why);
      host.setText(Result, text);
      return;
    }
    row_ = rowForCalculate(host, List, ShapeTable::Tube);
    const SectionRecord& r = *sectionRow(ShapeTable::Tube, row_);
    const std::string location = host.text(Location, 251);
    const char* us = usDesignation(ShapeTable::Tube, row_);
    const char* metric = metricDesignation(ShapeTable::Tube, row_);

    text = format(
        "\r\n FLEXURAL FOR \"TS\" SHAPES BASED ON THE 9th Ed. AISC ALLOWABLE STRESS DESIGN\r\n Job number or ID: %s "
        "\r\n %s\r\n\r\n Moment =%.3lf kip-ft\r\n unbraced length =%.2lf ft \t Cb =%.2lf\r\n Fy =%.2lf "
        "ksi.\r\n%s\r\n",
        state_.jobNumber.c_str(), location.c_str(), M, lb, cb, fy, notes.c_str());
    if (!weak)
      appendf(text,
              "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Width =%.3f in,  Adjusted wall "
              "thickness =%.3f in,   Area =%.2lf in^2\r\n Elastic Properties: Ixx =%.2f in^4,  Sxx =%.3f in^3,  rxx "
              "=%.3f in\r\n Torsional constant:  J = %.3f in^4\r\n",
              us, metric, double(r.d), double(r.b), double(r.t), double(r.A), double(r.Ixx), double(r.Sxx),
              double(r.rxx), double(r.J));
    else
      appendf(text,
              "    Designed for: \" %10s \"\t\tmetric size: %12s\r\n Depth =%.3f in,   Width =%.3f in,   Adjusted "
              "thickness =%.3f in,   Area =%.2lf in^2\r\n Elastic Properties: Ixx =%.2f in^4,  Sxx =%.3f in^3,  rxx "
              "=%.3f in\r\n Torsional constant:  J = %.3f in^4\r\n",
              us, metric, double(r.b), double(r.d), double(r.t), double(r.A), double(r.Iyy), double(r.Syy),
              double(r.ryy), double(r.J));

    TubeBeamAsd beam(r, M, lb, cb, fy, 0.0, 1.0, weak);
    state_.report = beam.text();
    result_ = beam.result();
    text += state_.report;
    host.setText(Result, text);
  }

  AppState& state_;
  FormLayout layout_;
  int row_ = 0;
  DesignResult result_;  // of the last calculation
  std::string candidates_;  // of the last "Lightest"
};

}  // namespace

std::unique_ptr<Form> makeChannelBeamForm(AppState& s) { return std::make_unique<ChannelBeamForm>(s); }
std::unique_ptr<Form> makeTubeBeamForm(AppState& s) { return std::make_unique<TubeBeamForm>(s); }

}  // namespace vd
