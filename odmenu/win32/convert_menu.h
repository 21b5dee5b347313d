// Turning the items of a menu into owner-drawn items, each with a record of what it is.
#pragma once

#include "platform/win32/windows_api.h"

#include <vector>

#include "odmenu/win32/od_menu_context.h"

namespace kov::win32 {

// Every item of a popup, each time it opens, at the DPI of the monitor it opens on. An item
// converted before keeps its record, moved to that DPI. Returns the targets of the items that
// show a shell icon.
std::vector<platform::ShellIconTarget> ConvertPopupMenu(HMENU menu, int dpi,
                                                        ODMenuContext& context);

// The window's menu bar, once when it is hooked; a window without one converts nothing.
void ConvertMenuBar(HWND window, ODMenuContext& context);

}  // namespace kov::win32
