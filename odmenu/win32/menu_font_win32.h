// The GDI side of the menu font: the system's menu font and one font per request.
#pragma once

#include "platform/win32/windows_api.h"

#include <optional>

#include "odmenu/menu_font.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// The menu font of the non-client metrics at a DPI; all zero when the system cannot tell.
LogFont SystemMenuLogFont(int dpi);

// A new font for a DPI; null when it cannot be created (the caller then keeps the context's own
// font).
UniqueFont CreateMenuFont(const std::optional<MenuFont>& menuFont, int dpi);
// The font of a request that is already worked out.
UniqueFont CreateRequestedFont(const LogFont& font);

// The extent of an item's text in the context's font. Measuring and drawing both take it from
// here, so that the item fits its text.
SIZE MenuTextExtent(HDC dc, const std::string& text);

}  // namespace kov::win32
