#include "odmenu/win32/icon_pixels.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

namespace {

// The icon drawn over a background of one colour; empty when it cannot be drawn.
std::vector<std::uint32_t> DrawnOver(HICON icon, int side, std::uint32_t background) {
    void* bits = nullptr;
    const UniqueBitmap bitmap = CreateTopDownBitmap({side, side}, &bits);
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) return {};
    const auto count = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill_n(pixels, count, background);
    {
        const SelectedObject selected(dc.get(), bitmap.get());
        if (!DrawIconEx(dc.get(), 0, 0, icon, side, side, 0, nullptr, DI_NORMAL)) return {};
    }
    GdiFlush();
    return {pixels, pixels + count};
}

}  // namespace

IconPixels PixelsOfIcon(HICON icon, int side) {
    if (icon == nullptr || side <= 0) return {};
    const auto black = DrawnOver(icon, side, 0);
    const auto white = DrawnOver(icon, side, 0x00FFFFFF);
    if (black.empty() || white.size() != black.size()) return {};
    IconPixels result{{side, side}, black};
    for (std::size_t i = 0; i < black.size(); ++i) {
        // Over black a pixel is its premultiplied colour; over white the transparent share is
        // added to every channel: green tells it.
        const auto green = [](std::uint32_t pixel) { return int(pixel >> 8 & 0xFF); };
        const int alpha = std::clamp(255 - (green(white[i]) - green(black[i])), 0, 255);
        result.pixels[i] = (black[i] & 0x00FFFFFF) | std::uint32_t(alpha) << 24;
    }
    return result;
}

PixelRow PixelsOfBitmap(HBITMAP bitmap, SIZE size) {
    if (bitmap == nullptr || size.cx <= 0 || size.cy <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    PixelRow pixels(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    const WindowDC screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
                  DIB_RGB_COLORS) == 0) {
        return {};
    }
    return pixels;
}

UniqueBitmap BitmapOfPixels(const IconPixels& icon) {
    if (icon.pixels.empty()) return {};
    void* bits = nullptr;
    UniqueBitmap bitmap = CreateTopDownBitmap(icon.size, &bits);
    if (bitmap) std::memcpy(bits, icon.pixels.data(), icon.pixels.size() * sizeof icon.pixels[0]);
    return bitmap;
}

}  // namespace kov::win32
