// The DPI the owner-drawn menu is laid out for, and the system's menu metrics at a DPI. The
// per-monitor calls exist from Windows 8.1 and 10 on; older systems give the system DPI.
#pragma once

#include "platform/win32/windows_api.h"

namespace kov::win32 {

// The DPI of the monitor under the cursor, where the popup opens.
int CursorMonitorDpi();

// The DPI a window is laid out for.
int WindowDpi(HWND window);

// The system's non-client metrics (the menu and message fonts) as they are at a DPI.
bool NonClientMetricsForDpi(NONCLIENTMETRICSA& metrics, int dpi);

}  // namespace kov::win32
