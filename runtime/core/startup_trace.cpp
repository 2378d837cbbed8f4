#include "runtime/core/startup_trace.h"

namespace rt {

namespace {
std::function<void(std::string_view)>& Listener() {
  static std::function<void(std::string_view)> listener;
  return listener;
}
}  // namespace

void SetStartupTraceListener(std::function<void(std::string_view step)> listener) {
  Listener() = std::move(listener);
}

void TraceStartupStep(std::string_view step) {
  if (Listener()) Listener()(step);
}

}  // namespace rt
