#include "platform/win32/win32_system_look.h"

#include "platform/win32/windows_api.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "platform/win32/system_function.h"

namespace kov::win32 {

std::optional<platform::RegistryValue> Win32SystemLook::AppsUseLightTheme() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    platform::RegistryValue value;
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, L"AppsUseLightTheme", nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.data.resize(size);
        status =
            RegQueryValueExW(key, L"AppsUseLightTheme", nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
        value.type = type;
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

bool Win32SystemLook::HighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

platform::SystemMenuColors Win32SystemLook::SystemColors() {
    return {GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_GRAYTEXT)};
}

platform::DarkMenuTheme Win32SystemLook::DarkMenus() {
    using OpenFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
    using ColorFn = HRESULT(WINAPI*)(HTHEME, int, int, int, COLORREF*);
    using CloseFn = HRESULT(WINAPI*)(HTHEME);
    const auto open = SystemFunction<OpenFn>(L"uxtheme.dll", "OpenThemeData");
    const auto color = SystemFunction<ColorFn>(L"uxtheme.dll", "GetThemeColor");
    const auto close = SystemFunction<CloseFn>(L"uxtheme.dll", "CloseThemeData");
    platform::DarkMenuTheme theme;
    if (open == nullptr || color == nullptr || close == nullptr) return theme;
    HTHEME data = open(nullptr, L"DarkMode_ImmersiveStart::Menu");
    if (data == nullptr) return theme;
    const auto read = [&](int part, int state, int property) -> std::optional<platform::Color> {
        COLORREF value = 0;
        if (FAILED(color(data, part, state, property, &value))) return std::nullopt;
        return value;
    };
    theme.background = read(MENU_POPUPBACKGROUND, 0, TMT_FILLCOLOR);
    theme.text = read(MENU_POPUPITEM, MPI_NORMAL, TMT_TEXTCOLOR);
    theme.selection = read(MENU_POPUPITEM, MPI_HOT, TMT_FILLCOLOR);
    theme.grayedText = read(MENU_POPUPITEM, MPI_DISABLED, TMT_TEXTCOLOR);
    theme.separator = read(MENU_POPUPSEPARATOR, 0, TMT_FILLCOLOR);
    close(data);
    return theme;
}

}  // namespace kov::win32
