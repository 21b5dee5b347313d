// The system's popup-menu windows, which the menu loop makes for every open popup.
#pragma once

#include "platform/win32/windows_api.h"

#include <iterator>
#include <string_view>

namespace kov::win32 {

inline bool IsMenuWindow(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    return std::wstring_view(className) == L"#32768";
}

}  // namespace kov::win32
