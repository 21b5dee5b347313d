// In-process cost of folder menus on a real tree: reading one folder as its submenu opens,
// and reading every folder of the tree, which is what building the whole tree before the
// popup cost. Prints "one_ms=... all_ms=... entries=... menus=...".
//   folder_reading.exe <folder of the tree> <one subfolder>
#include "platform/win32/windows_api.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "menufile/folder_menus.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_menus.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Reading {
    kov::win32::Win32Menus menus;
    kov::win32::Win32Folders folders;
    std::vector<std::string> FolderItemPaths{""};
    kov::FolderMenus folderMenus{menus, folders, FolderItemPaths};
    int submenus = 0;

    void OpenEverySubmenu(HMENU menu) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            if (HMENU sub = GetSubMenu(menu, i)) {
                ++submenus;
                folderMenus.FillOnOpen(reinterpret_cast<kov::platform::MenuHandle>(sub));
                OpenEverySubmenu(sub);
            }
        }
    }

    double Milliseconds(const char* folder, bool everything) {
        HMENU root = CreatePopupMenu();
        const auto start = Clock::now();
        folderMenus.BuildFolderMenu(folder, "*", "",
                                    reinterpret_cast<kov::platform::MenuHandle>(root));
        folderMenus.FillOnOpen(reinterpret_cast<kov::platform::MenuHandle>(root));
        if (everything) OpenEverySubmenu(root);
        const auto end = Clock::now();
        DestroyMenu(root);
        return std::chrono::duration<double, std::milli>(end - start).count();
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    Reading one;
    const double oneMs = one.Milliseconds(argv[2], false);
    Reading all;
    const double allMs = all.Milliseconds(argv[1], true);
    std::printf("one_ms=%.1f all_ms=%.1f entries=%zu menus=%d\n", oneMs, allMs,
                all.FolderItemPaths.size() - 1, all.submenus + 1);
    return 0;
}
