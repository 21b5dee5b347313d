// WM_MEASUREITEM for an owner-drawn menu item.
#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>

#include "odmenu/measure_item.h"
#include "odmenu/win32/od_menu_context.h"

namespace kov::win32 {

ItemSize MeasureMenuItem(HWND window, std::int32_t itemId, std::uintptr_t itemData,
                         const ODMenuContext& context);

}  // namespace kov::win32
