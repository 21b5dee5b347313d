#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/program_menu.h"
#include "tests/fakes/fake_platform.h"

namespace kov {
namespace {

namespace mb = platform::message_box;

class LanguageAndSettings : public ::testing::Test {
  protected:
    void Load(const std::string& menu, const std::string& language = "") {
        fake.files.files[menuPath] = menu;
        if (!language.empty()) fake.files.files[languagePath] = language;
        form.FormLoad("");
    }

    const std::string menuPath = "C:\\Tools\\Menu\\KOV.mnu";
    const std::string languagePath = "C:\\Tools\\Menu\\Svenska.lng";
    const std::string templatePath = "C:\\Tools\\Menu\\Translation.lng";
    fakes::FakePlatform fake;
    fakes::FakeMainWindow window;
    MainForm form{fake.platform, fake.ownerDraw, window, {'.'}};
};

TEST_F(LanguageAndSettings, LanguageFileTranslatesTheProgramSubmenuAndSettingsWindow) {
    Load("@LanguageFile .\\Svenska.lng\r\nItem",
         "&Settings=&Inst\xE4llningar\r\nE&xit=&Avsluta\r\nInformation=Info\r\nSave=Spara");
    EXPECT_EQ(fake.menus.Dump(window.poppedUp.at(0)),
              "POPUP KOV\n  ITEM -103 &Inst\xC3\xA4llningar\n  ITEM -104 Edit the menu\n"
              "  ITEM -101 &About...\n  ITEM -105 &Help\n  ITEM -102 &Avsluta\nITEM 2 Item\n");
    EXPECT_EQ(window.settingsTexts.information, "Info");
    EXPECT_EQ(window.settingsTexts.save, "Spara");
    EXPECT_EQ(window.settingsTexts.infoText, "KOV is a menu program.");
    EXPECT_TRUE(form.EditingEnabled());
    EXPECT_EQ(form.TranslationEntries().size(), 4u);
    EXPECT_TRUE(window.systemMenuHooked);
    EXPECT_EQ(window.systemMenuAbout, "&About...");
}

TEST_F(LanguageAndSettings, NoLanguageFileDisablesEditing) {
    Load("Item");
    EXPECT_FALSE(form.EditingEnabled());
    Load("@LanguageFile C:\\missing.lng\r\nItem");
    EXPECT_FALSE(form.EditingEnabled());
}

TEST_F(LanguageAndSettings, AboutFromThePopupHidesTheWindowAndEndsOnOk) {
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
}

TEST_F(LanguageAndSettings, SettingsKeepsTheWindowAndSystemMenuAboutDoesNotExit) {
    window.choice = ProgramMenuItemId(CMD_SETTINGS);
    Load("Item");
    EXPECT_EQ(window.closeRequests, 0);
    EXPECT_FALSE(window.hidden);
    form.SystemMenuAbout();
    ASSERT_TRUE(window.about);
    EXPECT_FALSE(window.about->exitProgram);
}

TEST_F(LanguageAndSettings, ExitQuestionGuardsAnEditStillInTheTextBox) {
    Load("@LanguageFile .\\Svenska.lng", "OK=Okej\r\nSave=Spara");
    window.textBoxText = form.lstTranslationStrings_Click(0, "");
    window.textBoxText = "Ja";
    fake.messages.answers = {mb::kAnswerNo, mb::kAnswerYes};
    EXPECT_FALSE(form.FormUnload());
    EXPECT_EQ(fake.messages.shown.back().text,
              "The language file may be changed. Do you want to exit the program?");
    EXPECT_EQ(fake.messages.shown.back().flags, mb::kYesNo);
    EXPECT_EQ(form.TranslationEntries()[0], "OK=Ja");
    EXPECT_TRUE(window.systemMenuHooked);
    EXPECT_TRUE(form.FormUnload());
    EXPECT_FALSE(window.systemMenuHooked);
    EXPECT_EQ(fake.files.files.at(languagePath), "OK=Okej\r\nSave=Spara");  // not saved
}

TEST_F(LanguageAndSettings, SaveWritesExactlyTheList) {
    Load("@LanguageFile .\\Svenska.lng", " \tOK=Okej \r\nno equals\r\n=first\r\nUnknown=x");
    form.lstTranslationStrings_Click(0, "");
    form.lstTranslationStrings_Click(1, "Ja");
    form.cmdSave_Click("y");
    EXPECT_EQ(fake.files.files.at(languagePath), "OK=Ja\r\nUnknown=y\r\n");
    EXPECT_FALSE(form.bLanguageChanged());
}

TEST_F(LanguageAndSettings, FailedSaveKeepsTheChangeAndSaysSo) {
    Load("@LanguageFile .\\Svenska.lng", "OK=Okej\r\nSave=Spara");
    form.lstTranslationStrings_Click(0, "");
    form.lstTranslationStrings_Click(1, "Ja");
    fake.files.unwritable.insert(languagePath);
    form.cmdSave_Click("Spara");
    EXPECT_TRUE(form.bLanguageChanged());
    ASSERT_FALSE(fake.messages.shown.empty());
    EXPECT_EQ(fake.messages.shown.back().text,
              "The file 'C:\\Tools\\Menu\\Svenska.lng' could not be written.");
    EXPECT_EQ(fake.messages.shown.back().flags, mb::kIconError);
    EXPECT_EQ(fake.files.files.at(languagePath), "OK=Okej\r\nSave=Spara");
}

TEST_F(LanguageAndSettings, CreateNewFillsAnEmptyListFromTheTemplate) {
    Load("Item");
    form.cmdCreateNew_Click();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text,
              "A new file is created with the name 'C:\\Tools\\Menu\\Translation.lng'.");
    EXPECT_EQ(fake.messages.shown[0].flags, mb::kIconInformation);
    EXPECT_EQ(form.TranslationEntries().size(), 29u);
    EXPECT_TRUE(form.EditingEnabled());
    EXPECT_EQ(fake.files.files.at(templatePath).substr(0, 9), "OK=OK\r\n&A");
}

TEST_F(LanguageAndSettings, CreateNewAsksBeforeOverwritingAndKeepsALoadedList) {
    Load("@LanguageFile .\\Svenska.lng", "OK=Okej");
    fake.files.files[templatePath] = "mine";
    fake.messages.answers = {mb::kAnswerNo};
    form.cmdCreateNew_Click();
    EXPECT_EQ(fake.messages.shown.back().text,
              "The file already existed, do you want to overwrite it? "
              "'C:\\Tools\\Menu\\Translation.lng'");
    EXPECT_EQ(fake.files.files.at(templatePath), "mine");
    fake.messages.answers = {mb::kAnswerYes};
    form.cmdCreateNew_Click();
    EXPECT_EQ(fake.files.files.at(templatePath).substr(0, 9), "OK=Okej\r\n");
    EXPECT_EQ(form.TranslationEntries().size(), 1u);
}

TEST_F(LanguageAndSettings, FailedCreateNewSaysSoAndLeavesTheListEmpty) {
    Load("Item");
    fake.files.unwritable.insert(templatePath);
    form.cmdCreateNew_Click();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].flags, mb::kIconError);
    EXPECT_TRUE(form.TranslationEntries().empty());
    EXPECT_FALSE(form.EditingEnabled());
}

}  // namespace
}  // namespace kov
