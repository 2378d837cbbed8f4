#include "runtime/core/background_task.h"

namespace rt {
namespace {
std::uint64_t calls = 0;
}  // namespace

void RuntimeBackgroundTask() { ++calls; }

std::uint64_t BackgroundTaskCalls() { return calls; }

}  // namespace rt
