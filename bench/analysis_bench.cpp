// The analysis core on the largest table a user can ask for: 99 raters, 999 cases,
// 25 categories.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "analysis/analysis_run.h"
#include "analysis/count_table.h"
#include "analysis/fleiss_kappa.h"
#include "tests/support/in_memory_window.h"
#include "tests/support/temporary_folder.h"

namespace {

constexpr int kRaters = 99;
constexpr int kCases = 999;
constexpr int kCategories = 25;

// Each case's 99 ratings spread over the categories, the same table on every run.
std::vector<std::vector<int>> LargestTable() {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> category(0, kCategories - 1);
  std::vector<std::vector<int>> table(kCases, std::vector<int>(kCategories, 0));
  for (auto& row : table) {
    for (int rating = 0; rating < kRaters; ++rating)
      ++row[static_cast<std::size_t>(category(random))];
  }
  return table;
}

std::filesystem::path LargestDataFile(const testsupport::TemporaryFolder& folder) {
  const auto path = folder / "999x25.txt";
  std::ofstream out(path, std::ios::binary);
  for (const auto& row : LargestTable()) {
    for (int j = 0; j < kCategories; ++j)
      out << (j ? "\t" : "") << row[static_cast<std::size_t>(j)];
    out << "\r\n";
  }
  return path;
}

void BM_WholeRun(benchmark::State& state) {
  const testsupport::TemporaryFolder folder;
  const std::filesystem::path file = LargestDataFile(folder);
  for (auto _ : state) {
    testsupport::InMemoryWindow window(std::to_string(kRaters), std::to_string(kCases),
                                       std::to_string(kCategories));
    window.QueueFile(file);
    quorvane::RunAnalysis(window);
    benchmark::DoNotOptimize(window.area.Text());
  }
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMicrosecond);

void BM_StatisticsAlone(benchmark::State& state) {
  const quorvane::RunSize size{kRaters, kCases, kCategories};
  rt::Table2D Counts = quorvane::MakeCounts();
  const auto table = LargestTable();
  for (int i = 0; i < kCases; ++i) {
    for (int j = 0; j < kCategories; ++j) {
      Counts(i + 1, j + 1) = table[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
  }
  for (auto _ : state) {
    quorvane::CategoryArrays categories;
    quorvane::ZAndP zp;
    const quorvane::OverallValues overall =
        quorvane::ComputeOverallStatistics(Counts, size, categories, zp);
    quorvane::ComputeCategoryStatistics(size, categories);
    quorvane::ComputeCategoryProbabilities(size, categories, zp);
    benchmark::DoNotOptimize(overall.OverallKappa);
    benchmark::DoNotOptimize(zp.P);
  }
}
BENCHMARK(BM_StatisticsAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
