#include "runtime/gui/open_printer_dialog.h"

#include <QPrinter>

#include "runtime/gui/graphics.h"
#include "runtime/gui/platform.h"
#include "runtime/gui/window.h"

namespace rt {
namespace {

String CouldNotPrintMessage(Graphics& graphics) {
  const auto* printer = dynamic_cast<const QPrinter*>(&graphics.Device());
  if (printer && !printer->outputFileName().isEmpty()) {
    return String("The text could not be printed to the file \"" +
                  printer->outputFileName().toStdString() + "\".");
  }
  if (printer && !printer->printerName().isEmpty()) {
    return String("The text could not be sent to the printer \"" +
                  printer->printerName().toStdString() + "\".");
  }
  return String("The text could not be printed.");
}

}  // namespace

std::unique_ptr<Graphics> OpenPrinterDialog(const void* /*pageSetup*/, const void* /*parent*/,
                                            const String& jobName) {
  std::unique_ptr<Graphics> graphics = CurrentPlatform().OpenPrinterDialog(jobName);
  // The print loop cannot tell a job that never started from one that printed nothing, so the
  // user hears about it here, and the loop sees a cancelled dialog.
  if (graphics && graphics->Failed()) {
    MessageDialog::Show(CouldNotPrintMessage(*graphics));
    return nullptr;
  }
  return graphics;
}

}  // namespace rt
