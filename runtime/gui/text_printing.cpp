#include "runtime/gui/text_printing.h"

#include "runtime/core/background_task.h"
#include "runtime/core/exceptions.h"
#include "runtime/gui/printing.h"
#include "runtime/gui/text_area.h"

namespace {
constexpr double kBlockSize = 540;
}

void PrintTextArea(rt::TextArea& area) {
  std::unique_ptr<rt::Graphics> page = rt::OpenPrinterDialog(nullptr, nullptr);
  if (!page) return;
  std::unique_ptr<rt::StyledTextPrinter> printer = area.styledTextPrinter(*page, kBlockSize);
  if (!printer) throw rt::NilObjectException("The text area gave no printer");
  while (true) {
    if (printer->Eof()) break;
    printer->DrawBlock(0, 0, kBlockSize);
    if (!printer->Eof()) page->NextPage();
    rt::RuntimeBackgroundTask();
  }
}
