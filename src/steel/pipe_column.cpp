#include "steel/pipe_column.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"
#include "steel/column_checks.h"

namespace vd {

PipeColumn::PipeColumn(const SectionRecord& s, double len, double kFactor, double load, double fy, int type,
                       double d, double l, double e, int rw)
    : memberType(type >= 0 && type <= 3 ? type : 0),
      Rw(rw),
      section(s),
      length(len),
      k(kFactor),
      P(load),
      Fy(fy),
      dead(d),
      live(l),
      seismic(e),
      A(s.A),
      klr(kFactor * len * 12.0 / s.rxx) {
  if (Fy > 0.0) Cc = slendernessCc(Fy);
}

std::string PipeColumn::inputError() const {
  if (!(Fy > 0.0)) return "Fy must be greater than zero.";
  if (k < 0.0 || length < 0.0) return "K and the unbraced length cannot be negative.";
  if (!(section.rxx > 0.0) || !(A > 0.0) || !(section.t > 0.0)) return "The pipe has no area or wall.";
  if (!std::isfinite(klr)) return "The unbraced length is too large to design.";
  return {};
}

std::string PipeColumn::design() {
  stop_ = None;
  result_ = DesignResult{};
  fa = capacity = Beta = seismicP = 0.0;
  const double D = section.D, t = section.t;
  const double sqrtFy = std::sqrt(Fy);

  std::string r;
  appendf(r,
          "\r\n Compression Member for Pipes Based on the 9th Ed. AISC Allowable Design\r\n Input:\t %s length =%.2f "
          "ft,\t k_factor =%.2f,\r\n\t Axial load =%.2f kips,\t F_yield =%.2f ksi,\t E =%.1f ksi.\r\n",
          memberType <= 1 ? "Column" : "Brace", length, k, P, Fy, kSteelModulus);
  appendf(r,
          "\r\n Outside diameter= %.3f in.\t inside diameter =%.3f in\r\n Steel area =%.3f in^2\r\n Weight =%.3f "
          "lbs/ft\t Wall thickness =%.4f in\r\n\t Elastic Properties:\r\n I =%.2f in^4,   S =%.3f in^3,   r =%.3f "
          "in\r\n\r\n AISC ASD 9th Ed. EQ. F1-2 ...",
          D, static_cast<double>(section.Di), A, static_cast<double>(section.weight), t,
          static_cast<double>(section.Ixx), static_cast<double>(section.Sxx), static_cast<double>(section.rxx));
  const double Dt = D / t;
  appendf(r,
          "\r\n\r\n Design:\r\n Check diameter-thickness ratio:\r\n\t diameter/thickness (=%.2f)  %c 3300.0/Fyield "
          "(=%.2f)",
          Dt, Dt <= 3300.0 / Fy ? '<' : '>', 3300.0 / Fy);

  if (klr > 200.0) {
    stop_ = SlendernessB7;
    result_.check(klr / 200.0, false, "slenderness kl/r, Sect. B7");
    return format("\r\n AISC Section B7 limits kl/r(%.1f) > 200 N.G.", klr);
  }
  if (memberType == 2 && klr > 720.0 / sqrtFy) {
    stop_ = CbfSlenderness;
    result_.check(klr / (720.0 / sqrtFy), false, "brace kl/r, UBC 2213.8.2.1");
    return format("\r\n 97 UBC 2213.8.2.1 limits kl/r(%.1f) > 720/sqrt(Fy)(=%.1f) N.G.", klr, 720.0 / sqrtFy);
  }
  if (memberType == 3 && klr > 1000.0 / sqrtFy) {
    stop_ = ScbfSlenderness;
    result_.check(klr / (1000.0 / sqrtFy), false, "brace kl/r, UBC 2213.9.2.1");
    return format("\r\n 97 UBC 2213.9.2.1 limits kl/r(%.1f) > 1000/sqrt(Fy)(=%.1f) N.G.", klr, 1000.0 / sqrtFy);
  }

  Qs = 1.0;
  if (Dt <= 3300.0 / Fy) {
    r += "\r\n\tASD Table B5.1 D/t -- The pipe is fully effective.";
  } else {
    // A wall beyond 3300/Fy buckles locally: Appendix B5 reduces the area by A-B5-9 up to 13,000/Fy,
    // beyond which the pipe may not be used as a column at all.
    Qs = 1100.0 / (Fy * Dt) + 2.0 / 3.0;
    appendf(r, "\r\n\t ASD Appendix B5 Eq. A-B5-9:  Qa = 1100/(Fy*D/t) + 2/3 =%.3f", Qs);
    appendf(r, "\r\n\t diameter/thickness (=%.2f)  %c 13000/Fyield (=%.2f)%s", Dt, Dt <= 13000.0 / Fy ? '<' : '>',
            13000.0 / Fy, limitVerdict(result_, Dt, 13000.0 / Fy, "pipe D/t, App. B5"));
  }
  appendf(r, "\r\n\r\n\t kl/r =%.2f,   Cc = sqrt(2*pi^2*E/Fy) =%.2f", klr, Cc);

  std::string faText;
  fa = allowableAxialStress(faText, klr, Cc, Fy, Qs, "Qa");
  const std::string axial = std::string("axial, ") + axialStressEquation(klr, Cc, Qs);
  switch (memberType) {
    case 0:
    case 1:
      capacity = fa * A;
      appendf(r, "\r\n\r\n k l /r ratio:\r\n\t Since kl/r = %.2f", klr);
      r += faText;
      appendf(r, "\r\n\t Allowable load = f_a * area =%.2f kips ", capacity);
      r += result_.ratioLine(P, capacity, "Design Load", "Allowable Load", "kip", axial);
      appendf(r, "\r\n\t (P)design/(P)capacity =%.2f%%\r\n", P / capacity * 100.0);
      if (memberType == 1) {
        seismicP = 1.0 * dead + 0.7 * live + 3.0 * (Rw / 8.0) * seismic;
        const double Psc = 1.7 * fa * A;
        appendf(r,
                "\r\n UBC Section 2211.5.5 ---  P = 1.0*Dead+ 0.7*Live + 3*(Rw/8)*Seismic \r\n\t =1.0*%.2f + 0.7*%.2f "
                "+ 3*(%d/8)*%.2f =%.2f kip\r\n\t Section 2211.4.2 Member strength (P)sc = 1.7*Fa*Area = %.2f "
                "kip\r\n\r --- P = 0.85*Dead +/- 3*(Rw/8)*Seismic  not reviewed here.",
                dead, live, Rw, seismic, seismicP, Psc);
        r += result_.ratioLine(seismicP, Psc, "Axial P", "(P)sc", "kip", "member strength (P)sc, UBC 2211.4.2");
        appendf(r, "\r\n\t (P)design/(P)sc =%.2f%%\r\n", seismicP / Psc * 100.0);
      }
      break;
    case 2: {
      Beta = braceStressFactor(klr, Cc);
      appendf(r,
              "\r\n\r\n 97 UBC 2213.8 Requirement for Concentrically Braced Frames (CBF)\r\n the stress-reduction factor "
              "Beta = 1 /(1+(k*l*r/(2*Cc))) =%.3lf ",
              Beta);
      // The diameter-thickness limits of the seismic provisions go with 1/Fy.
      const double limit = 1300.0 / Fy;
      appendf(r,
              "\r\n\r\n 97 UBC 2213.8.2.5 Requirement for Concentrically Braced Frames (CBF)\r\n 97 UBC 2213.8.2.5 -- "
              "OD/t (=%.2lf)  %c 1300/Fy (=%.2lf)%s",
              Dt, Dt <= limit ? '<' : '>', limit, limitVerdict(result_, Dt, limit, "brace D/t, UBC 2213.8.2.5"));
      capacity = fa * A * Beta;
      appendf(r,
              "\r\n\t Allowable load= f_a * area * Beta = %.3lf*%.3lf*%.3lf =%.2f kips \r\n\t 2213.8.4.1 Chevron "
              "bracing shall be designed for 1.5 times the prescribed seismic forces.\r\n",
              fa, A, Beta, capacity);
      r += result_.ratioLine(P, capacity, "Design load", "Brace capacity", "kip", "axial with Beta, " + axial.substr(7));
      if (capacity > 0.0) appendf(r, "\r\n\t (P)design/(P)capacity =%.2f%%\r\n", P / capacity * 100.0);
      break;
    }
    case 3: {
      const double limit = 1000.0 / Fy;
      appendf(r,
              "\r\n\r\n 97 UBC 2213.9 Requirement for Special Concentrically Braced Frames (SCBF)\r\n 97 UBC 2213.9.2.4 "
              "OD--wall thickness ratio (=%.2lf)  %c 1000/Fy (=%.2lf)%s",
              Dt, Dt <= limit ? '<' : '>', limit, limitVerdict(result_, Dt, limit, "brace D/t, UBC 2213.9.2.4"));
      capacity = fa * A;
      appendf(r, "\r\n\t Allowable load =f_a * area  = %.3lf*%.3lf =%.2f kips ", fa, A, capacity);
      appendf(r, "\r\n\t Allowable load= f_a * area =%.3lf*%.3lf =%.2f kips ", fa, A, capacity);
      r += result_.ratioLine(P, capacity, "Design load", "Brace capacity", "kip", axial);
      appendf(r, "\r\n\t (P)design/(P)capacity =%.2lf%%\r\n", P / capacity * 100.0);
      break;
    }
  }
  appendSummary(r, result_);
  return r;
}

}  // namespace vd
