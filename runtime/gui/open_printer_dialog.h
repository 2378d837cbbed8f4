#pragma once

#include <memory>

#include "runtime/core/string.h"
#include "runtime/gui/graphics.h"

namespace rt {

// Shows the platform's print dialog (through the seam) for a job of that name, which the PDF file
// it proposes is named after too; the page graphics, or nullptr when the user cancels or when the
// chosen printer or file cannot start the job, which a message box tells the user. The page
// set-up and parent window are accepted for the call's shape and unused.
std::unique_ptr<Graphics> OpenPrinterDialog(const void* pageSetup = nullptr,
                                            const void* parent = nullptr,
                                            const String& jobName = String("Untitled"));

}  // namespace rt
