#include "platform/win32/win32_menus.h"

#include "platform/win32/windows_api.h"

#include <set>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

HMENU ToHandle(platform::MenuHandle menu) {
    return reinterpret_cast<HMENU>(menu);
}

}  // namespace

platform::MenuHandle Win32Menus::CreatePopupMenu() {
    return reinterpret_cast<platform::MenuHandle>(::CreatePopupMenu());
}

bool Win32Menus::AppendMenu(platform::MenuHandle menu, unsigned flags, std::uintptr_t idOrSubmenu,
                            std::string_view text) {
    const auto wide = Widen(text);
    const bool separator = (flags & MF_SEPARATOR) != 0;
    return ::AppendMenuW(ToHandle(menu), flags, idOrSubmenu, separator ? nullptr : wide.c_str()) !=
           FALSE;
}

bool Win32Menus::RemoveMenu(platform::MenuHandle menu, unsigned position, unsigned flags) {
    return ::RemoveMenu(ToHandle(menu), position, flags) != FALSE;
}

bool Win32Menus::DestroyMenu(platform::MenuHandle menu) {
    // The system destroys submenus recursively, and a deep enough tree (thousands of nested
    // "[" lines) overflows its stack. Destroying every submenu before its parent, without
    // recursion, leaves each level with nothing left to descend into.
    std::vector<HMENU> tree{ToHandle(menu)};
    std::set<HMENU> seen{ToHandle(menu)};
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const int count = GetMenuItemCount(tree[i]);
        for (int position = 0; position < count; ++position) {
            HMENU sub = GetSubMenu(tree[i], position);
            if (sub != nullptr && seen.insert(sub).second) tree.push_back(sub);
        }
    }
    for (std::size_t i = tree.size(); i-- > 1;) ::DestroyMenu(tree[i]);
    return ::DestroyMenu(tree[0]) != FALSE;
}

}  // namespace kov::win32
