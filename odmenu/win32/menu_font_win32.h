// The GDI side of the menu font: the system's menu font and one font per request.
#pragma once

#include "platform/win32/windows_api.h"

#include <optional>

#include "odmenu/menu_font.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// The menu font of the non-client metrics; all zero when the system cannot tell.
LogFont SystemMenuLogFont();

// A new font for hdc's resolution; null when it cannot be created (the caller then keeps the
// context's own font).
UniqueFont CreateMenuFont(HDC hdc, const std::optional<MenuFont>& menuFont);

}  // namespace kov::win32
