#include "menufile/menu_builder.h"

#include <gtest/gtest.h>

#include "app/default_menu_file.h"
#include "core/text.h"
#include "tests/fakes/fake_menu_file.h"
#include "tests/unit/test_data.h"

namespace kov {
namespace {

class MenuBuilder : public ::testing::Test {
  protected:
    // Builds text as the menu file behind a root menu that already holds the program submenu.
    std::string Build(const std::string& text) {
        fake.files.files[path] = text;
        return BuildExisting();
    }

    std::string BuildExisting() {
        root = fake.menus.CreatePopupMenu();
        fake.menus.AppendMenu(root, platform::menu_flags::kPopup, fake.menus.CreatePopupMenu(),
                              "KOV");
        lines = menuFile.Read(path, root);
        return fake.menus.Dump(root);
    }

    fakes::FakePlatform fake;
    fakes::FakeMenuFile menuFile{fake};
    MenuSettings& settings = menuFile.settings;
    const std::string path = "C:\\Tools\\Menu\\KOV.mnu";
    platform::MenuHandle root = 0;
    std::optional<std::vector<std::string>> lines;
};

TEST_F(MenuBuilder, WorkedExampleGivesTheExpectedTree) {
    EXPECT_EQ(Build(ReadTestData("worked_example.mnu")), ReadTestData("worked_example.tree"));
    EXPECT_EQ(settings.BGMenuColor, 255u + 256 * 255 + 65536 * 224);
    ASSERT_TRUE(lines);
    // Eleven lines, the empty piece after the file's final CR LF, and the one after the appended CR
    // LF.
    EXPECT_EQ(lines->size(), 13u);
    EXPECT_EQ((*lines)[5], "\tCalculator\tcalc.exe");  // kept raw, untrimmed
}

TEST_F(MenuBuilder, SampleFileGivesTheExpectedTree) {
    MenuFont font{"MS Shell Dlg", 8, false, false};
    EXPECT_EQ(Build(DefaultMenuFileText(font)), ReadTestData("sample.tree"));
    EXPECT_TRUE(settings.UseSkin);
    EXPECT_EQ(settings.StringBefore, "\"");
    EXPECT_EQ(settings.StringDelimiter, "\" \"");
    EXPECT_EQ(settings.SelTextColor, 16777215u);
}

TEST_F(MenuBuilder, TrimmingOrderDecidesTheKindOfLine) {
    const std::string text =
        "\t [A\r\n"        // tabs then spaces: a submenu
        "  \tItem\tx\r\n"  // spaces then tabs
        " \t ]\r\n"        // space, tab, space: all blanks go
        " \t \t]\r\n";     // space, tab, space, tab: one tab stays, an item with an empty caption
    EXPECT_EQ(Build(text), "POPUP KOV\nPOPUP A\n  ITEM 2 Item\nITEM 4 \n");
}

TEST_F(MenuBuilder, IdentifiersAreLineNumbers) {
    EXPECT_EQ(Build(";comment\r\nItem\r\n\r\n@NoIcons 1\r\n-\r\nLast"),
              "POPUP KOV\nITEM 2 Item\nSEPARATOR\nITEM 6 Last\n");
}

TEST_F(MenuBuilder, KindsOfLines) {
    const std::string text =
        "\xC2\xA6Gheading\tignored\r\n"
        "\xC2\xA6g\r\n"             // no fields: nothing
        "\xC2\xA6QFolder only\r\n"  // a folder menu with a caption only: an empty submenu
        "\xC2\xA6q\r\n"             // nothing after the marker: nothing
        "-anything\r\n"
        "a;b\r\n"
        "[ Name\r\n"
        "]trailing\r\n"
        "No delimiter at all\r\n";
    EXPECT_EQ(Build(text),
              "POPUP KOV\nGRAYED 1 heading\nPOPUP Folder only\nSEPARATOR\nITEM 6 a;b\n"
              "POPUP  Name\nITEM 9 No delimiter at all\n");
}

TEST_F(MenuBuilder, FolderMenuLinesListTheirFolderWhenOpened) {
    fake.environment.variables["DOCS"] = "C:\\Docs";
    fake.folders.AddFolder("C:\\Docs\\sub");
    fake.folders.Add("C:\\Docs\\a.txt");
    fake.folders.Add("C:\\Docs\\b.txt");
    fake.folders.Add("C:\\Docs\\c.doc");
    fake.folders.Add("C:\\Tools\\Menu\\local.txt");
    const std::string text =
        "\xC2\xA6qAll|%DOCS%\r\n"  // no include pattern: folders and "." only
        "\xC2\xA6QText|%DOCS%|*.txt|b*|ignored\r\n"
        "@ParameterDelimiter ,\r\n"
        "\xC2\xA6qHere,.\\,*\r\n"  // relative to the program folder
        "\xC2\xA6qCaption only\r\n";
    Build(text);
    EXPECT_TRUE(fake.folders.listed.empty());
    fake.menus.OpenEverySubmenu(root, [this](auto menu) { menuFile.folderMenus.FillOnOpen(menu); });
    EXPECT_EQ(fake.menus.Dump(root),
              "POPUP KOV\nPOPUP All\n  POPUP sub\n    ITEM 2002 .\n  ITEM 2001 .\n"
              "POPUP Text\n  POPUP sub\n    ITEM 2005 .\n  ITEM 2003 a.txt\n  ITEM 2004 .\n"
              "POPUP Here\n  ITEM 2006 local.txt\n  ITEM 2007 .\n"
              "POPUP Caption only\n");
    EXPECT_EQ(menuFile.FolderItemPaths[6], "C:\\Tools\\Menu\\local.txt");
}

TEST_F(MenuBuilder, CaptionsShowTheDateButSubmenuTextsDoNot) {
    const std::string text =
        "\xA6gToday \xA6\x44(yyyy-mm-dd)\r\n"
        "Log \xA6\x64(yyyy)\tnotepad.exe \xA6\x64(yyyy)\r\n"
        "\xA6qDocs \xA6\x64(mmm)\r\n"
        "[Week \xA6\x64(ww)\r\n";
    EXPECT_EQ(Build(text),
              "POPUP KOV\nGRAYED 1 Today 2024-03-05\nITEM 2 Log 2024\nPOPUP Docs Mar\n"
              "POPUP Week \xC2\xA6\x64(ww)\n");
}

TEST_F(MenuBuilder, DelimiterChangesApplyToLaterLinesOnly) {
    const std::string text = "Tab\tnotepad.exe\r\n@ItemDelimiter ,\r\nNotepad,notepad.exe\r\nA\tB";
    EXPECT_EQ(Build(text), "POPUP KOV\nITEM 1 Tab\nITEM 3 Notepad\nITEM 4 A\tB\n");
    EXPECT_EQ(settings.ItemDelimiter, ",");
}

TEST_F(MenuBuilder, BracketImbalanceIsHarmless) {
    EXPECT_EQ(Build("]\r\n]\r\nTop\r\n[Sub\r\nIn\r\n[Deeper\r\nDeep\r\n]\r\n]\r\n]\r\nAfter"),
              "POPUP KOV\nITEM 3 Top\nPOPUP Sub\n  ITEM 5 In\n  POPUP Deeper\n    ITEM 7 Deep\n"
              "ITEM 11 After\n");
    EXPECT_EQ(Build("[Open\r\nInside\r\nStill inside"),
              "POPUP KOV\nPOPUP Open\n  ITEM 2 Inside\n  ITEM 3 Still inside\n");
}

TEST_F(MenuBuilder, EveryEncodingAndLineEndGivesTheSameTree) {
    const MenuFont font{"MS Shell Dlg", 8, false, false};
    const std::string ansiCafe =
        "[\xDC"
        "berblick\r\n\xA6gCaf\xE9\r\n]\r\n";
    const struct {
        std::string ansi;
        std::string tree;
    } files[] = {
        {ReadTestData("worked_example.mnu"), ReadTestData("worked_example.tree")},
        {ReadTestData("sample.mnu"), ReadTestData("sample.tree")},
        {ansiCafe,
         "POPUP KOV\nPOPUP \xC3\x9C"
         "berblick\n  GRAYED 2 Caf\xC3\xA9\n"},
    };
    for (const auto& file : files) {
        const auto text = DecodeText(file.ansi, fake.ansi).text;
        for (const auto encoding :
             {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf8WithMark,
              TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
            EXPECT_EQ(Build(*EncodeText(text, encoding, fake.ansi)), file.tree)
                << static_cast<int>(encoding) << file.ansi;
        }
        for (const auto* lineEnd : {"\n", "\r"}) {
            EXPECT_EQ(Build(ReplaceAll(file.ansi, "\r\n", lineEnd)), file.tree) << file.ansi;
        }
    }
    // A mark is not part of line 1, so a setting there applies.
    Build("\xEF\xBB\xBF@NoIcons 1\r\n");
    EXPECT_TRUE(settings.NoIcons);
}

TEST_F(MenuBuilder, MissingHiddenOrUnreadableFiles) {
    EXPECT_EQ(BuildExisting(), "POPUP KOV\n");
    EXPECT_FALSE(lines);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, "No menu file was found.");
    EXPECT_EQ(fake.messages.shown[0].title, "KOV");
    EXPECT_EQ(fake.messages.shown[0].flags, 16u);

    fake.files.files[path] = "Item";
    fake.files.hidden.insert(path);
    BuildExisting();
    EXPECT_FALSE(lines);
    EXPECT_EQ(fake.messages.shown.size(), 2u);

    fake.files.hidden.clear();
    fake.files.unreadable.insert(path);
    EXPECT_EQ(BuildExisting(), "POPUP KOV\n");
    ASSERT_TRUE(lines);
    EXPECT_TRUE(lines->empty());
    EXPECT_EQ(fake.messages.shown.size(), 2u);
}

TEST_F(MenuBuilder, LinesBeyondTheLineRangeAreGrayed) {
    std::string text;
    for (int i = 1; i <= 2002; ++i) text += (i >= 2000 ? "Item" + std::to_string(i) : ";") + "\r\n";
    const auto tree = Build(text);
    EXPECT_EQ(tree, "POPUP KOV\nITEM 2000 Item2000\nGRAYED 2001 Item2001\nGRAYED 2002 Item2002\n");
}

TEST_F(MenuBuilder, DeepNestingAndHugeLines) {
    std::string text;
    for (int i = 0; i < 10000; ++i) text += "[x\r\n";
    text += std::string(1 << 20, 'a') + "\r\n";
    text += std::string("\0\0\xFF", 3);
    Build(text);
    EXPECT_EQ(fake.menus.Created(), 2u + 10000u);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 10003u);
    EXPECT_EQ((*lines)[10000].size(), 1u << 20);  // the item table keeps the line whole

    // A huge caption is cut to what a popup can show.
    EXPECT_EQ(Build(std::string(1 << 20, 'b')),
              "POPUP KOV\nITEM 1 " + std::string(4096, 'b') + "\n");
}

}  // namespace
}  // namespace kov
