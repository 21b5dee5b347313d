// The run cycle, the settings window and the language file.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include "app/language_file.h"
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
    void Load(const std::string& menu, const std::string& language = "") {
        fake.files.files[menuPath] = menu;
        if (!language.empty()) fake.files.files[languagePath] = language;
        form.FormLoad("");
    }
    std::string Tree() const { return fake.menus.Dump(window.poppedUp.at(0)); }
    // Runs a second form on the same platform, as a later start does.
    CommandId Run(fakes::FakeMainWindow& w, const std::string& commandLine = "") {
        MainForm other(fake.platform, fake.ownerDraw, w, {'.'});
        other.FormLoad(commandLine);
        lastMenuFile = other.MenuFile();
        return other.ChosenCommand().value_or(-1);
    }

    const std::string menuPath = "C:\\Tools\\Menu\\KOV.mnu";
    const std::string languagePath = "C:\\Tools\\Menu\\Svenska.lng";
    const std::string templatePath = "C:\\Tools\\Menu\\Translation.lng";
    fakes::FakePlatform fake;
    fakes::FakeMainWindow window;
    MainForm form{fake.platform, fake.ownerDraw, window, {'.'}};
    std::string lastMenuFile;
};

TEST_F(RunCycle, AMissingMenuFileOffersTheSample) {
    fake.messages.answers = {mb::kAnswerNo};
    form.FormLoad("");
    EXPECT_TRUE(window.poppedUp.empty());
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_TRUE(fake.files.files.empty());
    EXPECT_TRUE(fake.ownerDraw.sources);
    form.FormUnload();  // the window's close request ends up here
    EXPECT_FALSE(fake.ownerDraw.sources);

    fake.messages.answers = {mb::kAnswerYes};
    fake.files.unwritable.insert(menuPath);
    fakes::FakeMainWindow unwritable;
    Run(unwritable);
    EXPECT_EQ(fake.messages.shown.back().text,
              "The file 'C:\\Tools\\Menu\\KOV.mnu' could not be written.");
    EXPECT_EQ(unwritable.poppedUp.size(), 1u);

    fake.messages.answers = {mb::kAnswerYes};
    fake.files.unwritable.clear();
    fakes::FakeMainWindow written;
    Run(written);
    EXPECT_EQ(fake.messages.shown[0].text,
              "No menu file was found. Do you want to create a new file?");
    EXPECT_EQ(fake.messages.shown[0].flags, mb::kYesNo);
    EXPECT_EQ(fake.files.files.at(menuPath), ReadTestData("sample.mnu"));
    EXPECT_NE(fake.menus.Dump(written.poppedUp.at(0)).find("ITEM 21 &Notepad (minimized)"),
              std::string::npos);
    EXPECT_EQ(written.caption, "KOV");
}

TEST_F(RunCycle, ProgramSubmenuEntries) {
    const struct {
        const char* menu;
        const char* tree;
    } cases[] = {
        {"Item\tx",
         "POPUP KOV\n  ITEM -103 &Settings\n  ITEM -104 Edit the menu\n  ITEM -101 &About...\n"
         "  ITEM -105 &Help\n  ITEM -102 E&xit\nITEM 1 Item\n"},
        {"@NoSettings 1\r\n@NoEdit 1\r\n@NoAbout 1\r\n@NoHelp 1\r\n@NoExit 1\r\nItem",
         "POPUP KOV\nITEM 6 Item\n"},
        {"@NoProgramMenu true\r\nItem", "ITEM 2 Item\n"},
    };
    for (const auto& c : cases) {
        fake.files.files[menuPath] = c.menu;
        fakes::FakeMainWindow w;
        Run(w);
        EXPECT_EQ(fake.menus.Dump(w.poppedUp.at(0)), c.tree);
    }
    EXPECT_NE(SingleInstanceName("Work"), SingleInstanceName("Games"));
    EXPECT_EQ(SingleInstanceName("Work"), SingleInstanceName("WORK"));
    EXPECT_LE(SingleInstanceName(std::string(255, 'x')).size(), 259u);
}

TEST_F(RunCycle, ChoicesAreTranslatedBackAndTheWindowCloses) {
    fake.files.files[menuPath] = "Item";
    const struct {
        CommandId fromPopup;
        CommandId command;
    } cases[] = {
        {0, 0},       {1, 1},           {ProgramMenuItemId(CMD_EXIT), CMD_EXIT},
        {2001, 2001}, {-1073741819, 0},  // a popup that failed inside the system
        {-7, 0},
    };
    for (const auto& c : cases) {
        fakes::FakeMainWindow w;
        w.choice = c.fromPopup;
        EXPECT_EQ(Run(w), c.command);
        EXPECT_EQ(w.closeRequests, 1);
    }
}

