#pragma once

#include <functional>
#include <string_view>

namespace rt {

// Each start-up step of the runtime announces itself here as it begins ("RuntimeInit",
// "RegisterFileType text", "RuntimeRun", ...). Nothing listens in the program; a test installs a
// listener to record the order of the steps, and may throw from it to make a step fail.
void SetStartupTraceListener(std::function<void(std::string_view step)> listener);
void TraceStartupStep(std::string_view step);

}  // namespace rt
