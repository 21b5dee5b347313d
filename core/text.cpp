#include "core/text.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <tuple>
#include <utility>

#include "core/utf8.h"

namespace kov {

namespace {

struct FoldRun {
    char32_t first;
    char32_t last;
    int delta;
    int stride;
};

constexpr FoldRun kFoldRuns[] = {
#include "core/case_fold_table.inc"
};

// The folded code point at text[at], and the bytes it took. ASCII, by far the most common case,
// needs no decoding.
CodePoint FoldedAt(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) return {FoldCase(char32_t{byte}), 1};
    auto point = DecodeUtf8At(text, at);
    // An invalid byte compares as itself, so two different broken texts stay different.
    point.value = point.length == 1 ? 0x110000 + byte : FoldCase(point.value);
    return point;
}

// Bytes of text from at that match the whole needle with letter case ignored; npos if they do not.
std::size_t MatchLengthNoCase(std::string_view text, std::size_t at, std::string_view needle) {
    std::size_t t = at;
    for (std::size_t n = 0; n < needle.size();) {
        if (t >= text.size()) return std::string_view::npos;
        const auto a = FoldedAt(text, t);
        const auto b = FoldedAt(needle, n);
        if (a.value != b.value) return std::string_view::npos;
        t += a.length;
        n += b.length;
    }
    return t - at;
}

bool IsSequenceStart(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

}  // namespace

char32_t FoldCase(char32_t c) {
    if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
    const auto run = std::upper_bound(std::begin(kFoldRuns), std::end(kFoldRuns), c,
                                      [](char32_t v, const FoldRun& r) { return v < r.first; });
    if (run == std::begin(kFoldRuns)) return c;
    const auto& r = *std::prev(run);
    if (c > r.last || (c - r.first) % static_cast<char32_t>(r.stride) != 0) return c;
    return static_cast<char32_t>(static_cast<int>(c) + r.delta);
}

namespace {

// The letters whose full folding is more than one letter.
struct Expansion {
    char32_t letter;
    std::string_view folded;
};
constexpr Expansion kExpansions[] = {{0xDF, "ss"},    {0x1E9E, "ss"}, {0xFB00, "ff"},
                                     {0xFB01, "fi"},  {0xFB02, "fl"}, {0xFB03, "ffi"},
                                     {0xFB04, "ffl"}, {0xFB05, "st"}, {0xFB06, "st"}};

std::string FoldText(std::string_view text, bool full) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto point = DecodeUtf8At(text, at);
        const auto* expansion =
            full ? std::find_if(std::begin(kExpansions), std::end(kExpansions),
                                [&](const Expansion& e) { return e.letter == point.value; })
                 : std::end(kExpansions);
        if (expansion != std::end(kExpansions)) {
            folded += expansion->folded;
        } else if (point.length == 1 && static_cast<unsigned char>(text[at]) >= 0x80) {
            folded += text[at];  // an invalid byte stays as it was
        } else {
            AppendUtf8(folded, FoldCase(point.value));
        }
        at += point.length;
    }
    return folded;
}

}  // namespace

std::string FoldCase(std::string_view text) {
    return FoldText(text, false);
}

std::string FoldCaseFull(std::string_view text) {
    return FoldText(text, true);
}

char32_t PlaceholderLetter(std::string_view text) {
    if (!text.starts_with(kBrokenBar) || text.size() == kBrokenBar.size()) return 0;
    return FoldedAt(text, kBrokenBar.size()).value;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return MatchLengthNoCase(a, 0, b) == a.size();
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return MatchLengthNoCase(text, 0, prefix) != std::string_view::npos;
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size()) return std::string_view::npos;
    if (needle.empty()) return from;
    // Placeholders start with the broken bar, which has no other case: only its places are tried.
    if (needle.starts_with(kBrokenBar)) {
        for (auto at = text.find(kBrokenBar, from); at != std::string_view::npos;
             at = text.find(kBrokenBar, at + 1)) {
            if (MatchLengthNoCase(text, at, needle) != std::string_view::npos) return at;
        }
        return std::string_view::npos;
    }
    for (std::size_t at = from; at < text.size(); ++at) {
        if (IsSequenceStart(text[at]) &&
            MatchLengthNoCase(text, at, needle) != std::string_view::npos)
            return at;
    }
    return std::string_view::npos;
}

bool ContainsNoCase(std::string_view text, std::string_view needle) {
    return FindNoCase(text, needle) != std::string_view::npos;
}

namespace {

struct Match {
    std::size_t at;
    std::size_t length;
    std::string_view with;
};

// find(text, from) gives the next match at or after from; at is npos when there is none.
template <typename Find>
std::string ReplaceWith(std::string_view text, Find find) {
    std::string result;
    std::size_t start = 0;
    for (auto match = find(text, start); match.at != std::string_view::npos;
         match = find(text, start)) {
        result.append(text.substr(start, match.at - start)).append(match.with);
        start = match.at + match.length;
    }
    result.append(text.substr(start));
    return result;
}

// A match may take more or fewer bytes than the needle when a letter's two cases differ in length.
Match FindMatchNoCase(std::string_view text, const Replacement& r, std::size_t from) {
    const auto at = FindNoCase(text, r.what, from);
    return {at, at == std::string_view::npos ? 0 : MatchLengthNoCase(text, at, r.what), r.with};
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    if (what.empty()) return std::string(text);
    return ReplaceWith(text, [&](std::string_view t, std::size_t from) {
        return Match{t.find(what, from), what.size(), with};
    });
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view what, std::string_view with) {
    const Replacement one{what, with};
    return ReplaceEachNoCase(text, std::span(&one, 1));
}

std::string ReplaceEachNoCase(std::string_view text, std::span<const Replacement> each) {
    for (const auto& r : each) {
        if (r.what.empty()) return std::string(text);
    }
    return ReplaceWith(text, [&](std::string_view t, std::size_t from) {
        Match first{std::string_view::npos, 0, {}};
        for (const auto& r : each) {
            if (const auto match = FindMatchNoCase(t, r, from); match.at < first.at) first = match;
        }
        return first;
    });
}

bool IsDrivePath(std::string_view path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && (path[2] == '\\' || path[2] == '/');
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
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto x = FoldedAt(a, i);
        const auto y = FoldedAt(b, j);
        if (x.value != y.value) return x.value < y.value;
        i += x.length;
        j += y.length;
    }
    return i == a.size() && j < b.size();
}

}  // namespace kov
