#include "odmenu/menu_font.h"

#include <cmath>

#include "odmenu/dpi_scale.h"

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
                        int dpi) {
    LogFont request = systemMenuFont;
    if (!menuFont) {
        // The system's height is already in pixels and negative, so this gives a positive cell
        // height; kept as it is, since every menu without font directives is laid out with it.
        // The system font is already at the DPI, so the factor is the one at 96.
        request.height = Nearest(-(systemMenuFont.height * (kDesignDpi / 72.0)));
        return request;
    }
    const double pixelsPerPoint = dpi / 72.0;
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
