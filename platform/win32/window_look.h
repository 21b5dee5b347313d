// Asking Windows to draw a window's frame in today's look: Windows 11's rounded corners and
// border colour, dark title bars, dark menus. Every entry point is looked up at run time and a
// system without it (Windows 7 to 10, Wine) keeps its look: each call says whether it took.
#pragma once

#include "platform/win32/windows_api.h"

#include <optional>

namespace kov::win32 {

// The small rounded corners of Windows 11's menus, and a border of that colour.
bool RoundSmallCorners(HWND window, std::optional<COLORREF> border);

bool UseDarkTitleBar(HWND window);

// The process's menus, the frame and arrows the system draws included, follow dark mode
// (uxtheme's ordinals 135 and 136, Windows 10 1903 and later).
bool UseDarkMenusForProcess();

}  // namespace kov::win32
