#pragma once
// The singularity (Macaulay) function every beam formula is built from.

namespace vd {

// <x - p>^n / n!: 0 left of p, 1 from p on for n = 0, else (x - p)^n / n!.
// The power is taken by repeated multiplication from 1.0 so that every analysis rounds alike.
inline double macaulay(double x, double p, int n) {
  if (x < p) return 0.0;
  if (n <= 0) return 1.0;
  static constexpr double kFactorial[] = {1.0, 1.0, 2.0, 6.0, 24.0, 120.0, 720.0, 5040.0, 40320.0, 362880.0, 3628800.0};
  const double d = x - p;
  double power = 1.0;
  double factorial = 1.0;
  for (int i = 0; i < n; ++i) power *= d;
  if (n <= 10) {
    factorial = kFactorial[n];
  } else {
    for (int i = 2; i <= n; ++i) factorial *= i;
  }
  return power / factorial;
}

}  // namespace vd
