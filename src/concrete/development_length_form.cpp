// The bar development-length form: fixed defaults every time, computes on OK.
#include <algorithm>
#include <cmath>

#include "concrete/development_length.h"
#include "concrete/form_factories.h"

namespace vd {

namespace {

class DevelopmentLengthForm : public Form {
 public:
  static constexpr double kSmallestBar = 0.1;  // in
  enum { Fy = 101, Fc, Db, Spacing, Ktr, TopBar, Beta, Lightweight, Fyt, Atr, Space, Bars };

  explicit DevelopmentLengthForm(AppState& s)
      : state_(s), layout_("DEV_LEN_Box", "Reinforcing Bars, Tension/Compression Development Length") {
    FormLayout& l = layout_;
    l.edit(Fy, "Fy :", "ksi");
    l.newLine();
    l.edit(Fc, "Fc' :", "ksi");
    l.newLine();
    l.edit(Db, "Bar dia. being evaluated :", "in.");
    l.newLine();
    l.edit(Spacing, "1/2 spacing | edge dist.:", "in.");
    l.newLine();
    l.edit(Ktr, "Ktr :");
    l.newLine();
    l.check(TopBar, "Top Bar Factor, 12\" wet conc. below (alpha)");
    l.newLine();
    l.list(Beta, "", 3);
    l.label(
        "(beta)\r\n=1.5 Epoxy-coated bar cover less than 3*bar dia. or clear spacing less than 6* bar dia. \r\n=1.2 "
        "other epoxy-coated\r\n=1.0 un-coated");
    l.newLine();
    l.check(Lightweight, "Light weight concrete (lambda)");
    l.newLine();
    l.label("Transverse reinforcement: (alternate way to find Ktr) ");
    l.newLine();
    l.edit(Fyt, "Fyt :", "Ksi");
    l.edit(Atr, "Atr :", "sq. in.");
    l.newLine();
    l.edit(Space, "Space at:", "inches");
    l.edit(Bars, "No. bars :");
    l.newLine();
    l.button(kOk, "OK").isDefault = true;
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    host.setText(Fy, "60.0");
    host.setText(Fc, "4.0");
    host.setText(Db, "0.25");
    host.setText(Spacing, "1.25");
    host.setText(Ktr, "0.0");
    host.setItems(Beta, {"1.5", "1.2", "1.0"});
    host.setText(Fyt, "60.0");
    host.setText(Atr, "0.0");
    host.setText(Space, "0.0");
    host.setText(Bars, "0");
  }

  void pressed(FormHost& host, int id) override {
    if (id == kOk) {
      calculate(host);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  void calculate(FormHost& host) {
    const double fy = host.number(Fy);
    const double fc = host.number(Fc);
    const double db = host.number(Db);
    const double c = host.number(Spacing);
    // Without a bar or a concrete strength every length divides by zero: ask again instead.
    if (!(db > 0)) {
      host.message("Vardelin", "The bar diameter must be greater than 0.0 in.", MessageIcon::Exclamation);
      return;
    }
    // A positive but absurdly small diameter (1e-310) would print infinite or 300-digit "bar
    // diameters": the thinnest deformed wire is about 0.1 in across.
    if (db < kSmallestBar) {
      host.message("Vardelin", format("The bar diameter must be at least %.1f in.", kSmallestBar),
                   MessageIcon::Exclamation);
      return;
    }
    if (!(fc > 0)) {
      host.message("Vardelin", "Fc' must be greater than 0.0 ksi.", MessageIcon::Exclamation);
      return;
    }
    if (!(c > 0)) {
      host.message("Vardelin", "The spacing or edge distance c must be greater than 0.0 in.", MessageIcon::Exclamation);
      return;
    }
    // Eq. (12-1) takes the c given; a spacing below the ACI 7.6.1 minimum is worth a word, not a change.
    if (2 * c - db < std::max(db, 1.0))
      host.message("Vardelin",
                   format("ACI 7.6.1: the clear spacing of parallel bars must be at least one bar diameter and not "
                          "less than 1 in.; c = %.3f in. leaves 2c - db = %.3f in.",
                          c, 2 * c - db));
    const double ktr = host.number(Ktr);
    const double alpha = host.checked(TopBar) ? 1.3 : 1.0;
    static const double kBeta[] = {1.5, 1.2, 1.0};
    const int sel = host.selection(Beta);
    double beta = sel >= 0 && sel < 3 ? kBeta[sel] : 1.0;
    if (beta < 1.0) beta = 1.0;
    const double lambda = host.checked(Lightweight) ? 1.3 : 1.0;
    const double fyt = host.number(Fyt);
    const double atr = host.number(Atr);
    const double s = host.number(Space);
    const int n = host.integer(Bars);
    DevelopmentLength dev = (s != 0 || n != 0)
                                ? DevelopmentLength(fy * 1000, fc * 1000, alpha, beta, lambda, c, db, n, s, atr, fyt * 1000)
                                : DevelopmentLength(fy * 1000, fc * 1000, alpha, beta, lambda, c, db, ktr);
    if (dev.Ktr < 0) {
      host.message("Vardelin", "Ktr can't be negative: check Ktr, Fyt, Atr, spacing and number of bars.",
                   MessageIcon::Exclamation);
      return;
    }
    const std::string& report = dev.writeReport();
    if (!(std::isfinite(dev.ld) && std::isfinite(dev.ldc) && std::isfinite(dev.ldh) &&
          std::isfinite(dev.simplifiedFirst()) && std::isfinite(dev.simplifiedSecond()))) {
      host.message("Vardelin", "The input values are too large to calculate.", MessageIcon::Exclamation);
      return;
    }
    state_.report = report;
    state_.result = dev.result();
    host.close(true);
  }

  AppState& state_;
  FormLayout layout_;
};

}  // namespace

std::unique_ptr<Form> makeDevelopmentLengthForm(AppState& state) {
  return std::make_unique<DevelopmentLengthForm>(state);
}

}  // namespace vd
