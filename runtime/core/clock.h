#pragma once

#include <QDateTime>

namespace rt {

// Where "now" comes from. The program uses the system clock; a test installs its own so that
// time stamps and timers do not depend on real seconds.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime Now() const = 0;
};

Clock& CurrentClock();
void SetClock(Clock* clock);  // nullptr goes back to the system clock

}  // namespace rt
