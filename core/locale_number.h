// Numbers in menu files are read the way the user writes them: with the decimal separator of the
// user's locale, blanks around them allowed, and rounded half to even where a whole number is due.
#pragma once

#include <optional>
#include <string_view>

namespace kov {

struct NumberFormat {
    char decimalSeparator = '.';
};

// A decimal number with optional sign, fraction and exponent, surrounded by spaces or tabs.
std::optional<double> ParseLocaleNumber(std::string_view text, const NumberFormat& format);

// The nearest whole number, a half going to the even neighbour; nullopt outside [low, high].
std::optional<long long> RoundHalfEven(double value, long long low, long long high);

// A locale number rounded half to even into a 16-bit signed whole number.
std::optional<int> ParseWholeNumber16(std::string_view text, const NumberFormat& format);

}  // namespace kov
