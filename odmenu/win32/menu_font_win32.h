// The GDI side of the menu font: the system's menu font, and the items' fonts made once for
// each DPI and style.
#pragma once

#include "platform/win32/windows_api.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "odmenu/menu_font.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// The menu font of the non-client metrics at a DPI; all zero when the system cannot tell.
LogFont SystemMenuLogFont(int dpi);

// The fonts of the items, kept until the unhook; a font is null when it cannot be created (the
// caller then keeps the context's own font).
class MenuFonts {
  public:
    // The system's menu font at a DPI, as the system gave it the first time.
    const LogFont& SystemMenuFont(int dpi);
    HFONT Font(const LogFont& request);
    HFONT Font(const std::optional<MenuFont>& menuFont, int dpi) {
        return Font(MenuFontRequest(SystemMenuFont(dpi), menuFont, dpi));
    }

  private:
    std::map<int, LogFont> system_;
    std::vector<std::pair<LogFont, UniqueFont>> fonts_;
};

// The extent of an item's text in the context's font. Measuring and drawing both take it from
// here, so that the item fits its text.
SIZE MenuTextExtent(HDC dc, const std::string& text);

}  // namespace kov::win32
