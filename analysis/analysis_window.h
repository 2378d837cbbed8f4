#pragma once

#include <memory>

#include "analysis/report_area.h"
#include "analysis/z_to_prob.h"
#include "runtime/core/folder_item.h"
#include "runtime/core/string.h"

namespace quorvane {

enum class CountField { Observers, Cases, Cats };

// What an analysis run needs of its window: the three count texts, the report area, focus,
// the message box, the open-file dialog, and the properties Z and P. The main window is one
// implementation; tests and benchmarks use an in-memory one.
class AnalysisWindow : public ZAndP {
 public:
  virtual ~AnalysisWindow() = default;

  virtual rt::String CountText(CountField field) = 0;
  virtual void SetFocus(CountField field) = 0;
  virtual ReportArea& Results() = 0;
  virtual void ShowMessage(const rt::String& text) = 0;
  // The chosen file, or nullptr when the user cancels.
  virtual std::unique_ptr<rt::FolderItem> GetOpenFolderItem(const rt::String& fileTypeName) = 0;
};

}  // namespace quorvane
