#include "odmenu/menu_font.h"

namespace kov {

void AdoptSystemMenuFont(MenuFont& font, const platform::SystemMenuFontInfo& system) {
    font.FontName = system.faceName;
    font.FontBold = system.weight == 700;
    font.FontItalic = system.italic == 1;
}

}  // namespace kov
