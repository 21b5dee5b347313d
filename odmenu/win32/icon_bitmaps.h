// Loading an item's picture and mask for one message; both are freed when it ends.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/item_icon.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

UniqueBitmap LoadIconPicture(const IconSource& icon);
// Null for a custom icon without a mask file.
UniqueBitmap LoadIconMask(const IconSource& icon);

}  // namespace kov::win32
