#include "app/win32/system_menu.h"

#include <string>

#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

constexpr UINT kAboutEntryId = 2;

WNDPROC previousProcedure = nullptr;
platform::SettingsEvents* aboutEvents = nullptr;

}  // namespace

void HookSystemMenu(HWND hwnd, std::string_view aboutCaption, platform::SettingsEvents& events) {
    AppendMenuW(GetSystemMenu(hwnd, FALSE), MF_STRING, kAboutEntryId, Widen(aboutCaption).c_str());
    aboutEvents = &events;
    previousProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SysMenuWindowProc)));
}

void UnhookSystemMenu(HWND hwnd) {
    if (previousProcedure == nullptr) return;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure));
    previousProcedure = nullptr;
    aboutEvents = nullptr;
}

LRESULT CALLBACK SysMenuWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // Compared whole: the system's own commands use the low bits of wParam.
    if (uMsg == WM_SYSCOMMAND && wParam == kAboutEntryId && aboutEvents != nullptr) {
        aboutEvents->SystemMenuAbout();
    }
    return CallWindowProcW(previousProcedure, hwnd, uMsg, wParam, lParam);
}

}  // namespace kov::win32
