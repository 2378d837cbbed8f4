#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <utility>

#include "runtime/core/clock.h"

namespace testsupport {

// Holds "now" at one moment while it lives, so report time stamps are known in advance.
class FixedClock final : public rt::Clock {
 public:
  // 2026-12-10 08:30:00 local time unless a test needs another moment.
  explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 12, 10), QTime(8, 30, 0)))
      : now_(std::move(now)) {
    rt::SetClock(this);
  }
  ~FixedClock() override { rt::SetClock(nullptr); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  QDateTime Now() const override { return now_; }

 private:
  QDateTime now_;
};

}  // namespace testsupport
