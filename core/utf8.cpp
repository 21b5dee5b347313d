#include "core/utf8.h"

namespace kov {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

CodePoint DecodeUtf8At(std::string_view text, std::size_t at, bool keepSurrogates) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return {kReplacementCharacter, 1};
    }
    if (text.size() - at < length) return {kReplacementCharacter, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) return {kReplacementCharacter, 1};
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF ||
        (!keepSurrogates && value >= 0xD800 && value <= 0xDFFF)) {
        return {kReplacementCharacter, 1};
    }
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(std::string_view text, bool& multiByte) {
    multiByte = false;
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const auto point = DecodeUtf8At(text, at);
        if (point.length == 1) return false;
        multiByte = true;
        at += point.length;
    }
    return true;
}

std::u16string Utf8ToUtf16(std::string_view text, bool keepSurrogates) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto point = DecodeUtf8At(text, at, keepSurrogates);
        at += point.length;
        if (point.value < 0x10000) {
            out += static_cast<char16_t>(point.value);
        } else {
            const char32_t v = point.value - 0x10000;
            out += static_cast<char16_t>(0xD800 + (v >> 10));
            out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text, bool keepSurrogates) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (!keepSurrogates && c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacementCharacter;
        }
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace kov
