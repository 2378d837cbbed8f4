#pragma once

#include <exception>
#include <type_traits>

namespace rt {

// Shows the message of the exception that left a program handler and lets the program go on.
void ReportHandlerException(std::exception_ptr exception) noexcept;

// Every call from Qt into the program (control events, window events, menu handlers, timers)
// goes through here, so an exception raised in a handler is shown to the user in a message box
// instead of unwinding through Qt and ending the program. A handler that raised answers with its
// result type's default: false for "as Boolean" handlers, so a key is then not dropped.
template <class Handler>
auto CallProgramHandler(Handler&& handler) noexcept -> std::invoke_result_t<Handler&> {
  using Result = std::invoke_result_t<Handler&>;
  try {
    return handler();
  } catch (...) {
    ReportHandlerException(std::current_exception());
  }
  if constexpr (!std::is_void_v<Result>) {
    return Result{};
  }
}

}  // namespace rt
