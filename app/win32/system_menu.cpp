#include "app/win32/system_menu.h"

#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/window_subclass.h"

namespace kov::win32 {

namespace {

constexpr UINT kAboutEntryId = 2;

platform::SettingsEvents* aboutEvents = nullptr;

}  // namespace

void HookSystemMenu(HWND hwnd, std::string_view aboutCaption, platform::SettingsEvents& events) {
    AppendMenuW(GetSystemMenu(hwnd, FALSE), MF_STRING, kAboutEntryId, Widen(aboutCaption).c_str());
    aboutEvents = &events;
    AddWindowProcedure(hwnd, &SysMenuWindowProc);
}

void UnhookSystemMenu(HWND hwnd) {
    RemoveWindowProcedure(hwnd, &SysMenuWindowProc);
    aboutEvents = nullptr;
}

LRESULT CALLBACK SysMenuWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // Compared whole: the system's own commands use the low bits of wParam.
    if (uMsg == WM_SYSCOMMAND && wParam == kAboutEntryId && aboutEvents != nullptr) {
        aboutEvents->SystemMenuAbout();
    }
    return CallNextWindowProcedure(&SysMenuWindowProc, hwnd, uMsg, wParam, lParam);
}

}  // namespace kov::win32