TEST_F(RunCycle, CommandLinePaths) {
    fake.files.files[menuPath] = "Default";
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
    };
    for (const auto& c : cases) {
        fakes::FakeMainWindow w;
        Run(w, c.commandLine);
        EXPECT_EQ(lastMenuFile, c.menuFile) << c.commandLine;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(RunCycle, FolderMenusAreFilledAsTheirPopupOpens) {
    fake.folders.Add("C:\\Docs\\a.txt");
    Load("@NoProgramMenu 1\r\n\xC2\xA6qDocs|C:\\Docs|*");
    EXPECT_EQ(Tree(), "POPUP Docs\n");
    form.InitMenuPopup(fake.menus.Entries(window.poppedUp.at(0)).at(0).idOrSubmenu);
    EXPECT_EQ(Tree(), "POPUP Docs\n  ITEM 2001 a.txt\n  ITEM 2002 .\n");
}

TEST_F(RunCycle, TheChosenLineRunsWithTheFileSettings) {
    fake.clipboard.text = "clip";
    window.choice = 1;
    Load("Run\tprog.exe,\xC2\xA6s\r\n@ParameterDelimiter ,\r\n@CustomIcon Run,.\\KOV.mnu");
    ASSERT_EQ(fake.shell.executed.size(), 1u);
    EXPECT_EQ(fake.shell.executed[0].parameters, "clip");
    EXPECT_EQ(form.CustomIcons().at("run").picture, menuPath);
    EXPECT_EQ(window.closeRequests, 1);
}

TEST_F(RunCycle, OwnerDrawnMenusReadTheRunsOwnData) {
    window.systemFont = {"Segoe UI", 700, 1};
    Load("@UseSkin 1\r\n@FontItalic 0\r\n@TextColor 1, 2, 3\r\nItem");
    EXPECT_EQ(form.Settings().font.FontName, "Segoe UI");
    EXPECT_TRUE(form.Settings().font.FontBold);
    EXPECT_FALSE(form.Settings().font.FontItalic);
    ASSERT_TRUE(fake.ownerDraw.sources);
    EXPECT_EQ(&fake.ownerDraw.sources->settings, &form.Settings());
    EXPECT_EQ(fake.ownerDraw.sources->settings.TextColor, 0x030201u);
    // Without skin directives the window's design pictures are the skins.
    EXPECT_EQ(fake.ownerDraw.background, window.designSkins.background);
    EXPECT_EQ(fake.ownerDraw.ImageCollection.at("e&XIT").picture, "exit");

    fakes::FakePlatform other;
    fakes::FakeMainWindow w;
    w.systemFont = {"Segoe UI", 600, 2};
    other.files.files[menuPath] = "Item";
    MainForm second(other.platform, other.ownerDraw, w, {'.'});
    second.FormLoad("");
    EXPECT_FALSE(second.Settings().font.FontBold);
    EXPECT_FALSE(second.Settings().font.FontItalic);
    EXPECT_EQ(other.ownerDraw.background, nullptr);  // skins off: none handed over
    EXPECT_EQ(second.Settings().SkinBackground, w.designSkins.background);
}

TEST_F(RunCycle, LanguageFileTranslatesMenuAndSettingsWindow) {
    Load("@LanguageFile .\\Svenska.lng\r\nItem",
         "&Settings=&Inst\xE4llningar\r\nE&xit=&Avsluta\r\nSave=Spara");
    EXPECT_EQ(Tree(),
              "POPUP KOV\n  ITEM -103 &Inst\xC3\xA4llningar\n  ITEM -104 Edit the menu\n"
              "  ITEM -101 &About...\n  ITEM -105 &Help\n  ITEM -102 &Avsluta\nITEM 2 Item\n");
    EXPECT_EQ(window.settingsTexts.save, "Spara");
    EXPECT_EQ(window.settingsTexts.infoText, "KOV is a menu program.");
    EXPECT_TRUE(form.EditingEnabled());
    EXPECT_EQ(window.systemMenuAbout, "&About...");

    fakes::FakeMainWindow w;
    fake.files.files[menuPath] = "@LanguageFile C:\\missing.lng\r\nItem";
    MainForm missing(fake.platform, fake.ownerDraw, w, {'.'});
    missing.FormLoad("");
    EXPECT_FALSE(missing.EditingEnabled());
}

TEST_F(RunCycle, AboutFromThePopupHidesTheWindowAndEndsOnOk) {
    window.choice = ProgramMenuItemId(CMD_ABOUT);
    Load("@LanguageFile .\\Svenska.lng", "&About...=&Om...\r\nVersion=Utg\xE5va\r\nOK=Okej");
    ASSERT_TRUE(window.about);
    EXPECT_EQ(window.about->caption, "Om KOV");
    EXPECT_EQ(window.about->ok, "Okej");
    EXPECT_EQ(window.about->lines,
              "KOV (Kovamenu)\r\nUtg\xC3\xA5va 3.7 [build 1] \r\nby the KOV developers, 2026");
    EXPECT_TRUE(window.about->exitProgram);
    EXPECT_TRUE(window.hidden);
    EXPECT_EQ(window.closeRequests, 0);

    fakes::FakeMainWindow settings;
    settings.choice = ProgramMenuItemId(CMD_SETTINGS);
    MainForm second(fake.platform, fake.ownerDraw, settings, {'.'});
    second.FormLoad("");
    EXPECT_EQ(settings.closeRequests, 0);
    EXPECT_FALSE(settings.hidden);
    second.SystemMenuAbout();
    EXPECT_FALSE(settings.about->exitProgram);
}

TEST_F(RunCycle, ExitQuestionGuardsAnEditStillInTheTextBox) {
    Load("@LanguageFile .\\Svenska.lng", "OK=Okej\r\nSave=Spara");
    window.textBoxText = form.lstTranslationStrings_Click(0, "");
    window.textBoxText = "Ja";
    fake.messages.answers = {mb::kAnswerNo, mb::kAnswerYes};
    EXPECT_FALSE(form.FormUnload());
    EXPECT_EQ(fake.messages.shown.back().text,
              "The language file may be changed. Do you want to exit the program?");
    EXPECT_EQ(form.TranslationEntries()[0], "OK=Ja");
    EXPECT_TRUE(window.systemMenuAbout);
    EXPECT_TRUE(form.FormUnload());
    EXPECT_FALSE(window.systemMenuAbout);
    EXPECT_EQ(fake.files.files.at(languagePath), "OK=Okej\r\nSave=Spara");  // not saved
}

TEST_F(RunCycle, SaveWritesExactlyTheListOrSaysWhyNot) {
    Load("@LanguageFile .\\Svenska.lng", " \tOK=Okej \r\nno equals\r\n=first\r\nUnknown=x");
    form.lstTranslationStrings_Click(0, "");
    form.lstTranslationStrings_Click(1, "Ja");
    fake.files.unwritable.insert(languagePath);
    form.cmdSave_Click("y");
    EXPECT_TRUE(form.bLanguageChanged());
    EXPECT_EQ(fake.messages.shown.back().text,
              "The file 'C:\\Tools\\Menu\\Svenska.lng' could not be written.");
    EXPECT_EQ(fake.messages.shown.back().flags, mb::kIconError);
    fake.files.unwritable.clear();
    form.cmdSave_Click("y");
    EXPECT_EQ(fake.files.files.at(languagePath), "OK=Ja\r\nUnknown=y\r\n");
    EXPECT_FALSE(form.bLanguageChanged());
}

TEST_F(RunCycle, CreateNewWritesTheTemplateAsked) {
    Load("Item");
    EXPECT_FALSE(form.EditingEnabled());
    fake.files.unwritable.insert(templatePath);
    form.cmdCreateNew_Click();
    EXPECT_EQ(fake.messages.shown.back().flags, mb::kIconError);
    EXPECT_TRUE(form.TranslationEntries().empty());
    EXPECT_FALSE(form.EditingEnabled());

    fake.files.unwritable.clear();
    form.cmdCreateNew_Click();
    EXPECT_EQ(fake.messages.shown.back().text,
              "A new file is created with the name 'C:\\Tools\\Menu\\Translation.lng'.");
    EXPECT_EQ(fake.messages.shown.back().flags, mb::kIconInformation);
    EXPECT_EQ(form.TranslationEntries().size(), 29u);
    EXPECT_TRUE(form.EditingEnabled());

    // An existing file is overwritten only when the user says so; a loaded list stays.
    fake.files.files[templatePath] = "mine";
    fake.files.files[languagePath] = "OK=Okej";
    fake.files.files[menuPath] = "@LanguageFile .\\Svenska.lng";
    fakes::FakeMainWindow w;
    MainForm loaded(fake.platform, fake.ownerDraw, w, {'.'});
    loaded.FormLoad("");
    fake.messages.answers = {mb::kAnswerNo, mb::kAnswerYes};
    loaded.cmdCreateNew_Click();
    EXPECT_EQ(fake.messages.shown.back().text,
              "The file already existed, do you want to overwrite it? "
              "'C:\\Tools\\Menu\\Translation.lng'");
    EXPECT_EQ(fake.files.files.at(templatePath), "mine");
    loaded.cmdCreateNew_Click();
    EXPECT_EQ(fake.files.files.at(templatePath).substr(0, 9), "OK=Okej\r\n");
    EXPECT_EQ(loaded.TranslationEntries().size(), 1u);
}

TEST(LanguageFile, TranslatesByCurrentValueFirstEntryWins) {
    UIStrings strings = DefaultUIStrings("KOV");
    const auto listed = ApplyLanguageFile(
        "ok=Okej\r\n"    // key case ignored
        "OK=Second\r\n"  // the first entry for a string wins
        "&Settings=&Inst\xE4llningar\r\n"
        "Save =Spara\r\n"          // the blank belongs to the key: no match
        "=starts with equals\r\n"  // not listed
        "no equals sign\r\n"       // not listed
        " \t E&xit=A=B \t \r\n"    // trimmed; the translation keeps its "="
        "KOV is a menu program.=KOV \xE4r ett menyprogram.\r\n"
        "is a menu program.=no match\r\n"
        "Unknown key=kept in the list\r\n"
        "Version= Version with blank\r\n",
        strings);
    EXPECT_EQ(strings.sOK, "Okej");
    EXPECT_EQ(strings.sSETTINGS, "&Inst\xE4llningar");
    EXPECT_EQ(strings.sSAVE, "Save");
    EXPECT_EQ(strings.sEXIT, "A=B");
    EXPECT_EQ(strings.sINFOTEXT, "KOV \xE4r ett menyprogram.");
    EXPECT_EQ(strings.sVERSION, " Version with blank");
    const std::vector<std::string> expected = {"ok=Okej",
                                               "OK=Second",
                                               "&Settings=&Inst\xE4llningar",
                                               "Save =Spara",
                                               "E&xit=A=B",
                                               "KOV is a menu program.=KOV \xE4r ett menyprogram.",
                                               "is a menu program.=no match",
                                               "Unknown key=kept in the list",
                                               "Version= Version with blank"};
    EXPECT_EQ(listed, expected);
}

TEST(LanguageFile, MatchOrderDecidesBetweenEqualValues) {
    UIStrings strings = DefaultUIStrings("KOV");
    strings.sGUI = "Same";
    strings.sSAVE = "Same";  // sGUI is tried before sSAVE
    ApplyLanguageFile("Same=X\r\nSame=Y", strings);
    EXPECT_EQ(strings.sGUI, "X");
    EXPECT_EQ(strings.sSAVE, "Y");
}

TEST(LanguageFile, BadInputGivesAClearResult) {
    UIStrings strings = DefaultUIStrings("KOV");
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37);
    ApplyLanguageFile(binary, strings);
    EXPECT_EQ(ApplyLanguageFile("\xEF\xBB\xBFOK=Bom", strings).size(), 1u);
    EXPECT_EQ(strings.sOK, "OK");  // a byte-order mark stays part of the key
    EXPECT_EQ(ApplyLanguageFile(std::string(10000, 'k') + "=v\r\nno", strings).size(), 1u);
}

