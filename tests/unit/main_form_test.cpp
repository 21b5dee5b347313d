// The run cycle, the settings window and the language file.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include "app/language_file.h"
#include "app/menu_check.h"
#include "app/program_menu.h"
#include "app/single_instance.h"
#include "app/translation_editor.h"
#include "tests/fakes/fake_platform.h"
#include "tests/unit/test_support.h"

namespace kov {
namespace {

namespace mb = platform::message_box;

class RunCycle : public ::testing::Test {
  protected:
    // Starts the program on a menu file and, if given, the Swedish language file.
    MainForm& Start(const std::string& menu, const std::string& language = "") {
        fake.files.files[menuPath] = menu;
        if (!language.empty()) fake.files.files[languagePath] = language;
        return StartAsIs();
    }
    MainForm& StartAsIs(const std::string& commandLine = "") {
        window = std::make_unique<fakes::FakeMainWindow>();
        window->choice = choice;
        form =
            std::make_unique<MainForm>(fake.platform, fake.ownerDraw, *window, NumberFormat{'.'});
        form->FormLoad(commandLine);
        return *form;
    }
    std::string Tree() const { return fake.menus.Dump(window->poppedUp.at(0)); }

    const std::string menuPath = "C:\\Tools\\Menu\\KOV.mnu";
    const std::string languagePath = "C:\\Tools\\Menu\\Svenska.lng";
    const std::string templatePath = "C:\\Tools\\Menu\\Translation.lng";
    const std::string swedish = "@LanguageFile .\\Svenska.lng\r\nItem";
    fakes::FakePlatform fake;
    CommandId choice = 0;
    std::unique_ptr<fakes::FakeMainWindow> window;
    std::unique_ptr<MainForm> form;
};

TEST_F(RunCycle, AMissingMenuFileOffersTheSample) {
    // The error message of the second start takes an answer too.
    fake.messages.answers = {mb::kAnswerNo, mb::kAnswerYes};
    StartAsIs();
    EXPECT_TRUE(window->poppedUp.empty());
    EXPECT_EQ(window->closeRequests, 1);

    fake.files.unwritable.insert(menuPath);
    StartAsIs();
    EXPECT_EQ(fake.messages.shown.back(), "The file '" + menuPath + "' could not be written.");
    EXPECT_EQ(window->poppedUp.size(), 1u);

    // There but not to be read: said so, and only the program submenu shows.
    fake.files.unreadable.insert(menuPath);
    Start("Item\tx");
    EXPECT_EQ(fake.messages.shown.back(), "The file '" + menuPath + "' could not be read.");
    EXPECT_EQ(Tree().find("Item"), std::string::npos);
}

TEST_F(RunCycle, ProgramSubmenuAndCommandLine) {
    Start("Item\tx");
    EXPECT_EQ(Tree(),
              "POPUP KOV\n  ITEM -103 &Settings\n  ITEM -104 Edit the menu\n  ITEM -101 &About...\n"
              "  ITEM -105 &Help\n  ITEM -102 E&xit\nITEM 1 Item\n");
    // An item without a command is a problem, which the program submenu shows first.
    Start("@NoSettings 1\r\n@NoEdit 1\r\n@NoAbout 1\r\n@NoHelp 1\r\n@NoExit 1\r\nItem");
    EXPECT_EQ(Tree(), "POPUP KOV\n  ITEM -106 Problems (1)\nITEM 6 Item\n");
    EXPECT_EQ(fake.ownerDraw.images.back(), "Problems (1)");  // with its own picture
    Start("@NoProgramMenu true\r\nItem");
    EXPECT_EQ(Tree(), "ITEM 2 Item\n");

    fake.files.files["D:\\a b.mnu"] = "Spaces";
    fake.files.files["D:\\*.mnu"] = "Patterns";
    fake.environment.variables["DATA"] = "D:";
    ExpectRows<std::string>({{"%DATA%\\a b.mnu", "D:\\a b.mnu"},
                             {"C:\\missing.mnu", menuPath},
                             {"D:\\*.mnu", menuPath},
                             {" \"D:\\a b.mnu\" ", "D:\\a b.mnu"}},  // one pair of quotes goes
                            [this](const std::string& line) { return StartAsIs(line).MenuFile(); });
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(SingleInstanceName("Work"), SingleInstanceName("WORK"));
}

TEST_F(RunCycle, ChoicesAreTranslatedBackAndRun) {
    fake.clipboard.text = "clip";
    fake.folders.Add("C:\\Docs\\a.txt");
    Start(
        "Run\tprog.exe,\xC2\xA6s\n@ParameterDelimiter ,\n\xC2\xA6qDocs,C:\\Docs,*\n@ShellIcons 1");
    const auto docs = fake.menus.Entries(window->poppedUp.at(0)).at(2).idOrSubmenu;
    form->InitMenuPopup(docs);
    EXPECT_NE(Tree().find("POPUP Docs\n  ITEM 2001 a.txt\n"), std::string::npos);
    // A shell icon shows what the item's line runs, its folder entry, or its submenu's folder; the
    // shell's context menu is for what exists on a local drive when the item is clicked.
    fake.files.files["C:\\Docs\\a.txt"] = "";
    fake.files.folders.insert("C:\\Docs\\");
    const auto shell = [&](CommandId id, platform::MenuHandle sub) {
        const auto icon = form->ShellIconOf(id, sub);
        const auto menu = form->ContextMenuTarget(id, sub).value_or("-");
        return (icon ? icon->path : "-") + " " + menu + "|";
    };
    EXPECT_EQ(shell(1, 0) + shell(2001, 0) + shell(0, docs),
              "prog.exe -|C:\\Docs\\a.txt C:\\Docs\\a.txt|C:\\Docs\\ C:\\Docs\\|");
    EXPECT_EQ(shell(5, 0) + shell(6, 0) + shell(2003, 0) + shell(0, 99), "- -|- -|- -|- -|");
    fake.files.files.erase("C:\\Docs\\a.txt");
    EXPECT_EQ(shell(2001, 0), "C:\\Docs\\a.txt -|");
    const CommandId exit = ProgramMenuItemId(CMD_EXIT), help = ProgramMenuItemId(CMD_HELP);
    // -1073741819: a popup that failed inside the system.
    const std::pair<CommandId, CommandId> choices[] = {
        {0, 0}, {1, 1}, {exit, CMD_EXIT}, {help, CMD_HELP}, {2001, 2001}, {-1073741819, 0}, {-7, 0},
    };
    for (const auto& [fromPopup, command] : choices) {
        choice = fromPopup;
        EXPECT_EQ(StartAsIs().ChosenCommand(), command);
        EXPECT_EQ(window->closeRequests, 1);
    }
    ASSERT_EQ(fake.shell.executed.size(), 1u);
    EXPECT_EQ(fake.shell.executed[0].parameters, "clip");
    // A popup the system closed with the shell's context menu over it comes back.
    choice = 0;
    fake.ownerDraw.closedWithShellMenu = 2;
    StartAsIs();
    EXPECT_EQ(window->poppedUp.size(), 3u);
}

TEST_F(RunCycle, ProblemsWindowListsTheProblemsAndEditsTheMenu) {
    choice = ProgramMenuItemId(CMD_PROBLEMS);
    Start("@MenuEditor ed.exe|\xC2\xA6m\r\n]\r\nItem");
    ASSERT_TRUE(window->problems);
    EXPECT_EQ(window->problems->text,
              "line 2: ] without an open submenu\r\nline 3: no command after the caption Item");
    window->editProblems();
    ASSERT_EQ(fake.shell.executed.size(), 1u);
    EXPECT_EQ(fake.shell.executed[0].file + " " + *fake.shell.executed[0].parameters,
              "ed.exe " + menuPath);
    EXPECT_EQ(window->closeRequests, 0);  // the list stays while the menu is edited
    Start("@NoEdit 1\r\nItem");
    EXPECT_FALSE(window->editProblems);  // no button where the program submenu has no entry
}

TEST(MenuCheck, PrintsWhereAndEndsWithTheCount) {
    fakes::FakePlatform fake;
    const auto check = [&](const std::optional<std::string>& file) {
        std::string out;
        const int code = CheckMenuFile(fake.platform, NumberFormat{'.'}, file, out);
        return std::to_string(code) + " " + out;
    };
    EXPECT_EQ(check(std::nullopt), "1 C:\\Tools\\Menu\\KOV.mnu: the menu file was not found\r\n");
    // 1,100 problems: the list keeps the lowest lines, the "[" of line 3 found last among them.
    std::string many = "]\r\n]\r\n[Open\r\n";
    for (int i = 0; i < 1097; ++i) many += "x\r\n";
    fake.files.files["D:\\m.mnu"] = many;
    const auto printed = check("D:\\m.mnu");
    EXPECT_TRUE(
        printed.starts_with("255 D:\\m.mnu(1): ] without an open submenu\r\n"
                            "D:\\m.mnu(2): ] without an open submenu\r\n"
                            "D:\\m.mnu(3): [ is never closed by ]\r\n"))
        << printed;
    EXPECT_TRUE(printed.ends_with(
        "D:\\m.mnu(1000): no command after the caption x\r\nand 100 more problems\r\n"));
    EXPECT_TRUE(check("").starts_with("1 "));   // an empty name is no file
    fake.files.unreadable.insert("D:\\m.mnu");  // there, but held by another program
    EXPECT_EQ(check("D:\\m.mnu"), "1 D:\\m.mnu: the menu file could not be read (locked)\r\n");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(RunCycle, LanguageFileTranslatesAndItsEditsAreSavedOrGuarded) {
    choice = ProgramMenuItemId(CMD_ABOUT);
    // Keys in any letter case, trimmed; the first entry for a string wins.
    Start(swedish,
          "E&xit=&Avsluta\r\n save=Spara \r\nSave=X\r\n&About...=&Om...\r\nVersion=Utg\xE5va");
    EXPECT_NE(Tree().find("  ITEM -102 &Avsluta\n"), std::string::npos);
    EXPECT_EQ(window->settingsTexts.save, "Spara");
    EXPECT_EQ(window->systemMenuAbout, "&Om...");
    EXPECT_EQ(window->about->caption, "Om KOV");
    EXPECT_EQ(window->about->lines,
              "KOV (Kovamenu)\r\nUtg\xC3\xA5va 3.7 [build 1] \r\nby the KOV developers, 2026");

    // The exit question guards an edit, and Save writes exactly the list.
    Start(swedish, " \tOK=Okej \r\nno equals\r\n=first\r\nUnknown=x");
    window->textBoxText = form->lstTranslationStrings_Click(0, "");
    window->textBoxText = "Ja";
    fake.messages.answers = {mb::kAnswerNo, mb::kAnswerYes};
    EXPECT_FALSE(form->FormUnload());
    EXPECT_EQ(form->TranslationEntries()[0], "OK=Ja");

    fake.files.unwritable.insert(languagePath);
    form->cmdSave_Click("y");
    EXPECT_TRUE(form->bLanguageChanged());  // the exit question still guards the edits
    fake.files.unwritable.clear();
    form->lstTranslationStrings_Click(1, "Ja");
    form->cmdSave_Click("y");
    EXPECT_EQ(fake.files.files.at(languagePath), "OK=Ja\r\nUnknown=y\r\n");
    EXPECT_FALSE(form->bLanguageChanged());
    EXPECT_TRUE(form->FormUnload());
}

TEST_F(RunCycle, CreateNewWritesTheTemplateWhenAsked) {
    Start("Item");
    fake.files.unwritable.insert(templatePath);
    form->cmdCreateNew_Click();
    EXPECT_FALSE(form->EditingEnabled());
    fake.files.unwritable.clear();
    form->cmdCreateNew_Click();
    EXPECT_EQ(form->TranslationEntries().size(), 32u);
    EXPECT_TRUE(form->EditingEnabled());

    // An existing file is overwritten only when the user says so; a loaded list stays.
    fake.files.files[templatePath] = "mine";
    Start(swedish, "OK=Okej");
    fake.messages.answers = {mb::kAnswerNo, mb::kAnswerYes};
    form->cmdCreateNew_Click();
    EXPECT_EQ(fake.files.files.at(templatePath), "mine");
    form->cmdCreateNew_Click();
    EXPECT_EQ(fake.files.files.at(templatePath).substr(0, 9), "OK=Okej\r\n");
    EXPECT_EQ(form->TranslationEntries().size(), 1u);

    // A language file that is there but cannot be read is never replaced by Save.
    fake.files.unreadable.insert(languagePath);
    Start(swedish, "OK=Okej");
    EXPECT_FALSE(form->EditingEnabled());
    const std::string unread = "The file 'C:\\Tools\\Menu\\Svenska.lng' could not be read.";
    EXPECT_EQ(window->settingsTexts.infoText, "KOV is a menu program.\r\n\r\n" + unread);
    form->cmdCreateNew_Click();
    form->cmdSave_Click("x");
    EXPECT_EQ(fake.files.files.at(languagePath), "OK=Okej");
    EXPECT_EQ(fake.messages.shown.back(), unread);
}

TEST(LanguageFile, Editor) {
    TranslationEditor editor;
    editor.SetEntries({"OK=Okej", "Save=Spara", "a=b=c"});
    EXPECT_EQ(editor.Select(0, "typed before any selection"), "Okej");
    EXPECT_EQ(editor.Select(1, "Okej"), "Spara");  // unchanged text: no change
    EXPECT_FALSE(editor.bLanguageChanged);
    EXPECT_EQ(editor.Select(2, "Spara!"), "b=c");
    EXPECT_EQ(editor.Select(3, "ignored"), "ignored");  // no such entry: nothing happens
    EXPECT_EQ(editor.ListToolTip(1), "Spara!");
    // Outside the client area the high word is 1.
    for (const long index : {3L, -1L, 0x10001L}) EXPECT_EQ(editor.ListToolTip(index), "") << index;
}

}  // namespace
}  // namespace kov
