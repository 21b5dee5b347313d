#include "odmenu/win32/menu_font_win32.h"

#include <cwchar>

#include "odmenu/dpi_scale.h"
#include "odmenu/win32/dpi_win32.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

LogFont SystemMenuLogFont(int dpi) {
    const auto fonts = SystemFontsForDpi(dpi);
    if (!fonts) return {};
    const LOGFONTW& f = fonts->menu;
    return {f.lfHeight,         f.lfWidth,
            f.lfEscapement,     f.lfOrientation,
            f.lfWeight,         f.lfItalic,
            f.lfUnderline,      f.lfStrikeOut,
            f.lfCharSet,        f.lfOutPrecision,
            f.lfClipPrecision,  f.lfQuality,
            f.lfPitchAndFamily, Narrow({f.lfFaceName, wcsnlen(f.lfFaceName, LF_FACESIZE)})};
}

const LogFont& MenuFonts::SystemMenuFont(int dpi) {
    auto found = system_.find(dpi);
    if (found == system_.end()) found = system_.emplace(dpi, SystemMenuLogFont(dpi)).first;
    return found->second;
}

HFONT MenuFonts::Font(const LogFont& f) {
    for (const auto& [request, font] : fonts_) {
        if (request == f) return font.get();
    }
    UniqueFont made(CreateFontW(static_cast<int>(f.height), static_cast<int>(f.width),
                                static_cast<int>(f.escapement), static_cast<int>(f.orientation),
                                static_cast<int>(f.weight), f.italic, f.underline, f.strikeOut,
                                f.charSet, f.outPrecision, f.clipPrecision, f.quality,
                                f.pitchAndFamily, Widen(f.faceName).c_str()));
    return fonts_.emplace_back(f, std::move(made)).second.get();
}

SIZE MenuTextExtent(HDC dc, const std::string& text) {
    SIZE extent{};
    const auto wide = Widen(text);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    return extent;
}

}  // namespace kov::win32
