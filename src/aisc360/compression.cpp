#include "aisc360/compression.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "platform/text_format.h"

namespace vd::aisc360 {

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();

// Table E7.1.
constexpr double kC1Stiffened = 0.18, kC2Stiffened = 1.31;
constexpr double kC1HssWall = 0.20, kC2HssWall = 1.38;
constexpr double kC1Unstiffened = 0.22, kC2Unstiffened = 1.49;
}  // namespace

std::string Compression::inputError(const CompressionInput& in) {
  if (std::string m = materialError(in.Fy, in.E); !m.empty()) return m;
  if (!finite(in.Pr) || in.Pr < 0.0) return "The axial load must be zero or a positive number of kips (compression).";
  if (!finite(in.Lcx) || !finite(in.Lcy) || !finite(in.Lcz) || in.Lcx < 0.0 || in.Lcy < 0.0)
    return "Lcx and Lcy must be zero or positive numbers of ft.";
  if (!finite(in.connectorSpacing) || in.connectorSpacing < 0.0)
    return "The connector spacing must be zero (not given) or a positive number of inches.";
  return {};
}

Compression::Compression(const CompressionInput& in) : in_(in), s_(in.section) {
  if (!s_) {
    fail("No section chosen.");
    return;
  }
  if (std::string m = inputError(in); !m.empty()) {
    fail(m);
    return;
  }
  const Shape& s = *s_;
  if (s.family == Family::L) {
    fail("Single angles in compression (Section E5, or E4 for unsymmetric members) are not covered; choose a "
         "double angle or another shape.");
    return;
  }
  const double Fy = in.Fy, E = in.E, G = kShearModulus;
  const double Lcz = in.Lcz < 0.0 ? in.Lcy : in.Lcz;
  const char* method = in.method == Method::LRFD ? "LRFD" : "ASD";
  appendf(text_, " AISC 360-22 compression, %s\r\n", method);
  appendf(text_, " Section %s (%s);  Fy = %.2f ksi,  E = %.0f ksi,  G = %.0f ksi", s.label, familyName(s.family), Fy,
          E, G);
  appendf(text_, "\r\n %s = %.2f kips,  Lcx = %.2f ft,  Lcy = %.2f ft,  Lcz = %.2f ft%s",
          demandName(in.method, "P").c_str(), in.Pr, in.Lcx, in.Lcy, Lcz, in.Lcz < 0.0 ? " (taken as Lcy)" : "");
  appendf(text_, "\r\n Ag = %.3f in^2,  rx = %.3f in,  ry = %.3f in", s.A, s.rx, s.ry);
  if (s.family == Family::DoubleL)
    appendf(text_, " (angles %.3f in. apart, %s)", s.spacing,
            s.legs == Legs::LongBackToBack    ? "long legs back to back"
            : s.legs == Legs::ShortBackToBack ? "short legs back to back"
                                              : "equal legs");

  elements();
  if (!error_.empty()) return;

  // E3: flexural buckling about each axis.
  const double limit = 4.71 * std::sqrt(E / Fy);
  const struct {
    const char* axis;
    double Lc, r;
  } axes[] = {{"x", in.Lcx, s.rx}, {"y", in.Lcy, s.ry}};
  double Fex = kInf, Fey = kInf;
  for (const auto& a : axes) {
    double Lr = a.Lc * 12.0 / a.r;
    std::string feText = Lr > 0.0 ? format("Lc%s/r%s = %.1f", a.axis, a.axis, Lr)
                                   : format("Lc%s = 0: no flexural buckling, Fcr = Fy", a.axis);
    // A double angle bends about y apart from its connectors: the modified slenderness of E6.1.
    if (s.family == Family::DoubleL && a.axis[0] == 'y' && Lr > 0.0) {
      std::string e6;
      Lr = modifiedSlenderness(Lr, e6);
      if (!error_.empty()) return;
      feText += e6;
    }
    const double Fe = Lr > 0.0 ? kPi * kPi * E / (Lr * Lr) : kInf;
    (a.axis[0] == 'x' ? Fex : Fey) = Fe;
    if (Lr > 0.0) {
      // After the E6 lines (whose last is the E6.2 verdict) Fe starts a line of its own.
      appendf(feText, "%sFe = pi^2 E/(Lc/r)^2 = %.2f ksi (Eq. E3-4)",
              feText.find('\n') == std::string::npos ? ";  " : "\r\n\t ", Fe);
      if (Lr > 200.0) feText += "\r\n\t (Lc/r above 200, the limit the User Note to E2 recommends)";
      feText += format("\r\n\t Lc/r %s 4.71 sqrt(E/Fy) = %.1f", Lr <= limit ? "<=" : ">", limit);
    }
    mode(format("flexural buckling about %s", a.axis), Fe, feText, true);
  }

  // E4: torsional and flexural-torsional buckling.
  const bool tee = isTee(s.family), pair = s.family == Family::DoubleL, channel = isChannel(s.family);
  if (isIShape(s.family)) {
    if (Lcz > 0.0) {
      const double Fe = (kPi * kPi * E * s.Cw / std::pow(Lcz * 12.0, 2) + G * s.J) / (s.Ix + s.Iy);
      mode("torsional buckling", Fe,
           format("Lcz = %.2f ft, Cw = %.0f in^6, J = %.3f in^4\r\n\t Fe = (pi^2 E Cw/Lcz^2 + G J)/(Ix + Iy) = %.2f ksi"
                  " (Eq. E4-2)", Lcz, s.Cw, s.J, Fe),
           false);
    }
  } else if (tee || pair || channel) {
    double J = s.J;
    std::string jText = format("J = %.4f in^4", J);
    if (pair) {
      const Shape* angle = componentAngle(s);
      if (!angle) {
        fail("The single angle of this double angle is not in the table.");
        return;
      }
      J = 2.0 * angle->J;
      jText = format("J = 2 x %.4f in^4 (two %s) = %.4f in^4", angle->J, angle->label, J);
    }
    // Tees and double angles: the Cw term is omitted (User Note to E4).
    const double cwTerm = channel && Lcz > 0.0 ? kPi * kPi * E * s.Cw / std::pow(Lcz * 12.0, 2) : 0.0;
    const bool unbounded = channel && Lcz <= 0.0;
    const double Fez = unbounded ? kInf : (cwTerm + G * J) / (s.A * s.ro * s.ro);
    const double Fsym = channel ? Fex : Fey;  // flexural buckling about the axis of symmetry
    const char* symAxis = channel ? "x" : "y";
    std::string t = format("Lcz = %.2f ft, %s,\r\n\t ro = %.3f in, H = %.3f (from the table)", Lcz, jText.c_str(), s.ro,
                           s.H);
    if (unbounded) {
      t += "\r\n\t Lcz = 0: Fez unbounded, Fe = Fe" + std::string(symAxis);
      mode("flexural-torsional buckling", Fsym, t, false);
    } else {
      if (channel)
        t += format("\r\n\t Fez = (pi^2 E Cw/Lcz^2 + G J)/(Ag ro^2) = %.2f ksi (Eq. E4-7), Cw = %.1f in^6", Fez, s.Cw);
      else
        t += format("\r\n\t Fez = G J/(Ag ro^2) = %.2f ksi (Eq. E4-7, Cw term omitted for %s)", Fez,
                    pair ? "double angles" : "tees");
      double Fe = Fez;
      if (std::isfinite(Fsym)) {
        const double sum = Fsym + Fez;
        Fe = sum / (2.0 * s.H) * (1.0 - std::sqrt(1.0 - 4.0 * Fsym * Fez * s.H / (sum * sum)));
        t += format("\r\n\t Fe = (Fe%s + Fez)/(2H) [1 - sqrt(1 - 4 Fe%s Fez H/(Fe%s + Fez)^2)] = %.2f ksi (Eq. E4-3,"
                    " %s the axis of symmetry)", symAxis, symAxis, symAxis, Fe, symAxis);
      } else {
        t += format("\r\n\t Lc%s = 0: Fe = Fez = %.2f ksi", symAxis, Fe);
      }
      mode("flexural-torsional buckling", Fe, t, false);
    }
  }

  Pc_ = available(in.method, kCompression, Pn_);
  appendf(text_, "\r\n\r\n Governing: %s, %s = %.2f kips", governing_.c_str(),
          availableName(in.method, kCompression, "P").c_str(), Pc_);
  text_ += "\r\n\r\n" + result_.summaryLine();
}

