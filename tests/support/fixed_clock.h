#pragma once

#include <QDateTime>
#include <QTimeZone>

#include "runtime/core/clock.h"

namespace testsupport {

// Holds "now" at one moment while it lives, so report time stamps are known in advance.
class FixedClock final : public rt::Clock {
 public:
  FixedClock() { rt::SetClock(this); }
  ~FixedClock() override { rt::SetClock(nullptr); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  QDateTime Now() const override { return QDateTime(QDate(2026, 12, 10), QTime(8, 30, 0)); }
};

}  // namespace testsupport
