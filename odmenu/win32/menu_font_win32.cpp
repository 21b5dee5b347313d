#include "odmenu/win32/menu_font_win32.h"

#include <cstring>

#include "odmenu/dpi_scale.h"
#include "odmenu/win32/dpi_win32.h"

namespace kov::win32 {

LogFont SystemMenuLogFont(int dpi) {
    const auto fonts = SystemFontsForDpi(dpi);
    if (!fonts) return {};
    const LOGFONTA& f = fonts->menu;
    return {f.lfHeight,         f.lfWidth,
            f.lfEscapement,     f.lfOrientation,
            f.lfWeight,         f.lfItalic,
            f.lfUnderline,      f.lfStrikeOut,
            f.lfCharSet,        f.lfOutPrecision,
            f.lfClipPrecision,  f.lfQuality,
            f.lfPitchAndFamily, std::string(f.lfFaceName, strnlen(f.lfFaceName, LF_FACESIZE))};
}

UniqueFont CreateMenuFont(const std::optional<MenuFont>& menuFont, int dpi) {
    return CreateRequestedFont(MenuFontRequest(SystemMenuLogFont(dpi), menuFont, dpi));
}

UniqueFont CreateRequestedFont(const LogFont& f) {
    return UniqueFont(CreateFontA(static_cast<int>(f.height), static_cast<int>(f.width),
                                  static_cast<int>(f.escapement), static_cast<int>(f.orientation),
                                  static_cast<int>(f.weight), f.italic, f.underline, f.strikeOut,
                                  f.charSet, f.outPrecision, f.clipPrecision, f.quality,
                                  f.pitchAndFamily, f.faceName.c_str()));
}

SIZE MenuTextExtent(HDC dc, const std::string& text) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

}  // namespace kov::win32