void Compression::fail(const std::string& why) {
  error_ = why;
  text_ = " AISC 360-22 compression: cannot calculate.\r\n " + why + "\r\n";
  result_ = DesignResult{};
  result_.check(1.0e9, false, "input: " + why);
}

// The elements of the cross-section and their width-to-thickness ratios (Table B4.1a).
void Compression::elements() {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E, rt = std::sqrt(E / Fy);
  text_ += "\r\n\r\n Width-to-thickness ratios (Table B4.1a)";
  if (isRoundHss(s.family)) {
    round_ = true;
    const double lr = 0.11 * E / Fy;
    appendf(text_, "\r\n\t D/t = %.2f;  lambda_r = 0.11 E/Fy = %.2f (case 9): %s", s.Dt, lr,
            s.Dt <= lr ? "nonslender" : "slender");
    if (s.Dt >= 0.45 * E / Fy)
      fail(format("D/t = %.2f is not below 0.45 E/Fy = %.2f; Eq. E7-7 does not apply.", s.Dt, 0.45 * E / Fy));
    return;
  }
  const double unst = 0.56 * rt;
  if (isIShape(s.family)) {
    elems_.push_back({"Flange bf/2tf", 4, s.bf / 2.0, s.tf, s.bf2tf, unst, kC1Unstiffened, kC2Unstiffened, "case 1"});
    elems_.push_back({"Web h/tw", 1, s.htw * s.tw, s.tw, s.htw, 1.49 * rt, kC1Stiffened, kC2Stiffened, "case 5"});
  } else if (isChannel(s.family)) {
    elems_.push_back({"Flange b/t", 2, s.bf, s.tf, s.bt, unst, kC1Unstiffened, kC2Unstiffened, "case 1"});
    elems_.push_back({"Web h/tw", 1, s.htw * s.tw, s.tw, s.htw, 1.49 * rt, kC1Stiffened, kC2Stiffened, "case 5"});
  } else if (isTee(s.family)) {
    elems_.push_back({"Flange bf/2tf", 2, s.bf / 2.0, s.tf, s.bf2tf, unst, kC1Unstiffened, kC2Unstiffened, "case 1"});
    elems_.push_back({"Stem d/tw", 1, s.d, s.tw, s.Dt, 0.75 * rt, kC1Unstiffened, kC2Unstiffened, "case 4"});
  } else if (s.family == Family::HssRect) {
    elems_.push_back({"Wall b/t", 2, s.b, s.tdes, s.btdes, 1.40 * rt, kC1HssWall, kC2HssWall, "case 6"});
    elems_.push_back({"Wall h/t", 2, s.h, s.tdes, s.htdes, 1.40 * rt, kC1HssWall, kC2HssWall, "case 6"});
  } else if (s.family == Family::DoubleL) {
    // Legs of angles in continuous contact that stand out from the pair: case 1; all other legs: case 3.
    const double longLeg = std::max(s.d, s.b), shortLeg = std::min(s.d, s.b);
    const bool contact = s.spacing == 0.0;
    const double outstanding = s.legs == Legs::LongBackToBack ? shortLeg : longLeg;
    const double joined = s.legs == Legs::LongBackToBack ? longLeg : shortLeg;
    elems_.push_back({"Outstanding legs b/t", 2, outstanding, s.t, outstanding / s.t, contact ? unst : 0.45 * rt,
                      kC1Unstiffened, kC2Unstiffened, contact ? "case 1" : "case 3"});
    elems_.push_back({"Back-to-back legs b/t", 2, joined, s.t, joined / s.t, 0.45 * rt, kC1Unstiffened,
                      kC2Unstiffened, "case 3"});
  }
  for (const Element& e : elems_) {
    appendf(text_, "\r\n\t %s = %.2f;  lambda_r = %.2f sqrt(E/Fy) = %.2f (%s): %s", e.name, e.lambda, e.lambdaR / rt,
            e.lambdaR, e.kase, e.lambda <= e.lambdaR ? "nonslender" : "slender");
  }
}

