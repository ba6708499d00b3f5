#include "concrete/development_length.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"

namespace vd {

DevelopmentLength::DevelopmentLength(double fy_, double fc_, double alpha_, double beta_, double lambda_, double c_,
                                     double db_, int n_, double s_, double Atr_, double fyt_)
    : fy(fy_), fc(fc_), alpha(alpha_), beta(beta_), lambda(lambda_), c(c_), db(db_), Atr(Atr_), fyt(fyt_), s(s_),
      n(n_) {
  Ktr = (s > 0 && n >= 1) ? Atr * fyt / (1500 * s * n) : 0.0;
  common();
}

DevelopmentLength::DevelopmentLength(double fy_, double fc_, double alpha_, double beta_, double lambda_, double c_,
                                     double db_, double Ktr_)
    : fy(fy_), fc(fc_), alpha(alpha_), beta(beta_), lambda(lambda_), c(c_), Ktr(Ktr_), db(db_) {
  common();
}

void DevelopmentLength::common() {
  if (fc > 10000) fc = 10000;
  gamma = db <= 0.750001 ? 0.8 : 1.0;
  alphaBeta = alpha * beta;
  if (alphaBeta >= 1.7) alphaBeta = 1.7;
}

double DevelopmentLength::developmentLength() {
  cRatio = (c + Ktr) / db;
  if (cRatio >= 2.5) cRatio = 2.5;
  ld = db * (3.0 / 40) * fy / std::sqrt(fc) * alphaBeta * gamma * lambda / cRatio;
  ldc = std::max(0.02 * db * fy / std::sqrt(fc), 0.0003 * db * fy);
  if (ldc <= 8.0) ldc = 8.0;
  ldh = 1200 * db / std::sqrt(fc) * fy / 60000;
  if (lambda > 1.0) ldh *= 1.3;
  if (beta > 1.0) ldh *= 1.2;
  ldh = std::max({ldh, 8 * db, 6.0});  // ACI 12.5.1
  if (ld < 12.0) ld = 12.0;
  return ld;
}

double DevelopmentLength::minimumClearSpacing() const { return std::max(db, 1.0); }

double DevelopmentLength::simplifiedBase() const { return fy * alpha * beta * lambda / std::sqrt(fc) * db; }

double DevelopmentLength::simplifiedFirst() const {
  const double x = simplifiedBase();
  return std::max(db >= 0.875 ? x / 20 : x / 25, 12.0);
}

double DevelopmentLength::simplifiedSecond() const {
  const double x = simplifiedBase();
  return std::max(db >= 0.875 ? 3 * x / 40 : 3 * x / 50, 12.0);
}

const std::string& DevelopmentLength::writeReport() {
  developmentLength();
  result_ = DesignResult{};
  std::string& t = text;
  t.clear();
  t += "**********************************************";
  t += "\r\n*  Development of Deformed Bars In Tension   *";
  t += "\r\n*   using Section 12.2.3 of 2002 ACI code    *";
  t += "\r\n**********************************************";
  t += "\r\n    alpha (reinforcement location factor):";
  t += "\r\n Horizontal reinforcement placed that more than 12 in of fresh concrete is case below =1.3";
  t += "\r\n others = 1.0";
  t += "\r\n    beta (coating factor):";
  t += "\r\n Epoxy-coated bar cover less than 3*db or clear spacing less than 6*db  = 1.5";
  t += "\r\n All other epoxy-coated bars or wires =1.2";
  t += "\r\n Uncoated reinforcement =1.0";
  t += "\r\n    gamma (reinforcement size factor):";
  t += "\r\n =0.8 for #6 and smaller bars; =1.0 for others";
  t += "\r\n    lambda (lightweight aggregate concrete factor):";
  t += "\r\n = 1.3 when lightweight aggregate; = 1.0 for normal weight";
  t += "\r\n    c = spacing or cover ";
  t += "\r\n Use the smaller of either the distance from the center of the bar to the nearest concrete";
  t += "\r\n surface or on-half the center-to-center spacing of the bars.";
  appendf(t, "\r\n\r\n Fy = %.f psi,  Fc' = %.f psi", fy, fc);
  appendf(t, "\r\n alpha = %.1f, beta = %.1f", alpha, beta);
  appendf(t, "\r\n gamma = %.1f, lambda = %.1f", gamma, lambda);
  appendf(t, "\r\n critical bar space given= %.3f in", c);
  t += result_.minimumLine(clearSpacing(), minimumClearSpacing(), "clear spacing, at least 2c - db",
                           "ACI 7.6.1 minimum, db and 1 in", "in", "bar spacing, ACI 7.6.1");
  if (s > 0 && n > 0)
    appendf(t, "\r\n Transverse Reinforcement:\r\n Atr = %.3f in^2,  Fyt = %.0f psi,  space = %.2f in,  number = %i", Atr,
            fyt, s, n);
  appendf(t, "\r\n Ktr = %.3f", Ktr);
  appendf(t, "\r\n bar diameter = %.4f in", db);
  if (alpha * beta > 1.7) t += "\r\n alpha*beta > 1.7, use 1.7";
  appendf(t, "\r\n (c + Ktr) / barDiameter = %7.3f ", cRatio);
  t += "\r\n\r\n  ACI Eq (12-1)\r\n ld/db = (3.0/40)*(fy/sqrt(Fcp))*alpha*beta*gamma*lambda/((c+Ktr)/db)";
  appendf(t, "\r\n Min. tension development length = %.2f in     or %.2f bar diameters.", ld, ld / db);
  appendf(t, "\r\n\r\n for the Ktr supplied, c space no longer matter when it exceeds %.2f in.", 2.5 * db - Ktr);
  t += "\r\nACI Section 12.3.2";
  appendf(t, "\r\nMin. compression development length = %.2f in ", ldc);
  t += "\r\nACI Section 12.5.2";
  appendf(t, "\r\nMin. development length for standard hooks in tension = %.2f in ", ldh);
  appendf(t, "\r\n ACI 12.5.1: not less than 8*db (=%.2f in) nor 6 in.", 8 * db);
  t += "\r\n Note: special cover, tie/stirrups reductions 0.7 & 0.8 respectively for hooks are not addressed here.\r\n";
  t += "\r\n\r\n Table in section 12.2.2 | 2 conditions  ";
  if (db >= 0.875) {
    appendf(t, "\r\n fy*alpha*beta*lambda/(20*sqrt(f'c)*db= %.2f in", simplifiedFirst());
    appendf(t, "\r\n 3*fy*alpha*beta*lambda/(40*sqrt(f'c)*db= %.2f in", simplifiedSecond());
  } else {
    appendf(t, "\r\n fy*alpha*beta*lambda/(25*sqrt(f'c)*db= %.2f in", simplifiedFirst());
    appendf(t, "\r\n 3*fy*alpha*beta*lambda/(50*sqrt(f'c)*db= %.2f in", simplifiedSecond());
  }
  t += "\r\n\r\n12.4.1 development length of individual bars with in a bundle, in tension or compressions, \n shall be "
       "that for the individual bars, increased 20% for three-bar bundle,\r\n and 33% for four-bar bundle\r\n";
  t += result_.summaryLine();
  length = static_cast<int>(t.size());
  return t;
}

}  // namespace vd
