#include "platform/win32/win32_top_windows.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

BOOL CALLBACK EnumWindowsProc(HWND window, LPARAM list) {
    wchar_t title[260];
    const int length = GetWindowTextW(window, title, 260);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    reinterpret_cast<std::vector<platform::TopWindow>*>(list)->push_back(
        {reinterpret_cast<platform::WindowHandle>(window),
         Narrow({title, length > 0 ? static_cast<std::size_t>(length) : 0}),
         window == GetShellWindow(), process == GetCurrentProcessId()});
    return TRUE;
}

}  // namespace

std::vector<platform::TopWindow> Win32TopWindows::Enumerate() {
    std::vector<platform::TopWindow> windows;
    EnumWindows(&EnumWindowsProc, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool Win32TopWindows::PostClose(platform::WindowHandle window) {
    return PostMessageW(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0) != FALSE;
}

}  // namespace kov::win32
