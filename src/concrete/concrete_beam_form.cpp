// The two rectangular concrete beam forms: capacity from steel (As->M) and steel from moment (M->As).
#include <cmath>
#include <string>

#include "concrete/concrete_beam.h"
#include "concrete/drawings.h"
#include "concrete/form_factories.h"

namespace vd {

namespace {

constexpr const char* kSketchFile = "Rectconcbm.emf";

// A result field never shows "inf" or "nan": such a value stops the run like any other failure.
std::string shown(const char* fmt, double v) {
  if (!std::isfinite(v)) throw ConcreteFailure{concrete_code::OutOfRange};
  return format(fmt, v);
}

class ConcreteBeamForm : public Form {
 public:
  enum {
    Fc = 101, Fy, Width, Depth, Height, Moment, Steel, Phi, Beta1, RhoMax, Block, Calculate, Sketch, Status,
  };

  ConcreteBeamForm(AppState& s, bool fromSteel)
      : state_(s),
        fromSteel_(fromSteel),
        layout_(fromSteel ? "CONCBM_As_Box" : "CONCBM_M_Box", "Reinforced Concrete Beam--tension reinforcement only:") {
    FormLayout& l = layout_;
    l.picture(Sketch, 190, 240);
    l.newLine();
    l.edit(Fc, "Fc'=", "ksi.");
    l.newLine();
    l.edit(Fy, "Fy=", "ksi.");
    l.newLine();
    l.edit(Width, "Width at comp. side b=", "in.");
    l.newLine();
    l.edit(Depth, "Dist. d=", "in.");
    l.newLine();
    l.edit(Height, "Depth * =", "in.");
    l.label("* these inputs are optional");
    l.newLine();
    // The result of each form is shown, not typed: the design strength phi Mn, or the steel required.
    if (fromSteel)
      l.readOnly(Moment, "Design moment \u03c6Mn=", "kip-ft");
    else
      l.edit(Moment, "Bending moment=", "kip-ft");
    l.newLine();
    if (fromSteel)
      l.edit(Steel, "Reinf. steel As=", "in^2");
    else
      l.readOnly(Steel, "Required steel As=", "in^2");
    l.newLine();
    l.edit(Phi, "Phi=");
    l.newLine();
    l.readOnly(Beta1, "beta1=");
    l.readOnly(RhoMax, "rho_max=");
    l.newLine();
    l.readOnly(Block, "Compression block a=", "in.");
    l.newLine();
    l.button(Calculate, fromSteel ? "'As' to find 'Mom.'" : "'Mom' to find 'As'").isDefault = true;
    l.button(kOk, "OK");
    l.newLine();
    l.statusBar(Status);
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    using S = ConcreteBeamRecord;
    const ConcreteBeamRecord& rec = state_.concreteBeam;
    if (writeSectionSketch(kSketchFile)) host.showPicture(Sketch, kSketchFile);
    host.setText(Fc, format("%.2f", rec[S::Fc]));
    host.setText(Fy, format("%.2f", rec[S::Fy]));
    host.setText(Width, format("%.3f", rec[S::Width]));
    host.setText(Depth, format("%.3f", rec[S::Depth]));
    host.setText(Phi, format("%.3f", rec[S::Phi] == 0.0 ? 0.9 : rec[S::Phi]));
    if (fromSteel_)
      host.setText(Steel, format("%.3lf", rec[S::As]));
    else
      host.setText(Moment, format("%.3lf", rec[S::Moment]));
    const LastBeamResult& last = state_.lastBeam;
    host.setStatus(0, format("+mom= %.2f kip-ft,  -mom= %.2f kip-ft", last.maxPositiveMoment, last.maxNegativeMoment));
    host.setStatus(1, format("left R= %.2f kip,  right R= %.2f kip", last.leftReaction, last.rightReaction));
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == kOk) {
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  void calculate(FormHost& host) {
    using S = ConcreteBeamRecord;
    ConcreteBeamRecord& rec = state_.concreteBeam;
    // The beam equations are kept to concrete up to 10 ksi; a stronger one is designed as 10 ksi.
    std::string notes;
    const double fc = limitValue(host.number(Fc), -1.0e30, 10.0, "f'c", "ksi", "f'c is taken at most 10 ksi", notes);
    rec[S::Fc] = fc;
    rec[S::Fy] = host.number(Fy);
    rec[S::Width] = host.number(Width);
    rec[S::Depth] = host.number(Depth);
    if (fromSteel_)
      rec[S::As] = host.number(Steel);
    else
      rec[S::Moment] = host.number(Moment);
    const double h = host.number(Height);
    // A strength reduction factor above 1 would overstate the strength (ACI 318 9.3).
    rec[S::Phi] = limitValue(host.number(Phi), -1.0e30, 1.0, "phi", "", "ACI 318 9.3: phi is at most 1.0", notes);
    const double phi = rec[S::Phi];
    host.setText(Beta1, format("%.3f", beta1ForFc(fc)));

    try {
      if (fromSteel_) {
        const double given = rec[S::As];
        RectConcreteBeam beam(fc, rec[S::Fy], rec[S::Width], rec[S::Depth], h, 0.0, given, phi);
        beam.checkSection();
        // phi = 0 would give a design strength of 0: refused in both directions.
        if (!(phi > 0)) throw ConcreteFailure{concrete_code::NoPhi};
        if (beam.applyMinimumSteel(given))
          host.message("As is below the limit!!!.",
                       format("Input steel %.3f in^2 is less than ACI Eq. 10-3 requirement in Section 10.5!", given));
        const double Mn = beam.momentCapacity(given);
        const std::string moment = shown("%.3f", phi * Mn), rhoMax = shown("%.4f", beam.rhoMax()),
                          block = shown("%.3f", beam.blockDepth(given));
        rec[S::Moment] = phi * Mn;
        host.setText(Moment, moment);
        host.setText(RhoMax, rhoMax);
        host.setText(Block, block);
        // The report can still fail (a minimum steel above rho_max); the fields above stay as found.
        state_.report = notes + beam.writeReport();
        state_.result = beam.result();
      } else {
        const double moment = rec[S::Moment];
        RectConcreteBeam beam(fc, rec[S::Fy], rec[S::Width], rec[S::Depth], h, moment, 0.0, phi);
        beam.designForMoment = true;
        beam.checkSection();
        if (!(phi > 0)) throw ConcreteFailure{concrete_code::NoPhi};
        const double required = beam.requiredSteel(moment / phi);
        if (beam.applyMinimumSteel(required))
          host.message("As is below the limit!!!.",
                       format("Input steel %.3f in^2 is less than ACI Eq. 10-3 requirement in Section 10.5!", required));
        const std::string steel = shown("%.3f", required), rhoMax = shown("%.4f", beam.rhoMax()),
                          block = shown("%.3f", beam.blockDepth(required));
        rec[S::As] = required;
        host.setText(Steel, steel);
        host.setText(RhoMax, rhoMax);
        host.setText(Block, block);
        beam.AsGiven = required;
        state_.report = notes + beam.writeReport();
        state_.result = beam.result();
      }
    } catch (const ConcreteFailure& f) {
      const char* text = concreteFailureMessage(f.code);
      host.message("conc", text, MessageIcon::Stop);
      host.setText(fromSteel_ ? Moment : Steel, "N.G.");  // the result field, never the typed input
      state_.report = text;
      state_.result = DesignResult{};
    }
  }

  AppState& state_;
  bool fromSteel_;
  FormLayout layout_;
};

}  // namespace

std::unique_ptr<Form> makeConcreteBeamForm(AppState& state, bool momentFromSteel) {
  return std::make_unique<ConcreteBeamForm>(state, momentFromSteel);
}

}  // namespace vd
