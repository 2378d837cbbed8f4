#include "analysis/fleiss_kappa.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/count_table.h"

namespace quorvane {
namespace {

using Cases = std::vector<std::vector<double>>;

struct Statistics {
  OverallValues overall;
  double overallZ = 0;
  double overallP = 0;
  CategoryArrays categories;
  ZAndP after;  // Z and P as the run leaves them
};

Statistics Compute(std::int64_t raters, const Cases& cases) {
  const RunSize size{raters, static_cast<std::int64_t>(cases.size()),
                     static_cast<std::int64_t>(cases.front().size())};
  rt::Table2D Counts = MakeCounts();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    for (std::size_t j = 0; j < cases[i].size(); ++j) Counts(i + 1, j + 1) = cases[i][j];
  }
  Statistics result;
  result.overall = ComputeOverallStatistics(Counts, size, result.categories, result.after);
  result.overallZ = result.after.Z;
  result.overallP = result.after.P;
  ComputeCategoryStatistics(size, result.categories);
  ComputeCategoryProbabilities(size, result.categories, result.after);
  return result;
}

// Fleiss (1971), Table 1: 30 patients, 6 psychiatrists, 5 diagnostic categories.
const Cases kFleiss1971 = {
    {0, 0, 0, 6, 0}, {0, 3, 0, 0, 3}, {0, 1, 4, 0, 1}, {0, 0, 0, 0, 6}, {0, 3, 0, 3, 0},
    {2, 0, 4, 0, 0}, {0, 0, 4, 0, 2}, {2, 0, 3, 1, 0}, {2, 0, 0, 4, 0}, {0, 0, 0, 0, 6},
    {1, 0, 0, 5, 0}, {1, 1, 0, 4, 0}, {0, 3, 3, 0, 0}, {1, 0, 0, 5, 0}, {0, 2, 0, 3, 1},
    {0, 0, 5, 0, 1}, {3, 0, 0, 1, 2}, {5, 1, 0, 0, 0}, {0, 2, 0, 4, 0}, {1, 0, 2, 0, 3},
    {0, 0, 0, 0, 6}, {0, 1, 0, 5, 0}, {0, 2, 0, 1, 3}, {2, 0, 0, 4, 0}, {1, 0, 0, 4, 1},
    {0, 5, 0, 1, 0}, {4, 0, 0, 0, 2}, {0, 2, 0, 4, 0}, {1, 0, 5, 0, 0}, {0, 0, 0, 0, 6},
};

TEST(FleissKappa, Fleiss1971OverallValuesToTheLastDigit) {
  const Statistics s = Compute(6, kFleiss1971);
  EXPECT_EQ(s.overall.SumSq, 680);
  EXPECT_EQ(s.overall.TotalRatings, 180);
  EXPECT_EQ(s.overall.MeanAgree, 0.5555555555555556);
  EXPECT_EQ(s.overall.ChanceAgree, 0.21993827160493828);
  EXPECT_EQ(s.overall.SumPropCube, 0.05281790123456791);
  EXPECT_EQ(s.overall.OverallKappa, 0.43024452006014086);
  EXPECT_EQ(s.overall.OverallVar, 0.0007564216234385451);
  EXPECT_EQ(s.overall.OverallSE, 0.027503120249138008);
  EXPECT_EQ(s.overallZ, 15.64348030924329);
  EXPECT_EQ(s.overallP, 0.0);
  EXPECT_EQ(s.after.Z, 4.439805149048244);
  EXPECT_EQ(s.after.P, 9.011744240838837e-06);
}

TEST(FleissKappa, Fleiss1971CategoryValuesToTheLastDigit) {
  struct Expected {
    double total, sumSq, agree, kappa, se, z, p;
  };
  const Expected expected[] = {
      {26, 72, 0.35384615384615387, 0.24475524475524477, 0.11387288073563857, 2.1493725562582013,
       0.03160476549813973},
      {26, 72, 0.35384615384615387, 0.24475524475524477, 0.11387288073563857, 2.1493725562582013,
       0.03160476549813973},
      {30, 120, 0.6, 0.52, 0.116619037896906, 4.45896321370523, 8.242923598578145e-06},
      {55, 229, 0.6327272727272727, 0.4711272727272727, 0.13945347872058525, 3.378383078354343,
       0.0007292404954459819},
      {43, 187, 0.6697674418604651, 0.5661178068239687, 0.12750960634957748, 4.439805149048244,
       9.011744240838837e-06},
  };
  const Statistics s = Compute(6, kFleiss1971);
  for (std::int64_t j = 1; j <= 5; ++j) {
    SCOPED_TRACE("category " + std::to_string(j));
    const Expected& e = expected[j - 1];
    EXPECT_EQ(s.categories.CatTotal(j), e.total);
    EXPECT_EQ(s.categories.CatSumSq(j), e.sumSq);
    EXPECT_EQ(s.categories.CatAgree(j), e.agree);
    EXPECT_EQ(s.categories.CatKappa(j), e.kappa);
    EXPECT_EQ(s.categories.CatSE(j), e.se);
    EXPECT_EQ(s.categories.CatZ(j), e.z);
    EXPECT_EQ(s.categories.CatProb(j), e.p);
  }
  EXPECT_EQ(s.categories.CatVar(1), 0.012967032967032966);
  EXPECT_EQ(s.categories.CatVar(3), 0.0136);
  EXPECT_EQ(s.categories.CatProp(4), 55.0 / 180.0);
}

TEST(FleissKappa, CategoryWithoutRatingsUsesTheTinyDivisor) {
  // 4 raters, 14 cases, 3 categories, nobody chose category 3; case 9 has only 3 ratings.
  const Cases cases = {{1, 3, 0}, {2, 2, 0}, {4, 0, 0}, {0, 4, 0}, {3, 1, 0}, {2, 2, 0}, {1, 3, 0},
                       {4, 0, 0}, {1, 2, 0}, {2, 2, 0}, {3, 1, 0}, {0, 4, 0}, {2, 2, 0}, {1, 3, 0}};
  const Statistics s = Compute(4, cases);
  EXPECT_EQ(s.overall.MeanAgree, 0.5654761904761905);
  EXPECT_EQ(s.overall.OverallKappa, 0.1283590690918277);
  EXPECT_EQ(s.overall.OverallSE, 0.11008138273480846);
  EXPECT_EQ(s.overallZ, 1.1660379430466559);
  EXPECT_EQ(s.overallP, 0.24359921702158283);
  EXPECT_EQ(s.categories.CatProp(3), 0.0);
  EXPECT_EQ(s.categories.CatAgree(3), 0.0);
  EXPECT_EQ(s.categories.CatKappa(3), 0.0);
  EXPECT_EQ(s.categories.CatVar(3), 10000000000.0);
  EXPECT_EQ(s.categories.CatSE(3), 100000.0);
  EXPECT_EQ(s.categories.CatZ(3), 0.0);
  EXPECT_EQ(s.categories.CatProb(3), 0.9999);
}

TEST(FleissKappa, EveryRatingInOneCategoryLeavesTheOverallValuesUndefined) {
  const Statistics s = Compute(3, {{3, 0}, {3, 0}});
  EXPECT_EQ(s.overall.ChanceAgree, 1.0);
  EXPECT_EQ(s.overall.MeanAgree, 1.0);
  EXPECT_TRUE(std::isnan(s.overall.OverallKappa));
  EXPECT_TRUE(std::isnan(s.overall.OverallVar));
  EXPECT_TRUE(std::isnan(s.overall.OverallSE));
  EXPECT_TRUE(std::isnan(s.overallZ));
  EXPECT_TRUE(std::isnan(s.overallP));
  EXPECT_EQ(s.categories.CatAgree(1), 1.0);
  EXPECT_EQ(s.categories.CatKappa(1), 0.0);
  EXPECT_EQ(s.categories.CatVar(1), 250000000000.0);
  EXPECT_EQ(s.categories.CatSE(1), 500000.0);
  EXPECT_EQ(s.categories.CatZ(1), 0.0);
  EXPECT_EQ(s.categories.CatProb(1), 0.9999);
  EXPECT_EQ(s.categories.CatSE(2), 100000.0);
  EXPECT_EQ(s.categories.CatProb(2), 0.9999);
}

TEST(FleissKappa, AllCountsZeroGiveNotANumberButForTheSums) {
  const Statistics s = Compute(2, {{0, 0}, {0, 0}, {0, 0}});
  EXPECT_EQ(s.overall.SumSq, 0.0);
  EXPECT_EQ(s.overall.TotalRatings, 0.0);
  EXPECT_EQ(s.overall.MeanAgree, -1.0);
  EXPECT_TRUE(std::isnan(s.overall.ChanceAgree));
  EXPECT_TRUE(std::isnan(s.overall.OverallKappa));
  EXPECT_TRUE(std::isnan(s.overall.OverallSE));
  EXPECT_TRUE(std::isnan(s.overallZ));
  EXPECT_TRUE(std::isnan(s.overallP));
  for (std::int64_t j = 1; j <= 2; ++j) {
    EXPECT_EQ(s.categories.CatTotal(j), 0.0);
    EXPECT_EQ(s.categories.CatSumSq(j), 0.0);
    EXPECT_TRUE(std::isnan(s.categories.CatProp(j)));
    EXPECT_TRUE(std::isnan(s.categories.CatAgree(j)));
    EXPECT_TRUE(std::isnan(s.categories.CatKappa(j)));
    EXPECT_TRUE(std::isnan(s.categories.CatSE(j)));
    EXPECT_TRUE(std::isnan(s.categories.CatZ(j)));
    EXPECT_TRUE(std::isnan(s.categories.CatProb(j)));
  }
  EXPECT_TRUE(std::isnan(s.after.Z));
  EXPECT_TRUE(std::isnan(s.after.P));
}

TEST(ZtoProb, TwoSidedProbabilities) {
  struct Row {
    const char* name;
    double z;
    double p;
  };
  const Row rows[] = {
      {"z 1.96", 1.96, 0.04999565026296349},
      {"z -1.96 as z 1.96", -1.96, 0.04999565026296349},
      {"z 1", 1, 0.3173105188069718},
      {"z 3", 3, 0.0026999344417535376},
      {"z 8", 8, 1.3322676295501878e-15},
      {"z 8.3 underflows to 0", 8.3, 0.0},
      {"z 10", 10, 0.0},
      {"z infinite", INFINITY, 0.0},
      {"z minus infinite", -INFINITY, 0.0},
      {"z 0 by its own rule", 0, 0.9999},
      {"z minus 0 by its own rule", -0.0, 0.9999},
      {"z 0.0001 capped", 0.0001, 0.9999},
      {"z 0.001", 0.001, 0.9992021084506644},
  };
  for (const Row& row : rows) {
    ZAndP zp;
    zp.Z = row.z;
    zp.ZtoProb();
    EXPECT_EQ(zp.P, row.p) << row.name;
    EXPECT_EQ(zp.Z, row.z) << row.name << ": Z is an input only";
  }
  ZAndP nan;
  nan.Z = NAN;
  nan.ZtoProb();
  EXPECT_TRUE(std::isnan(nan.P));
}

}  // namespace
}  // namespace quorvane
