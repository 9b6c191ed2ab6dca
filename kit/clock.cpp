#include "kit/clock.h"

#include <ctime>

namespace {
struct tm localNow(double* fraction) {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  struct tm t {};
  localtime_r(&ts.tv_sec, &t);
  if (fraction != nullptr) {
    *fraction = static_cast<double>(ts.tv_nsec) / 1e9;
  }
  return t;
}

SystemClock systemClock;
}  // namespace

Clock* CLOCK = &systemClock;

double SystemClock::secondsSinceMidnight() {
  double fraction = 0;
  struct tm t = localNow(&fraction);
  return t.tm_hour * 3600.0 + t.tm_min * 60.0 + t.tm_sec + fraction;
}

CalendarDate SystemClock::today() {
  struct tm t = localNow(nullptr);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}
