#pragma once

#include "analysis/analysis_window.h"

namespace quorvane {

// One analysis, as "Get Data" runs it: check the three counts, ask for the data file, read it,
// and append the report with the statistics computed between its stages. A failed check, a
// cancelled dialog or a file that cannot be read writes nothing to the report area and leaves
// Z and P as they were.
void RunAnalysis(AnalysisWindow& window);

}  // namespace quorvane
