// Text inside the program is UTF-8 in std::string; Windows speaks UTF-16. These are the only
// conversions between the two, and the code-point steps the case-blind comparisons walk in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kov {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct CodePoint {
    char32_t value;
    // Bytes it took; at least 1, so a walk over broken text always moves on.
    std::size_t length;
};

// The code point starting at text[at] (at < text.size()). A byte that starts no valid sequence
// (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut short) is one U+FFFD.
// With keepSurrogates, the three-byte form of a surrogate is taken as that surrogate.
CodePoint DecodeUtf8At(std::string_view text, std::size_t at, bool keepSurrogates = false);

void AppendUtf8(std::string& out, char32_t codePoint);

// True when the whole text is well-formed UTF-8; multiByte tells whether any sequence is longer
// than one byte.
bool IsValidUtf8(std::string_view text, bool& multiByte);

// Invalid bytes become U+FFFD. Names from the file system may hold unpaired surrogates; with
// keepSurrogates they pass both ways in the three-byte form UTF-8 would give them, so such a name
// still reaches its file.
std::u16string Utf8ToUtf16(std::string_view text, bool keepSurrogates = false);
// An unpaired surrogate becomes U+FFFD unless kept.
std::string Utf16ToUtf8(std::u16string_view text, bool keepSurrogates = false);

// Text that may carry unpaired surrogates (from a name) as well-formed UTF-8: each becomes one
// U+FFFD.
inline std::string WellFormedUtf8(std::string_view text) {
    return Utf16ToUtf8(Utf8ToUtf16(text, true));
}

}  // namespace kov
