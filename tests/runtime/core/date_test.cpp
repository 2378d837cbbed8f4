#include "runtime/core/date.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <string>

#include "runtime/core/clock.h"
#include "tests/support/fixed_clock.h"

namespace rt {
namespace {

// The test programs pin the locale to en_US and the time zone to UTC.
TEST(Date, ShowsTheClocksMomentInTheShortDateAndLongTimeFormats) {
  struct Row {
    const char* name;
    QDateTime now;
    const char* shortDate;
    const char* longTime;
  };
  const Row rows[] = {
      {"the test clock's moment", QDateTime(QDate(2026, 12, 10), QTime(8, 30, 0)), "12/10/26",
       "8:30:00 AM UTC"},
      {"single-digit month and day at midnight", QDateTime(QDate(2027, 1, 5), QTime(0, 0, 0)),
       "1/5/27", "12:00:00 AM UTC"},
      {"noon", QDateTime(QDate(2027, 1, 5), QTime(12, 0, 0)), "1/5/27", "12:00:00 PM UTC"},
      {"an afternoon hour with single-digit minutes and seconds",
       QDateTime(QDate(2026, 7, 4), QTime(15, 7, 9)), "7/4/26", "3:07:09 PM UTC"},
      {"last second of a year 2000 leap day", QDateTime(QDate(2000, 2, 29), QTime(23, 59, 59)),
       "2/29/00", "11:59:59 PM UTC"},
  };
  for (const Row& row : rows) {
    const testsupport::FixedClock clock(row.now);
    const Date date;
    EXPECT_EQ(date.ShortDate().ToUtf8(), row.shortDate) << row.name;
    EXPECT_EQ(date.LongTime().ToUtf8(), row.longTime) << row.name;
  }
}

// A clock that is one second before midnight when first asked, and midnight from then on.
class MidnightClock final : public Clock {
 public:
  MidnightClock() { SetClock(this); }
  ~MidnightClock() override { SetClock(nullptr); }
  MidnightClock(const MidnightClock&) = delete;
  MidnightClock& operator=(const MidnightClock&) = delete;

  QDateTime Now() const override {
    return asked_++ == 0 ? QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))
                         : QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0));
  }

 private:
  mutable int asked_ = 0;
};

// Date and time of one stamp must come from the same moment, also when midnight passes
// between the two calls.
TEST(Date, KeepsTheMomentAtWhichItWasMade) {
  const MidnightClock clock;
  const Date date;
  EXPECT_EQ(date.ShortDate().ToUtf8(), "12/31/26");
  EXPECT_EQ(date.LongTime().ToUtf8(), "11:59:59 PM UTC");
}

}  // namespace
}  // namespace rt
