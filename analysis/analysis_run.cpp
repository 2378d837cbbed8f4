#include "analysis/analysis_run.h"

#include "analysis/count_table.h"
#include "analysis/data_file_reader.h"
#include "analysis/file_types.h"
#include "analysis/fleiss_kappa.h"
#include "analysis/report.h"
#include "runtime/core/text_functions.h"
#include "runtime/core/text_input_stream.h"

namespace quorvane {
namespace {

struct CountCheck {
  bool (*fails)(double r, double c, double g);
  const char* message;
  CountField focus;
};

// In this order; the first that fails ends the run.
constexpr CountCheck kCountChecks[] = {
    {[](double r, double c, double g) { return r == 0 && c == 0 && g == 0; },
     "Specify number of raters, cases, and categories. Then click Get Data button to load data "
     "file.",
     CountField::Observers},
    {[](double r, double, double) { return r < 2 || r > 99; },
     "Number of raters must range from 2-99", CountField::Observers},
    {[](double, double c, double) { return c < 2 || c > 999; },
     "Number of cases must range from 2-999", CountField::Cases},
    {[](double, double, double g) { return g < 2 || g > 25; },
     "Number of categories must range from 2-25", CountField::Cats},
};

bool CountsPassChecks(AnalysisWindow& window, double r, double c, double g) {
  for (const CountCheck& check : kCountChecks) {
    if (check.fails(r, c, g)) {
      window.ShowMessage(check.message);
      window.SetFocus(check.focus);
      return false;
    }
  }
  return true;
}

// Reads the chosen file into Counts; on failure tells the user why and returns false, with
// nothing written anywhere but the table.
bool ReadDataFile(AnalysisWindow& window, rt::FolderItem& file, const RunSize& size,
                  const RunText& constants, rt::Table2D& Counts) {
  const rt::String name = "\"" + file.NativePath() + "\"";
  std::unique_ptr<rt::TextInputStream> stream = file.OpenAsTextFile();
  if (!stream) {
    window.ShowMessage("The data file " + name +
                       " could not be opened: " + file.LastErrorMessage() + ".");
    return false;
  }
  try {
    ReadCounts(*stream, size.NumCats, constants.Tab, Counts);
  } catch (const TooManyLinesError&) {
    window.ShowMessage("The data file " + name +
                       " has more than 999 lines. At most 999 cases are read: remove the extra "
                       "lines and try again.");
    return false;
  } catch (const NotTextError& error) {
    window.ShowMessage("The data file " + name + " is not a text file: " + error.what() + ".");
    return false;
  } catch (const rt::IOException& error) {
    window.ShowMessage("The data file " + name + " could not be read: " + error.what() + ".");
    return false;
  }
  stream->Close();
  return true;
}

}  // namespace

void RunAnalysis(AnalysisWindow& window) {
  rt::Table2D Counts = MakeCounts();
  CategoryArrays categories;
  const RunText constants = MakeRunText();

  const double r = rt::Val(window.CountText(CountField::Observers));
  const double c = rt::Val(window.CountText(CountField::Cases));
  const double g = rt::Val(window.CountText(CountField::Cats));
  if (!CountsPassChecks(window, r, c, g)) return;

  const RunSize size{rt::TruncateToInt64(r), rt::TruncateToInt64(c), rt::TruncateToInt64(g)};

  // A cancelled dialog ends the run quietly.
  const std::unique_ptr<rt::FolderItem> file = window.GetOpenFolderItem(FileTypes1::kTextName);
  if (!file) return;
  if (!ReadDataFile(window, *file, size, constants, Counts)) return;

  FormRowTotals(Counts, size);
  FormCategoryTotals(Counts, size);

  WriteDataBlock(window.Results(), constants, Counts, size);

  const OverallValues overall = ComputeOverallStatistics(Counts, size, categories, window);
  WriteTableHead(window.Results(), constants, overall, window);

  ComputeCategoryStatistics(size, categories);
  ComputeCategoryProbabilities(size, categories, window);
  WriteCategoryRows(window.Results(), constants, categories, size);
  window.Results().SetEnabled(true);
}

}  // namespace quorvane
