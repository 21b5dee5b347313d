// Pictures and icons kept as pixels rather than handles: a folder of thousands of programs would
// otherwise hold thousands of the process's USER objects, which menus need too, and kept bitmaps
// would hold as many GDI objects. A paint makes a bitmap of the pixels for the one message.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/picture_looks.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// Premultiplied blue, green, red and alpha, row by row from the top; empty for no picture.
struct IconPixels {
    SIZE size{};
    PixelRow pixels;
    // Transparency of its own (an icon, a PNG): its disabled look is greyed from it. Pictures
    // without (a mask at most) are embossed, as the system draws a disabled bitmap.
    bool alpha = true;
};

// The icon drawn at side pixels, its transparency read from drawing it on black and on white,
// which also serves icons that have a mask instead of an alpha channel.
IconPixels PixelsOfIcon(HICON icon, int side);

// A bitmap's pixels at its size, as 32-bit values from the top row; empty when they cannot be
// read. Bitmaps without alpha read with an alpha of 0.
PixelRow PixelsOfBitmap(HBITMAP bitmap, SIZE size);

// A bitmap of the pixels, to be blended with what is behind it.
UniqueBitmap BitmapOfPixels(const IconPixels& icon);

}  // namespace kov::win32
