// The program's own window classes: a button-face background and the arrow cursor.
#pragma once

#include "platform/win32/windows_api.h"

namespace kov::win32 {

// Registering a class twice fails harmlessly, so a window may register its class every time
// it is created.
inline void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure,
                                HICON icon = nullptr) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    windowClass.hIcon = icon;
    RegisterClassExW(&windowClass);
}

// The object a window was created for (its creation parameter), kept in the window's user data
// from WM_NCCREATE until WM_NCDESTROY, which still finds it.
template <typename Owner>
Owner* WindowOwner(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return owner;
}

}  // namespace kov::win32