TEST(TranslationEditor, SelectionMovesTheTextBoxIntoTheList) {
    TranslationEditor editor;
    editor.SetEntries({"OK=Okej", "Save=Spara", "a=b=c"});
    EXPECT_EQ(editor.Select(0, "typed before any selection"), "Okej");
    EXPECT_FALSE(editor.bLanguageChanged);
    EXPECT_EQ(editor.Select(1, "Okej"), "Spara");  // unchanged text: no change
    EXPECT_FALSE(editor.bLanguageChanged);
    EXPECT_EQ(editor.Select(2, "Spara!"), "b=c");
    EXPECT_TRUE(editor.bLanguageChanged);
    EXPECT_EQ(editor.Entries()[1], "Save=Spara!");
    EXPECT_EQ(editor.Select(7, "ignored"), "ignored");  // no such entry: nothing happens
    EXPECT_EQ(editor.Current(), 2u);
}

TEST(TranslationEditor, ListToolTipTakesTheIndexAsAWhole) {
    TranslationEditor editor;
    editor.SetEntries({"OK=Okej", "Save=Spara"});
    EXPECT_EQ(editor.ListToolTip(1), "Spara");
    // Outside the client area the high word is 1.
    for (const long index : {2L, -1L, 0x10001L}) EXPECT_EQ(editor.ListToolTip(index), "") << index;
}

TEST(TranslationTemplate, EveryKeyMatchesWhenLoaded) {
    UIStrings strings = DefaultUIStrings("Work");
    strings.sOK = "Okej";
    strings.sINFOTEXT = "Work är ett menyprogram.";
    const auto text = TranslationTemplate(strings, "Work");
    EXPECT_EQ(text.substr(0, 30), "OK=Okej\r\n&About...=&About...\r\n");
    EXPECT_EQ(ListedLines(text).size(), 29u);
    UIStrings reread = DefaultUIStrings("Work");
    ApplyLanguageFile(text, reread);
    EXPECT_EQ(reread.sOK, "Okej");
    EXPECT_EQ(reread.sINFOTEXT, "Work är ett menyprogram.");
}

}  // namespace
}  // namespace kov
