// Loading an item's picture and mask for one message; both are freed when it ends.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/item_icon.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// An item's picture and mask, at the size the item draws them. A picture with alpha has no
// other mask than the one it carries, the mask file's white taken out of it.
struct LoadedIcon {
    UniqueBitmap picture;
    UniqueBitmap mask;  // null for a custom icon without a mask file
    SIZE size{};
    bool alpha = false;
};
LoadedIcon LoadItemIcon(const IconSource& icon, int dpi);

// A smooth copy of a bitmap at another size; null when it has that size already or the copy
// cannot be made, so the caller keeps the original.
UniqueBitmap StretchedTo(HBITMAP bitmap, SIZE size);
// A mask at another size, scaled as a mask: a monochrome copy, strictly black and white, each
// pixel taken from the nearest one. Null as above.
UniqueBitmap MaskStretchedTo(HBITMAP mask, SIZE size);

}  // namespace kov::win32
