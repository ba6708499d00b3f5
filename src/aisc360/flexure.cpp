#include "aisc360/flexure.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"

namespace vd::aisc360 {

namespace {

const char* methodName(Method m) { return m == Method::LRFD ? "LRFD" : "ASD"; }

// Cv2 of a web or flange of slenderness h/t (G2.2), with the equation that gives it.
double shearCv2(double ht, double kv, double Fy, double E, const char** eq) {
  const double a = 1.10 * std::sqrt(kv * E / Fy), b = 1.37 * std::sqrt(kv * E / Fy);
  if (ht <= a) {
    *eq = "G2-9";
    return 1.0;
  }
  if (ht <= b) {
    *eq = "G2-10";
    return a / ht;
  }
  *eq = "G2-11";
  return 1.51 * kv * E / (ht * ht * Fy);
}

const char* compactness(double lambda, double lp, double lr) {
  return lambda <= lp ? "compact" : (lambda <= lr ? "noncompact" : "slender");
}

}  // namespace

std::string Flexure::inputError(const FlexureInput& in) {
  if (std::string m = materialError(in.Fy, in.E); !m.empty()) return m;
  if (!finite(in.Mr) || in.Mr < 0.0) return "The moment must be zero or a positive number of kip-ft.";
  if (!finite(in.Vr) || in.Vr < 0.0) return "The shear must be zero or a positive number of kips.";
  if (!finite(in.Lb) || in.Lb < 0.0) return "The unbraced length Lb must be zero or a positive number of ft.";
  // F1-1 never gives less than 1.0; 3.0 is beyond any moment diagram a beam span gives.
  if (!finite(in.Cb) || in.Cb < 1.0 || in.Cb > 3.0) return "Cb must be between 1.0 and 3.0.";
  if (!finite(in.Lv) || in.Lv < 0.0) return "Lv must be zero (not given) or a positive number of ft.";
  if (!finite(in.span) || !finite(in.liveLoad) || !finite(in.deflLimit) || in.span < 0.0 || in.liveLoad < 0.0 ||
      in.deflLimit < 0.0)
    return "Span, live load and deflection limit must be zero (no deflection check) or positive.";
  return {};
}

Flexure::Flexure(const FlexureInput& in) : in_(in), s_(in.section) {
  if (!s_) { fail("No section chosen."); return; }
  if (std::string m = inputError(in); !m.empty()) { fail(m); return; }

  const Family f = s_->family;
  if (!isIShape(f) && !isChannel(f) && f != Family::HssRect && !isRoundHss(f))
  {
    fail(format("Flexure of %s sections (Sections F9 to F12) is not covered; choose an I-shape, channel, "
                "HSS or pipe.", familyName(f)));
    return;
  }
  header();
  if (isIShape(f) || isChannel(f)) {
    if (in.axis == Axis::Major) iShapeMajor();
    else iShapeMinor();
  } else if (f == Family::HssRect) {
    rectHss();
  } else {
    roundHss();
  }
  if (!error_.empty()) return;
  Mc_ = available(in.method, kFlexure, Mn_);

  if (in.shear) {
    text_ += "\r\n\r\n Shear";
    if (isIShape(f) || isChannel(f)) {
      if (in.axis == Axis::Major) shearWeb();
      else shearFlanges();
    } else if (f == Family::HssRect) {
      shearRectHss();
    } else {
      shearRound();
    }
  }
  deflection();
  text_ += "\r\n\r\n" + result_.summaryLine();
}

void Flexure::fail(const std::string& why) {
  error_ = why;
  text_ = " AISC 360-22 flexure and shear: cannot calculate.\r\n " + why + "\r\n";
  result_ = DesignResult{};
  result_.check(1.0e9, false, "input: " + why);
}

void Flexure::header() {
  const Shape& s = *s_;
  appendf(text_, " AISC 360-22 flexure and shear, %s\r\n", methodName(in_.method));
  appendf(text_, " Section %s (%s), %s axis;  Fy = %.2f ksi,  E = %.0f ksi", s.label, familyName(s.family),
          in_.axis == Axis::Major ? "major" : "minor", in_.Fy, in_.E);
  appendf(text_, "\r\n %s = %.2f kip-ft,  %s = %.2f kips,  Lb = %.2f ft,  Cb = %.2f",
          demandName(in_.method, "M").c_str(), in_.Mr, demandName(in_.method, "V").c_str(), in_.Vr, in_.Lb, in_.Cb);
}

void Flexure::moment(double MnKipIn, const std::string& name) {
  const double MnFt = MnKipIn / 12.0;
  text_ += limitState(result_, in_.method, kFlexure, "M", in_.Mr, MnFt, "kip-ft", name);
  if (flexGoverning_.empty() || MnFt < Mn_) {
    Mn_ = MnFt;
    flexGoverning_ = name;
  }
}

void Flexure::shear(const Factor& f, double Vn, const std::string& name) {
  Vn_ = Vn;
  Vc_ = available(in_.method, f, Vn);
  text_ += limitState(result_, in_.method, f, "V", in_.Vr, Vn, "kips", name);
}

// F2 (compact flanges) and F3 (noncompact or slender flanges) for doubly symmetric I-shapes; F2 for
// channels, whose flanges must then be compact.
void Flexure::iShapeMajor() {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E, rt = std::sqrt(E / Fy);
  const bool channel = isChannel(s.family);
  const double lambda = channel ? s.bt : s.bf2tf;
  const double lpf = 0.38 * rt, lrf = 1.0 * rt, lpw = 3.76 * rt;
  appendf(text_, "\r\n d = %.3f in, bf = %.3f in, tf = %.3f in, tw = %.3f in, Zx = %.1f in^3, Sx = %.1f in^3",
          s.d, s.bf, s.tf, s.tw, s.Zx, s.Sx);
  appendf(text_, "\r\n ry = %.3f in, rts = %.3f in, ho = %.2f in, J = %.3f in^4, Cw = %.0f in^6", s.ry, s.rts, s.ho,
          s.J, s.Cw);
  appendf(text_, "\r\n\r\n Width-to-thickness ratios (Table B4.1b, cases 10 and 15)");
  appendf(text_, "\r\n\t Flange %s = %.2f;  lambda_pf = 0.38 sqrt(E/Fy) = %.2f;  lambda_rf = 1.0 sqrt(E/Fy) = %.2f: %s",
          channel ? "b/t" : "bf/2tf", lambda, lpf, lrf, compactness(lambda, lpf, lrf));
  appendf(text_, "\r\n\t Web h/tw = %.2f;  lambda_pw = 3.76 sqrt(E/Fy) = %.2f: %s", s.htw, lpw,
          s.htw <= lpw ? "compact" : "not compact");
  if (s.htw > lpw) return fail("The web is not compact (h/tw > 3.76 sqrt(E/Fy)); Sections F4 and F5 are not covered.");
  if (channel && lambda > lpf)
    return fail("The channel's flanges are not compact (b/t > 0.38 sqrt(E/Fy)); Section F2 covers channels with "
                "compact flanges only.");

  const double Mp = Fy * s.Zx;
  appendf(text_, "\r\n\r\n F2.1 Yielding\r\n\t Mn = Mp = Fy Zx = %.2f x %.2f = %.1f kip-in (Eq. F2-1)", Fy, s.Zx, Mp);
  moment(Mp, "yielding, Eq. F2-1");

  text_ += "\r\n\r\n F2.2 Lateral-torsional buckling";
  double c = 1.0;
  if (channel) {
    c = s.ho / 2.0 * std::sqrt(s.Iy / s.Cw);
    appendf(text_, "\r\n\t c = (ho/2) sqrt(Iy/Cw) = (%.2f/2) sqrt(%.3f/%.1f) = %.3f (Eq. F2-8b)", s.ho, s.Iy, s.Cw, c);
  } else {
    text_ += "\r\n\t c = 1.0 (Eq. F2-8a)";
  }
  const double Lp = 1.76 * s.ry * rt;
  const double jc = s.J * c / (s.Sx * s.ho);
  const double Lr = 1.95 * s.rts * E / (0.7 * Fy) * std::sqrt(jc + std::sqrt(jc * jc + 6.76 * std::pow(0.7 * Fy / E, 2)));
  Lp_ = Lp / 12.0;
  Lr_ = Lr / 12.0;
  appendf(text_, "\r\n\t Lp = 1.76 ry sqrt(E/Fy) = %.1f in = %.2f ft (Eq. F2-5)", Lp, Lp_);
  appendf(text_, "\r\n\t Lr = 1.95 rts (E/0.7Fy) sqrt(Jc/(Sx ho) + sqrt((Jc/(Sx ho))^2 + 6.76 (0.7Fy/E)^2))"
                 "\r\n\t    = %.1f in = %.2f ft (Eq. F2-6)", Lr, Lr_);
  const double Lb = in_.Lb * 12.0, Cb = in_.Cb, Mr = 0.7 * Fy * s.Sx;
  if (Lb <= Lp) {
    text_ += "\r\n\t Lb <= Lp: lateral-torsional buckling does not apply (F2.2(a))";
  } else if (Lb <= Lr) {
    const double Mn = Cb * (Mp - (Mp - Mr) * (Lb - Lp) / (Lr - Lp));
    appendf(text_, "\r\n\t Lp < Lb <= Lr: Mn = Cb [Mp - (Mp - 0.7 Fy Sx)(Lb - Lp)/(Lr - Lp)] = %.1f kip-in"
                   " <= Mp (Eq. F2-2)", Mn);
    if (Mn > Mp) appendf(text_, "\r\n\t Mn limited to Mp = %.1f kip-in", Mp);
    moment(std::min(Mn, Mp), "lateral-torsional buckling, Eq. F2-2");
  } else {
    const double lr = Lb / s.rts;
    const double Fcr = Cb * kPi * kPi * E / (lr * lr) * std::sqrt(1.0 + 0.078 * jc * lr * lr);
    appendf(text_, "\r\n\t Lb > Lr: Fcr = Cb pi^2 E/(Lb/rts)^2 sqrt(1 + 0.078 Jc/(Sx ho) (Lb/rts)^2) = %.2f ksi"
                   " (Eq. F2-4)", Fcr);
    const double Mn = Fcr * s.Sx;
    appendf(text_, "\r\n\t Mn = Fcr Sx = %.2f x %.2f = %.1f kip-in <= Mp (Eq. F2-3)", Fcr, s.Sx, Mn);
    if (Mn > Mp) appendf(text_, "\r\n\t Mn limited to Mp = %.1f kip-in", Mp);
    moment(std::min(Mn, Mp), "lateral-torsional buckling, Eq. F2-3");
  }

  if (lambda <= lpf) {
    text_ += "\r\n\r\n Compact flanges: flange local buckling does not apply (F2)";
    return;
  }
  text_ += "\r\n\r\n F3.2 Compression flange local buckling";
  if (lambda <= lrf) {
    const double Mn = Mp - (Mp - Mr) * (lambda - lpf) / (lrf - lpf);
    appendf(text_, "\r\n\t Noncompact: Mn = Mp - (Mp - 0.7 Fy Sx)(lambda - lambda_pf)/(lambda_rf - lambda_pf)"
                   " = %.1f kip-in (Eq. F3-1)", Mn);
    moment(Mn, "flange local buckling, Eq. F3-1");
  } else {
    const double kc = std::clamp(4.0 / std::sqrt(s.htw), 0.35, 0.76);
    const double Mn = 0.9 * E * kc * s.Sx / (lambda * lambda);
    appendf(text_, "\r\n\t kc = 4/sqrt(h/tw) = %.3f (0.35 <= kc <= 0.76)", kc);
    appendf(text_, "\r\n\t Slender: Mn = 0.9 E kc Sx / lambda^2 = %.1f kip-in (Eq. F3-2)", Mn);
    moment(Mn, "flange local buckling, Eq. F3-2");
  }
}

// F6: I-shapes and channels bent about the minor axis.
void Flexure::iShapeMinor() {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E, rt = std::sqrt(E / Fy);
  const bool channel = isChannel(s.family);
  const double lambda = channel ? s.bt : s.bf2tf;
  const double lpf = 0.38 * rt, lrf = 1.0 * rt;
  appendf(text_, "\r\n bf = %.3f in, tf = %.3f in, Zy = %.2f in^3, Sy = %.2f in^3", s.bf, s.tf, s.Zy, s.Sy);
  appendf(text_, "\r\n\r\n Width-to-thickness ratio (Table B4.1b, case 10)");
  appendf(text_, "\r\n\t Flange %s = %.2f;  lambda_pf = 0.38 sqrt(E/Fy) = %.2f;  lambda_rf = 1.0 sqrt(E/Fy) = %.2f: %s",
          channel ? "b/t" : "bf/2tf", lambda, lpf, lrf, compactness(lambda, lpf, lrf));
  const double Mp = std::min(Fy * s.Zy, 1.6 * Fy * s.Sy);
  appendf(text_, "\r\n\r\n F6.1 Yielding\r\n\t Mn = Mp = Fy Zy = %.1f kip-in <= 1.6 Fy Sy = %.1f kip-in (Eq. F6-1)",
          Fy * s.Zy, 1.6 * Fy * s.Sy);
  moment(Mp, "yielding, Eq. F6-1");
  if (lambda <= lpf) {
    text_ += "\r\n\r\n Compact flanges: flange local buckling does not apply (F6.2(a))";
    return;
  }
  text_ += "\r\n\r\n F6.2 Flange local buckling";
  if (lambda <= lrf) {
    const double Mn = Mp - (Mp - 0.7 * Fy * s.Sy) * (lambda - lpf) / (lrf - lpf);
    appendf(text_, "\r\n\t Noncompact: Mn = Mp - (Mp - 0.7 Fy Sy)(lambda - lambda_pf)/(lambda_rf - lambda_pf)"
                   " = %.1f kip-in (Eq. F6-2)", Mn);
    moment(Mn, "flange local buckling, Eq. F6-2");
  } else {
    const double Fcr = 0.70 * E / (lambda * lambda);
    appendf(text_, "\r\n\t Slender: Fcr = 0.70 E/(b/t)^2 = %.2f ksi (Eq. F6-4)", Fcr);
    appendf(text_, "\r\n\t Mn = Fcr Sy = %.1f kip-in (Eq. F6-3)", Fcr * s.Sy);
    moment(Fcr * s.Sy, "flange local buckling, Eq. F6-3");
  }
}

// F7: rectangular and square HSS about either axis.
void Flexure::rectHss() {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E, rt = std::sqrt(E / Fy), t = s.tdes;
  const bool major = in_.axis == Axis::Major;
  // Flange: the walls parallel to the axis of bending; web: the walls across it.
  const double lf = major ? s.btdes : s.htdes, lw = major ? s.htdes : s.btdes;
  const double bFlat = major ? s.b : s.h, depth = major ? s.Ht : s.B;
  const double Z = major ? s.Zx : s.Zy, S = major ? s.Sx : s.Sy, I = major ? s.Ix : s.Iy;
  const double lpf = 1.12 * rt, lrf = 1.40 * rt, lpw = 2.42 * rt, lrw = 5.70 * rt;
  appendf(text_, "\r\n H = %.2f in, B = %.2f in, tdes = %.3f in, A = %.2f in^2, %s = %.2f in^3, %s = %.2f in^3,"
                 " %s = %.1f in^4", s.Ht, s.B, t, s.A, major ? "Zx" : "Zy", Z, major ? "Sx" : "Sy", S,
          major ? "Ix" : "Iy", I);
  appendf(text_, "\r\n\r\n Width-to-thickness ratios (Table B4.1b, cases 17 and 19)");
  appendf(text_, "\r\n\t Flange b/t = %.2f;  lambda_p = 1.12 sqrt(E/Fy) = %.2f;  lambda_r = 1.40 sqrt(E/Fy) = %.2f: %s",
          lf, lpf, lrf, compactness(lf, lpf, lrf));
  appendf(text_, "\r\n\t Web h/t = %.2f;  lambda_p = 2.42 sqrt(E/Fy) = %.2f;  lambda_r = 5.70 sqrt(E/Fy) = %.2f: %s", lw,
          lpw, lrw, compactness(lw, lpw, lrw));
  if (lw > lrw) return fail("The webs are slender (h/t > 5.70 sqrt(E/Fy)); Section F7.3(b) is not covered.");

  const double Mp = Fy * Z;
  appendf(text_, "\r\n\r\n F7.1 Yielding\r\n\t Mn = Mp = Fy Z = %.2f x %.2f = %.1f kip-in (Eq. F7-1)", Fy, Z, Mp);
  moment(Mp, "yielding, Eq. F7-1");

  if (lf <= lpf) {
    text_ += "\r\n\r\n Compact flanges: flange local buckling does not apply (F7.2(a))";
  } else if (lf <= lrf) {
    const double Mn = std::min(Mp, Mp - (Mp - Fy * S) * (3.57 * lf * std::sqrt(Fy / E) - 4.0));
    appendf(text_, "\r\n\r\n F7.2 Flange local buckling\r\n\t Noncompact: Mn = Mp - (Mp - Fy S)(3.57 (b/t) sqrt(Fy/E)"
                   " - 4.0) = %.1f kip-in <= Mp (Eq. F7-2)", Mn);
    moment(Mn, "flange local buckling, Eq. F7-2");
  } else {
    const double be = std::min(bFlat, 1.92 * t * rt * (1.0 - 0.38 / lf * rt));
    // The compression flange loses (b - be) t; the neutral axis moves toward the tension flange.
    const double dA = (bFlat - be) * t, y1 = (depth - t) / 2.0;
    const double e = dA * y1 / (s.A - dA);
    const double Ie = I - dA * y1 * y1 - dA * t * t / 12.0 - (s.A - dA) * e * e;
    const double Se = Ie / (depth / 2.0 + e);
    appendf(text_, "\r\n\r\n F7.2 Flange local buckling\r\n\t Slender: be = 1.92 t sqrt(E/Fy)(1 - 0.38/(b/t) sqrt(E/Fy))"
                   " = %.3f in <= b = %.3f in (Eq. F7-4)", be, bFlat);
    appendf(text_, "\r\n\t Compression flange reduced by (b - be) t = %.3f in^2: Ie = %.2f in^4, Se = %.2f in^3", dA, Ie,
            Se);
    appendf(text_, "\r\n\t Mn = Fy Se = %.2f x %.2f = %.1f kip-in (Eq. F7-3)", Fy, Se, Fy * Se);
    moment(Fy * Se, "flange local buckling, Eq. F7-3");
  }

  if (lw <= lpw) {
    text_ += "\r\n\r\n Compact webs: web local buckling does not apply (F7.3(a))";
  } else {
    const double Mn = std::min(Mp, Mp - (Mp - Fy * S) * (0.305 * lw * std::sqrt(Fy / E) - 0.738));
    appendf(text_, "\r\n\r\n F7.3 Web local buckling\r\n\t Noncompact: Mn = Mp - (Mp - Fy S)(0.305 (h/t) sqrt(Fy/E)"
                   " - 0.738) = %.1f kip-in <= Mp (Eq. F7-5)", Mn);
    moment(Mn, "web local buckling, Eq. F7-5");
  }

  if (!major || s.Ht == s.B) {
    text_ += "\r\n\r\n Lateral-torsional buckling does not apply (square HSS, or bending about the minor axis)";
    return;
  }
  const double JA = std::sqrt(s.J * s.A);
  const double Lp = 0.13 * E * s.ry * JA / Mp, Lr = 2.0 * E * s.ry * JA / (0.7 * Fy * s.Sx);
  Lp_ = Lp / 12.0;
  Lr_ = Lr / 12.0;
  appendf(text_, "\r\n\r\n F7.4 Lateral-torsional buckling (ry = %.3f in, J = %.1f in^4)", s.ry, s.J);
  appendf(text_, "\r\n\t Lp = 0.13 E ry sqrt(J Ag)/Mp = %.1f in = %.2f ft (Eq. F7-12)", Lp, Lp_);
  appendf(text_, "\r\n\t Lr = 2 E ry sqrt(J Ag)/(0.7 Fy Sx) = %.1f in = %.2f ft (Eq. F7-13)", Lr, Lr_);
  const double Lb = in_.Lb * 12.0, Cb = in_.Cb;
  if (Lb <= Lp) {
    text_ += "\r\n\t Lb <= Lp: lateral-torsional buckling does not apply (F7.4(a))";
  } else if (Lb <= Lr) {
    const double Mn = std::min(Mp, Cb * (Mp - (Mp - 0.7 * Fy * s.Sx) * (Lb - Lp) / (Lr - Lp)));
    appendf(text_, "\r\n\t Lp < Lb <= Lr: Mn = Cb [Mp - (Mp - 0.7 Fy Sx)(Lb - Lp)/(Lr - Lp)] = %.1f kip-in <= Mp"
                   " (Eq. F7-10)", Mn);
    moment(Mn, "lateral-torsional buckling, Eq. F7-10");
  } else {
    const double Mn = std::min(Mp, 2.0 * E * Cb * JA / (Lb / s.ry));
    appendf(text_, "\r\n\t Lb > Lr: Mn = 2 E Cb sqrt(J Ag)/(Lb/ry) = %.1f kip-in <= Mp (Eq. F7-11)", Mn);
    moment(Mn, "lateral-torsional buckling, Eq. F7-11");
  }
}

// F8: round HSS and pipe.
void Flexure::roundHss() {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E, Dt = s.Dt;
  const double lp = 0.07 * E / Fy, lr = 0.31 * E / Fy;
  appendf(text_, "\r\n D = %.3f in, tdes = %.3f in, Z = %.2f in^3, S = %.2f in^3", s.OD, s.tdes, s.Zx, s.Sx);
  appendf(text_, "\r\n\r\n Diameter-to-thickness ratio (Table B4.1b, case 20)");
  appendf(text_, "\r\n\t D/t = %.2f;  lambda_p = 0.07 E/Fy = %.2f;  lambda_r = 0.31 E/Fy = %.2f: %s", Dt, lp, lr,
          compactness(Dt, lp, lr));
  if (Dt >= 0.45 * E / Fy)
    return fail(format("D/t = %.2f is not below 0.45 E/Fy = %.2f; Section F8 does not apply.", Dt, 0.45 * E / Fy));
  const double Mp = Fy * s.Zx;
  appendf(text_, "\r\n\r\n F8.1 Yielding\r\n\t Mn = Mp = Fy Z = %.2f x %.2f = %.1f kip-in (Eq. F8-1)", Fy, s.Zx, Mp);
  moment(Mp, "yielding, Eq. F8-1");
  if (Dt <= lp) {
    text_ += "\r\n\r\n Compact section: local buckling does not apply (F8.2(a))";
  } else if (Dt <= lr) {
    const double Mn = (0.021 * E / Dt + Fy) * s.Sx;
    appendf(text_, "\r\n\r\n F8.2 Local buckling\r\n\t Noncompact: Mn = (0.021 E/(D/t) + Fy) S = %.1f kip-in (Eq. F8-2)",
            Mn);
    moment(Mn, "local buckling, Eq. F8-2");
  } else {
    const double Fcr = 0.33 * E / Dt;
    appendf(text_, "\r\n\r\n F8.2 Local buckling\r\n\t Slender: Fcr = 0.33 E/(D/t) = %.2f ksi (Eq. F8-4)", Fcr);
    appendf(text_, "\r\n\t Mn = Fcr S = %.1f kip-in (Eq. F8-3)", Fcr * s.Sx);
    moment(Fcr * s.Sx, "local buckling, Eq. F8-3");
  }
}

// G2.1: webs of I-shapes and channels.
void Flexure::shearWeb() {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E, htw = s.htw, Aw = s.d * s.tw;
  appendf(text_, " (G2.1): Aw = d tw = %.3f x %.3f = %.2f in^2, h/tw = %.2f", s.d, s.tw, Aw, htw);
  const double rolledLimit = 2.24 * std::sqrt(E / Fy);
  double Cv1 = 1.0;
  Factor f = kShear;
  if (isIShape(s.family) && htw <= rolledLimit) {
    f = kShearRolledI;
    appendf(text_, "\r\n\t Rolled I-shape with h/tw <= 2.24 sqrt(E/Fy) = %.2f: phi_v = 1.00, Omega_v = 1.50,"
                   " Cv1 = 1.0 (Eq. G2-2)", rolledLimit);
  } else {
    const double kv = 5.34, lim = 1.10 * std::sqrt(kv * E / Fy);
    if (htw <= lim) {
      appendf(text_, "\r\n\t kv = 5.34;  h/tw <= 1.10 sqrt(kv E/Fy) = %.2f: Cv1 = 1.0 (Eq. G2-3)", lim);
    } else {
      Cv1 = lim / htw;
      appendf(text_, "\r\n\t kv = 5.34;  h/tw > 1.10 sqrt(kv E/Fy) = %.2f: Cv1 = 1.10 sqrt(kv E/Fy)/(h/tw) = %.3f"
                     " (Eq. G2-4)", lim, Cv1);
    }
  }
  const double Vn = 0.6 * Fy * Aw * Cv1;
  appendf(text_, "\r\n\t Vn = 0.6 Fy Aw Cv1 = 0.6 x %.2f x %.2f x %.3f = %.2f kips (Eq. G2-1)", Fy, Aw, Cv1, Vn);
  shear(f, Vn, "shear, Eq. G2-1");
}

// G6: I-shapes and channels sheared along the minor axis; both flanges resist.
void Flexure::shearFlanges() {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E;
  const double bt = isChannel(s.family) ? s.bt : s.bf2tf;
  const char* eq = "";
  const double Cv2 = shearCv2(bt, 1.2, Fy, E, &eq);
  appendf(text_, " (G6): b/tf = %.2f, kv = 1.2: Cv2 = %.3f (Eq. %s)", bt, Cv2, eq);
  const double Vn = 2.0 * 0.6 * Fy * s.bf * s.tf * Cv2;
  appendf(text_, "\r\n\t Vn = 2 x 0.6 Fy bf tf Cv2 = 2 x 0.6 x %.2f x %.3f x %.3f x %.3f = %.2f kips (Eq. G6-1)", Fy, s.bf,
          s.tf, Cv2, Vn);
  shear(kShear, Vn, "shear, Eq. G6-1");
}

// G4: rectangular HSS; the two walls parallel to the shear resist.
void Flexure::shearRectHss() {
  const Shape& s = *s_;
  const bool major = in_.axis == Axis::Major;
  const double h = major ? s.h : s.b, ht = major ? s.htdes : s.btdes, t = s.tdes;
  const double Aw = 2.0 * h * t;
  const char* eq = "";
  const double Cv2 = shearCv2(ht, 5.0, in_.Fy, in_.E, &eq);
  appendf(text_, " (G4): h = %.3f in, Aw = 2 h t = %.3f in^2, h/t = %.2f, kv = 5: Cv2 = %.3f (Eq. %s)", h, Aw, ht, Cv2,
          eq);
  const double Vn = 0.6 * in_.Fy * Aw * Cv2;
  appendf(text_, "\r\n\t Vn = 0.6 Fy Aw Cv2 = %.2f kips (Eq. G4-1)", Vn);
  shear(kShear, Vn, "shear, Eq. G4-1");
}

// G5: round HSS and pipe.
void Flexure::shearRound() {
  const Shape& s = *s_;
  const double E = in_.E, Dt = s.Dt;
  const double b = 0.78 * E / std::pow(Dt, 1.5);
  double Fcr = b;
  text_ += " (G5)";
  if (in_.Lv > 0.0) {
    const double a = 1.60 * E / (std::sqrt(in_.Lv * 12.0 / s.OD) * std::pow(Dt, 1.25));
    appendf(text_, "\r\n\t Lv = %.2f ft: 1.60 E/(sqrt(Lv/D)(D/t)^(5/4)) = %.2f ksi (Eq. G5-2a)", in_.Lv, a);
    Fcr = std::max(a, b);
  } else {
    text_ += "\r\n\t Lv not given: Eq. G5-2a is not used (it can only raise Fcr)";
  }
  appendf(text_, "\r\n\t 0.78 E/(D/t)^(3/2) = %.2f ksi (Eq. G5-2b)", b);
  Fcr = std::min(Fcr, 0.6 * in_.Fy);
  appendf(text_, "\r\n\t Fcr = %.2f ksi <= 0.6 Fy = %.2f ksi", Fcr, 0.6 * in_.Fy);
  const double Vn = Fcr * s.A / 2.0;
  appendf(text_, "\r\n\t Vn = Fcr Ag/2 = %.2f x %.2f / 2 = %.2f kips (Eq. G5-1)", Fcr, s.A, Vn);
  shear(kShear, Vn, "shear, Eq. G5-1");
}

void Flexure::deflection() {
  if (in_.span <= 0.0 || in_.liveLoad <= 0.0 || in_.deflLimit <= 0.0) return;
  const Shape& s = *s_;
  const double I = in_.axis == Axis::Major ? s.Ix : s.Iy;
  const double L = in_.span * 12.0, w = in_.liveLoad / 12.0;
  defl_ = 5.0 * w * std::pow(L, 4) / (384.0 * in_.E * I);
  const double limit = L / in_.deflLimit;
  const std::string name = format("L/%g", in_.deflLimit);
  appendf(text_, "\r\n\r\n Live-load deflection, simple span %.2f ft, wL = %.3f kip/ft, I = %.1f in^4", in_.span,
          in_.liveLoad, I);
  appendf(text_, "\r\n\t Delta_LL = 5 wL L^4/(384 E I) = %.3f in", defl_);
  text_ += atMostLine(result_, defl_, limit, "Delta_LL", name.c_str(), "in", "live-load deflection, " + name);
}

}  // namespace vd::aisc360
