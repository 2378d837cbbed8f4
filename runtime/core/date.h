#pragma once

#include <QDateTime>

#include "runtime/core/string.h"

namespace rt {

// A moment in local time; a new Date holds the moment at which it was made.
class Date {
 public:
  Date();

  String ShortDate() const;  // the system locale's short date format
  String LongTime() const;   // the system locale's long time format

 private:
  QDateTime moment_;
};

}  // namespace rt
