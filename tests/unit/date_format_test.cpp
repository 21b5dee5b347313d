#include "menufile/date_format.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_clock.h"
#include "tests/unit/test_support.h"

namespace kov {
namespace {

// The fake clock stands at Tuesday, 5 March 2024, 14:07:09 (day 65, week 10).
TEST(DateFormat, EveryCode) {
    fakes::FakeClock clock;
    const Rows<> formats = {
        {"d dd ddd dddd|ddddd|dddddd", "5 05 D2 Day2|<short date>|<long date>"},
        {"w ww m mm mmm mmmm q", "3 10 3 03 M3 Month3 1"},
        {"y yy yyyy h hh n nn s ss", "65 24 2024 14 14 7 07 9 09"},
        {"hh:mm", "14.07"},            // minutes after an hour code, the locale's separator
        {"h \"at\" m", "14 at 7"},     // literals between keep the minute reading
        {"mm/dd/yyyy", "03-05-2024"},  // the locale's date separator
        {"hh AM/PM|h am/pm|hA/P|a/p", "02 PM|2 pm|2P|p"},
        {"c|ttttt|t", "<short date> <long time>|<long time>|t"},
        {"\\d\"dd\"d YYYY-x", "ddd5 YYYY-x"},
        {"\\", ""},
    };
    ExpectRows(formats, [&](const std::string& f) { return FormatDateTime(f, clock.now, clock); });
    clock.now = {2000, 1, 1, 0, 0, 0, 6};  // a Saturday, midnight
    EXPECT_EQ(FormatDateTime("h AM/PM ww w y|c", clock.now, clock), "12 AM 1 7 1|<short date>");
    clock.now = {2000, 12, 31, 12, 30, 0, 0};  // a Sunday in a leap year begun on Saturday
    EXPECT_EQ(FormatDateTime("h:nn a/p ww y", clock.now, clock), "12.30 p 54 366");
}

}  // namespace
}  // namespace kov
