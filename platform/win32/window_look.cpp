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

// The build of Windows 10 or later; 0 before. ntdll tells the real version and is loaded in
// every process.
DWORD Windows10Build() {
    using GetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const DWORD build = [] {
        const auto getVersion = SystemFunction<GetVersionFn>(L"ntdll.dll", "RtlGetVersion");
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof version;
        return getVersion != nullptr && getVersion(&version) == 0 && version.dwMajorVersion >= 10
                   ? version.dwBuildNumber
                   : DWORD{0};
    }();
    return build;
}

// Windows 11's first build: earlier ones have no corner preference, so they do not load DWM's
// library for it.
constexpr DWORD kWindows11 = 22000;
// Before Windows 10 1903 the app-mode ordinals are other functions or none.
constexpr DWORD kWindows10_1903 = 18362;

}  // namespace

bool RoundSmallCorners(HWND window, std::optional<COLORREF> border) {
    if (Windows10Build() < kWindows11 ||
        !SetAttribute(window, kWindowCornerPreference, &kRoundSmall, sizeof kRoundSmall))
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
    if (Windows10Build() < kWindows10_1903) return false;
    const auto setMode = SystemFunction<SetModeFn>(L"uxtheme.dll", MAKEINTRESOURCEA(135));
    const auto flush = SystemFunction<FlushFn>(L"uxtheme.dll", MAKEINTRESOURCEA(136));
    if (setMode == nullptr || flush == nullptr) return false;
    setMode(AppMode::ForceDark);
    flush();
    return true;
}

}  // namespace kov::win32
