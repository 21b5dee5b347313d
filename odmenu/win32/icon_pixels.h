// Icons kept as pixels rather than handles: a folder of thousands of programs would otherwise
// hold thousands of the process's USER objects, which menus need too. A paint makes a bitmap of
// an icon's pixels for the one message.
#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <vector>

#include "platform/win32/handles.h"

namespace kov::win32 {

// Premultiplied blue, green, red and alpha, row by row from the top; empty for no icon.
struct IconPixels {
    int side = 0;
    std::vector<std::uint32_t> pixels;
};

// The icon drawn at side pixels, its transparency read from drawing it on black and on white,
// which also serves icons that have a mask instead of an alpha channel.
IconPixels PixelsOfIcon(HICON icon, int side);

// A bitmap of the pixels, to be blended with what is behind it.
UniqueBitmap BitmapOfPixels(const IconPixels& icon);

}  // namespace kov::win32
