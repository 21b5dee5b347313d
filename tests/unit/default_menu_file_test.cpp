#include "app/default_menu_file.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_platform.h"
#include "tests/unit/test_data.h"

namespace kov {
namespace {

TEST(DefaultMenuFile, SampleIsWrittenByteForByteInTheProgramFolder) {
    fakes::FakeFiles files;
    fakes::Windows1252 ansi;
    std::string path = "D:\\elsewhere.mnu";
    ASSERT_TRUE(WriteDefaultMenuFile(files, {"C:\\Tools\\Menu", "KOV"}, ansi, path,
                                     {"MS Shell Dlg", 8, false, false}));
    EXPECT_EQ(path, "C:\\Tools\\Menu\\KOV.mnu");
    EXPECT_EQ(files.files.at(path), ReadTestData("sample.mnu"));
    // A font name the code page cannot spell turns the sample into UTF-8 with its mark.
    ASSERT_TRUE(WriteDefaultMenuFile(files, {"C:\\Tools\\Menu", "KOV"}, ansi, path,
                                     {"\xE5\xBE\xAE\xE8\xBD\xAF", 8, false, false}));
    EXPECT_TRUE(files.files.at(path).starts_with("\xEF\xBB\xBF@BGMenuColor"));
}

TEST(DefaultMenuFile, FontLinesCarryTheCurrentFont) {
    const struct {
        MenuFont font;
        const char* sizeLine;
    } cases[] = {
        {{"Tahoma", 8.5, true, false},
         ";@FontSize  8 \r\n;@FontBold True\r\n;@FontItalic False\r\n;@FontName Tahoma\r\n"},
        {{"A B", 9.5, false, true},
         ";@FontSize  10 \r\n;@FontBold False\r\n;@FontItalic True\r\n;@FontName A B\r\n"},
        {{"X", -3, false, false}, ";@FontSize -3 \r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(DefaultMenuFileText(c.font).find(c.sizeLine), std::string::npos) << c.sizeLine;
    }
}

TEST(DefaultMenuFile, SetDefaultsLeavesFontAndTextsAlone) {
    MenuSettings settings;
    settings.font.FontName = "Kept";
    settings.MenuEditor = "kept.exe";
    settings.NoHelp = true;
    settings.ItemDelimiter = ",";
    SetDefaults(settings, {'.'});
    EXPECT_EQ(settings.BGMenuColor, 0xFFFFFFu);
    EXPECT_EQ(settings.SelBGMenuColor, 0xC8C8C8u);
    EXPECT_EQ(settings.TextColor, 0u);
    EXPECT_EQ(settings.SelTextColor, 0u);
    EXPECT_EQ(settings.ItemDelimiter, "\t");
    EXPECT_FALSE(settings.NoHelp);
    EXPECT_EQ(settings.font.FontName, "Kept");
    EXPECT_EQ(settings.MenuEditor, "kept.exe");
}

}  // namespace
}  // namespace kov
