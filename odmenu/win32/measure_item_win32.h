// WM_MEASUREITEM for an owner-drawn menu item.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/item_record.h"
#include "odmenu/measure_item.h"
#include "odmenu/win32/od_menu_context.h"

namespace kov::win32 {

// At the record's DPI, in the font of that DPI.
ItemSize MeasureMenuItem(HWND window, const ItemRecord& record, ODMenuContext& context);

}  // namespace kov::win32
