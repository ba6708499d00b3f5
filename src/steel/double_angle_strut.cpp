#include "steel/double_angle_strut.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"
#include "steel/column_checks.h"

namespace vd {

namespace {

constexpr double kShearModulus = 11000.0;  // ksi

double gapValue(const SectionRecord& s, int gap, float SectionRecord::*at0, float SectionRecord::*at38,
                float SectionRecord::*at34) {
  return gap == 1 ? s.*at38 : gap == 2 ? s.*at34 : s.*at0;
}

}  // namespace

DoubleAngleStrut::DoubleAngleStrut(const SectionRecord& row, double ly, double ky, double load, double lx, double kx,
                                   int g, double fy, int type, double d, double l, double e, int rw)
    : memberType(type >= 0 && type <= 3 ? type : 0),
      Rw(rw),
      gap(g >= 0 && g <= 2 ? g : 0),
      section(row),
      lyy(ly == 0.0 ? 0.1 : ly),
      lxx(lx == 0.0 ? 0.1 : lx),
      kyy(ky),
      kxx(kx),
      ryy(gapValue(row, gap, &SectionRecord::ryy0, &SectionRecord::ryy38, &SectionRecord::ryy34)),
      rxx(row.rxx),
      P(load),
      Fy(fy),
      dead(d),
      live(l),
      seismic(e),
      A(row.A),
      t(row.t),
      leg2(row.leg2),
      leg1(row.leg1),
      bt(largerOf(row.leg1, row.leg2) / row.t),
      Cw2(2.0 * row.Cw),
      ro(gapValue(row, gap, &SectionRecord::ro0, &SectionRecord::ro38, &SectionRecord::ro34)),
      H(gapValue(row, gap, &SectionRecord::H0, &SectionRecord::H38, &SectionRecord::H34)) {
  if (Fy > 0.0) {
    Cc = slendernessCc(Fy);
    if ((memberType == 2 || memberType == 3) && bt > 52.0 / std::sqrt(Fy)) stop_ = BraceLegSlenderness;
  }
}

std::string DoubleAngleStrut::inputError() const {
  if (!(Fy > 0.0)) return "Fy must be greater than zero.";
  // K = 0 would leave the flexural-torsional buckling stress without a value.
  if (!(kxx > 0.0) || !(kyy > 0.0)) return "K_xx and K_yy must be greater than zero.";
  if (lxx < 0.0 || lyy < 0.0) return "Unbraced lengths cannot be negative.";
  if (!(A > 0.0) || !(t > 0.0) || !(rxx > 0.0) || !(ryy > 0.0) || !(ro > 0.0) || !(H > 0.0))
    return "The section has no area or radius of gyration.";
  const double kl = largerOf(kxx * lxx * 12.0 / rxx, kyy * lyy * 12.0 / ryy);
  if (!std::isfinite(kl * kl) || !std::isfinite(lyy * lyy * 144.0)) return "The unbraced lengths are too large to design.";
  return {};
}

void DoubleAngleStrut::flexuralTorsional() {
  const double J = 2.0 * section.J;
  const double ky = kyy * lyy * 12.0 / ryy;
  Fey = PI * PI * kSteelModulus / (ky * ky);
  Fez = (kShearModulus * J + PI * PI * kSteelModulus * Cw2 / ((lyy * 12.0) * (lyy * 12.0))) / (A * ro * ro);
  const double sum = Fey + Fez;
  Fe = sum / (2.0 * H) * (1.0 - std::sqrt(1.0 - 4.0 * Fey * Fez * H / (sum * sum)));
  rE = kyy * lyy * 12.0 / PI * std::sqrt(Fe / kSteelModulus);
}

std::string DoubleAngleStrut::design() {
  restart_.clear();
  result_ = DesignResult{};
  faX = faY = capacityX = capacityY = Beta = seismicP = 0.0;
  const double sqrtFy = std::sqrt(Fy);
  if (stop_ == BraceLegSlenderness) {
    result_.check(bt / (52.0 / sqrtFy), false, "leg b/t of a brace, UBC 2213.8.2.5");
    return format("\r\n 97 UBC 2213.8.2.5 limits b/f(=%.1f) > 52/sqrt(Fy)(=%.1f) NO GOOD!!!", bt, 52.0 / sqrtFy);
  }
  stop_ = None;

  flexuralTorsional();
  const SectionRecord& s = section;
  std::string r;
  appendf(r,
          "\r\n Compression Member for Double-angles Strut on the 9th Ed. AISC Allowable Design\r\n Input:\t\t "
          "length(xx) =%.2f ft,\t k(xx) =%.2lf\r\n\t\t length(yy) =%.2lf ft,\t k(yy) =%.2lf\r\n\t Axial load =%.2f "
          "kips,    F_yield =%.2f ksi,    E =%.0f ksi,  G =%.0f ksi\r\n\t Gap between angle (space for gusset plate) "
          "=%.3lf in",
          lxx, kxx, lyy, kyy, P, Fy, kSteelModulus, kShearModulus, 0.375 * gap);
  appendf(r,
          "\r\n\t Steel area =%.3lf in^2,  Weight =%.3lf lbs/ft,  thickness =%.4f in\r\n\r\n Elastic Properties:\r\n "
          "legs back on back =%.3f in. deep,  other leg =%.3f in. wide\r\n I_xx =%.2f in^4,   S_xx =%.3f in^3,   r_xx "
          "=%.3f in,    y_xx =%.3lf in\r\n with   0\" space back to back of angles ryy =%.3f in,  ro =%.2f in,  H "
          "=%.3f in\r\n with 3/8\" space back to back of angles ryy =%.3f in,  ro =%.2f in,  H =%.3f in\r\n with "
          "3/4\" space back to back of angles ryy =%.3f in,  ro =%.2f in,  H =%.3f in\r\n torsional constant \"J\" "
          "=%.3f in^4,  polar radius of gyration \"ro\" =%.2f in,   \"H\" =%.3f in\r\n each angle has r_zz =%.3f "
          "in\r\n Following values are for flexural-torsional buckling LRFD Appendix E3:\r\n   Fey =%.2f ksi,  Fez "
          "=%.2f ksi,  Fe =%.2f ksi,  and  (r)E =%.3f in ",
          A, static_cast<double>(s.weight), t, leg1, leg2, static_cast<double>(s.Ixx), static_cast<double>(s.Sxx),
          rxx, static_cast<double>(s.ybar), static_cast<double>(s.ryy0), static_cast<double>(s.ro0),
          static_cast<double>(s.H0), static_cast<double>(s.ryy38), static_cast<double>(s.ro38),
          static_cast<double>(s.H38), static_cast<double>(s.ryy34), static_cast<double>(s.ro34),
          static_cast<double>(s.H34), 2.0 * s.J, ro, H, static_cast<double>(s.rzz), Fey, Fez, Fe, rE);

  klrX = kxx * lxx * 12.0 / rxx;
  klrY = kyy * lyy * 12.0 / ryy;
  const double klrE = kyy * lyy * 12.0 / rE;
  klrYE = largerOf(klrY, klrE);
  static const char* const kRoles[] = {
      "for a normal strut--neither a brace nor part of a CBF or SCBF frame",
      "this column is a part of the frame",
      "brace for CBF---Concentrically Braced Frames",
      "brace for SCBF---Special Concentrically Braced Frames",
  };
  appendf(r,
          "\r\n\r\n Design:\t %s\r\n Maximum space between intermediate connectors ( a/r_zz < 0.75*kl/r ) =%.2f "
          "in\r\n",
          kRoles[memberType], 0.75 * klrX * s.rzz);
  appendf(r,
          "\r\n x-x axis:  k_xx*l_xx/r_xx = %.2lf*%.2lf/%.3lf = %.2lf\r\n y-y axis:  k_yy*l_yy/r_yy = "
          "%.2lf*%.2lf/%.3lf = %.2lf",
          kxx, lxx * 12.0, rxx, klrX, kyy, lyy * 12.0, ryy, klrY);

  klr = largerOf(klrX, klrY);
  auto b7 = [&](double value) {
    stop_ = SlendernessB7;
    result_.check(value / 200.0, false, "slenderness kl/r, Sect. B7");
    return format("\r\n AISC Section B7 limits kl/r(%.1f) > 200 N.G.", value);
  };
  if (klr > 200.0) return b7(klr);
  appendf(r, "\r\n\r\n\t Cc = sqrt(2*pi^2*E/Fy) = %.2f \r\n Check kl/r ratio:\t kl/r (=%.2lf) ", Cc, klr);

  const bool ftGoverns = ryy > rE;
  const char* minorHeading = ftGoverns
                                 ? "\r\n Minor axis (y-y axis) --  k l_yy/r_yy ratio:\r\n\t Flexural-Torsional "
                                   "Buckling govern over r_yy, kl/r = %.2f"
                                 : "\r\n Minor axis (y-y axis) --  k l_yy/r_yy ratio:\r\n\t Since kl/r = %.2f";
  std::string faText;
  auto axisName = [&](bool major, double k) {
    return std::string(major ? "axial, x-x axis, " : ftGoverns ? "axial, flexural-torsional, " : "axial, y-y axis, ") +
           axialStressEquation(k, Cc, Qs);
  };
  auto percent = [&](double capacity) { appendf(r, "\r\n\t (P)design/(P)capacity =%.2f%%\r\n", P / capacity * 100.0); };

  switch (memberType) {
    case 0:
    case 1: {
      // The legs' slenderness reduces a seismic-frame column exactly as it does a strut (Appendix B5).
      {
        const double low = 76.0 / sqrtFy, high = 155.0 / sqrtFy;
        if (bt < low) {
          Qs = 1.0;
          appendf(r, "\r\n Table B5.1,  bf/tf(=%.2lf) < 76/sqrt(Fy)(=%.2lf)  ... angle legs are fully effective.", bt,
                  low);
        } else if (bt < high) {
          Qs = 1.34 - 0.00447 * bt * sqrtFy;
          appendf(r, "\r\n Apply ASD Appendix B   76/sqrt(Fy)(=%.2lf) < bf/tf(=%.2lf) < 155/sqrt(Fy)(=%.2lf),   Qs =%.3lf",
                  low, bt, high, Qs);
        } else {
          Qs = 15500.0 / (Fy * bt * bt);
          appendf(r, "\r\n Apply ASD Appendix B   bf/tf(=%.2lf) > 155/sqrt(Fy)(=%.2lf),   Qs =%.3lf", bt, high, Qs);
        }
      }
      if (klrX > 200.0) return b7(klrX);
      appendf(r, "\r\n\r\n Major axis -- k l_xx/r_xx ratio:\r\n\t Since kl/r = %.2f", klrX);
      faX = allowableAxialStress(faText, klrX, Cc, Fy, Qs);
      r += faText;
      capacityX = faX * A;
      appendf(r, memberType == 0 ? "\r\n\t Allowable load= f_a * area =%.2f kips " : "\r\n\t Allowable load = f_a * area =%.2f kips ",
              capacityX);
      r += result_.ratioLine(P, capacityX, "Design load", "Strut capacity", "kip", axisName(true, klrX));
      percent(capacityX);

      if (klrYE > 200.0) return b7(klrYE);
      appendf(r, minorHeading, klrYE);
      faY = allowableAxialStress(faText, klrYE, Cc, Fy, Qs);
      r += faText;
      capacityY = faY * A;
      r += result_.ratioLine(P, capacityY, "Design load", "Strut capacity", "kip", axisName(false, klrYE));
      percent(capacityY);

      if (memberType == 1) {
        seismicP = 1.0 * dead + 0.7 * live + 3.0 * (Rw / 8.0) * seismic;
        const double fa = smallerOf(faX, faY);
        const double Psc = 1.7 * fa * A;
        appendf(r,
                "\r\n UBC Section 2213.5.1 ---  P = 1.0*Dead+ 0.7*Live + 3*(Rw/8)*Seismic \r\n\t =1.0*%.2f + 0.7*%.2f "
                "+ 3*(%d/8)*%.2f =%.2f kip\r\n\t Section 2211.4.2 Member strength (P)sc = 1.7*Fa*Area = %.2f "
                "kip\r\n\t --- P = 0.85*Dead +/- 3*(Rw/8)*Seismic  not reviewed here.",
                dead, live, Rw, seismic, seismicP, Psc);
        r += result_.ratioLine(seismicP, Psc, "Axial P", "(P)sc", "kip", "member strength (P)sc, UBC 2211.4.2");
        appendf(r, "\r\n\t (P)design/(P)sc =%.2f%%\r\n", seismicP / Psc * 100.0);
      }
      break;
    }
    case 2: {
      const double lr = largerOf(lxx * 12.0 / rxx, lyy * 12.0 / ryy);
      const double limit = 720.0 / sqrtFy;
      Beta = braceStressFactor(klr, Cc);
      appendf(r,
              "\r\n\r\n 97 UBC 2213.8 Requirement for Concentrically Braced Frames (CBF)\r\n 97 UBC 2213.8.2.1  "
              "Slenderness: In Seismic Zones 3 & 4, the l/r ratio for bracing members\r\n shall not exceed "
              "720/sqrt(Fy) except as permitted in Sections 2213.8.5 or 2213.8.6\r\n   l/r ratio =%.2lf  %c  "
              "720/sqrt(Fy) = %.2lf%s\r\n the stress-reduction factor Beta = 1 /(1+(k*l*r/(2*Cc))) =%.3lf ",
              lr, lr <= limit ? '<' : '>', limit, limitVerdict(result_, lr, limit, "brace l/r, UBC 2213.8.2.1"), Beta);
      if (lr > limit) {
        restart_ = format("\r\n !!! l/r ratio =%.2lf  >  720/sqrt(Fy) = %.2lf  NO GOOD !!!!", lr, limit);
        r += restart_;
        break;
      }
      const double legLimit = 52.0 / sqrtFy;
      result_.check(bt / legLimit, bt < legLimit, "leg b/t of a brace, UBC 2213.8.2.5");
      const std::string legLine =
          format("\r\n 97 UBC 2213.8.2.5 Requirement for Concentrically Braced Frames (CBF)\r\n 97 UBC 2213.8.2.5 -- "
                 "b/t (=%.2lf)  %c 52/sqrt(Fy) (=%.2lf)",
                 bt, legLimit <= bt ? '>' : '<', legLimit);
      r += legLine;
      if (legLimit <= bt) {
        restart_ = legLine + "   !!!NO GOOD!!!";
        r += "   !!!NO GOOD!!!";
        break;
      }
      r += "  OK";
      const char* allowLine =
          "\r\n\t Allowable load= f_a * area * Beta = %.3lf*%.3lf*%.3lf =%.2f kips \r\n\t 2213.8.4.1 Chevron braces "
          "shall be designed for 1.5 times the prescribed seismic forces.";
      if (klrX > 200.0) return b7(klrX);
      appendf(r, "\r\n\r\n Major axis -- k l_xx/r_xx ratio:\r\n\t Since kl/r = %.2f", klrX);
      faX = allowableAxialStress(faText, klrX, Cc, Fy, Qs);
      r += faText;
      capacityX = faX * A * Beta;
      appendf(r, allowLine, faX, A, Beta, capacityX);
      r += result_.ratioLine(P, capacityX, "Design load", "Brace capacity", "kip", axisName(true, klrX));
      percent(capacityX);
      if (klrYE > 200.0) return b7(klrYE);
      appendf(r, minorHeading, klrYE);
      faY = allowableAxialStress(faText, klrYE, Cc, Fy, Qs);
      r += faText;
      capacityY = faY * A * Beta;
      appendf(r, allowLine, faY, A, Beta, capacityY);
      r += result_.ratioLine(P, capacityY, "Design load", "Brace capacity", "kip", axisName(false, klrYE));
      percent(capacityY);
      break;
    }
    case 3: {
      const double limit = 1000.0 / sqrtFy;
      const std::string slender = format(
          "\r\n\r\n 97 UBC 2213.9 Requirement for Special Concentrically Braced Frames (SCBF)\r\n 97 UBC 2213.9.2.1 "
          "Slenderness  ratio (=%.2lf)  %c 1000/sqrt(Fy) (=%.2lf)",
          klr, klr > limit ? '>' : '<', limit);
      result_.check(klr / limit, klr <= limit, "brace kl/r, UBC 2213.9.2.1");
      r += slender;
      if (klr > limit) {
        restart_ = slender + "   !!!NO GOOD!!!!";
        r += "   !!!NO GOOD!!!!";
        break;
      }
      r += "  OK";
      const double legLimit = 52.0 / sqrtFy;
      appendf(r,
              "\r\n 97 UBC 2213.8.2.5 Requirement for Special Concentrically Braced Frames (SCBF)\r\n 97 UBC "
              "2213.9.2.4 -- b/t (=%.2lf)  %c 52/sqrt(Fy) (=%.2lf)",
              bt, bt > legLimit ? '>' : '<', legLimit);
      result_.check(bt / legLimit, bt <= legLimit, "leg b/t of a brace, UBC 2213.9.2.4");
      if (bt > legLimit) {
        appendf(r, "\r\n!!!! bf/tf (=%.2lf) >  52/sqrt(Fy) =(%.2lf)  NO GOOD !!!!", bt, legLimit);
        break;
      }
      r += "  OK";
      if (klrX > 200.0) return b7(klrX);
      appendf(r, "\r\n\r\n Major axis -- k l_xx/r_xx ratio:\r\n\t Since kl/r = %.2f", klrX);
      faX = allowableAxialStress(faText, klrX, Cc, Fy, Qs);
      r += faText;
      capacityX = faX * A;
      appendf(r,
              "\r\n\t Allowable load= f_a * area = %.3lf*%.3lf =%.2f kips \r\n\t 2213.8.4.1 Chevron braces shall be "
              "designed for 1.5 times the prescribed seismic forces.",
              faX, A, capacityX);
      r += result_.ratioLine(P, capacityX, "Design load", "Brace capacity", "kip", axisName(true, klrX));
      percent(capacityX);
      // Flexural-torsional buckling of the pair governs a brace as much as a strut.
      if (klrYE > 200.0) return b7(klrYE);
      appendf(r,
              ftGoverns ? "\r\n Minor axis -- k l_yy/r_rr ratio:\r\n\t Flexural-Torsional Buckling govern over r_yy, "
                          "kl/r = %.2f"
                        : "\r\n Minor axis -- k l_yy/r_rr ratio:\r\n\t Since kl/r = %.2f",
              klrYE);
      faY = allowableAxialStress(faText, klrYE, Cc, Fy, Qs);
      r += faText;
      capacityY = faY * A;
      appendf(r,
              "\r\n\t Allowable load= f_a * area  = %.3lf*%.3lf =%.2f kips \r\n\t 2213.8.4.1 Chevron braces shall be "
              "designed for 1.5 times the prescribed seismic forces.",
              faY, A, capacityY);
      r += result_.ratioLine(P, capacityY, "Design load", "Brace capacity", "kip", axisName(false, klrYE));
      percent(capacityY);
      break;
    }
  }
  appendSummary(r, result_);
  return r;
}

}  // namespace vd
