#include "tests/win32/menu_dump.h"

namespace kov::win32::testing {

std::string DumpMenu(HMENU menu, const std::function<std::string(std::int32_t)>& describe,
                     int depth) {
    std::string out;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char text[1024] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return "error\n";
        out.append(static_cast<std::size_t>(depth) * 2, ' ');
        if (info.fType & MFT_SEPARATOR) {
            out += "SEPARATOR\n";
        } else if (info.hSubMenu != nullptr) {
            out +=
                "POPUP " + std::string(text) + "\n" + DumpMenu(info.hSubMenu, describe, depth + 1);
        } else {
            const auto id = static_cast<std::int32_t>(info.wID);
            out += std::string(info.fState & MFS_GRAYED ? "GRAYED " : "ITEM ") +
                   (describe ? describe(id) : std::to_string(id)) + " " + text + "\n";
        }
    }
    return out;
}

}  // namespace kov::win32::testing
