#pragma once

#include <functional>
#include <memory>

#include "runtime/gui/rect_control.h"

namespace rt {

class TimerHandle;

// A control without a widget that runs its Action event (event 1, "( Timer )") Period
// milliseconds after it was started: once (RunMode 1, which then turns to 0) or again and again
// (RunMode 2); RunMode 0 stops it. It starts when its layout description has been applied, and
// again whenever Period or RunMode is set. The time comes from the platform's clock, so a test
// can advance it. The timer does nothing once its window is closed or gone.
class Timer : public RectControl {
 public:
  static constexpr std::string_view kClassName = "Timer";
  static constexpr std::int64_t kActionEvent = 1;
  static constexpr std::int64_t kOff = 0;
  static constexpr std::int64_t kSingle = 1;
  static constexpr std::int64_t kMultiple = 2;

  explicit Timer(Window& window);
  ~Timer() override;

  std::string_view ClassName() const override { return kClassName; }

  std::int64_t Period() const { return period_; }
  void SetPeriod(std::int64_t milliseconds);
  std::int64_t RunMode() const { return runMode_; }
  void SetRunMode(std::int64_t mode);

  void AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) override;

 protected:
  void ApplyProperty(const Property& property) override;
  void PropertiesApplied() override;

 private:
  void Restart();
  void Fire();

  std::int64_t period_ = 1000;
  std::int64_t runMode_ = kOff;
  std::unique_ptr<TimerHandle> pending_;
  std::unique_ptr<TimerHandle> spent_;
  std::function<void(Timer&)> action_;
};

}  // namespace rt
