// Window layouts are designed in twips (1/1440 inch) and placed in pixels of the window's DPI,
// with the system's message font at that DPI.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/win32/dpi_win32.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

class Twips {
  public:
    explicit Twips(int dpi) : pixelsPerInch_(dpi) {}
    int operator()(int twips) const { return MulDiv(twips, pixelsPerInch_, 1440); }

  private:
    int pixelsPerInch_;
};

// The font of message boxes and dialogs at a DPI; the stock GUI font when there is none.
inline UniqueFont MessageFont(int dpi) {
    const auto fonts = SystemFontsForDpi(dpi);
    return fonts ? UniqueFont(CreateFontIndirectW(&fonts->message)) : UniqueFont();
}

// The font to give controls: the message font when it could be made.
inline HFONT ControlFont(const UniqueFont& font) {
    return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// WM_DPICHANGED of a resizable window: it takes the rectangle Windows suggests for the new DPI.
inline void MoveToSuggestedRect(HWND window, LPARAM lParam) {
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kov::win32
