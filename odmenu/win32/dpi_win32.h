// The DPI the owner-drawn menu is laid out for, and the system's menu metrics at a DPI. The
// per-monitor calls exist from Windows 8.1 and 10 on; older systems give the system DPI.
#pragma once

#include "platform/win32/windows_api.h"

#include <optional>

namespace kov::win32 {

// The DPI a window is laid out for.
int WindowDpi(HWND window);

// The DPI of the monitor under the cursor, where a popup of the window opens.
int PopupDpi(HWND window);

// The system's menu and message fonts as they are at a DPI; none when the system cannot tell.
struct SystemFonts {
    LOGFONTW menu;
    LOGFONTW message;
};
std::optional<SystemFonts> SystemFontsForDpi(int dpi);

}  // namespace kov::win32
