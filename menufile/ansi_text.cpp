#include "menufile/ansi_text.h"

#include <algorithm>

namespace kov {

char ToLowerAnsi(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    // Windows-1252 upper-case letters with a lower-case partner.
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
    switch (u) {
        case 0x8A: return '\x9A';  // S caron
        case 0x8C: return '\x9C';  // OE ligature
        case 0x8E: return '\x9E';  // Z caron
        case 0x9F: return '\xFF';  // Y diaeresis
        default: return c;
    }
}

std::string ToLowerAnsi(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = ToLowerAnsi(c);
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char x, char y) { return ToLowerAnsi(x) == ToLowerAnsi(y); });
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size()) return std::string_view::npos;
    const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                needle.begin(), needle.end(),
                                [](char x, char y) { return ToLowerAnsi(x) == ToLowerAnsi(y); });
    if (it == text.end() && !needle.empty()) return std::string_view::npos;
    return static_cast<std::size_t>(it - text.begin());
}

bool ContainsNoCase(std::string_view text, std::string_view needle) {
    return FindNoCase(text, needle) != std::string_view::npos;
}

namespace {

template <typename Find>
std::string ReplaceWith(std::string_view text, std::string_view what, std::string_view with,
                        Find find) {
    if (what.empty()) return std::string(text);
    std::string result;
    std::size_t start = 0;
    for (std::size_t at = find(text, what, start); at != std::string_view::npos;
         at = find(text, what, start)) {
        result.append(text.substr(start, at - start)).append(with);
        start = at + what.size();
    }
    result.append(text.substr(start));
    return result;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    return ReplaceWith(text, what, with,
                       [](std::string_view t, std::string_view w, std::size_t from) {
                           return t.find(w, from);
                       });
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view what, std::string_view with) {
    return ReplaceWith(text, what, with,
                       [](std::string_view t, std::string_view w, std::size_t from) {
                           return FindNoCase(t, w, from);
                       });
}

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (delimiter.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (std::size_t at = text.find(delimiter); at != std::string_view::npos;
         at = text.find(delimiter, start)) {
        pieces.emplace_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool LessNoCase::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(ToLowerAnsi(x)) <
                   static_cast<unsigned char>(ToLowerAnsi(y));
        });
}

}  // namespace kov
