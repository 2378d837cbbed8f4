#pragma once

namespace quorvane {

// The main window's two properties through which the analysis turns a z value into its
// two-sided p: set Z, call ZtoProb, read P.
class ZAndP {
 public:
  double Z = 0.0;
  double P = 0.0;

  // Abramowitz and Stegun 26.2.17 for the normal distribution function, with p capped at 0.9999.
  void ZtoProb();
};

}  // namespace quorvane
