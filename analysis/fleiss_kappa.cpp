#include "analysis/fleiss_kappa.h"

#include "runtime/core/background_task.h"
#include "runtime/core/text_functions.h"

namespace quorvane {
namespace {

// A divisor that would be zero for a category that no rater used, or that every rater used.
constexpr double kTinyDivisor = 1e-10;

// Products of the integer counts are formed as 64-bit integers and converted once formed;
// within the counts' ranges the largest stays below 10^9, so each converts exactly.
struct IntegerProducts {
  explicit IntegerProducts(const RunSize& size)
      : D0(static_cast<double>(size.NumCases * size.NumRaters)),
        D1(static_cast<double>((size.NumCases * size.NumRaters) * (size.NumRaters - 1))),
        D2(static_cast<double>((size.NumCases * size.NumRaters) *
                               ((size.NumRaters - 1) * (size.NumRaters - 1)))),
        c3(static_cast<double>(size.NumRaters * 2 - 3)),
        c2(static_cast<double>(size.NumRaters - 2)),
        m(static_cast<double>((size.NumRaters - 1) * 2)) {}

  double D0;
  double D1;
  double D2;
  double c3;
  double c2;
  double m;
};

}  // namespace

OverallValues ComputeOverallStatistics(const rt::Table2D& Counts, const RunSize& size,
                                       CategoryArrays& categories, ZAndP& zp) {
  const IntegerProducts products(size);
  OverallValues overall;
  zp.Z = 0;

  overall.SumSq = 0;
  overall.TotalRatings = 0;
  for (std::int64_t i = 1; i <= size.NumCases; ++i) {
    for (std::int64_t j = 1; j <= size.NumCats; ++j) {
      const double x = Counts(i, j);
      overall.SumSq = x * x + overall.SumSq;
      overall.TotalRatings = x + overall.TotalRatings;
      rt::RuntimeBackgroundTask();
    }
    rt::RuntimeBackgroundTask();
  }

  overall.MeanAgree = (1 / products.D1) * (overall.SumSq - products.D0);

  overall.ChanceAgree = 0;
  overall.SumPropCube = 0;
  for (std::int64_t j = 1; j <= size.NumCats; ++j) {
    double a = 0;
    double b = 0;
    for (std::int64_t i = 1; i <= size.NumCases; ++i) {
      a = Counts(i, j) + a;
      b = Counts(i, j) * Counts(i, j) + b;
      rt::RuntimeBackgroundTask();
    }
    categories.CatTotal(j) = a;
    categories.CatSumSq(j) = b;
    categories.CatProp(j) = categories.CatTotal(j) / overall.TotalRatings;
    const double p = categories.CatProp(j);
    categories.CatPropSq(j) = p * p;
    categories.CatPropCube(j) = p * (p * p);
    overall.ChanceAgree = categories.CatPropSq(j) + overall.ChanceAgree;
    overall.SumPropCube = categories.CatPropCube(j) + overall.SumPropCube;
    rt::RuntimeBackgroundTask();
  }

  overall.OverallKappa = (overall.MeanAgree - overall.ChanceAgree) / (1 - overall.ChanceAgree);

  const double chance = overall.ChanceAgree;
  const double U =
      (chance - products.c3 * (chance * chance)) + 2 * (products.c2 * overall.SumPropCube);
  const double W = (1 - chance) * (1 - chance);
  overall.OverallVar = (2 / products.D1) * (U / W);
  overall.OverallSE = rt::Sqrt(overall.OverallVar);

  zp.Z = overall.OverallKappa / overall.OverallSE;
  zp.ZtoProb();
  return overall;
}

void ComputeCategoryStatistics(const RunSize& size, CategoryArrays& categories) {
  const IntegerProducts products(size);
  for (std::int64_t j = 1; j <= size.NumCats; ++j) {
    const double p = categories.CatProp(j);

    const double num = categories.CatSumSq(j) - p * products.D0;
    double den = p * products.D1;
    if (den == 0) den = kTinyDivisor;
    categories.CatAgree(j) = num / den;

    double q = 1 - p;
    if (q == 0) q = kTinyDivisor;
    categories.CatKappa(j) = (categories.CatAgree(j) - p) / q;

    const double u = 1 + p * products.m;
    const double A = u * u;
    const double B = (1 - p) * (p * products.m);
    double D = (1 - p) * (p * products.D2);
    if (D == 0) D = kTinyDivisor;
    categories.CatVar(j) = (A + B) / D;

    categories.CatSE(j) = rt::Sqrt(categories.CatVar(j));
    categories.CatZ(j) = categories.CatKappa(j) / categories.CatSE(j);
    rt::RuntimeBackgroundTask();
  }
}

void ComputeCategoryProbabilities(const RunSize& size, CategoryArrays& categories, ZAndP& zp) {
  for (std::int64_t j = 1; j <= size.NumCats; ++j) {
    zp.Z = categories.CatZ(j);
    zp.ZtoProb();
    categories.CatProb(j) = zp.P;
    rt::RuntimeBackgroundTask();
  }
}

}  // namespace quorvane
