// The local date and time, and how the user's locale writes dates.
#pragma once

#include <string>

namespace kov::platform {

struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 6;  // 0 = Sunday
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() = 0;
    virtual std::string DayName(int weekday, bool abbreviated) = 0;  // weekday 0 = Sunday
    virtual std::string MonthName(int month, bool abbreviated) = 0;  // month 1 to 12
    virtual std::string DateSeparator() = 0;
    virtual std::string TimeSeparator() = 0;
    virtual std::string TimeMarker(bool pm) = 0;  // the locale's AM or PM designator
    virtual std::string ShortDate(const LocalDateTime& time) = 0;
    virtual std::string LongDate(const LocalDateTime& time) = 0;
    virtual std::string LongTime(const LocalDateTime& time) = 0;
};

}  // namespace kov::platform
