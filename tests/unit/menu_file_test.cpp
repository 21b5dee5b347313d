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
        settings = MenuSettings{};
        menuFile.problems = MenuProblems{};
        root = fake.menus.CreatePopupMenu();
        fake.menus.AppendMenu(root, platform::menu_flags::kPopup, fake.menus.CreatePopupMenu(),
                              "KOV");
        lines = menuFile.Read(path, root);
        return fake.menus.Dump(root);
    }

    std::vector<std::string> Problems() const {
        return ProblemTexts(menuFile.problems, WindowLocation);
    }
    // The problems, each ended by a line end.
    std::string ProblemLines() const {
        std::string text;
        for (const auto& problem : Problems()) text += problem + "\n";
        return text;
    }

    fakes::FakePlatform fake;
    fakes::FakeMenuFile menuFile{fake};
    MenuSettings& settings = menuFile.settings;
    const std::string path = "C:\\Tools\\Menu\\KOV.mnu";
    platform::MenuHandle root = 0;
    std::optional<std::vector<std::string>> lines;
};

TEST_F(MenuBuilder, EveryKindOfLineAndEveryEncodingAndLineEndGivesTheSameTreeUpToLine2000) {
    using enum TextEncoding;
    for (const std::string name : {"lines", "worked_example", "sample"}) {
        const auto text = DecodeText(ReadTestData(name + ".mnu"), fake.ansi).text;
        const auto tree = ReadTestData(name + ".tree");
        for (const auto encoding : {Ansi, Utf8, Utf8WithMark, Utf16Le, Utf16Be}) {
            EXPECT_EQ(Build(*EncodeText(text, encoding, fake.ansi)), tree) << name;
        }
    }
    EXPECT_EQ(menuFile.problems.Count(), 0u);  // the sample's
    // A mark is not part of line 1, so a setting there applies.
    Build("\xEF\xBB\xBF@NoIcons 1\r\n");
    EXPECT_TRUE(settings.NoIcons);
    std::string text;
    for (int i = 1; i <= 2002; ++i) text += (i >= 2000 ? "Item" + std::to_string(i) : ";") + "\r\n";
    EXPECT_EQ(Build(text),
              "POPUP KOV\nITEM 2000 Item2000\nGRAYED 2001 Item2001\nGRAYED 2002 Item2002\n");
}

TEST_F(MenuBuilder, FolderMenuLinesListTheirFolderWhenOpened) {
    fake.environment.variables["DOCS"] = "C:\\Docs";
    for (const std::string f : {"a.txt", "b.txt", "c.doc"}) fake.folders.Add("C:\\Docs\\" + f);
    fake.folders.Add("C:\\Tools\\Menu\\l.txt");
    Build(
        "\xC2\xA6qAll|%DOCS%\r\n\xC2\xA6QText|%DOCS%|*.txt|b*|x\r\n@ParameterDelimiter ,\r\n"
        "\xC2\xA6qHere,.\\,*\r\n\xC2\xA6qCaption only");
    fake.menus.OpenEverySubmenu(root, [this](auto menu) { menuFile.folderMenus.FillOnOpen(menu); });
    // Without an include pattern only the folder itself.
    EXPECT_EQ(fake.menus.Dump(root),
              "POPUP KOV\nPOPUP All\n  ITEM 2001 .\nPOPUP Text\n  ITEM 2002 a.txt\n"
              "  ITEM 2003 .\nPOPUP Here\n  ITEM 2004 l.txt\n  ITEM 2005 .\nPOPUP Caption only\n");
}

