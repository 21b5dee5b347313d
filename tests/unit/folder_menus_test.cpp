#include "menufile/folder_menus.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_folders.h"
#include "tests/fakes/fake_menus.h"

namespace kov {
namespace {

class FolderMenuTest : public ::testing::Test {
  protected:
    platform::MenuHandle Build(const std::string& folder, const std::string& include = "*",
                               const std::string& exclude = "") {
        const auto menu = menus.CreatePopupMenu();
        folderMenus.BuildFolderMenu(folder, include, exclude, menu);
        return menu;
    }
    // Opens the submenu at a position of menu.
    platform::MenuHandle Open(platform::MenuHandle menu, std::size_t position) {
        const auto sub = menus.Entries(menu).at(position).idOrSubmenu;
        folderMenus.FillOnOpen(sub);
        return sub;
    }
    std::string OpenAll(platform::MenuHandle menu) {
        folderMenus.FillOnOpen(menu);
        menus.OpenEverySubmenu(menu, [this](auto sub) { folderMenus.FillOnOpen(sub); });
        return menus.Dump(menu);
    }

    fakes::FakeMenus menus;
    fakes::FakeFolders folders;
    std::vector<std::string> FolderItemPaths{""};
    FolderMenus folderMenus{menus, folders, FolderItemPaths};
};

TEST_F(FolderMenuTest, SubfoldersThenFilesThenTheFolderNumberedAsOpened) {
    folders.Add("C:\\D\\z.txt");
    folders.AddFolder("C:\\D\\beta");
    folders.Add("C:\\D\\a.txt");
    folders.AddFolder("C:\\D\\alpha");
    folders.Add("C:\\D\\alpha\\in.txt");
    const auto root = Build("C:\\D\\");
    EXPECT_TRUE(folderMenus.FillOnOpen(root));
    EXPECT_FALSE(folderMenus.FillOnOpen(root));                     // already filled
    EXPECT_FALSE(folderMenus.FillOnOpen(menus.CreatePopupMenu()));  // not a folder's submenu
    Open(root, 1);
    EXPECT_EQ(menus.Dump(root),
              "POPUP beta\nPOPUP alpha\n  ITEM 2004 in.txt\n  ITEM 2005 .\n"
              "ITEM 2001 z.txt\nITEM 2002 a.txt\nITEM 2003 .\n");
    EXPECT_EQ(FolderItemPaths,
              (std::vector<std::string>{"", "C:\\D\\z.txt", "C:\\D\\a.txt", "C:\\D\\",
                                        "C:\\D\\alpha\\in.txt", "C:\\D\\alpha\\"}));
    // A second folder menu goes on with the same numbering.
    EXPECT_EQ(OpenAll(Build("C:\\D\\beta")), "ITEM 2006 .\n");
    EXPECT_EQ(folderMenus.LastFolderItemId(), 2006);
    EXPECT_EQ(OpenAll(Build("C:\\Missing")), "ITEM 2007 .\n");  // only itself
}

TEST_F(FolderMenuTest, IdentifiersEndWhereMenuItemIdentifiersEnd) {
    // Thirteen folders of 5,000 files each need more identifiers than a menu item can carry. The
    // first holds one more, which it does not show.
    for (int folder = 0; folder < 14; ++folder) {
        const auto path = "C:\\Big\\d" + std::to_string(folder);
        folders.AddFolder(path);
        const int files = folder == 0 ? 5001 : folder < 13 ? 5000 : 0;
        for (int i = 0; i < files; ++i) folders.Add(path + "\\f" + std::to_string(i));
    }
    const auto root = Build("C:\\Big");
    folderMenus.FillOnOpen(root);  // the root's own "." is 2001
    for (std::size_t folder = 0; folder < 12; ++folder) Open(root, folder);
    EXPECT_TRUE(
        menus.Dump(menus.Entries(root)[0].idOrSubmenu).ends_with("GRAYED 0 ...\nITEM 7002 .\n"));
    const auto& entries = menus.Entries(Open(root, 12));
    ASSERT_EQ(entries.size(), (65535u - 2001 - 12 * 5001) + 1u);
    // A folder opened later shows no entry that could be chosen.
    EXPECT_EQ(menus.Dump(Open(root, 13)), "GRAYED 0 ...\n");
}

}  // namespace
}  // namespace kov
