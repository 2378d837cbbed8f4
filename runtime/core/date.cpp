#include "runtime/core/date.h"

#include <QLocale>

#include "runtime/core/clock.h"

namespace rt {

Date::Date() : moment_(CurrentClock().Now()) {}

String Date::ShortDate() const {
  return String(QLocale::system().toString(moment_.date(), QLocale::ShortFormat).toStdString());
}

String Date::LongTime() const {
  return String(QLocale::system().toString(moment_.time(), QLocale::LongFormat).toStdString());
}

}  // namespace rt
