#include "menufile/text_helpers.h"

#include <array>

#include "core/text.h"
#include "core/text_encoding.h"

namespace kov {

std::string sTrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of('\t');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of('\t');
    return TrimSpaces(text.substr(first, last - first + 1));
}

std::optional<RgbColor> ReadRGB(std::string_view text, const NumberFormat& format) {
    const auto firstComma = text.find(',');
    if (text.empty() || firstComma == std::string_view::npos || firstComma == 0) {
        return std::nullopt;
    }
    const auto pieces = SplitText(text, ",");
    if (pieces.size() < 3) return std::nullopt;
    std::array<RgbColor, 3> channels{};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const auto value = ParseWholeNumber16(pieces[i], format);
        if (!value || *value < 0) return std::nullopt;
        channels[i] = static_cast<RgbColor>(*value > 255 ? 255 : *value);
    }
    return channels[0] + 256 * channels[1] + 65536 * channels[2];
}

RgbColor ParseRGB(std::string_view text, const NumberFormat& format) {
    return ReadRGB(text, format).value_or(0);
}

std::string sUnescape(std::string_view text) {
    return ReplaceAll(ReplaceAll(text, "\\n", "\r\n"), "\\t", "\t");
}

std::string sRemoveAmpAndDotDotDot(std::string_view text) {
    return ReplaceAll(ReplaceAll(text, "&", ""), "...", "");
}

std::string sCutAtNull(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

ReadLines SplitLinesWithinLimits(std::string_view text) {
    ReadLines read;
    read.cut = text.size() > kMaxReadBytes;
    read.lines = SplitLines(text.substr(0, kMaxReadBytes));
    if (read.lines.size() > kMaxReadLines) {
        read.lines.resize(kMaxReadLines);
        read.cut = true;
    }
    return read;
}

}  // namespace kov
