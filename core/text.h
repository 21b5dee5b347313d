// Text in this program is UTF-8 in std::string. Keywords, keys, placeholder letters and window
// titles compare without regard to letter case in every script, so every such comparison goes
// through the helpers here.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

// The placeholder character (broken bar, U+00A6) and the currency sign (U+00A4) the sample file
// offers as a delimiter.
inline constexpr std::string_view kBrokenBar = "\xC2\xA6";
inline constexpr std::string_view kCurrencySign = "\xC2\xA4";
// The placeholders commands and captions are written with.
inline constexpr std::string_view kClipboardTextPlaceholder = "\xC2\xA6s";
inline constexpr std::string_view kClipboardFilesPlaceholder =
    "\xC2\xA6"
    "f";
// The folder shown by the window in front, and the files and folders selected in it.
inline constexpr std::string_view kFolderInFrontPlaceholder = "\xC2\xA6w";
inline constexpr std::string_view kSelectionInFrontPlaceholder =
    "\xC2\xA6"
    "e";
inline constexpr std::string_view kMenuFilePlaceholder = "\xC2\xA6m";
inline constexpr std::string_view kDatePlaceholderOpen =
    "\xC2\xA6"
    "d(";

// A file name in a folder, with one backslash between them even when the folder is a drive root.
inline std::string InFolder(std::string folder, std::string_view name) {
    if (!folder.ends_with('\\')) folder += '\\';
    return folder + std::string(name);
}

// "C:\..." or "C:/...": a full path on a drive.
bool IsDrivePath(std::string_view path);

// The one-to-one case folding of a code point (capital letters of every script to small ones).
char32_t FoldCase(char32_t c);
std::string FoldCase(std::string_view text);
// As FoldCase, and the letters that fold to more than one ("ß" and "ẞ" to "ss", the Latin
// ligatures to their letters), so that a typed "ss" or "SS" finds "ß" and the other way round.
std::string FoldCaseFull(std::string_view text);

// The letter after a leading broken bar, folded; 0 when the text does not start with one.
char32_t PlaceholderLetter(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Position of the first occurrence of needle at or after from, letter case ignored; npos if none.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0);
bool ContainsNoCase(std::string_view text, std::string_view needle);
// Left to right, non-overlapping.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);
std::string ReplaceAllNoCase(std::string_view text, std::string_view what, std::string_view with);
struct Replacement {
    std::string_view what;
    std::string_view with;
};
// Each text replaced by its own in one pass: what goes in is never searched again.
std::string ReplaceEachNoCase(std::string_view text, std::span<const Replacement> each);

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
