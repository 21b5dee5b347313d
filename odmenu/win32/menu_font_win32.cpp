#include "odmenu/win32/menu_font_win32.h"

#include <cwchar>

#include "platform/win32/wide_text.h"

namespace kov::win32 {

LogFont SystemMenuLogFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    const LOGFONTW& f = metrics.lfMenuFont;
    return {f.lfHeight,         f.lfWidth,
            f.lfEscapement,     f.lfOrientation,
            f.lfWeight,         f.lfItalic,
            f.lfUnderline,      f.lfStrikeOut,
            f.lfCharSet,        f.lfOutPrecision,
            f.lfClipPrecision,  f.lfQuality,
            f.lfPitchAndFamily, Narrow({f.lfFaceName, wcsnlen(f.lfFaceName, LF_FACESIZE)})};
}

UniqueFont CreateMenuFont(HDC hdc, const std::optional<MenuFont>& menuFont) {
    const LogFont f =
        MenuFontRequest(SystemMenuLogFont(), menuFont, GetDeviceCaps(hdc, LOGPIXELSY));
    return UniqueFont(CreateFontW(static_cast<int>(f.height), static_cast<int>(f.width),
                                  static_cast<int>(f.escapement), static_cast<int>(f.orientation),
                                  static_cast<int>(f.weight), f.italic, f.underline, f.strikeOut,
                                  f.charSet, f.outPrecision, f.clipPrecision, f.quality,
                                  f.pitchAndFamily, Widen(f.faceName).c_str()));
}

}  // namespace kov::win32
