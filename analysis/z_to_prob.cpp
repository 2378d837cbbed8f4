#include "analysis/z_to_prob.h"

#include "runtime/core/text_functions.h"

namespace quorvane {

void ZAndP::ZtoProb() {
  const double x = rt::Abs(Z);
  const double E = rt::Exp(((-x) * x) / 2);
  const double d = 0.39894228 * E;
  const double t = 1 / (1 + 0.2316419 * x);
  const double first = 0.31938153 * t;
  const double second = -0.356563782 * rt::Pow(t, 2);
  const double third = 1.781477937 * rt::Pow(t, 3);
  const double fourth = -1.821255978 * rt::Pow(t, 4);
  const double fifth = 1.330274429 * rt::Pow(t, 5);
  const double s = (((first + second) + third) + fourth) + fifth;
  const double v = 1 - d * s;
  P = (1 - v) * 2;
  if (Z == 0) P = 0.9999;
  if (P > 0.9999) P = 0.9999;
}

}  // namespace quorvane
