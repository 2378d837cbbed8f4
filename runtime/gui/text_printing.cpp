#include "runtime/gui/text_printing.h"

#include "runtime/core/background_task.h"
#include "runtime/gui/graphics.h"
#include "runtime/gui/open_printer_dialog.h"
#include "runtime/gui/styled_text_printer.h"
#include "runtime/gui/text_area.h"

namespace rt {
namespace {
constexpr double kBlockSize = 540;
}

void PrintTextArea(TextArea& area, const String& jobName) {
  std::unique_ptr<Graphics> page = OpenPrinterDialog(nullptr, nullptr, jobName);
  if (!page) return;
  std::unique_ptr<StyledTextPrinter> printer = area.styledTextPrinter(*page, kBlockSize);
  while (true) {
    if (printer->Eof()) break;
    printer->DrawBlock(0, 0, kBlockSize);
    if (!printer->Eof()) page->NextPage();
    RuntimeBackgroundTask();
  }
}

}  // namespace rt
