// Text in this program is std::string holding bytes of the Windows-1252 code page: one character
// per byte, the broken bar is 0xA6. Keywords, keys and placeholder letters compare without regard
// to letter case, so every such comparison goes through the helpers here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kov {

// The placeholder character (broken bar) of Windows-1252.
inline constexpr char kBrokenBar = '\xA6';

char ToLowerAnsi(char c);
std::string ToLowerAnsi(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Position of the first occurrence of needle at or after from, letter case ignored; npos if none.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0);
bool ContainsNoCase(std::string_view text, std::string_view needle);
// Left to right, non-overlapping.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);
std::string ReplaceAllNoCase(std::string_view text, std::string_view what, std::string_view with);

// Cuts text at every exact occurrence of the delimiter. An empty text gives no pieces, an empty
// delimiter the whole text as one piece, adjacent delimiters give empty pieces.
std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter);

// Removes leading and trailing spaces (code 32) only.
std::string TrimSpaces(std::string_view text);

// Ordering for keyed tables whose keys ignore letter case.
struct LessNoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace kov
