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

// macaulay(x, p, n) for n = First..Last at once (the others left alone), exactly as the single
// calls give them: the same powers by repeated multiplication, the same divisions (by 1 and 2 as
// the equal multiplications).
template <int First, int Last>
inline void macaulayRange(double x, double p, double* out) {
  static_assert(0 <= First && First <= Last && Last <= 5);
  if (x < p) {
    for (int n = First; n <= Last; ++n) out[n] = 0.0;
    return;
  }
  const double d = x - p;
  if constexpr (First == 0) out[0] = 1.0;
  if constexpr (Last >= 1 && First <= 1) out[1] = d;
  const double d2 = d * d;
  if constexpr (Last >= 2 && First <= 2) out[2] = d2 * 0.5;
  if constexpr (Last >= 3) {
    const double d3 = d2 * d;
    if constexpr (First <= 3) out[3] = d3 / 6.0;
    if constexpr (Last >= 4) {
      const double d4 = d3 * d;
      out[4] = d4 / 24.0;
      if constexpr (Last >= 5) out[5] = d4 * d / 120.0;
    }
  }
}

}  // namespace vd
