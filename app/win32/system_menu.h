// The About entry at the end of the main window's system menu, and the window procedure that
// answers it before passing every message on.
#pragma once

#include <string_view>

#include "platform/main_window.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

void HookSystemMenu(HWND hwnd, std::string_view aboutCaption, platform::SettingsEvents& events);
void UnhookSystemMenu(HWND hwnd);
LRESULT CALLBACK SysMenuWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace kov::win32
