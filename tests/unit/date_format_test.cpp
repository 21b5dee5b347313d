#include "menufile/date_format.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_clock.h"

namespace kov {
namespace {

// The fake clock stands at Tuesday, 5 March 2024, 14:07:09 (day 65, week 10).
TEST(DateFormat, EveryCode) {
    fakes::FakeClock clock;
    const struct {
        const char* format;
        const char* expected;
    } cases[] = {
        {"d", "5"},
        {"dd", "05"},
        {"ddd", "Tue"},
        {"dddd", "Tuesday"},
        {"ddddd", "<short date>"},
        {"dddddd", "<long date>"},
        {"w", "3"},
        {"ww", "10"},
        {"m", "3"},
        {"mm", "03"},
        {"mmm", "Mar"},
        {"mmmm", "March"},
        {"q", "1"},
        {"y", "65"},
        {"yy", "24"},
        {"yyyy", "2024"},
        {"h", "14"},
        {"hh", "14"},
        {"n", "7"},
        {"nn", "07"},
        {"s", "9"},
        {"ss", "09"},
        {"hh:mm", "14.07"},            // minutes after an hour code, the locale's separator
        {"h \"at\" m", "14 at 7"},     // literals between keep the minute reading
        {"mm/dd/yyyy", "03-05-2024"},  // the locale's date separator
        {"hh AM/PM", "02 PM"},
        {"h am/pm", "2 pm"},
        {"hA/P", "2P"},
        {"a/p", "p"},
        {"h AMPM", "2 pm."},  // the locale's designator
        {"c", "<short date> <long time>"},
        {"ttttt", "<long time>"},
        {"t", "t"},
        {"\\d\"dd\"d", "ddd5"},
        {"YYYY-x", "YYYY-x"},
        {"", ""},
        {"\\", ""},
        {"\"open", "open"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateTime(c.format, clock.now, clock), c.expected) << c.format;
    }
}

TEST(DateFormat, TwelveHourClockAndWeeksAtTheEdgesOfTheYear) {
    fakes::FakeClock clock;
    clock.now = {2000, 1, 1, 0, 0, 0, 6};  // a Saturday, midnight
    EXPECT_EQ(FormatDateTime("h AM/PM ww w y", clock.now, clock), "12 AM 1 7 1");
    EXPECT_EQ(FormatDateTime("c", clock.now, clock), "<short date>");
    clock.now = {2000, 12, 31, 12, 30, 0, 0};  // a Sunday in a leap year begun on Saturday
    EXPECT_EQ(FormatDateTime("h:nn a/p ww y", clock.now, clock), "12.30 p 54 366");
}

TEST(ReplaceDate, FirstPlaceholderOnly) {
    fakes::FakeClock clock;
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"log_\xC2\xA6"
         "d(yyyy-mm-dd).txt",
         "log_2024-03-05.txt"},
        {"\xC2\xA6"
         "D(yyyy) \xC2\xA6"
         "d(YYYY)",
         "2024 2024"},  // the same format in other letter case
        {"\xC2\xA6"
         "d(yyyy) \xC2\xA6"
         "d(mm)",
         "2024 \xC2\xA6"
         "d(mm)"},
        {"\xC2\xA6"
         "d(yyyy",
         "\xC2\xA6"
         "d(yyyy"},
        {") \xC2\xA6"
         "d(",
         ") \xC2\xA6"
         "d("},
        {"\xC2\xA6"
         "d()x",
         "x"},
        {"no date", "no date"},
    };
    for (const auto& c : cases) EXPECT_EQ(sReplaceDate(c.text, clock), c.expected) << c.text;
}

TEST(ReplaceDate, ReadsTheClockOnceAndCopesWithHugeFormats) {
    fakes::FakeClock clock;
    const std::string format(10000, 'd');
    const auto result = sReplaceDate(
        "\xC2\xA6"
        "d(" +
            format + ")",
        clock);
    EXPECT_EQ(clock.reads, 1);
    EXPECT_EQ(result.substr(0, 11), "<long date>");
}

}  // namespace
}  // namespace kov
