#include "menufile/settings_directives.h"

#include "commands/expand_string.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_platform.h"

namespace kov {
namespace {

class SettingsDirectives : public ::testing::Test {
  protected:
    void Apply(std::string_view line) { ApplySettingsLine(line, settings, context); }

    fakes::FakePlatform fake;
    fakes::FakeEnvironment& environment = fake.environment;
    MenuSettings settings;
    Expander expander{environment, "C:\\Tools\\Menu", fake.clipboard, fake.clock, settings};
    NumberFormat numbers{'.'};
    CustomIconTable icons;
    SettingsContext context{numbers, expander, fake.pictures, fake.files, icons};
};

TEST_F(SettingsDirectives, ColoursIgnoreKeyCaseAndFailToBlack) {
    Apply("@textcolor 255, 0, 0");
    EXPECT_EQ(settings.TextColor, 255u);
    for (const char* bad : {"@TextColor 255,0", "@TextColor red", "@TextColor"}) {
        settings.TextColor = 123;
        Apply(bad);
        EXPECT_EQ(settings.TextColor, 0u) << bad;
    }
    Apply("@TextColor=0, 0, 255");  // any one character separates key and value
    EXPECT_EQ(settings.TextColor, 255u * 65536);
    Apply("@SELBGMENUCOLOR 1,1,1");
    EXPECT_EQ(settings.SelBGMenuColor, 0x010101u);
}

TEST_F(SettingsDirectives, FlagsAcceptWordsAndNumbersOnly) {
    const struct {
        const char* value;
        bool before;
        bool after;
    } cases[] = {
        {"yes", false, false}, {"true", false, true},  {"TRUE", false, true}, {"-1", false, true},
        {"0", true, false},    {"False", true, false}, {"", true, true},      {"2.5", false, true},
    };
    for (const auto& c : cases) {
        settings.NoIcons = c.before;
        Apply(std::string("@NoIcons ") + c.value);
        EXPECT_EQ(settings.NoIcons, c.after) << c.value;
    }
}

TEST_F(SettingsDirectives, TextsAreTrimmedUnescapedOrKeptAsWritten) {
    Apply("@FontName  Arial");
    EXPECT_EQ(settings.font.FontName, " Arial");
    Apply("@ParameterDelimiter  \xC2\xA4  ");
    EXPECT_EQ(settings.ParameterDelimiter, "\xC2\xA4");
    Apply("@StringDelimiter \\n");
    EXPECT_EQ(settings.StringDelimiter, "\r\n");
    Apply("@StringBefore \\t");
    EXPECT_EQ(settings.StringBefore, "\t");
    Apply("@ItemDelimiter ,");
    EXPECT_EQ(settings.ItemDelimiter, ",");
    Apply("@MenuEditor  notepad.exe|\xC2\xA6m ");
    EXPECT_EQ(settings.MenuEditor, "notepad.exe|\xC2\xA6m");
}

TEST_F(SettingsDirectives, PathsAreExpanded) {
    Apply("@LanguageFile .\\Svenska.lng");
    EXPECT_EQ(settings.LanguageFile, "C:\\Tools\\Menu\\Svenska.lng");
    environment.variables["HOME"] = "D:\\Home";
    Apply("@languagefile %HOME%\\x.lng");
    EXPECT_EQ(settings.LanguageFile, "D:\\Home\\x.lng");
}

TEST_F(SettingsDirectives, FontSizeRoundsHalfToEvenAndIgnoresWords) {
    Apply("@FontSize 9.5");
    EXPECT_EQ(settings.font.FontSize, 10);
    Apply("@FontSize 8.5");
    EXPECT_EQ(settings.font.FontSize, 8);
    Apply("@FontSize big");
    EXPECT_EQ(settings.font.FontSize, 8);
    Apply("@FontBold 1");
    Apply("@FontItalic true");
    EXPECT_TRUE(settings.font.FontBold);
    EXPECT_TRUE(settings.font.FontItalic);
}

TEST_F(SettingsDirectives, LongerWordsCountAsTheirKeyAndUnknownKeysAreIgnored) {
    const MenuSettings before = settings;
    Apply("@Unknown 1");
    Apply("@");
    EXPECT_EQ(settings.TextColor, before.TextColor);
    EXPECT_EQ(settings.ItemDelimiter, before.ItemDelimiter);
    Apply("@NoHelpPlease 1");  // begins with @NoHelp; the value is what follows "@NoHelpP"
    EXPECT_FALSE(settings.NoHelp);
    Apply("@NoExitX1");
    EXPECT_TRUE(settings.NoExit);
}

TEST_F(SettingsDirectives, SkinPicturesLoadKeepOrClear) {
    fake.pictures.decodable = {"C:\\Tools\\Menu\\bg.jpg", "D:\\sel.gif"};
    Apply("@SkinBackground .\\bg.jpg");
    EXPECT_EQ(fakes::PicturePath(settings.SkinBackground), "C:\\Tools\\Menu\\bg.jpg");
    Apply("@SkinBackground C:\\missing.jpg");  // cannot load: the old picture stays
    EXPECT_EQ(fakes::PicturePath(settings.SkinBackground), "C:\\Tools\\Menu\\bg.jpg");
    Apply("@SkinBackground");  // empty: cleared
    EXPECT_EQ(settings.SkinBackground, nullptr);
    Apply("@skinbgselected D:\\sel.gif");
    EXPECT_EQ(fakes::PicturePath(settings.SkinBGSelected), "D:\\sel.gif");
    EXPECT_EQ(settings.SkinBackground, nullptr);
}

TEST_F(SettingsDirectives, CustomIconsNeedAPictureFileAndTheFirstKeyWins) {
    fake.files.files["C:\\Tools\\Menu\\a.ico"] = "";
    fake.files.files["C:\\b.ico"] = "";
    Apply("@CustomIcon &Notepad");                  // no picture part
    Apply("@CustomIcon &Notepad|C:\\missing.ico");  // no such file
    EXPECT_TRUE(icons.empty());
    Apply("@CustomIcon &Notepad|.\\a.ico|.\\mask.bmp|x");  // the mask is not looked for
    Apply("@CustomIcon &NOTEPAD|C:\\b.ico");               // same key, other case: dropped
    Apply("@ParameterDelimiter ,");
    Apply("@CustomIcon Calc,C:\\b.ico");
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons.at("&notepad").picture, "C:\\Tools\\Menu\\a.ico");
    EXPECT_EQ(icons.at("&notepad").mask, "C:\\Tools\\Menu\\mask.bmp");
    EXPECT_EQ(icons.at("Calc").picture, "C:\\b.ico");
    EXPECT_EQ(icons.at("Calc").mask, "");
}

}  // namespace
}  // namespace kov