// E6.1: (Lc/r)m of a double angle about y from its connector spacing a and the least radius of
// gyration ri of one angle. Without a spacing the connectors are taken as welded or pretensioned bolted
// at a/ri <= 40, and the report says so.
double Compression::modifiedSlenderness(double Lr, std::string& lines) {
  const Shape* angle = componentAngle(*s_);
  if (!angle) {
    fail("The single angle of this double angle is not in the table.");
    return Lr;
  }
  if (in_.connectorSpacing <= 0.0) {
    lines += "\r\n\t Connectors taken as welded or pretensioned bolted with a/ri <= 40: (Lc/r)m = (Lc/r)o"
             " (Eq. E6-2a)";
    return Lr;
  }
  const double ri = angle->rz, ar = in_.connectorSpacing / ri;
  double m = Lr;
  const char* eq = "E6-2a";
  if (in_.snugTight) {
    m = std::sqrt(Lr * Lr + ar * ar);
    eq = "E6-1";
  } else if (ar > 40.0) {
    m = std::sqrt(Lr * Lr + std::pow(0.50 * ar, 2));
    eq = "E6-2b";
  }
  lines += format("\r\n\t Connectors %s at a = %.2f in, ri = rz of %s = %.3f in, a/ri = %.1f", in_.snugTight ?
                  "snug-tight bolted" : "welded or pretensioned bolted", in_.connectorSpacing, angle->label, ri, ar);
  lines += format("\r\n\t (Lc/r)m = %.1f (Eq. %s%s)", m, eq, std::string(eq) == "E6-2b" ? ", Ki = 0.50" : "");
  // E6.2: each angle between connectors no more slender than 3/4 of the member.
  const double most = std::max(m, in_.Lcx * 12.0 / s_->rx);
  lines += atMostLine(result_, ar, 0.75 * most, "a/ri", "3/4 (Lc/r) of the member", "",
                             "connector spacing, E6.2");
  return m;
}

