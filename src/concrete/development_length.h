#pragma once
// Development length of one deformed bar: tension by ACI Eq. (12-1), compression, standard hook, and
// the simplified lengths of the 12.2.2 table. Stresses in psi, lengths in in.
#include <string>

namespace vd {

class DevelopmentLength {
 public:
  // With transverse reinforcement: Ktr = Atr*fyt/(1500*s*n) when s > 0 and n >= 1, else 0.
  DevelopmentLength(double fy, double fc, double alpha, double beta, double lambda, double c, double db, int n,
                    double s, double Atr, double fyt);
  // With a given Ktr.
  DevelopmentLength(double fy, double fc, double alpha, double beta, double lambda, double c, double db, double Ktr);

  // Computes ld, ldc and ldh (and cRatio) together; returns ld.
  double developmentLength();
  // The two simplified lengths of the 12.2.2 table, each at least 12 in.
  double simplifiedFirst() const;
  double simplifiedSecond() const;
  // The whole report; computes the lengths first.
  const std::string& writeReport();

  double fy, fc, alpha, beta, gamma = 1.0, lambda, c, Ktr = 0.0, db;
  double ld = 0.0, ldc = 0.0, ldh = 0.0, cRatio = 0.0, alphaBeta = 0.0;
  double Atr = 0.0, fyt = 40000.0, s = 0.0;
  int n = 0;
  int length = 0;
  std::string text;

 private:
  void common();
  double simplifiedBase() const;
};

}  // namespace vd
