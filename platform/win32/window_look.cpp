#include "platform/win32/window_look.h"

#include "platform/win32/system_function.h"

namespace kov::win32 {

namespace {

// Not in every SDK's dwmapi.h; the values are Windows'.
constexpr DWORD kUseImmersiveDarkMode = 20;
constexpr DWORD kWindowCornerPreference = 33;
constexpr DWORD kBorderColor = 34;
constexpr DWORD kRoundSmall = 3;

bool SetAttribute(HWND window, DWORD attribute, const void* value, DWORD size) {
    using SetFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    static const auto set = SystemFunction<SetFn>(L"dwmapi.dll", "DwmSetWindowAttribute");
    return set != nullptr && SUCCEEDED(set(window, attribute, value, size));
}

// Before Windows 10 1903 (build 18362) the ordinals are other functions or none.
bool HasAppModeOrdinals() {
    using GetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto getVersion = SystemFunction<GetVersionFn>(L"ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return getVersion != nullptr && getVersion(&version) == 0 && version.dwMajorVersion >= 10 &&
           version.dwBuildNumber >= 18362;
}

}  // namespace

bool RoundSmallCorners(HWND window, std::optional<COLORREF> border) {
    if (!SetAttribute(window, kWindowCornerPreference, &kRoundSmall, sizeof kRoundSmall))
        return false;
    return !border || SetAttribute(window, kBorderColor, &*border, sizeof *border);
}

bool UseDarkTitleBar(HWND window) {
    const BOOL dark = TRUE;
    return SetAttribute(window, kUseImmersiveDarkMode, &dark, sizeof dark);
}

bool UseDarkMenusForProcess() {
    enum class AppMode { Default, AllowDark, ForceDark };
    using SetModeFn = AppMode(WINAPI*)(AppMode);
    using FlushFn = void(WINAPI*)();
    if (!HasAppModeOrdinals()) return false;
    const auto setMode = SystemFunction<SetModeFn>(L"uxtheme.dll", MAKEINTRESOURCEA(135));
    const auto flush = SystemFunction<FlushFn>(L"uxtheme.dll", MAKEINTRESOURCEA(136));
    if (setMode == nullptr || flush == nullptr) return false;
    setMode(AppMode::ForceDark);
    flush();
    return true;
}

}  // namespace kov::win32
