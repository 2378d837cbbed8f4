#include "runtime/gui/timer.h"

#include "runtime/gui/delegate.h"
#include "runtime/gui/exception_edge.h"
#include "runtime/gui/layout_values.h"
#include "runtime/gui/platform.h"
#include "runtime/gui/quit.h"

namespace rt {

Timer::Timer(Window& window) : RectControl(window, nullptr) {}

Timer::~Timer() = default;

void Timer::SetPeriod(std::int64_t milliseconds) {
  period_ = milliseconds;
  Restart();
}

void Timer::SetRunMode(std::int64_t mode) {
  runMode_ = mode;
  Restart();
}

void Timer::AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) {
  if (eventNumber == kActionEvent) {
    action_ = delegate.As<void(Timer&)>("( Timer )", "Timer Action");
    return;
  }
  RectControl::AddEventHandler(eventNumber, delegate);
}

void Timer::ApplyProperty(const Property& property) {
  // Set directly: the timer starts once, when the whole description has been applied.
  if (property.name == "Period") {
    period_ = IntegerValue(property);
  } else if (property.name == "RunMode") {
    runMode_ = IntegerValue(property);
  } else {
    RectControl::ApplyProperty(property);
  }
}

void Timer::PropertiesApplied() {
  Restart();
}

void Timer::Restart() {
  pending_.reset();
  if (runMode_ == kOff) return;
  pending_ = CurrentPlatform().StartOneShotTimer(period_ > 0 ? period_ : 0, [this] { Fire(); });
}

void Timer::Fire() {
  // This runs inside the pending handle's own callback, so that handle is kept (as spent_) until
  // the next firing rather than destroyed under its caller.
  spent_ = std::move(pending_);
  if (runMode_ == kMultiple) {
    pending_ = CurrentPlatform().StartOneShotTimer(period_ > 0 ? period_ : 0, [this] { Fire(); });
  } else {
    runMode_ = kOff;
  }
  if (!action_ || !DeliversEvents() || IsQuitting()) return;
  CallProgramHandler([this] { action_(*this); });
}

}  // namespace rt
