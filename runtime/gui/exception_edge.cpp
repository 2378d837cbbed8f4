#include "runtime/gui/exception_edge.h"

#include "runtime/core/string.h"
#include "runtime/gui/platform.h"

namespace rt {

void ReportHandlerException(std::exception_ptr exception) noexcept {
  String message;
  try {
    std::rethrow_exception(exception);
  } catch (const std::exception& error) {
    message = String::FromUtf8(error.what());
  } catch (...) {
    message = "An unexpected error occurred.";
  }
  try {
    MessageDialog::Show(message);
  } catch (...) {
    // The message box itself failed; there is nobody left to tell.
  }
}

}  // namespace rt
