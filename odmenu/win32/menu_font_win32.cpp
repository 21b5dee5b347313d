#include "odmenu/win32/menu_font_win32.h"

#include <cstring>

namespace kov::win32 {

LogFont SystemMenuLogFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    const LOGFONTA& f = metrics.lfMenuFont;
    return {f.lfHeight,         f.lfWidth,
            f.lfEscapement,     f.lfOrientation,
            f.lfWeight,         f.lfItalic,
            f.lfUnderline,      f.lfStrikeOut,
            f.lfCharSet,        f.lfOutPrecision,
            f.lfClipPrecision,  f.lfQuality,
            f.lfPitchAndFamily, std::string(f.lfFaceName, strnlen(f.lfFaceName, LF_FACESIZE))};
}

UniqueFont CreateMenuFont(HDC hdc, const std::optional<MenuFont>& menuFont) {
    const LogFont f =
        MenuFontRequest(SystemMenuLogFont(), menuFont, GetDeviceCaps(hdc, LOGPIXELSY));
    return UniqueFont(CreateFontA(static_cast<int>(f.height), static_cast<int>(f.width),
                                  static_cast<int>(f.escapement), static_cast<int>(f.orientation),
                                  static_cast<int>(f.weight), f.italic, f.underline, f.strikeOut,
                                  f.charSet, f.outPrecision, f.clipPrecision, f.quality,
                                  f.pitchAndFamily, f.faceName.c_str()));
}

}  // namespace kov::win32
