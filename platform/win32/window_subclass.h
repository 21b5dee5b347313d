// Window procedures put on top of a window's own. Each link remembers the procedure below it, and
// taking one off re-links the one put on after it, so they come off in any order. The common
// controls' SetWindowSubclass does the same, but loading them at every start costs about a tenth
// of the time to the popup.
#pragma once

#include "platform/win32/windows_api.h"

namespace kov::win32 {

// Puts `procedure` on top of the window's procedures; false when the window refuses.
bool AddWindowProcedure(HWND window, WNDPROC procedure);

// Takes `procedure` off the window wherever it is among the procedures put on here; nothing when
// it is not on. A window's links end with the window.
void RemoveWindowProcedure(HWND window, WNDPROC procedure);

// What `procedure` calls for every message it does not consume: the procedure below it.
LRESULT CallNextWindowProcedure(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam);

}  // namespace kov::win32
