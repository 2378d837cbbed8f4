#pragma once

#include <cstdint>

namespace rt {

// Called once in every pass of every long loop. It only counts: it runs no other events, so no
// handler can be re-entered while a loop is under way.
void RuntimeBackgroundTask();

// How many times RuntimeBackgroundTask has been called since the program started.
std::uint64_t BackgroundTaskCalls();

}  // namespace rt
