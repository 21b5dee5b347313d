// The date placeholder "¦d(format)": the current local date and time written with a format of
// codes (d, mm, yyyy, hh, nn, AM/PM, ...) in the user's locale.
#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"

namespace kov {

// The time written with the format. Weeks start on Sunday; week 1 holds January 1.
std::string FormatDateTime(std::string_view format, const platform::LocalDateTime& time,
                           platform::Clock& clock);

// Replaces every "¦d(" format ")" whose format equals the first one's (letter case ignored) by
// the current time, read once. Without a first placeholder or its ")" the text stays as it is.
std::string sReplaceDate(std::string_view text, platform::Clock& clock);

}  // namespace kov
