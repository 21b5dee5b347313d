// An ANSI code page for tests on the host: ISO 8859-1, where every byte is the code point of its
// own number.
#pragma once

#include "core/text_encoding.h"
#include "core/utf8.h"

namespace kov::fakes {

class Latin1 : public AnsiCodePage {
  public:
    std::string ToUtf8(std::string_view bytes) const override {
        std::string text;
        text.reserve(bytes.size());
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80) {
                text += c;  // the common case, kept fast for the benchmark
            } else {
                AppendUtf8(text, static_cast<unsigned char>(c));
            }
        }
        return text;
    }

    std::optional<std::string> FromUtf8(std::string_view text) const override {
        std::string bytes;
        for (std::size_t at = 0; at < text.size();) {
            const auto point = DecodeUtf8At(text, at);
            if (point.value > 0xFF) return std::nullopt;
            bytes += static_cast<char>(point.value);
            at += point.length;
        }
        return bytes;
    }
};

}  // namespace kov::fakes
