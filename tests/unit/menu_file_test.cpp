// Reading a menu file: the tree, the settings directives and the sample file.
#include "menufile/menu_builder.h"

#include <gtest/gtest.h>

#include "app/default_menu_file.h"
#include "core/text.h"
#include "menufile/settings_directives.h"
#include "tests/fakes/fake_menu_file.h"
#include "tests/unit/test_support.h"

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
        settings = MenuSettings{};
        menuFile.problems = MenuProblems{};
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

TEST_F(MenuBuilder, EveryKindOfLineAndEveryEncodingAndLineEndGivesTheSameTree) {
    for (const std::string name : {"lines", "worked_example", "sample"}) {
        const auto ansi = ReadTestData(name + ".mnu");
        const auto tree = ReadTestData(name + ".tree");
        const auto text = DecodeText(ansi, fake.ansi).text;
        for (const auto encoding :
             {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf8WithMark,
              TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
            EXPECT_EQ(Build(*EncodeText(text, encoding, fake.ansi)), tree) << name;
        }
        for (const auto* lineEnd : {"\n", "\r"}) {
            EXPECT_EQ(Build(ReplaceAll(ansi, "\r\n", lineEnd)), tree) << name;
        }
    }
    EXPECT_EQ(menuFile.problems.Count(), 0u);  // the sample's
    Build(ReadTestData("worked_example.mnu"));
    EXPECT_EQ(settings.BGMenuColor, 0xE0FFFFu);
    // Eleven lines, the piece after the final CR LF and the one after the appended CR LF.
    ASSERT_EQ(lines->size(), 13u);
    // A mark is not part of line 1, so a setting there applies.
    Build("\xEF\xBB\xBF@NoIcons 1\r\n");
    EXPECT_TRUE(settings.NoIcons);
}

TEST_F(MenuBuilder, FolderMenuLinesListTheirFolderWhenOpened) {
    fake.environment.variables["DOCS"] = "C:\\Docs";
    for (const char* file :
         {"C:\\Docs\\a.txt", "C:\\Docs\\b.txt", "C:\\Docs\\c.doc", "C:\\Tools\\Menu\\l.txt"}) {
        fake.folders.Add(file);
    }
    Build(
        "\xC2\xA6qAll|%DOCS%\r\n\xC2\xA6QText|%DOCS%|*.txt|b*|x\r\n@ParameterDelimiter ,\r\n"
        "\xC2\xA6qHere,.\\,*\r\n\xC2\xA6qCaption only");
    fake.menus.OpenEverySubmenu(root, [this](auto menu) { menuFile.folderMenus.FillOnOpen(menu); });
    // Without an include pattern only the folder itself.
    EXPECT_EQ(fake.menus.Dump(root),
              "POPUP KOV\nPOPUP All\n  ITEM 2001 .\nPOPUP Text\n  ITEM 2002 a.txt\n"
              "  ITEM 2003 .\nPOPUP Here\n  ITEM 2004 l.txt\n  ITEM 2005 .\nPOPUP Caption only\n");
    EXPECT_EQ(menuFile.FolderItemPaths[4], "C:\\Tools\\Menu\\l.txt");
}

TEST_F(MenuBuilder, BigFiles) {
    std::string text;
    for (int i = 1; i <= 2002; ++i) text += (i >= 2000 ? "Item" + std::to_string(i) : ";") + "\r\n";
    EXPECT_EQ(Build(text),
              "POPUP KOV\nITEM 2000 Item2000\nGRAYED 2001 Item2001\nGRAYED 2002 Item2002\n");
    EXPECT_EQ(ProblemTexts(menuFile.problems, "", ": ")[1],
              "2001: only lines 1 to 2000 can run a command; this item is grayed");
}

TEST_F(MenuBuilder, ProblemsNameTheirLine) {
    fake.files.files["C:\\Tools\\a.exe"] = "";
    fake.files.folders.insert("C:\\Docs");
    const std::string longCaption(5000, 'x');
    // Each line of a file with the problem it must show; "" for none.
    const Rows<> fileLines = {
        {"@BGMenuColour 1,2,3", "unknown setting @BGMenuColour; did you mean @BGMenuColor?"},
        {"@NoIcon 1", "unknown setting @NoIcon; did you mean @NoIcons?"},
        {"@Frobnicate 1", "unknown setting @Frobnicate"},
        {"@NoHelpPlease 1", "@NoHelp: True, False or a number expected, not \"lease 1\""},
        {"@TextColor red", "@TextColor: red, green, blue (black is used) expected, not \"red\""},
        {"@FontSize 1e9", "@FontSize: a size in points expected, not \"1e9\""},
        {"@FontBold yes", "@FontBold: True, False or a number expected, not \"yes\""},
        {"@ParameterDelimiter  ", "@ParameterDelimiter: a delimiter expected, not \"\""},
        {"@ParameterDelimiter |", ""},
        {"@LanguageFile .\\no.lng", "language file not found: C:\\Tools\\Menu\\no.lng"},
        {"@SkinBackground C:\\Tools\\a.exe", "skin picture cannot be read: C:\\Tools\\a.exe"},
        {"@SkinBGSelected C:\\no.jpg", "skin picture not found: C:\\no.jpg"},
        {"@CustomIcon A|C:\\no.ico", "icon not found: C:\\no.ico"},
        {"@CustomIcon A|C:\\Tools\\a.exe|C:\\m.bmp", "icon mask not found: C:\\m.bmp"},
        {"@CustomIcon a|C:\\Tools\\a.exe", "a second @CustomIcon for a is ignored"},
        {"]", "] without an open submenu"},
        {"\xC2\xA6qDocs|C:\\Nowhere|*", "folder not found: C:\\Nowhere"},
        {"\xC2\xA6qDocs|C:\\Docs", ""},
        {"Caption\x01only", "no command after the caption Caption\\x01only"},
        {"Empty\t", "no command after the caption Empty"},
        {"Special\tnotepad.exe\t\xC2\xA6Z|x", "unknown special command \xC2\xA6Z"},
        {"Append\t\xC2\xA6"
         "a.\\log.txt|x",
         ""},
        {"Run\tC:\\Tools\\a.exe /x", ""},
        {"Run\tC:\\Tools\\b.exe||C:\\", "program not found: C:\\Tools\\b.exe"},
        {"Run\t.\\b.exe", "program not found: C:\\Tools\\Menu\\b.exe"},
        {"Run\t\\\\server\\b.exe\tnotepad.exe\thttp://x", ""},
        {longCaption + "\tx",
         "a caption longer than 4096 bytes is cut: " + longCaption.substr(0, 100) + "..."},
        {"[Sub", ""},
        {"[Never closed", ""},
        {"]", ""},
    };
    std::string text, expected;
    int line = 0;
    for (const auto& [content, problem] : fileLines) {
        text += content + "\r\n";
        ++line;
        if (!problem.empty()) expected += std::to_string(line) + ": " + problem + "\n";
    }
    const auto tree = Build(text);
    expected += std::to_string(line - 2) + ": [ is never closed by ]\n";
    std::string seen;
    for (const auto& problem : ProblemTexts(menuFile.problems, "", ": ")) seen += problem + "\n";
    EXPECT_EQ(seen, expected);
    // What is wrong changes nothing that is built.
    EXPECT_NE(tree.find("\nITEM 19 Caption\x01only\n"), std::string::npos);

    // A file that is UTF-8 but for one byte is read as ANSI; one with the mark reads it as U+FFFD.
    Build("A\tx\r\n\xC3\xA9\tx\nB\xE9\tx");
    EXPECT_EQ(ProblemTexts(menuFile.problems, "", ": ").at(0),
              "3: byte \\xE9 is not UTF-8; the whole file was read in the ANSI code page instead");
    Build("\xEF\xBB\xBF\xE9\tx");
    EXPECT_EQ(ProblemTexts(menuFile.problems, "", ": ").at(0),
              "1: byte \\xE9 is not UTF-8; it was read as U+FFFD");
    // UTF-16 LE: "[A", "-", a lone low surrogate; the open "[" is listed first, at its line.
    Build(std::string("\xFF\xFE[\0A\0\r\0\n\0-\0\n\0\x00\xDC\t\0x\0", 20));
    EXPECT_EQ(ProblemTexts(menuFile.problems, "", ": "),
              (std::vector<std::string>{
                  "1: [ is never closed by ]",
                  "3: UTF-16 surrogate U+DC00 has no partner; it was read as U+FFFD"}));
}

TEST_F(MenuBuilder, ProgramSectionsKeepTheLinesOfTheWindowInFront) {
    const std::string file =
        "A\tx\r\n@ForPrograms notepad.exe; *CODE*.exe\r\n[B\r\nB\tx\r\n]\r\n"
        "@forprograms class=CabinetWClass\r\nC\tx\r\n@ForPrograms \xC3\x84pfel?.exe\r\nD\tx\r\n"
        "@ForPrograms\r\nE\tx\r\n@ForPrograms x.exe\r\nF\tx";
    const auto captions = [&](const std::string& front) {
        const auto parts = SplitText(front, "/");
        fake.platform.front = {front.empty() ? 0u : 1u, parts.empty() ? "" : parts[0],
                               parts.size() > 1 ? parts[1] : ""};
        std::string kept;
        for (const auto& line : SplitText(Build(file), "\n")) {
            if (line.find("ITEM ") != std::string::npos) kept += line.back();
        }
        return kept;
    };
    // Program file name / window class of the window in front; "" over the desktop.
    ExpectRows<std::string>({{"", "AE"},
                             {"notepad.exe/Notepad", "ABE"},
                             {"NOTEPAD.EXE/x", "ABE"},
                             {"VSCode.exe/x", "ABE"},
                             {"code.exe/x", "ABE"},
                             {"codex.ex/x", "AE"},
                             {"notepad.exe.bak/x", "AE"},
                             {"explorer.exe/cabinetwclass", "ACE"},
                             {"\xC3\xA4PFEL1.EXE/x", "ADE"},
                             {"\xC3\xA4pfel12.exe/x", "AE"},
                             {"x.exe/x", "AEF"}},
                            captions);
    menuFile.everySection = true;
    EXPECT_EQ(captions(""), "ABCDEF");
    EXPECT_EQ(menuFile.problems.Count(), 0u);

    // Problems show whatever is in front.
    menuFile.everySection = false;
    Build(
        "@ForPrograms ; ;\r\n@ForPrograms a.exe;class=\r\n[S\r\n@ForPrograms C:\\b.exe\r\n]\r\n"
        "[T\r\n@ForPrograms *\r\n]\r\n]\r\n");
    EXPECT_EQ(
        ProblemTexts(menuFile.problems, "", ": "),
        (std::vector<std::string>{
            "1: @ForPrograms: the pattern list is empty",
            "2: @ForPrograms: cannot read the pattern class=",
            "4: a submenu opened in the @ForPrograms section of line 2 is still open where it ends",
            "4: @ForPrograms: cannot read the pattern C:\\b.exe",
            "5: ] closes a submenu opened before the @ForPrograms section of line 4",
            "7: a submenu opened in the @ForPrograms section of line 4 is still open where it ends",
            "8: ] closes a submenu opened before the @ForPrograms section of line 7"}));
}

TEST_F(MenuBuilder, SettingsDirectives) {
    fake.environment.variables["HOME"] = "D:\\Home";
    Build(
        "@textcolor 255, 0, 0\r\n@SELBGMENUCOLOR=1,1,1\r\n@BGMenuColor red\r\n"
        "@FontName  Arial\r\n@ParameterDelimiter  \xC2\xA4  \r\n@StringDelimiter \\n\r\n"
        "@MenuEditor  e.exe|\xC2\xA6m \r\n@LanguageFile %HOME%\\x.lng\r\n@FontSize 8.5\r\n"
        "@FontSize big\r\n@FontBold 1\r\n@NoHelpPlease 1\r\n@NoExitX1\r\n@Unknown 1\r\n"
        "@shellicons -1\r\n@");
    EXPECT_EQ(settings.TextColor, 255u);
    EXPECT_EQ(settings.SelBGMenuColor, 0x010101u);  // any one character ends the key
    EXPECT_EQ(settings.LanguageFile, "D:\\Home\\x.lng");
    EXPECT_EQ(settings.font.FontSize, 8);
    EXPECT_TRUE(settings.font.FontBold);
    // A longer word counts as its key; the value is what follows the key and one character.
    EXPECT_FALSE(settings.NoHelp);
    EXPECT_TRUE(settings.NoExit);
    EXPECT_TRUE(settings.ShellIcons);
    // One whole character ends the key; a key's letter may take more bytes in another case.
    ExpectRows<std::string>({{"@ItemDelimiter\xC2\xA0,", ","}, {"@\xC5\xBFtringDelimiter ;", ";"}},
                            [&](const std::string& line) {
                                settings.ItemDelimiter = settings.StringDelimiter = "";
                                ApplySettingsLine(line, settings, menuFile.settingsContext);
                                return settings.ItemDelimiter + settings.StringDelimiter;
                            });
    // Words and numbers only: anything else leaves the flag as it was.
    const Rows<> flags = {
        {"yes", "kept"}, {"true", "on"},   {"TRUE", "on"}, {"-1", "on"},
        {"0", "off"},    {"False", "off"}, {"", "kept"},   {"2.5", "on"},
    };
    ExpectRows(flags, [&](const std::string& value) {
        std::string seen;
        for (const bool before : {false, true}) {
            settings.NoIcons = before;
            ApplySettingsLine("@NoIcons " + value, settings, menuFile.settingsContext);
            seen += settings.NoIcons ? "1" : "0";
        }
        return seen == "01" ? "kept" : seen == "11" ? "on" : seen == "00" ? "off" : seen;
    });
}

TEST_F(MenuBuilder, CustomIcons) {
    fake.files.files["C:\\Tools\\Menu\\a.ico"] = "";
    fake.files.files["C:\\b.ico"] = "";
    Build(
        "@CustomIcon &Notepad\r\n@CustomIcon &N|C:\\none.ico\r\n"
        "@CustomIcon &Notepad|.\\a.ico|.\\mask.bmp|x\r\n@CustomIcon &NOTEPAD|C:\\b.ico\r\n"
        "@ParameterDelimiter ,\r\n@CustomIcon Calc,C:\\b.ico");
    const auto& icons = menuFile.icons;
    ASSERT_EQ(icons.size(), 2u);  // the first of one key in any letter case wins
    EXPECT_EQ(icons.at("&notepad").picture, "C:\\Tools\\Menu\\a.ico");
}

TEST(DefaultMenuFile, SampleCarriesTheFontAndGoesToTheProgramFolder) {
    fakes::FakeFiles files;
    fakes::Latin1 ansi;
    std::string path = "D:\\elsewhere.mnu";
    // A font name the code page cannot spell turns the sample into UTF-8 with its mark.
    ASSERT_TRUE(WriteDefaultMenuFile(files, {"C:\\M", "KOV"}, ansi, path,
                                     {"\xE5\xBE\xAE", 8, false, false}));
    EXPECT_EQ(path, "C:\\M\\KOV.mnu");
    EXPECT_TRUE(files.files.at(path).starts_with("\xEF\xBB\xBF@BGMenuColor"));
    // The size line as the sample writes it, for no and negative sizes too.
    for (const auto& [size, line] :
         {std::pair{-3.0, ";@FontSize -3 \r\n"}, {0.0, ";@FontSize  0 \r\n"}}) {
        EXPECT_NE(DefaultMenuFileText({"X", size, false, false}).find(line), std::string::npos);
    }
    MenuSettings settings;
    settings.font.FontName = "Kept";
    settings.NoHelp = true;
    SetDefaults(settings, {'.'});
    EXPECT_EQ(settings.SelBGMenuColor, 0xC8C8C8u);
    EXPECT_EQ(settings.font.FontName + settings.ItemDelimiter, "Kept\t");
    EXPECT_FALSE(settings.NoHelp);
}

}  // namespace
}  // namespace kov
