#include "odmenu/picture_header.h"

#include <cstdint>
#include <cstdlib>

namespace kov {

namespace {

std::uint32_t Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t BigEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | Byte(bytes, at + i);
    return value;
}

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | Byte(bytes, at + i);
    return value;
}

std::optional<IconSize> Sized(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0 || width > 0xFFFFFF || height > 0xFFFFFF) return std::nullopt;
    return IconSize{static_cast<int>(width), static_cast<int>(height)};
}

// Segments up to the first frame's header; markers without a length (fill bytes, restarts)
// are stepped over.
std::optional<IconSize> JpegSize(std::string_view bytes) {
    std::size_t at = 2;
    while (at + 9 <= bytes.size()) {
        if (Byte(bytes, at) != 0xFF) return std::nullopt;
        const std::uint32_t marker = Byte(bytes, at + 1);
        if (marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += marker == 0xFF ? 1 : 2;
            continue;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return Sized(BigEndian(bytes, at + 7, 2), BigEndian(bytes, at + 5, 2));
        at += 2 + BigEndian(bytes, at + 2, 2);
    }
    return std::nullopt;
}

}  // namespace

std::optional<IconSize> PictureSizeOfHeader(std::string_view start) {
    if (start.starts_with("\x89PNG\r\n\x1A\n") && start.size() >= 24 &&
        start.substr(12, 4) == "IHDR") {
        return Sized(BigEndian(start, 16, 4), BigEndian(start, 20, 4));
    }
    if (start.starts_with("BM") && start.size() >= 22 && LittleEndian(start, 14, 4) == 12)
        return Sized(LittleEndian(start, 18, 2), LittleEndian(start, 20, 2));  // the old header
    if (start.starts_with("BM") && start.size() >= 26) {
        const auto height = static_cast<std::int32_t>(LittleEndian(start, 22, 4));
        return Sized(static_cast<std::int32_t>(LittleEndian(start, 18, 4)),
                     std::abs(static_cast<std::int64_t>(height)));  // negative: top-down
    }
    if ((start.starts_with("GIF87a") || start.starts_with("GIF89a")) && start.size() >= 10)
        return Sized(LittleEndian(start, 6, 2), LittleEndian(start, 8, 2));
    if (start.starts_with(std::string_view("\0\0\1\0", 4)) && start.size() >= 8 &&
        LittleEndian(start, 4, 2) > 0) {
        // A side of 0 means 256.
        const auto side = [&](std::size_t at) { return Byte(start, at) ? Byte(start, at) : 256; };
        return Sized(side(6), side(7));
    }
    if (start.starts_with("\xFF\xD8")) return JpegSize(start);
    return std::nullopt;
}

}  // namespace kov
