#pragma once
// The clock: time of day and today's date, replaceable by tests.

struct CalendarDate {
  int year;   // four digits
  int month;  // 1 to 12
  int day;    // 1 to 31
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual double secondsSinceMidnight() = 0;
  virtual CalendarDate today() = 0;
};

// The machine's local time.
class SystemClock : public Clock {
 public:
  double secondsSinceMidnight() override;
  CalendarDate today() override;
};

extern Clock* CLOCK;
