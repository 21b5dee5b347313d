// Turning the items of a menu into owner-drawn items, keeping their captions for measuring and
// drawing.
#pragma once

#include "platform/win32/windows_api.h"

#include <vector>

#include "odmenu/od_menu_tables.h"

namespace kov::win32 {

// An item that shows the shell's icon of a target.
struct ShellIconItem {
    UINT position = 0;
    platform::ShellIconTarget target;
};

// Every item of a popup, each time it opens; with shellIcons, the items that show a shell icon
// are noted in the state and returned.
std::vector<ShellIconItem> ConvertPopupMenu(HMENU menu, HWND window, ODMenuState& state,
                                            ShellIconSource* shellIcons = nullptr);

// The answer to WM_MENUCHAR for a popup whose items were converted: an owner-drawn item carries
// no text for the system to find its access key in, so the stored captions stand in for it.
LRESULT AnswerMenuChar(HMENU menu, HWND window, char32_t typed, const CaptionTable& ItemCaptions);

// The window's menu bar, once when it is hooked; a window without one converts nothing.
void ConvertMenuBar(HWND window, ODMenuState& state);

}  // namespace kov::win32
