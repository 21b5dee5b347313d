#include "platform/win32/win32_menus.h"

#include <gtest/gtest.h>
#include "platform/win32/windows_api.h"

#include "app/default_menu_file.h"
#include "commands/expand_string.h"
#include "menufile/menu_builder.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_files.h"
#include "tests/fakes/fake_platform.h"
#include "tests/win32/menu_dump.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

std::string Dump(HMENU menu) {
    return testing::DumpMenu(menu);
}

std::string ReadTestData(const std::string& name) {
    return Win32Files().sReadWholeFile(std::string(KOV_TEST_DATA) + "/" + name).value_or("");
}

class RealMenus : public ::testing::Test {
  protected:
    std::string Build(const std::string& text) {
        files.WriteNewFile(folder / "KOV.mnu", text);
        root = menus.CreatePopupMenu();
        menus.AppendMenu(root, platform::menu_flags::kPopup, menus.CreatePopupMenu(), "KOV");
        fakes::FakePlatform fake;
        platform::Platform platform{
            menus,         files,           messages,   environment,  {folder.path(), "KOV"},
            folders,       fake.clipboard,  fake.shell, fake.windows, fake.clock,
            fake.pictures, fake.tempFolder, ansi};
        MenuSettings settings;
        Expander expander(environment, folder.path(), fake.clipboard, fake.clock, settings);
        NumberFormat numbers;
        CustomIconTable icons;
        SettingsContext settingsContext{numbers, expander, fake.pictures, files, icons};
        std::vector<std::string> FolderItemPaths{""};
        FolderMenus folderMenus(menus, folders, FolderItemPaths);
        MenuFileContext context{platform, settings, settingsContext, "No menu file was found.",
                                folderMenus};
        ReadMenuFile(folder / "KOV.mnu", root, context);
        return Dump(reinterpret_cast<HMENU>(root));
    }
    void TearDown() override { menus.DestroyMenu(root); }

    testing::TempFolder folder;
    Win32Menus menus;
    Win32Files files;
    Win32Environment environment;
    fakes::FakeMessageBoxes messages;
    fakes::FakeOwnerDrawHook ownerDraw;
    fakes::FakeFolders folders;
    Win32AnsiCodePage ansi;
    platform::MenuHandle root = 0;
};

TEST_F(RealMenus, SampleMenuReadsBackAsBuilt) {
    const auto expected = ReadTestData("sample.tree");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Build(DefaultMenuFileText({"MS Shell Dlg", 8, false, false})), expected);
}

TEST_F(RealMenus, NegativeIdentifiersAndGrayedLinesSurvive) {
    root = menus.CreatePopupMenu();
    menus.AppendMenu(root, platform::menu_flags::kString, platform::MenuItemValue(-103),
                     "&Settings");
    menus.AppendMenu(root, platform::menu_flags::kGrayed, platform::MenuItemValue(2001), "late");
    EXPECT_EQ(Dump(reinterpret_cast<HMENU>(root)), "ITEM -103 &Settings\nGRAYED 2001 late\n");
}

TEST(Win32MenusDestroy, DeepTreesAreDestroyedWhole) {
    Win32Menus menus;
    const auto root = menus.CreatePopupMenu();
    auto current = root;
    std::vector<platform::MenuHandle> created;
    for (int level = 0; level < 10000; ++level) {
        const auto sub = menus.CreatePopupMenu();
        menus.AppendMenu(current, platform::menu_flags::kPopup, sub, "x");
        created.push_back(sub);
        current = sub;
    }
    EXPECT_TRUE(menus.DestroyMenu(root));
    EXPECT_FALSE(IsMenu(reinterpret_cast<HMENU>(root)));
    EXPECT_FALSE(IsMenu(reinterpret_cast<HMENU>(created.back())));
}

}  // namespace
}  // namespace kov::win32
