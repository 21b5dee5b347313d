#include "app/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/default_menu_file.h"
#include "app/program_menu.h"
#include "app/single_instance.h"
#include "tests/fakes/fake_platform.h"
#include "tests/unit/test_data.h"

namespace kov {
namespace {

namespace mb = platform::message_box;

class RunCycle : public ::testing::Test {
  protected:
    void Load(const std::string& commandLine = "") { form.FormLoad(commandLine); }
    std::string Tree() const { return fake.menus.Dump(RootMenu()); }
    platform::MenuHandle RootMenu() const { return window.poppedUp.at(0); }

    const std::string defaultPath = "C:\\Tools\\Menu\\KOV.mnu";
    fakes::FakePlatform fake;
    fakes::FakeMainWindow window;
    MainForm form{fake.platform, fake.ownerDraw, window, {'.'}};
};

TEST_F(RunCycle, MissingMenuFileAndYesWritesTheSampleAndShowsIt) {
    fake.messages.answers = {mb::kAnswerYes};
    Load();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text,
              "No menu file was found. Do you want to create a new file?");
    EXPECT_EQ(fake.messages.shown[0].title, "KOV");
    EXPECT_EQ(fake.messages.shown[0].flags, mb::kYesNo);
    EXPECT_EQ(fake.files.files.at(defaultPath), ReadTestData("sample.mnu"));
    EXPECT_NE(Tree().find("ITEM 21 &Notepad (minimized)"), std::string::npos);
    EXPECT_EQ(window.caption, "KOV");
}

TEST_F(RunCycle, MissingMenuFileAndNoEndsWithoutPopup) {
    fake.messages.answers = {mb::kAnswerNo};
    Load();
    EXPECT_TRUE(window.poppedUp.empty());
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_TRUE(fake.files.files.empty());
    EXPECT_FALSE(form.ChosenCommand());
}

TEST(SingleInstance, RenamedCopiesRunSideBySide) {
    EXPECT_NE(SingleInstanceName("Work"), SingleInstanceName("Games"));
    EXPECT_EQ(SingleInstanceName("Work"), SingleInstanceName("WORK"));
    EXPECT_LE(SingleInstanceName(std::string(255, 'x')).size(), 259u);
}

TEST_F(RunCycle, ProgramSubmenuComesFirstWithItsFiveEntries) {
    fake.files.files[defaultPath] = "Item\tx";
    Load();
    EXPECT_EQ(Tree(),
              "POPUP KOV\n  ITEM -103 &Settings\n  ITEM -104 Edit the menu\n  ITEM -101 &About...\n"
              "  ITEM -105 &Help\n  ITEM -102 E&xit\nITEM 1 Item\n");
}

TEST_F(RunCycle, SettingsHideProgramSubmenuEntries) {
    fake.files.files[defaultPath] =
        "@NoSettings 1\r\n@NoEdit 1\r\n@NoAbout 1\r\n@NoHelp 1\r\n@NoExit 1\r\nItem";
    Load();
    EXPECT_EQ(Tree(), "POPUP KOV\nITEM 6 Item\n");
}

TEST_F(RunCycle, NoProgramMenuRemovesTheSubmenu) {
    fake.files.files[defaultPath] = "@NoProgramMenu true\r\nItem";
    Load();
    EXPECT_EQ(Tree(), "ITEM 2 Item\n");
}

TEST_F(RunCycle, ChoicesAreTranslatedBackAndTheWindowCloses) {
    fake.files.files[defaultPath] = "Item";
    const struct {
        CommandId fromPopup;
        CommandId command;
    } cases[] = {
        {0, 0},
        {1, 1},
        {ProgramMenuItemId(CMD_EXIT), CMD_EXIT},
        {ProgramMenuItemId(CMD_HELP), CMD_HELP},
        {2001, 2001},
        {-1073741819, 0},  // a popup that failed inside the system
        {-7, 0},
    };
    for (const auto& c : cases) {
        fakes::FakeMainWindow w;
        w.choice = c.fromPopup;
        MainForm f(fake.platform, fake.ownerDraw, w, {'.'});
        f.FormLoad("");
        EXPECT_EQ(f.ChosenCommand(), c.command);
        EXPECT_EQ(w.closeRequests, 1);
    }
}

TEST_F(RunCycle, FolderMenusAreFilledAsTheirPopupOpens) {
    fake.files.files[defaultPath] = "@NoProgramMenu 1\r\n\xC2\xA6qDocs|C:\\Docs|*";
    fake.folders.Add("C:\\Docs\\a.txt");
    Load();
    EXPECT_EQ(Tree(), "POPUP Docs\n");
    form.InitMenuPopup(RootMenu());
    form.InitMenuPopup(fake.menus.Entries(RootMenu()).at(0).idOrSubmenu);
    EXPECT_EQ(Tree(), "POPUP Docs\n  ITEM 2001 a.txt\n  ITEM 2002 .\n");
}

TEST_F(RunCycle, TheChosenLineRunsWithTheFileSettingsAndSettingsKeepsTheWindow) {
    fake.files.files[defaultPath] =
        "Run\tprog.exe,\xC2\xA6s\r\n@ParameterDelimiter ,\r\n@StringDelimiter ;\r\n"
        "@CustomIcon Run,.\\KOV.mnu";
    fake.clipboard.text = "clip";
    window.choice = 1;
    Load();
    ASSERT_EQ(fake.shell.executed.size(), 1u);
    EXPECT_EQ(fake.shell.executed[0].file, "prog.exe");
    EXPECT_EQ(fake.shell.executed[0].parameters, "clip");
    EXPECT_EQ(form.CustomIcons().at("run").picture, defaultPath);
    EXPECT_EQ(window.closeRequests, 1);

    fakes::FakeMainWindow settingsWindow;
    settingsWindow.choice = ProgramMenuItemId(CMD_SETTINGS);
    MainForm settingsForm(fake.platform, fake.ownerDraw, settingsWindow, {'.'});
    settingsForm.FormLoad("");
    EXPECT_EQ(settingsWindow.closeRequests, 0);
}

TEST_F(RunCycle, CommandLinePaths) {
    fake.files.files[defaultPath] = "Default";
    fake.files.files["C:\\Tools\\Menu\\other.mnu"] = "Other";
    fake.files.files["D:\\a b.mnu"] = "Spaces";
    fake.environment.variables["DATA"] = "D:";
    const struct {
        const char* commandLine;
        const char* menuFile;
    } cases[] = {
        {"  D:\\a b.mnu  ", "D:\\a b.mnu"},   {".\\other.mnu", "C:\\Tools\\Menu\\other.mnu"},
        {"%DATA%\\a b.mnu", "D:\\a b.mnu"},   {"C:\\missing.mnu", "C:\\Tools\\Menu\\KOV.mnu"},
        {" \"D:\\a b.mnu\" ", "D:\\a b.mnu"},  // one pair of quotes around it is removed
        {"", "C:\\Tools\\Menu\\KOV.mnu"},
    };
    for (const auto& c : cases) {
        fakes::FakeMainWindow w;
        MainForm f(fake.platform, fake.ownerDraw, w, {'.'});
        f.FormLoad(c.commandLine);
        EXPECT_EQ(f.MenuFile(), c.menuFile) << c.commandLine;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(RunCycle, UnwritableSampleIsReportedAsSuchAndThePopupStillShows) {
    fake.messages.answers = {mb::kAnswerYes};
    fake.files.unwritable.insert(defaultPath);
    Load();
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.shown[1].text,
              "The file 'C:\\Tools\\Menu\\KOV.mnu' could not be written.");
    EXPECT_EQ(window.poppedUp.size(), 1u);
}

TEST_F(RunCycle, SystemMenuFontSeedsTheMenuFont) {
    window.systemFont = {"Segoe UI", 700, 1};
    fake.files.files[defaultPath] = "@FontItalic 0";
    Load();
    EXPECT_EQ(form.Settings().font.FontName, "Segoe UI");
    EXPECT_TRUE(form.Settings().font.FontBold);
    EXPECT_FALSE(form.Settings().font.FontItalic);
    window.systemFont = {"Segoe UI", 600, 2};
    MainForm second(fake.platform, fake.ownerDraw, window, {'.'});
    fake.files.files[defaultPath] = "";
    second.FormLoad("");
    EXPECT_FALSE(second.Settings().font.FontBold);
    EXPECT_FALSE(second.Settings().font.FontItalic);
}

TEST_F(RunCycle, OwnerDrawnMenusReadTheRunsOwnDataUntilUnhooked) {
    fake.files.files[defaultPath] = "@UseSkin 1\r\n@NoHelp 1\r\n@TextColor 1, 2, 3\r\nItem";
    Load();
    // The hook reads the run's own data: the settings as the menu file left them.
    ASSERT_NE(fake.ownerDraw.sources, nullptr);
    EXPECT_EQ(&fake.ownerDraw.sources->settings, &form.Settings());
    EXPECT_EQ(&fake.ownerDraw.sources->CustomIcons, &form.CustomIcons());
    EXPECT_EQ(fake.ownerDraw.sources->settings.TextColor, 0x030201u);
    ASSERT_TRUE(fake.ownerDraw.sources->menuFont.has_value());
    // Without skin directives the window's design pictures are the skins.
    EXPECT_EQ(fake.ownerDraw.background, window.designSkins.background);
    EXPECT_EQ(fake.ownerDraw.selected, window.designSkins.selected);
    EXPECT_EQ(fake.ownerDraw.ImageCollection.at("e&XIT").picture, "exit");

    form.FormUnload();
    EXPECT_EQ(fake.ownerDraw.calls.back(), "unhook");
}

TEST_F(RunCycle, SkinsAreHandedOverOnlyWhenSwitchedOn) {
    fake.files.files[defaultPath] = "Item";
    Load();
    EXPECT_EQ(std::count(fake.ownerDraw.calls.begin(), fake.ownerDraw.calls.end(), "skins"), 0);
    EXPECT_EQ(form.Settings().SkinBackground, window.designSkins.background);
}

TEST_F(RunCycle, DecliningTheSampleStillUnhooks) {
    fake.messages.answers = {mb::kAnswerNo};
    Load();
    form.FormUnload();  // the window's close request ends up here
    EXPECT_EQ(fake.ownerDraw.calls, (std::vector<std::string>{"hook", "unhook"}));
}

}  // namespace
}  // namespace kov
