#pragma once
// Development length of one deformed bar: tension by ACI Eq. (12-1), compression, standard hook, and
// the simplified lengths of the 12.2.2 table. Stresses in psi, lengths in in.
#include <string>

#include "platform/report_lines.h"

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
  // The whole report, ending with the result line; computes the lengths first.
  const std::string& writeReport();
  // The checks of the last report.
  const DesignResult& result() const { return result_; }
  // ACI 7.6.1 clear spacing between parallel bars, at least db and 1 in.
  double minimumClearSpacing() const;
  // The clear spacing c implies: at least 2c - db (c is the smaller of half the spacing and the cover).
  double clearSpacing() const { return 2 * c - db; }

  double fy, fc, alpha, beta, gamma = 1.0, lambda, c, Ktr = 0.0, db;
  double ld = 0.0, ldc = 0.0, ldh = 0.0, cRatio = 0.0, alphaBeta = 0.0;
  double Atr = 0.0, fyt = 40000.0, s = 0.0;
  int n = 0;
  int length = 0;
  std::string text;

 private:
  DesignResult result_;
  void common();
  double simplifiedBase() const;
};

}  // namespace vd
