#pragma once

#include "platform/clock.h"

namespace kov::win32 {

// The local time and the user's locale.
class Win32Clock : public platform::Clock {
  public:
    platform::LocalDateTime Now() override;
    std::string DayName(int weekday, bool abbreviated) override;
    std::string MonthName(int month, bool abbreviated) override;
    std::string DateSeparator() override;
    std::string TimeSeparator() override;
    std::string TimeMarker(bool pm) override;
    std::string ShortDate(const platform::LocalDateTime& time) override;
    std::string LongDate(const platform::LocalDateTime& time) override;
    std::string LongTime(const platform::LocalDateTime& time) override;
};

}  // namespace kov::win32