TEST_F(MenuBuilder, ProblemsNameTheirLine) {
    fake.files.files["C:\\Tools\\a.exe"] = "";
    fake.files.folders.insert("C:\\Docs");
    const std::string longCaption(5000, 'x');
    const std::string manyBlanks = ReplaceAll(std::string(20000, ' '), " ", " x");
    // Each line of a file with the problem it must show; "" for none.
    const Rows<> fileLines = {
        {"@BGMenuColour 1,2,3", "unknown setting @BGMenuColour; did you mean @BGMenuColor?"},
        {"@NoIco 1", "unknown setting @NoIco; did you mean @NoIcons?"},
        {"@NoIcoxyz 1", "unknown setting @NoIcoxyz"},  // three edits from @NoIcons
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
        {"Append\t\xC2\xA6\x61.\\log.txt|x", ""},
        {"Run\tC:\\Tools\\a.exe /x", ""},
        {"Run\tC:\\Tools\\b.exe||C:\\", "program not found: C:\\Tools\\b.exe"},
        {"Run\t.\\b.exe", "program not found: C:\\Tools\\Menu\\b.exe"},
        {"Run\t\\\\server\\b.exe\tnotepad.exe\thttp://x", ""},
        {"Run\tC:\\Tools\\b.exe" + manyBlanks, ""},  // looked at only up to the 16th blank
        {longCaption + "\tx",
         "a caption longer than 4096 bytes is cut: " + longCaption.substr(0, 100) + "..."},
        {"@CustomIcon B|C:\\Tools\\a.exe", ""},
        {"@LanguageFile C:\\Tools\\a.exe", ""},
        {std::string(4096, 'y') + "\tx", ""},
        {"[Sub", ""},
        {"[Never closed", ""},
        {"]", ""},
    };
    std::string text, expected;
    int line = 0;
    for (const auto& [content, problem] : fileLines) {
        text += content + "\r\n";
        ++line;
        if (!problem.empty()) expected += "line " + std::to_string(line) + ": " + problem + "\n";
    }
    Build(text);
    expected += "line " + std::to_string(line - 2) + ": [ is never closed by ]\n";
    EXPECT_EQ(ProblemLines(), expected);

    // ANSI text forms a valid UTF-8 pair here and there, and is no UTF-8 gone wrong; UTF-8 with one
    // stray byte is read as ANSI, and says so; with the mark the byte is read as U+FFFD.
    const std::string ansiInstead =
        "byte \\xE9 is not UTF-8; the whole file was read in the ANSI code page instead";
    const Rows<> encodings = {
        {"&\xC2\xB3\xE4\xEA\xF0\xE8\xF2\xE8\tx\r\n&\xC1\xEB\xEE\xEA\xED\xEE\xF2\tx", ""},  // 1251
        {"\x90\xDD\x92\xE8\tx\r\n\x89\xE6\x91\x9C\x95\xD2\x8FW\x83\\\x83t\x83g\tx", ""},   // 932
        {"Gr\xC3\xB6\xC3\x9F\tx\r\n\xC3\x9C\tx\r\nMen\xC3\xBC\xE9\tx", "line 3: " + ansiInstead},
        {"\xE7\xBC\x96\xE8\xBE\x91\xE8\x8F\x9C\xE5\x8D\x95\tx\r\n\xE9\tx",
         "line 2: " + ansiInstead},
        {"\xEF\xBB\xBF\x80\tx", "line 1: byte \\x80 is not UTF-8; it was read as U+FFFD"},
    };
    ExpectRows(encodings, [this](const std::string& file) {
        Build(file);
        const auto problems = Problems();
        return problems.empty() ? std::string() : problems[0];
    });
    // UTF-16 LE: "[" and a pair, "-", a lone high surrogate last; the open "[" is listed first.
    Build(std::string("\xFF\xFE[\0=\xD8\x00\xDE\r\0\n\0-\0\n\0x\0\t\0\x00\xD8", 22));
    EXPECT_EQ(ProblemLines(),
              "line 1: [ is never closed by ]\n"
              "line 3: UTF-16 surrogate U+D800 has no partner; it was read as U+FFFD\n");
}

