// Decoding an item's picture and mask and scaling them to the size the item draws them.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/item_icon.h"
#include "odmenu/win32/icon_pixels.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

// An item's picture at the size the item draws it, its mask's white taken out of it; empty
// pixels when it cannot be decoded. A picture without alpha and mask is opaque.
IconPixels DecodeItemPicture(const IconSource& icon, int dpi, const PictureDecoder& decoder);

// A smooth copy of a bitmap at another size; null when it has that size already or the copy
// cannot be made, so the caller keeps the original.
UniqueBitmap StretchedTo(HBITMAP bitmap, SIZE size);
// A mask at another size, scaled as a mask: a monochrome copy, strictly black and white, each
// pixel taken from the nearest one. Null as above.
UniqueBitmap MaskStretchedTo(HBITMAP mask, SIZE size);

}  // namespace kov::win32
