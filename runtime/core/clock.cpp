#include "runtime/core/clock.h"

namespace rt {
namespace {

class SystemClock final : public Clock {
 public:
  QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

SystemClock systemClock;
Clock* current = &systemClock;

}  // namespace

Clock& CurrentClock() {
  return *current;
}

void SetClock(Clock* clock) {
  current = clock ? clock : &systemClock;
}

}  // namespace rt
