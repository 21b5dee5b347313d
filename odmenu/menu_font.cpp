#include "odmenu/menu_font.h"

#include <cmath>

namespace kov {

namespace {

// Rounds half to even, as the default floating-point rounding mode does.
long Nearest(double value) {
    return static_cast<long>(std::nearbyint(value));
}

}  // namespace

void AdoptSystemMenuFont(MenuFont& font, const platform::SystemMenuFontInfo& system) {
    font.FontName = system.faceName;
    font.FontBold = system.weight == 700;
    font.FontItalic = system.italic == 1;
}

LogFont MenuFontRequest(const LogFont& systemMenuFont, const std::optional<MenuFont>& menuFont,
                        int logPixelsY) {
    const double pixelsPerPoint = logPixelsY / 72.0;
    LogFont request = systemMenuFont;
    if (!menuFont) {
        // The system's height is already in pixels and negative, so this gives a positive cell
        // height; kept as it is, since every menu without font directives is laid out with it.
        request.height = Nearest(-(systemMenuFont.height * pixelsPerPoint));
        return request;
    }
    request.height = -Nearest(menuFont->FontSize * pixelsPerPoint);
    request.width = 0;
    request.weight = menuFont->FontBold ? 700 : 400;
    request.italic = menuFont->FontItalic ? 1 : 0;
    request.underline = 0;
    request.strikeOut = 0;
    request.faceName = menuFont->FontName;
    return request;
}

}  // namespace kov
