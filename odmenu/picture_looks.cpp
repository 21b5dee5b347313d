#include "odmenu/picture_looks.h"

#include <algorithm>
#include <cstdlib>

namespace kov {

namespace {

int Channel(std::uint32_t pixel, int shift) {
    return static_cast<int>(pixel >> shift & 0xFF);
}

std::uint32_t Pixel(int blue, int green, int red, int alpha) {
    return static_cast<std::uint32_t>(blue) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(alpha) << 24;
}

// Weighted as the eye sees brightness, out of 255 (of the premultiplied value for a pixel).
int Brightness(int red, int green, int blue) {
    return (red * 299 + green * 587 + blue * 114) / 1000;
}

}  // namespace

bool IsDarkColor(RgbColor color) {
    return Brightness(static_cast<int>(color & 0xFF), static_cast<int>(color >> 8 & 0xFF),
                      static_cast<int>(color >> 16 & 0xFF)) < 128;
}

void LightenGreyPicture(PixelRow& pixels) {
    // Antialiased edges and 16-bit resources are grey within a few steps.
    constexpr int kGreyTolerance = 24;
    const bool grey = std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
        const int b = Channel(p, 0), g = Channel(p, 8), r = Channel(p, 16);
        return std::max({r, g, b}) - std::min({r, g, b}) <= kGreyTolerance;
    });
    if (!grey) return;
    for (auto& p : pixels) {
        // Premultiplied: the inverse of colour c at alpha a is a - c.
        const int a = Channel(p, 24);
        p = Pixel(a - std::min(a, Channel(p, 0)), a - std::min(a, Channel(p, 8)),
                  a - std::min(a, Channel(p, 16)), a);
    }
}

PixelRow GreyedPicture(const PixelRow& pixels) {
    PixelRow greyed;
    greyed.reserve(pixels.size());
    for (const auto p : pixels) {
        const int a = Channel(p, 24);
        const int alpha = a * 3 / 5;
        // Brightness squeezed into a pale range, then premultiplied by the new alpha.
        const int brightness =
            a > 0 ? Brightness(Channel(p, 16), Channel(p, 8), Channel(p, 0)) * 255 / a : 0;
        const int grey = (96 + std::min(brightness, 255) * 112 / 255) * alpha / 255;
        greyed.push_back(Pixel(grey, grey, grey, alpha));
    }
    return greyed;
}

void ApplyMask(PixelRow& pixels, const PixelRow& mask) {
    const auto count = std::min(pixels.size(), mask.size());
    for (std::size_t i = 0; i < count; ++i) {
        if ((mask[i] & 0x00FFFFFF) != 0) pixels[i] = 0;
    }
}

void BlendOver(std::span<std::uint32_t> canvas, int canvasWidth, const PixelRow& picture,
               int pictureWidth, int x, int y) {
    if (canvasWidth <= 0 || pictureWidth <= 0) return;
    const int canvasHeight = static_cast<int>(canvas.size()) / canvasWidth;
    const int pictureHeight = static_cast<int>(picture.size()) / pictureWidth;
    for (int row = std::max(0, -y); row < pictureHeight && y + row < canvasHeight; ++row) {
        for (int column = std::max(0, -x); column < pictureWidth && x + column < canvasWidth;
             ++column) {
            const std::uint32_t over = picture[row * pictureWidth + column];
            std::uint32_t& under = canvas[(y + row) * canvasWidth + x + column];
            const std::uint32_t through = 255 - (over >> 24);
            std::uint32_t blended = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const std::uint32_t channel =
                    (over >> shift & 0xFF) + ((under >> shift & 0xFF) * through + 127) / 255;
                blended |= std::min<std::uint32_t>(channel, 255) << shift;
            }
            under = blended;
        }
    }
}

}  // namespace kov