TEST_F(MenuBuilder, IncludedFilesReadInPlaceWithTheirOwnLinesAndProblems) {
    fake.environment.variables["MENUS"] = "C:\\Tools\\Menu";
    auto& files = fake.files.files;
    const auto at = [](const std::string& name) { return "C:\\Tools\\Menu\\" + name; };
    // Its own encoding and line ends; what it sets and opens goes on in the file that includes it.
    files[at("a.mnu")] =
        *EncodeText("A\ta\n@ItemDelimiter ,\r[Sub", TextEncoding::Utf16Le, fake.ansi);
    files[at("c1.mnu")] = "C1\tx\r\n@Include .\\c2.mnu";
    files[at("c2.mnu")] = "@Include %MENUS%\\C1.mnu\r\nC2\tx";
    const auto d = [](int n) { return "d" + std::to_string(n) + ".mnu"; };
    for (int n = 1; n <= 9; ++n) files[at(d(n))] = "@Include .\\" + d(n + 1);
    files[at("big.mnu")] = ReplaceAll(std::string(2001, ';'), ";", ";\r\n");
    fake.files.folders.insert("C:\\Docs");
    // The menu file, and the tree and problems it gives.
    const Rows<> menus = {
        {"Top\tt\r\n@Include .\\a.mnu\r\nEnd,e",
         "ITEM 1 Top\nITEM 3 A\nPOPUP Sub\n  ITEM 6 End\n"
         "a.mnu line 3: [ is never closed by ]\n"},
        {"@Include .\\c1.mnu\r\n@Include .\\kov.MNU",
         "ITEM 2 C1\nITEM 5 C2\n"
         "c2.mnu line 1: include file C:\\Tools\\Menu\\C1.mnu includes itself; skipped\n"
         "line 2: include file C:\\Tools\\Menu\\kov.MNU includes itself; skipped\n"},
        {"@Include .\\d1.mnu",
         "d8.mnu line 1: includes nest more than 8 levels deep; C:\\Tools\\Menu\\d9.mnu is "
         "skipped\n"},
        {"@Include C:\\nowhere.mnu\r\n@include C:\\Docs\r\n@Include .\\*.mnu\r\nAfter\tx",
         "ITEM 4 After\nline 1: include file not found: C:\\nowhere.mnu\n"
         "line 2: include file not found: C:\\Docs\nline 3: include file not found: "
         "C:\\Tools\\Menu\\*.mnu\n"},
        {"@Include .\\big.mnu\r\nAfter\tx",
         "GRAYED 2002 After\nline 1: only the first 2000 lines and 1 MiB of "
         "C:\\Tools\\Menu\\big.mnu are read\n"
         "line 2: only lines 1 to 2000 can run a command; this item is grayed\n"},
    };
    ExpectRows(menus, [&](const std::string& text) {
        const auto tree = Build(text).substr(std::string("POPUP KOV\n").size());
        return tree + ProblemLines();
    });
}

