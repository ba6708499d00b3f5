#include "steel/column_checks.h"

#include <cctype>
#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"

namespace vd {

ColumnRole columnRoleFrom(int value) {
  return value >= 0 && value <= 3 ? static_cast<ColumnRole>(value) : ColumnRole::Column;
}

std::string axialCheckName(Axis axis, double klr, double Cc, double Q) {
  return std::string(axis == Axis::Major ? "axial, x-x axis, " : "axial, y-y axis, ") + axialStressEquation(klr, Cc, Q);
}

const char* limitVerdict(DesignResult& result, double value, double limit, const std::string& name) {
  const bool ok = value <= limit;
  result.check(limit > 0.0 ? value / limit : 1.0e9, ok, name);
  return ok ? "  OK" : "  NO GOOD!!!";
}

AxisResult columnAxisCheck(std::string& report, DesignResult& result, Axis axis, double klr, double Cc, double Fy,
                           double Qs, double A, double P, double beta, std::string_view afterHeading,
                           const char* qName) {
  AxisResult r;
  r.klr = klr;
  appendf(report,
          axis == Axis::Major ? "\r\n\r\n Major axis -- k l_xx/r_xx ratio:\r\n\t Since kl/r = %.2f"
                              : "\r\n Minor axis --  k l_yy/r_yy ratio:\r\n\t Since kl/r = %.2f",
          klr);
  report += afterHeading;
  std::string line;
  r.fa = allowableAxialStress(line, klr, Cc, Fy, Qs, qName);
  report += line;
  if (beta > 0.0) {
    r.Pallow = r.fa * A * beta;
    appendf(report,
            axis == Axis::Major ? "\r\n\t Allowable load = f_a * area * beta =%.2f kips "
                                : "\r\n\t Allowable load =f_a * area *beta =%.2f kips ",
            r.Pallow);
  } else {
    r.Pallow = r.fa * A;
    appendf(report,
            axis == Axis::Major ? "\r\n\t Allowable load = f_a * area =%.2f kips "
                                : "\r\n\t Allowable load =f_a * area =%.2f kips ",
            r.Pallow);
  }
  report += result.ratioLine(P, r.Pallow, "Design Load", "Allowable Load", "kip", axialCheckName(axis, klr, Cc, Qs));
  appendf(report, "\r\n\t (P)design/(P)capacity =%.2f%%\r\n", P / r.Pallow * 100.0);
  return r;
}

double ubcColumnCheck(std::string& report, DesignResult& result, double dead, double live, double seismic, int Rw,
                      double fa, double A) {
  const double P = 1.0 * dead + 0.7 * live + (Rw / 8.0) * 3.0 * seismic;
  const double Psc = 1.7 * A * fa;
  appendf(report,
          "\r\n UBC Section 2213.5.1 ---  P = 1.0*Dead+ 0.7*Live + 3*(Rw/8)*Seismic \r\n\t =1.0*%.2f + 0.7*%.2f + "
          "3*(%d/8)*%.2f =%.2f kip\r\n\t Section 2211.4.2 Member strength (P)sc = 1.7*Fa*Area = %.2f kip\r\n\r --- P "
          "= 0.85*Dead +/- 3*(Rw/8)*Seismic  not reviewed here.",
          dead, live, Rw, seismic, P, Psc);
  report += result.ratioLine(P, Psc, "Axial P", "(P)sc", "kip", "member strength (P)sc, UBC 2211.4.2");
  appendf(report, "\r\n\t (P)design/(P)sc =%.2f%%\r\n", P / (fa * 1.7 * A) * 100.0);
  return P;
}

bool cbfSlendernessBlock(std::string& report, DesignResult& result, double lr, double Fy, double beta) {
  const double limit = 720.0 / std::sqrt(Fy);
  appendf(report,
          "\r\n\r\n 97 UBC 2213.8 Requirement for Concentrically Braced Frames (CBF)\r\n 97 UBC 2213.8.2.1  "
          "Slenderness: In Seismic Zones 3 & 4, the l/r ratio for bracing members\r\n shall not exceed 720/sqrt(Fy) "
          "except as permitted in Sections 2213.8.5 or 2213.8.6\r\n   l/r ratio =%.2lf  vs.  720/sqrt(Fy) = "
          "%.2lf%s\r\n the stress-reduction factor Beta = 1 /(1+(k*l*r/(2*Cc))) =%.3lf ",
          lr, limit, limitVerdict(result, lr, limit, "brace l/r, UBC 2213.8.2.1"), beta);
  if (lr <= limit) return true;
  report += kCbfStopReport;
  return false;
}

bool scbfSlendernessBlock(std::string& report, DesignResult& result, double klr, double Fy) {
  const double limit = 1000.0 / std::sqrt(Fy);
  const char c = klr <= limit ? '<' : '>';
  appendf(report,
          "\r\n\r\n 97 UBC 2213.9 Requirement for Special Concentrically Braced Frames (SCBF)\r\n 97 UBC 2213.9.2.1 "
          "Slenderness Check kl/r (=%.2f)  %c 1000/sqrt(Fy) (=%.2lf)%s",
          klr, c, limit, limitVerdict(result, klr, limit, "brace kl/r, UBC 2213.9.2.1"));
  if (c == '<') return true;
  report += kScbfStopReport;
  return false;
}

RoleDesign designInRole(std::string& r, DesignResult& result, const RoleInputs& in) {
  RoleDesign d;
  auto bothAxes = [&](double beta, std::string_view minorNote) {
    d.major = columnAxisCheck(r, result, Axis::Major, in.klrX, in.Cc, in.Fy, in.Q, in.A, in.P, beta, {}, "Qa");
    d.minor = columnAxisCheck(r, result, Axis::Minor, in.klrY, in.Cc, in.Fy, in.Q, in.A, in.P, beta, minorNote, "Qa");
  };
  switch (in.role) {
    case ColumnRole::Column:
      bothAxes(0.0, {});
      break;
    case ColumnRole::SeismicColumn:
      bothAxes(0.0, in.minorNote);
      d.seismicP =
          ubcColumnCheck(r, result, in.dead, in.live, in.seismic, in.Rw, smallerOf(d.major.fa, d.minor.fa), in.A);
      break;
    case ColumnRole::CbfBrace:
      d.Beta = braceStressFactor(in.klrMax, in.Cc);
      if (cbfSlendernessBlock(r, result, in.lr, in.Fy, d.Beta))
        bothAxes(d.Beta, {});
      else
        d.stop = kCbfStopText;
      break;
    case ColumnRole::ScbfBrace:
      if (scbfSlendernessBlock(r, result, in.klrMax, in.Fy)) {
        if (in.scbfChecks) in.scbfChecks(r, result);
        bothAxes(0.0, {});
      } else {
        d.stop = kScbfStopText;
      }
      break;
  }
  return d;
}

double effectiveWidth(double t, double ratio, double f, double c) {
  const double b = ratio * t;
  return smallerOf(253.0 * t / std::sqrt(f) * (1.0 - c / (ratio * std::sqrt(f))), b);
}

double effectiveAreaFactor(double klr, double Cc, double Fy, double A, double (*lostArea)(double f, const void* ctx),
                           const void* ctx, double& f) {
  double Qa = 1.0;
  std::string unused;
  f = 0.0;
  for (int i = 0; i < 100; ++i) {
    f = allowableAxialStress(unused, klr, Cc, Fy, Qa) / Qa;
    const double next = smallerOf((A - lostArea(f, ctx)) / A, 1.0);
    const bool settled = std::fabs(next - Qa) < 1e-9;
    Qa = next;
    if (settled) break;
  }
  return Qa;
}

bool hasNonFiniteNumber(std::string_view report) {
  auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (std::string_view word : {std::string_view("inf"), std::string_view("nan")}) {
    for (std::size_t pos = report.find(word); pos != std::string_view::npos; pos = report.find(word, pos + 1)) {
      const bool startsWord = pos == 0 || !isLetter(report[pos - 1]);
      const std::size_t end = pos + word.size();
      const bool endsWord = end >= report.size() || !isLetter(report[end]);
      if (startsWord && endsWord) return true;
    }
  }
  return false;
}

std::string columnInputError(double Fy, double Kx, double Lx, double Ky, double Ly, double rx, double ry, double A,
                             double klrMax) {
  if (!(Fy > 0.0)) return "Fy must be greater than zero.";
  if (Kx < 0.0 || Lx < 0.0 || Ky < 0.0 || Ly < 0.0) return "K factors and unbraced lengths cannot be negative.";
  if (!(rx > 0.0) || !(ry > 0.0) || !(A > 0.0)) return "The section has no area or radius of gyration.";
  // E2-2 divides by (kl/r)^2: a length so large that it overflows leaves no allowable stress.
  const double fa = eqE2_2(klrMax, 1.0);
  if (!std::isfinite(klrMax) || !(fa > 0.0)) return "The unbraced lengths are too large to design.";
  return {};
}

}  // namespace vd
