#include "platform/win32/win32_top_windows.h"

#include "platform/win32/windows_api.h"

namespace kov::win32 {

namespace {

BOOL CALLBACK EnumWindowsProc(HWND window, LPARAM list) {
    char title[260];
    const int length = GetWindowTextA(window, title, sizeof title);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    reinterpret_cast<std::vector<platform::TopWindow>*>(list)->push_back(
        {reinterpret_cast<platform::WindowHandle>(window),
         std::string(title, length > 0 ? static_cast<std::size_t>(length) : 0),
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
    return PostMessageA(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0) != FALSE;
}

}  // namespace kov::win32
