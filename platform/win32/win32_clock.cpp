#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_api.h"

#include <iterator>

#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

// length counts the terminating NUL; 0 is a failure.
std::string Result(const wchar_t* buffer, int length) {
    return length > 1 ? Narrow({buffer, static_cast<std::size_t>(length - 1)}) : std::string();
}

std::string LocaleText(LCTYPE type) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, std::size(buffer));
    return Result(buffer, length);
}

SYSTEMTIME ToSystemTime(const platform::LocalDateTime& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wDayOfWeek = static_cast<WORD>(time.weekday);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    return system;
}

std::string Date(const platform::LocalDateTime& time, DWORD flags) {
    const auto system = ToSystemTime(time);
    wchar_t buffer[256] = {};
    const int length =
        GetDateFormatW(LOCALE_USER_DEFAULT, flags, &system, nullptr, buffer, std::size(buffer));
    return Result(buffer, length);
}

}  // namespace

platform::LocalDateTime Win32Clock::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wDayOfWeek};
}

std::string Win32Clock::DayName(int weekday, bool abbreviated) {
    // The locale's day names start on Monday.
    const auto index = static_cast<LCTYPE>((weekday + 6) % 7);
    return LocaleText((abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1) + index);
}

std::string Win32Clock::MonthName(int month, bool abbreviated) {
    const auto index = static_cast<LCTYPE>((month + 11) % 12);
    return LocaleText((abbreviated ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1) + index);
}

std::string Win32Clock::DateSeparator() {
    return LocaleText(LOCALE_SDATE);
}
std::string Win32Clock::TimeSeparator() {
    return LocaleText(LOCALE_STIME);
}
std::string Win32Clock::TimeMarker(bool pm) {
    return LocaleText(pm ? LOCALE_S2359 : LOCALE_S1159);
}

std::string Win32Clock::ShortDate(const platform::LocalDateTime& time) {
    return Date(time, DATE_SHORTDATE);
}

std::string Win32Clock::LongDate(const platform::LocalDateTime& time) {
    return Date(time, DATE_LONGDATE);
}

std::string Win32Clock::LongTime(const platform::LocalDateTime& time) {
    const auto system = ToSystemTime(time);
    wchar_t buffer[256] = {};
    const int length =
        GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &system, nullptr, buffer, std::size(buffer));
    return Result(buffer, length);
}

}  // namespace kov::win32
