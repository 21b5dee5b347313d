// The program's own windows (the settings window, the About dialog) in the Windows app theme:
// a dark title bar in dark mode. Their controls keep the system's colours, which high contrast
// themes set.
#pragma once

#include "platform/win32/windows_api.h"

namespace kov::win32 {

void FollowAppTheme(HWND window);

}  // namespace kov::win32
