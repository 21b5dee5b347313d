// The menu font: seeded from the system's menu font, then changed by the font directives.
#pragma once

#include "menufile/menu_settings.h"
#include "platform/main_window.h"

namespace kov {

// Face, bold and italic of the system menu font; the size stays the main window's own.
void AdoptSystemMenuFont(MenuFont& font, const platform::SystemMenuFontInfo& system);

}  // namespace kov
