// Small text operations shared by the menu builder, the dispatcher and the language file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/locale_number.h"

namespace kov {

// RGB colour as GDI uses it: red + 256 * green + 65536 * blue.
using RgbColor = std::uint32_t;

// Removes leading tabs, then trailing tabs, then leading and trailing spaces; in that order, so a
// tab standing behind a space at either end survives.
std::string sTrimBlanks(std::string_view text);

// "r, g, b" into a colour; anything malformed gives black, values above 255 count as 255.
RgbColor ParseRGB(std::string_view text, const NumberFormat& format);
// The same, with nullopt for what is malformed.
std::optional<RgbColor> ReadRGB(std::string_view text, const NumberFormat& format);

// Backslash-n becomes CR LF, then backslash-t a TAB. There is no escape for the backslash itself.
std::string sUnescape(std::string_view text);

// Removes every "&", then every "...": the About caption turned into a title.
std::string sRemoveAmpAndDotDotDot(std::string_view text);

// The text before its first NUL character.
std::string sCutAtNull(std::string_view text);

// What a menu takes from an included file or a program's output: no more could ever be chosen
// (identifiers of lines end at 2,000), and more would only slow the popup down.
inline constexpr std::size_t kMaxReadBytes = 1 << 20;
inline constexpr std::size_t kMaxReadLines = 2000;

struct ReadLines {
    std::vector<std::string> lines;
    bool cut = false;  // lines past the limits were left out
};

// The lines of text (any line ends) that fit the limits.
ReadLines SplitLinesWithinLimits(std::string_view text);

}  // namespace kov
