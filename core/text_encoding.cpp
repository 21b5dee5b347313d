#include "core/text_encoding.h"

#include <algorithm>

#include "core/utf8.h"

namespace kov {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

std::string Utf8ToUtf16Bytes(std::string_view text, bool bigEndian) {
    const auto units = Utf8ToUtf16(text);
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
    return Utf16ToUtf8(Utf16Units(bytes, bigEndian));
}

std::string_view MarkOf(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8WithMark:
            return kUtf8Mark;
        case TextEncoding::Utf16Le:
            return kUtf16LeMark;
        case TextEncoding::Utf16Be:
            return kUtf16BeMark;
        default:
            return {};
    }
}

}  // namespace

std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
    std::u16string units(bytes.size() / 2, u'\0');  // an odd last byte is dropped
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

DecodedText DecodeText(std::string_view bytes, const AnsiCodePage& ansi) {
    if (bytes.starts_with(kUtf16LeMark)) {
        return {Utf16BytesToUtf8(bytes.substr(2), false), TextEncoding::Utf16Le};
    }
    if (bytes.starts_with(kUtf16BeMark)) {
        return {Utf16BytesToUtf8(bytes.substr(2), true), TextEncoding::Utf16Be};
    }
    if (bytes.starts_with(kUtf8Mark)) {
        // Broken sequences after the mark become U+FFFD: the mark says what the file means to be.
        return {Utf16ToUtf8(Utf8ToUtf16(bytes.substr(3))), TextEncoding::Utf8WithMark};
    }
    bool multiByte = false;
    if (IsValidUtf8(bytes, multiByte)) {
        // Pure ASCII reads the same either way; calling it ANSI keeps it so when written back.
        return {std::string(bytes), multiByte ? TextEncoding::Utf8 : TextEncoding::Ansi};
    }
    return {ansi.ToUtf8(bytes), TextEncoding::Ansi};
}

std::optional<std::string> EncodeTextWithoutMark(std::string_view text, TextEncoding encoding,
                                                 const AnsiCodePage& ansi) {
    switch (encoding) {
        case TextEncoding::Ansi:
            return ansi.FromUtf8(text);
        case TextEncoding::Utf8:
        case TextEncoding::Utf8WithMark:
            return std::string(text);
        case TextEncoding::Utf16Le:
            return Utf8ToUtf16Bytes(text, false);
        case TextEncoding::Utf16Be:
            return Utf8ToUtf16Bytes(text, true);
    }
    return std::nullopt;
}

std::optional<std::string> EncodeText(std::string_view text, TextEncoding encoding,
                                      const AnsiCodePage& ansi) {
    auto body = EncodeTextWithoutMark(text, encoding, ansi);
    if (body) body->insert(0, MarkOf(encoding));
    return body;
}

std::string EncodeTextKeepingEverything(std::string_view text, TextEncoding wanted,
                                        const AnsiCodePage& ansi) {
    if (auto bytes = EncodeText(text, wanted, ansi)) return std::move(*bytes);
    return std::string(kUtf8Mark) + std::string(text);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    // Menu files run to many thousands of lines; one allocation spares the regrowth.
    const auto lineFeeds = std::count(text.begin(), text.end(), '\n');
    lines.reserve(static_cast<std::size_t>(
                      lineFeeds > 0 ? lineFeeds : std::count(text.begin(), text.end(), '\r')) +
                  1);
    // Searching for each end character on its own is what makes reading long files fast.
    std::size_t start = 0;
    while (true) {
        const auto feed = std::min(text.find('\n', start), text.size());
        const auto cr = text.substr(0, feed).find('\r', start);
        if (cr == std::string_view::npos && feed == text.size()) break;
        const auto end = std::min(cr, feed);
        lines.emplace_back(text.substr(start, end - start));
        start = end + (end == cr && cr + 1 == feed && feed < text.size() ? 2 : 1);
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace kov
