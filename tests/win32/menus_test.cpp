#include "platform/win32/win32_menus.h"

#include <gtest/gtest.h>
#include "platform/win32/windows_api.h"

#include "platform/win32/wide_text.h"

namespace kov::win32 {
namespace {

// A real menu read back: "ITEM 3 Notepad", "GRAYED 7 Archive", "SEPARATOR", "POPUP Tools"
// followed by its entries, indented by nesting.
std::string Dump(HMENU menu, int depth = 0) {
    std::string out;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return "error\n";
        out.append(static_cast<std::size_t>(depth) * 2, ' ');
        if (info.fType & MFT_SEPARATOR) {
            out += "SEPARATOR\n";
        } else if (info.hSubMenu != nullptr) {
            out += "POPUP " + Narrow(text) + "\n" + Dump(info.hSubMenu, depth + 1);
        } else {
            out += std::string(info.fState & MFS_GRAYED ? "GRAYED " : "ITEM ") +
                   std::to_string(static_cast<std::int32_t>(info.wID)) + " " + Narrow(text) + "\n";
        }
    }
    return out;
}

// The system destroys submenus recursively, on a stack that a deep tree overflows.
TEST(Win32Menus, ABuiltMenuReadsBackAndADeepTreeIsDestroyedWhole) {
    namespace flags = platform::menu_flags;
    Win32Menus menus;
    const auto root = menus.CreatePopupMenu();
    const auto tools = menus.CreatePopupMenu();
    menus.AppendMenu(tools, flags::kString, 7, "Inner");
    menus.AppendMenu(root, flags::kPopup, tools, "&Tools");
    menus.AppendMenu(root, flags::kSeparator, 0, "");
    menus.AppendMenu(root, flags::kString, 8, "removed");
    menus.AppendMenu(root, flags::kString, platform::MenuItemValue(-103), "&Settings");
    menus.AppendMenu(root, flags::kGrayed, 2001, "\xC3\x9C\x62\x65r \xD0\x9C\xD0\xB8\xD1\x80");
    EXPECT_TRUE(menus.RemoveMenu(root, 2, flags::kByPosition));
    EXPECT_EQ(Dump(reinterpret_cast<HMENU>(root)),
              "POPUP &Tools\n  ITEM 7 Inner\nSEPARATOR\nITEM -103 &Settings\n"
              "GRAYED 2001 \xC3\x9C\x62\x65r \xD0\x9C\xD0\xB8\xD1\x80\n");

    auto current = tools;
    for (int level = 0; level < 10000; ++level) {
        const auto sub = menus.CreatePopupMenu();
        menus.AppendMenu(current, flags::kPopup, sub, "x");
        current = sub;
    }
    EXPECT_TRUE(menus.DestroyMenu(root));
    EXPECT_FALSE(IsMenu(reinterpret_cast<HMENU>(root)));
    EXPECT_FALSE(IsMenu(reinterpret_cast<HMENU>(current)));
}

}  // namespace
}  // namespace kov::win32
