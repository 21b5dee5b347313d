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
    // "Day2" or "D2" for Tuesday, "Month3" or "M3" for March.
    std::string DayName(int weekday, bool abbreviated) override {
        return (abbreviated ? "D" : "Day") + std::to_string(weekday);
    }
    std::string MonthName(int month, bool abbreviated) override {
        return (abbreviated ? "M" : "Month") + std::to_string(month);
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
};

}  // namespace kov::fakes
