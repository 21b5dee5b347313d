// The ANSI code page of a western Windows, for tests on the host: Windows-1252, with its five
// unassigned bytes passed through as the C1 controls of the same number, as Windows does.
#pragma once

#include <algorithm>
#include <array>
#include <iterator>

#include "core/text_encoding.h"
#include "core/utf8.h"

namespace kov::fakes {

class Windows1252 : public AnsiCodePage {
  public:
    std::string ToUtf8(std::string_view bytes) const override {
        std::string text;
        text.reserve(bytes.size() + bytes.size() / 8);
        // ASCII runs are copied whole, as the system's conversion is fast enough for a benchmark.
        const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
        for (auto at = bytes.begin(); at != bytes.end();) {
            const auto run = std::find_if_not(at, bytes.end(), isAscii);
            text.append(at, run);
            if (run == bytes.end()) break;
            AppendUtf8(text, CodePointOf(static_cast<unsigned char>(*run)));
            at = run + 1;
        }
        return text;
    }

    std::optional<std::string> FromUtf8(std::string_view text) const override {
        std::string bytes;
        for (std::size_t at = 0; at < text.size();) {
            const auto point = DecodeUtf8At(text, at);
            at += point.length;
            const auto byte = ByteOf(point.value);
            if (!byte) return std::nullopt;
            bytes += *byte;
        }
        return bytes;
    }

  private:
    static constexpr std::array<char16_t, 32> kHigh = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

    static char32_t CodePointOf(unsigned char byte) {
        return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
    }

    static std::optional<char> ByteOf(char32_t c) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
        const auto it = std::find(kHigh.begin(), kHigh.end(), c);
        if (it == kHigh.end()) return std::nullopt;
        return static_cast<char>(0x80 + std::distance(kHigh.begin(), it));
    }
};

}  // namespace kov::fakes
