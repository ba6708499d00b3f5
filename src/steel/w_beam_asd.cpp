#include "steel/w_beam_asd.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"

namespace vd {

namespace {

// kip; rows: bolt count 2..7, columns: plate 4/16 .. 9/16 in.
constexpr double kSinglePlate[3][6][6] = {
    // 3/4 in A325-N
    {{8.16, 8.16, 8.16, 8.16, 0, 0},
     {16.4, 16.4, 16.4, 16.4, 0, 0},
     {26.1, 26.1, 26.1, 26.1, 0, 0},
     {36.3, 36.3, 36.3, 36.3, 0, 0},
     {0, 46.3, 46.3, 46.3, 0, 0},
     {0, 56.3, 56.3, 56.3, 0, 0}},
    // 7/8 in
    {{11.1, 11.1, 11.1, 11.1, 11.1, 0},
     {22.4, 22.4, 22.4, 22.4, 22.4, 0},
     {35.7, 35.7, 35.7, 35.7, 35.7, 0},
     {44.9, 49.4, 49.4, 49.4, 49.4, 0},
     {0, 63, 63, 63, 63, 0},
     {0, 76.7, 76.7, 76.7, 76.7, 0}},
    // 1 in
    {{14.5, 14.5, 14.5, 14.5, 14.5, 14.5},
     {25.3, 29.2, 29.2, 29.2, 29.2, 29.2},
     {33.7, 42.1, 46.7, 46.7, 46.7, 46.7},
     {42.1, 52.7, 63.2, 64.5, 64.5, 64.5},
     {0, 63.2, 75.9, 82.3, 82.3, 82.3},
     {0, 73.7, 88.5, 100, 100, 100}},
};
constexpr int kFillet16[6] = {3, 4, 5, 6, 6, 7};
// Thickest plate (exclusive) each bolt size is tabulated for, in.
constexpr double kPlateLimit[3] = {0.5, 0.5625, 0.625};
constexpr const char* kBoltHeading[3] = {
    "\r\n\t Single-Plate Shear Connections with 3/4\" diameter ASTM A325-N bolts:",
    "\r\n\t Single-Plate Shear Connections with 7/8\" diameter ASTM A325-N bolts:",
    "\r\n\t Single-Plate Shear Connections with 1\" diameter ASTM A325-N bolts:",
};

}  // namespace

double singlePlateCapacity(int bolt, int n, int j) {
  if (bolt < 0 || bolt > 2 || n < 2 || n > 7 || j < 0 || j > 5) return 0.0;
  return kSinglePlate[bolt][n - 2][j];
}

int singlePlateFillet(int j) { return j >= 0 && j <= 5 ? kFillet16[j] : 0; }

void appendSinglePlateConnections(std::string& out, double V, double k, double d) {
  out += "\r\n\r\nASD Table X, Single-Plate (A36) Shear Connection meeting all 9 design assumptions. page 4-52\r\n";
  for (int bolt = 0; bolt < 3; ++bolt) {
    out += kBoltHeading[bolt];
    for (int j = 0; j < 6 && (j + 4) / 16.0 < kPlateLimit[bolt]; ++j) {
      bool listed = false;
      for (int n = 2; n <= 7; ++n) {
        const double capacity = kSinglePlate[bolt][n - 2][j];
        if (capacity != 0.0 && V < capacity && n * 3.0 + 1.0 + k < d) {
          appendf(out, "\r\n (%d) bolts, %d/16\" gusset, with %d/16 fillet-- capacity =%.2lf kip", n, j + 4,
                  kFillet16[j], capacity);
          listed = true;
        }
      }
      if (listed || j == 0) out += "\r\n";
    }
  }
}

WBeamAsd::WBeamAsd(const SectionRecord& r, double M_, double Lb_, double Pa_, double Cb_, double Fy_, double N_,
                   double V_)
    : rec(r),
      M(M_),
      Lb(Lb_),
      bf(r.bf),
      Pa(Pa_),
      Cb(Cb_),
      Fy(Fy_),
      k(r.k),
      N(N_),
      V(V_),
      A(r.A),
      d(r.d),
      tw(r.tw),
      tf(r.tf),
      dAf(r.dAf),
      rT(r.rT),
      bf2tf(r.bf2tf),
      htw(r.htw),
      dtw(r.dtw),
      Sxx(r.Sxx) {}

std::string WBeamAsd::design() {
  result_ = DesignResult{};
  if (Fy < 33.0) Fy = 33.0;
  if (Fy > 50.0) Fy = 50.0;
  const double l = Lb * 12.0;
  std::string out = "\r\n ASD 9th Ed. EQ. F1-2 ...";
  std::string work;
  std::string bending;  // the check that sets Fb

  double a = 76.0 * bf / std::sqrt(Fy);
  double b = 20000.0 / dAf / Fy;
  out += b <= a ? " 20,000/(d/Af)Fy" : " 76*bf/ sqrt(Fyield)";
  Lc = smallerOf(a, b);
  appendf(out, "\t Lc =%.2f ft.", Lc / 12.0);

  if (Cb < 1.0) out += "\n\t ****** You have specified a 'Cb' < 1.0  *******";

  a = Cb * 20000.0 / Fy / dAf;
  b = std::sqrt(Cb * 102000.0 / Fy) * rT;
  out += a <= b ? "\r\n ASD 9th Ed. EQ. F1-6 ... sqrt(102,000.0*Cb/Fy)*rT)"
                : "\r\n ASD 9th Ed. EQ. F1-8 ... 12,000*Cb/(0.6*Fy)/(d/Af)";
  Lu = largerOf(a, b);
  appendf(out, "\tLu =%.2f ft.", Lu / 12.0);

  if (Lc <= l) {
    const double x = std::sqrt(Cb * 102000.0 / Fy) * rT;
    if (l < x) {
      // F1-6 and F1-7 start at l/rT = sqrt(102,000 Cb/Fy); below it lateral buckling leaves the full
      // 0.60 Fy of F1.3 whatever F1-8 gives (the beam is within its own Lu).
      Fb = 0.6 * Fy;
      work = format("\r\n F1.3: l/rT (=%.2f) < sqrt(102,000*Cb/Fy) (=%.2f),  Fb = 0.60*Fy ", l / rT, x / rT);
      bending = "bending, Sect. F1.3 (0.60Fy)";
    } else {
      // Laterally unbraced beyond Lc: the largest of F1-6 / F1-7 and F1-8, none above 0.6 Fy.
      const double F8 = smallerOf(Cb * 12000.0 / (l * dAf), 0.6 * Fy);
      double F6 = 0.0, F7 = 0.0;
      if (l <= x * 2.236)
        F6 = smallerOf((0.6666666666666666 - (l * l / rT / rT) * Fy / 1530000.0 / Cb) * Fy, 0.6 * Fy);
      else
        F7 = smallerOf(Cb * 170000.0 / (l * l / rT / rT), 0.6 * Fy);
      Fb = largerOf(largerOf(F8, F6), F7);
      if (Fb == F6) {
        work = "\r\n Eq. F1-6: [2/3 - Fy*(l/rT)^2/1530000/Cb]*Fy ";
        bending = "bending, Eq. F1-6";
      } else if (Fb == F7) {
        work = "\r\n Eq. F1-7: 170000*Cb/((l/rT)^2) ";
        bending = "bending, Eq. F1-7";
      } else {
        work = "\r\n Eq. F1-8: 12000*Cb/(l*d/Af) ";
        bending = "bending, Eq. F1-8";
      }
    }
  } else {
    if (65.0 / std::sqrt(Fy) <= bf2tf) {
      const double kc = htw >= 70.0 ? 4.05 / std::pow(htw, 0.46) : 1.0;
      Fb = (0.79 - 0.002 * bf2tf * std::sqrt(Fy / kc)) * Fy;
      work = "\r\n ASD 9th Ed. EQ. F1-3 ... Fy*(0.79-0.002*Bf/2tf*sqrt(Fy/kc))";
      bending = "bending, Eq. F1-3";
    } else {
      Fb = 0.66 * Fy;
      work = format(
          "\r\n ASD 9th Ed. TABLE B5.1 check flanges ...  65/sqrt(Fy) =%.2f > bf/2tf =%.2f OK\r\n  ASD 9th ED. EQ. "
          "F1-1 ... 0.66Fy",
          65.0 / std::sqrt(Fy), bf2tf);
      bending = "bending, Eq. F1-1";
    }
    out += work;
    appendf(out, "\tFb =%.3lf ksi.\r\n Check the web for combined flexural and axial compression:", Fb);

    const double fa = Pa / A;
    double limit;
    if (fa > 0.16 * Fy) {
      limit = 257.0 / std::sqrt(Fy);
      work = format("\r\n ASD 9th Ed. TABLE B5.1 ... 257/sqrt(Fy)=(%.2f)", limit);
    } else {
      limit = (1.0 - 3.74 * Pa / (A * Fy)) * 640.0 / std::sqrt(Fy);
      work = "\r\n ASD 9th Ed. TABLE B5.1 check web ... 640*(1.0-3.74fa/Fy)/sqrt(Fy)";
    }
    out += work;
    if (dtw <= limit) {
      work = format("\r\n EQ. F1-5 ... (d/tw)all =%.1f > d/tw =%.2f ... OK  \r\n", limit, dtw);
    } else {
      // A web beyond the compact limit makes the section noncompact: 0.60 Fy (F1-5) instead.
      Fb = 0.6 * Fy;
      bending = "bending, Eq. F1-5";
      work = format("\r\n (d/tw)all =%.1f < d/tw =%.2f\r\n not meeting  ASD 9th Ed. EQ. F1-5 ... NO GOOD!\r\n", limit,
                    dtw);
    }
  }
  out += work;

  const double Mcap = Fb * Sxx / 12.0;
  appendf(out, "   Fb =%.2f ksi   Moment Capacity =%.2f k-ft", Fb, Mcap);
  out += result_.ratioLine(M, Mcap, "Design Moment", "Allowable Moment", "k-ft", bending);
  appendf(out, "\r\n\t (M)design/(M)capacity =%.2f%%\r\n", M / Mcap * 100.0);

  const char* shear;
  if (380.0 / std::sqrt(Fy) < htw) {
    // F4-2 on the clear web h*tw, unstiffened (kv = 5.34): Cv by buckling when it is 0.8 or less,
    // else by the inelastic formula; never above 0.40 Fy.
    const double kv = 5.34;
    double Cv = 45000.0 * kv / (Fy * htw * htw);
    if (Cv > 0.8) Cv = 190.0 / htw * std::sqrt(kv / Fy);
    Fv = smallerOf(Fy / 2.89 * Cv, 0.4 * Fy);
    Vcap = Fv * htw * tw * tw;
    appendf(out,
            "\r\n \"h/tw > 380.0/sqrt(Fy)\"  Allowable shear stress Eq(F4-2) = (Fy/2.89)*Cv =%.2f ksi,  Cv =%.3f "
            "(kv =5.34, no stiffeners)\r\n\t Max. web shear = Fv*h*tw = %8.2f kip",
            Fv, Cv, Vcap);
    shear = "shear, Eq. F4-2";
  } else {
    Fv = 0.4 * Fy;
    Vcap = Fv * d * tw;
    appendf(out, "\r\n Allowable shear stress Eq(F4-1) = 0.4(Fy) =%.2f ksi;  Max. web shear = %8.2f kip", Fv, Vcap);
    shear = "shear, Eq. F4-1";
  }
  if (V != 0.0) out += result_.ratioLine(V, Vcap, "Design Shear", "Allowable Shear", "kip", shear);

  if (N > 0.0) {
    // 9th edition K1: end reactions by K1-3 (N + 2.5k) and K1-5 (34 tw^2...), loads inside the span by
    // K1-2 (N + 5k) and K1-4 (67.5 tw^2...). The design shear is the end reaction.
    const double crippling = std::pow(tw / tf, 1.5);
    const double endYield = (k * 2.5 + N) * Fy * 0.66 * tw;
    const double endCripple = 34.0 * tw * tw * (1.0 + 3.0 * (N / d) * crippling) * std::sqrt(Fy * tf / tw);
    appendf(out,
            "\r\n\r\n\t\t---Special Design Considerations---\r\n Web yielding and web crippling for %.2f in. long "
            "bearing:\r\n Max. end reaction Eq(K1-3) = 0.66*Fy*(N+2.5k)= %.2f kip, web yielding",
            N, endYield);
    if (V > 0.0) out += result_.ratioLine(V, endYield, "End reaction", "Web yielding", "kip", "web yielding, Eq. K1-3");
    appendf(out,
            "\r\n Max. end reaction Eq(K1-5) =\r\n\t 34.0*Tw*Tw*[1.0+3*(N/d)*(Tw/Tf)^1.5]*sqrt(Fyield*Tf/Tw) =%.2f "
            "kip, web crippling",
            endCripple);
    if (V > 0.0)
      out += result_.ratioLine(V, endCripple, "End reaction", "Web crippling", "kip", "web crippling, Eq. K1-5");
    appendf(out,
            "\r\n Or, a concentrated load is applied at a distance not less than d/2 from the ends & %.2f in. "
            "bearing:\r\n Concentrated load or at an interior support, Eq(K1-2) =0.66*Fy*(N+5k) =%.2f kip, web "
            "yielding",
            N, (k * 5.0 + N) * Fy * 0.66 * tw);
    appendf(out,
            "\r\n Point load or interior support, Eq(K1-4) =\r\n\t 67.5*Tw*Tw*[1.0+3*(N/d)*(Tw/Tf)^1.5]*sqrt("
            "Fyield*Tf/Tw) =%.2f kip, web crippling\r\n",
            67.5 * tw * tw * (1.0 + 3.0 * (N / d) * crippling) * std::sqrt(Fy * tf / tw));
  }

  if (d - 2.0 * k > 6.0) appendSinglePlateConnections(out, V, k, d);
  out += deflection_.lines(29000.0, rec.Ixx, result_);
  appendSummary(out, result_);
  return out;
}

}  // namespace vd
