#include "platform/win32/win32_menus.h"

#include "platform/win32/windows_api.h"

#include <string>

namespace kov::win32 {

namespace {

HMENU ToHandle(platform::MenuHandle menu) { return reinterpret_cast<HMENU>(menu); }

}  // namespace

platform::MenuHandle Win32Menus::CreatePopupMenu() {
    return reinterpret_cast<platform::MenuHandle>(::CreatePopupMenu());
}

bool Win32Menus::AppendMenu(platform::MenuHandle menu, unsigned flags, std::uintptr_t idOrSubmenu,
                            std::string_view text) {
    const std::string terminated(text);
    const bool separator = (flags & MF_SEPARATOR) != 0;
    return ::AppendMenuA(ToHandle(menu), flags, idOrSubmenu,
                         separator ? nullptr : terminated.c_str()) != FALSE;
}

bool Win32Menus::RemoveMenu(platform::MenuHandle menu, unsigned position, unsigned flags) {
    return ::RemoveMenu(ToHandle(menu), position, flags) != FALSE;
}

bool Win32Menus::DestroyMenu(platform::MenuHandle menu) {
    return ::DestroyMenu(ToHandle(menu)) != FALSE;
}

}  // namespace kov::win32
