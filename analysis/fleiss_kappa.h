#pragma once

#include "analysis/count_table.h"
#include "analysis/z_to_prob.h"
#include "runtime/core/table.h"

namespace quorvane {

// Per-category values; element j belongs to category j, element 0 is never used.
struct CategoryArrays {
  rt::Table1D CatTotal{kLastCategory};
  rt::Table1D CatSumSq{kLastCategory};
  rt::Table1D CatProp{kLastCategory};
  rt::Table1D CatPropSq{kLastCategory};
  rt::Table1D CatPropCube{kLastCategory};
  rt::Table1D CatVar{kLastCategory};
  rt::Table1D CatSE{kLastCategory};
  rt::Table1D CatZ{kLastCategory};
  rt::Table1D CatProb{kLastCategory};
  rt::Table1D CatAgree{kLastCategory};
  rt::Table1D CatKappa{kLastCategory};
};

struct OverallValues {
  double SumSq = 0.0;
  double TotalRatings = 0.0;
  double MeanAgree = 0.0;
  double ChanceAgree = 0.0;
  double SumPropCube = 0.0;
  double OverallKappa = 0.0;
  double OverallVar = 0.0;
  double OverallSE = 0.0;
};

// Fleiss' kappa over all categories, with the category totals and proportions on the way.
// Leaves the overall z in `zp.Z` and its two-sided p in `zp.P`.
OverallValues ComputeOverallStatistics(const rt::Table2D& Counts, const RunSize& size,
                                       CategoryArrays& categories, ZAndP& zp);

// Agreement, kappa, variance, standard error and z of each category, from the totals and
// proportions that the overall statistics left.
void ComputeCategoryStatistics(const RunSize& size, CategoryArrays& categories);

// The two-sided p of each category's z. Leaves the last category's z and p in `zp`.
void ComputeCategoryProbabilities(const RunSize& size, CategoryArrays& categories, ZAndP& zp);

}  // namespace quorvane
