#pragma once

#include <cstdint>

namespace rt {

namespace detail {
inline std::uint64_t backgroundTaskCalls = 0;
}

// Called once in every pass of every long loop. It only counts: it runs no other events, so no
// handler can be re-entered while a loop is under way. Inline, because the statistics call it
// once per cell of the count table.
inline void RuntimeBackgroundTask() {
  ++detail::backgroundTaskCalls;
}

// How many times RuntimeBackgroundTask has been called since the program started.
inline std::uint64_t BackgroundTaskCalls() {
  return detail::backgroundTaskCalls;
}

}  // namespace rt