// The effective area at stress Fcr (E7.1); "lines" gets the working of each reduced element.
double Compression::effectiveArea(double Fcr, std::string& lines) const {
  const Shape& s = *s_;
  const double Fy = in_.Fy, E = in_.E;
  if (round_) {
    const double lr = 0.11 * E / Fy;
    if (s.Dt <= lr) return s.A;
    const double Ae = (0.038 * E / (Fy * s.Dt) + 2.0 / 3.0) * s.A;
    lines += format("\r\n\t 0.11 E/Fy < D/t < 0.45 E/Fy: Ae = [0.038 E/(Fy D/t) + 2/3] Ag = %.3f in^2 (Eq. E7-7)", Ae);
    return Ae;
  }
  double Ae = s.A;
  for (const Element& e : elems_) {
    const double limit = e.lambdaR * std::sqrt(Fy / Fcr);
    if (e.lambda <= limit) continue;
    const double Fel = std::pow(e.c2 * e.lambdaR / e.lambda, 2) * Fy;
    const double ratio = std::sqrt(Fel / Fcr);
    const double be = e.b * (1.0 - e.c1 * ratio) * ratio;
    Ae -= e.count * (e.b - be) * e.t;
    lines += format("\r\n\t %s = %.2f > lambda_r sqrt(Fy/Fcr) = %.2f: c1 = %.2f, c2 = %.2f (Table E7.1)", e.name,
                    e.lambda, limit, e.c1, e.c2);
    lines += format("\r\n\t   Fel = (c2 lambda_r/lambda)^2 Fy = %.2f ksi (Eq. E7-5); be = b (1 - c1 sqrt(Fel/Fcr))"
                    " sqrt(Fel/Fcr) = %.3f in of b = %.3f in (Eq. E7-3), x %d", Fel, be, e.b, e.count);
  }
  if (Ae < s.A) lines += format("\r\n\t Ae = Ag - sum (b - be) t = %.3f in^2", Ae);
  return Ae;
}

void Compression::mode(const std::string& title, double Fe, const std::string& feText, bool flexural) {
  const double Fy = in_.Fy;
  appendf(text_, "\r\n\r\n %c%s (%s)\r\n\t %s", std::toupper(static_cast<unsigned char>(title[0])), title.c_str() + 1,
          flexural ? "E3" : "E4", feText.c_str());
  double Fcr = Fy;
  if (std::isfinite(Fe)) {
    if (Fy / Fe <= 2.25) {
      Fcr = std::pow(0.658, Fy / Fe) * Fy;
      appendf(text_, "\r\n\t Fy/Fe = %.3f <= 2.25: Fcr = 0.658^(Fy/Fe) Fy = %.2f ksi (Eq. E3-2)", Fy / Fe, Fcr);
    } else {
      Fcr = 0.877 * Fe;
      appendf(text_, "\r\n\t Fy/Fe = %.3f > 2.25: Fcr = 0.877 Fe = %.2f ksi (Eq. E3-3)", Fy / Fe, Fcr);
    }
  }
  std::string lines;
  const double Ae = effectiveArea(Fcr, lines);
  text_ += lines;
  const bool reduced = Ae < s_->A;
  const double Pn = Fcr * Ae;
  const char* eq = reduced ? "E7-1" : (flexural ? "E3-1" : "E4-1");
  appendf(text_, "\r\n\t Pn = Fcr %s = %.2f x %.3f = %.2f kips (Eq. %s)", reduced ? "Ae" : "Ag", Fcr, Ae, Pn, eq);
  const std::string name = title + (reduced ? " with slender elements" : "") + ", Eq. " + eq;
  text_ += limitState(result_, in_.method, kCompression, "P", in_.Pr, Pn, "kips", name);
  if (governing_.empty() || Pn < Pn_) {
    Pn_ = Pn;
    Fcr_ = Fcr;
    Ae_ = Ae;
    governing_ = name;
  }
}

}  // namespace vd::aisc360
