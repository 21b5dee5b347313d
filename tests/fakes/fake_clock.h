// A stopped clock with an English locale whose separators and designators differ from the format
// letters, so a test sees which came from the locale.
#pragma once

#include <string>

#include "platform/clock.h"

namespace kov::fakes {

class FakeClock : public platform::Clock {
  public:
    platform::LocalDateTime Now() override {
        ++reads;
        return now;
    }
    std::string DayName(int weekday, bool abbreviated) override {
        static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
        return Name(kNames[weekday], abbreviated);
    }
    std::string MonthName(int month, bool abbreviated) override {
        static const char* const kNames[] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
        return Name(kNames[month - 1], abbreviated);
    }
    std::string DateSeparator() override { return "-"; }
    std::string TimeSeparator() override { return "."; }
    std::string TimeMarker(bool pm) override { return pm ? "pm." : "am."; }
    std::string ShortDate(const platform::LocalDateTime&) override { return "<short date>"; }
    std::string LongDate(const platform::LocalDateTime&) override { return "<long date>"; }
    std::string LongTime(const platform::LocalDateTime&) override { return "<long time>"; }

    // Tuesday, 5 March 2024, 14:07:09.
    platform::LocalDateTime now{2024, 3, 5, 14, 7, 9, 2};
    int reads = 0;

  private:
    static std::string Name(std::string name, bool abbreviated) {
        return abbreviated ? name.substr(0, 3) : name;
    }
};

}  // namespace kov::fakes
