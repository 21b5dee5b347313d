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

}  // namespace kov::win32