TEST_F(MenuBuilder, ProgramsWriteTheirSubmenusWhenOpenedOnce) {
    using End = platform::ProgramOutput::End;
    fake.environment.variables["TOOLS"] = "C:\\Tools";
    fake.runner.outputs["cmd.exe /d /s /c \"\"C:\\Tools\\gen.bat\" a b\""] = {
        End::Exited, 0,
        "Run\tnotepad.exe\r\n-\r\n@NoIcons 1\r\n[Sub\r\n\xC2\xA6oDeeper|d.exe\r\n]\n\xC2\xA6gHead"};
    fake.runner.outputs["\"slow.exe\""] = {End::TimedOut, 0, "A\tb"};
    fake.runner.outputs["\"left.exe\""] = {End::Cancelled, 0, "A\tb"};
    Build(
        "@GeneratorTimeout 300\n\xC2\xA6oGen|%TOOLS%\\gen.bat|a b|%TOOLS%\n@GeneratorTimeout 400\n"
        "\xC2\xA6oSlow|slow.exe\n\xC2\xA6oNone\n\xC2\xA6oLeft|left.exe");
    EXPECT_TRUE(fake.runner.runs.empty());
    const auto open = [&](platform::MenuHandle menu) {
        FillGeneratorMenu(menu, *lines, menuFile.context, "No entries");
    };
    fake.menus.OpenEverySubmenu(root, open);
    fake.menus.OpenEverySubmenu(root, open);
    fake.runner.outputs["\"left.exe\""] = {End::Exited, 0, "Back\tb"};
    fake.menus.OpenEverySubmenu(root, open);
    EXPECT_EQ(fake.menus.Dump(root),
              "POPUP KOV\nPOPUP Gen\n  ITEM 8 Run\n  SEPARATOR\n  POPUP Sub\n    POPUP Deeper\n"
              "      GRAYED 0 No entries\n  GRAYED 14 Head\nPOPUP Slow\n  GRAYED 0 No entries\n"
              "POPUP None\n  GRAYED 0 No entries\nPOPUP Left\n  ITEM 15 Back\n");
    // Each once, but the one the user left, which runs at each opening; "None" has no program.
    ASSERT_EQ(fake.runner.runs.size(), 6u);
    // Each from where its line is read; one a program wrote, that of the line above it.
    EXPECT_EQ(fake.runner.runs[0].timeoutMilliseconds, 300u);
    EXPECT_EQ(fake.runner.runs[2].timeoutMilliseconds, 400u);
    // A program whose submenu runs it again nests four deep, no deeper.
    fake.runner.outputs["\"self.exe\""] = {End::Exited, 0, "\xC2\xA6oSelf|self.exe"};
    Build("\xC2\xA6oSelf|self.exe");
    fake.runner.runs.clear();
    fake.menus.OpenEverySubmenu(root, open);
    EXPECT_EQ(fake.runner.runs.size(), 4u);

    // How a run ends, what it wrote, and the lines that gives ("-" when the program failed).
    const std::pair<platform::ProgramOutput, std::string> outputs[] = {
        {{End::Exited, 1, ""}, "-"},
        {{End::Exited, 1, "a\r\nb"}, "a|b|"},
        {{End::NotStarted, 0, ""}, "-"},
        {{End::Exited, 0, std::string("\xFF\xFEx\0\r\0y\0", 8)}, "x|y|"},
        {{End::Exited, 0, std::string(2001, '\n')}, std::string(2000, '|') + "..."},
    };
    for (const auto& [output, expected] : outputs) {
        const auto read = GeneratedLines(output);
        std::string seen = read ? "" : "-";
        for (const auto& line : read ? read->lines : std::vector<std::string>{}) seen += line + "|";
        if (read && read->cut) seen += "...";
        EXPECT_EQ(seen, expected) << output.output.size();
    }
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

    // Problems show whatever is in front, here the desktop.
    fake.platform.front = {};
    Build(
        "@ForPrograms ; ;\r\n@ForPrograms a.exe;class=\r\n[S\r\n@ForPrograms C:\\b.exe\r\n]\r\n"
        "[T\r\n@ForPrograms *\r\n]\r\n]\r\n");
    EXPECT_EQ(Problems(),
              (std::vector<std::string>{
                  "line 1: @ForPrograms: the pattern list is empty",
                  "line 2: @ForPrograms: cannot read the pattern class=",
                  "line 4: a submenu opened in the @ForPrograms section of line 2 is still open "
                  "where it ends",
                  "line 4: @ForPrograms: cannot read the pattern C:\\b.exe",
                  "line 5: ] closes a submenu opened before the @ForPrograms section of line 4",
                  "line 7: a submenu opened in the @ForPrograms section of line 4 is still open "
                  "where it ends",
                  "line 8: ] closes a submenu opened before the @ForPrograms section of line 7"}));
}

TEST_F(MenuBuilder, SettingsDirectives) {
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
}

}  // namespace
}  // namespace kov
