// Looks made from a picture's pixels (premultiplied blue, green, red and alpha, one 32-bit value
// each): the disabled look and a version of the program's own pictures for dark backgrounds.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "menufile/menu_settings.h"

namespace kov {

using PixelRow = std::vector<std::uint32_t>;

// Darker than middle grey, by the eye's weighting of red, green and blue.
bool IsDarkColor(RgbColor color);

// A picture with no colour in it (black, grey, white: a cross, a check mark, a gear) turned
// light for dark backgrounds; a picture with colour is left as it is.
void LightenGreyPicture(PixelRow& pixels);

// The disabled look: a pale grey copy, partly transparent, whose shape is the picture's alpha.
PixelRow GreyedPicture(const PixelRow& pixels);

// Clears every pixel whose mask pixel (of the same picture size) is not black.
void ApplyMask(PixelRow& pixels, const PixelRow& mask);

// Lays a picture pictureWidth pixels wide over a canvas canvasWidth pixels wide, its top left
// corner at (x, y), each pixel blended with what is behind it; what falls outside the canvas is
// left out.
void BlendOver(std::span<std::uint32_t> canvas, int canvasWidth, const PixelRow& picture,
               int pictureWidth, int x, int y);

}  // namespace kov
