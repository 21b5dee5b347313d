// WM_DRAWITEM for an owner-drawn menu item: the item is painted off screen and copied to the
// menu in one blit.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/draw_layout.h"
#include "odmenu/item_record.h"
#include "odmenu/win32/od_menu_context.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// At the record's DPI.
void DrawMenuItem(HWND window, const DRAWITEMSTRUCT& item, const ItemRecord& record,
                  ODMenuContext& context);

// A brush for a fill of the plan at a DPI; null for a skin that holds no picture. A skin is
// stretched to the DPI once and kept in the state.
UniqueBrush CreateFillBrush(const Brush& brush, ODMenuState& state, int dpi);

}  // namespace kov::win32
