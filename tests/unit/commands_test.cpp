// What a chosen item does: dispatch, expansion, the shell, the clipboard and other windows.
#include <gtest/gtest.h>

#include "commands/clipboard_commands.h"
#include "commands/close_windows.h"
#include "commands/execute_command.h"
#include "commands/expand_string.h"
#include "commands/icon_target.h"
#include "commands/shell_launching.h"
#include "odmenu/item_icon.h"
#include "tests/fakes/fake_platform.h"
#include "tests/unit/test_support.h"

namespace kov {
namespace {

using Requests = std::vector<platform::ShellRequest>;

class Commands : public ::testing::Test {
  protected:
    AfterCommand Choose(CommandId id, WhereTheUserIs* where = nullptr) {
        CommandContext context{fake.platform, settings, MenuLines, FolderItemPaths, sMenuFile,
                               strings,       numbers,  expander,  where,           modifier};
        return ExecuteCommand(id, context);
    }
    // Runs line as the menu file's line 1.
    AfterCommand ChooseLine(const std::string& line) {
        MenuLines = {line};
        return Choose(1);
    }

    fakes::FakePlatform fake;
    MenuSettings settings;
    Expander expander{fake.environment, "C:\\Tools\\Menu", fake.clipboard, fake.clock, settings};
    UIStrings strings = DefaultUIStrings("KOV");
    NumberFormat numbers{'.'};
    ClipboardWriter writer{fake.platform, strings, expander};
    std::vector<std::string> MenuLines;
    std::vector<std::string> FolderItemPaths{""};
    std::string sMenuFile = "C:\\Tools\\Menu\\KOV.mnu";
    ChoiceModifier modifier = ChoiceModifier::None;
};

TEST_F(Commands, ProgramMenuFolderEntriesAndLinesWithoutCommands) {
    ChooseLine("Caption\t");
    for (const CommandId id : {CMD_NOTHING, CMD_EXIT, 2, -9, 2002, INT32_MAX}) {
        EXPECT_EQ(Choose(id), AfterCommand::CloseMainWindow) << id;
    }
    FolderItemPaths = {"", "C:\\Docs\\a b.txt"};
    Choose(2001);
    MenuLines.assign(2000, "");
    MenuLines.back() = "Last\tlast.exe";
    Choose(2000);
    settings.MenuEditor = "ed.exe|\xC2\xA6m /x \xC2\xA6M||2";  // only the exact placeholder
    Choose(CMD_EDIT);
    Choose(CMD_HELP);
    EXPECT_EQ(fake.shell.executed,
              (Requests{{true, {}, "C:\\Docs\\a b.txt", "", "", 1},
                        {true, {}, "last.exe", "", "", 1},
                        {true, {}, "ed.exe", sMenuFile + " /x \xC2\xA6M", "", 2}}));
    EXPECT_EQ(fake.messages.shown, std::vector<std::string>{"No helpfile was found."});
}

// Ctrl+Shift elevates what opens a program or document, Shift shows the first target in its
// folder and runs nothing; the program submenu ignores both.
TEST_F(Commands, ModifiersRunAsAdministratorOrShowInFolder) {
    fake.environment.variables["windir"] = "C:\\windows";
    fake.shell.browser = "b.exe";
    FolderItemPaths = {"", "C:\\Docs\\", "C:\\"};
    modifier = ChoiceModifierOf(true, true);
    ChooseLine("X\tp.exe|-a|C:\\w|3\t\xC2\xA6s|clip\thttp://x");
    Choose(2001);
    settings.MenuEditor = "ed.exe";
    Choose(CMD_EDIT);
    modifier = ChoiceModifierOf(false, true);
    ChooseLine("X\t\t%windir%\\notepad.exe|a.txt\tcalc.exe");
    ChooseLine("X\t\xC2\xA6s|clip2\tcalc.exe");
    Choose(2001);
    Choose(2002);
    EXPECT_EQ(fake.clipboard.text, "clip");
    EXPECT_EQ(fake.shell.executed,
              (Requests{{true, "runas", "p.exe", "-a", "C:\\w", 3},
                        {false, "OPEN", "b.exe", "http://x", "", 1},
                        {true, "runas", "C:\\Docs\\", "", "", 1},
                        {true, {}, "ed.exe", "", "", 1},
                        {true, {}, "explorer.exe", "/select,\"C:\\windows\\notepad.exe\"", "", 1},
                        {true, {}, "explorer.exe", "/select,\"C:\\Docs\"", "", 1},
                        {true, {}, "explorer.exe", "/select,C:\\", "", 1}}));
}

TEST_F(Commands, FieldsRunInOrderWithTheDelimitersInForce) {
    fake.environment.variables["windir"] = "C:\\windows";
    // An unknown special command, a lone broken bar too, does not stop the others.
    ChooseLine("  \t&Three\tnotepad.exe|a.txt|%windir%|2\t\xC2\xA6z|x\t\xC2\xA6\t\tcalc.exe  ");
    settings.ItemDelimiter = "::";
    settings.ParameterDelimiter = "\xC2\xA4";
    ChooseLine("A::p.exe\xC2\xA4-p\xC2\xA4w\xC2\xA4  3 \xC2\xA4x::q.exe\xC2\xA4\xC2\xA4\xC2\xA4-0");
    EXPECT_EQ(fake.shell.executed, (Requests{{true, {}, "notepad.exe", "a.txt", "C:\\windows", 2},
                                             {true, {}, "calc.exe", "", "", 1},
                                             {true, {}, "p.exe", "-p", "w", 3},
                                             {true, {}, "q.exe", "", "", 0}}));
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.shown[0], "Unknown special command!\r\n'\xC2\xA6z'");
    const Rows<> windowStates = {
        {"2", "2"},   {"10", "10"}, {"11", "1"},    {"-1", "1"},   {"abc", "1"},
        {"-0", "-0"}, {"", "1"},    {"9.5", "9.5"}, {"10.6", "1"},
    };
    ExpectRows(windowStates,
               [this](const std::string& s) { return sCheckWindowState(s, numbers); });
}

TEST_F(Commands, FailedStartsFallBackToTheCommandLineThenToOpenWith) {
    fake.shell.executeResults = {33, 32, 31, 5};
    fake.shell.processIds = {32, 8};  // a process id below 32 counts as a failure
    ChooseLine("X\tok.exe\ttool.exe|-x||3\tdoc.xyz|||  7 ");
    EXPECT_EQ(fake.shell.processes,
              (std::vector<std::string>{"tool.exe @1", "doc.xyz @1",
                                        "rundll32.exe shell32.dll,OpenAs_RunDLL doc.xyz @7"}));
}

TEST_F(Commands, UrlsGoToTheBrowserFoundThroughATemporaryHtmFile) {
    const std::string tempHtm = "C:\\Tools\\Menu\\Temp.htm";
    ChooseLine("X\thttp://x");  // no browser: nothing kept, so asked again
    fake.shell.browser = "  C:\\b.exe ";
    fake.clipboard.text = "a b";
    ChooseLine("X\tWWW.x/?q=\xC2\xA6s|ignored\tHttps://x y \tFTP://y\tmailto:m?s=\xC2\xA6s");
    EXPECT_EQ(fake.shell.executed, (Requests{{false, "OPEN", "C:\\b.exe", "WWW.x/?q=a+b", "", 1},
                                             {false, "OPEN", "C:\\b.exe", "Https://x%20y", "", 1},
                                             {false, "OPEN", "C:\\b.exe", "FTP://y", "", 1},
                                             {true, {}, "mailto:m?s=a b", "", "", 1}}));
    const std::string tempUrl0 = "C:\\Users\\me\\Temp\\KOV_url0.htm";
    EXPECT_EQ(fake.shell.lookedUp, (std::vector<std::string>{tempHtm, tempUrl0, tempHtm}));

    // Files someone else made are asked about at most, never emptied or removed; a lookup that
    // fails in the program folder goes on to the temporary folder.
    fakes::FakePlatform other;
    other.shell.browsers = {std::nullopt};
    other.shell.browser = "b.exe";
    other.files.files[tempHtm] = "<html>";
    other.files.files[tempUrl0] = "theirs";
    ShellLauncher(other.platform, strings, numbers).OpenURL("http://x");
    EXPECT_EQ(other.files.files.at(tempHtm), "<html>");
    other.files.files.erase(tempHtm);
    other.files.unwritable.insert(tempHtm);
    ShellLauncher(other.platform, strings, numbers).OpenURL("http://x");
    const std::string tempUrl1 = "C:\\Users\\me\\Temp\\KOV_url1.htm";
    EXPECT_EQ(other.shell.lookedUp, (std::vector<std::string>{tempHtm, tempUrl1, tempUrl1}));
    EXPECT_EQ(other.files.files, (decltype(other.files.files){{tempUrl0, "theirs"}}));
}

TEST_F(Commands, SpecialCommands) {
    fake.clipboard.text = "clip";
    fake.files.files["C:\\Tools\\Menu\\notes.txt"] = "notes";
    fake.files.files["C:\\Tools\\Menu\\KOV_print0.txt"] = "0";
    fake.windows.windows = {{7, "My Notepad"}, {8, "Other"}};
    std::string printed;
    fake.shell.onExecute = [&](const auto& r) { printed = fake.files.files[r.file]; };
    ChooseLine(
        "X\t\xC2\xA6P|C:\\a.pdf|.\\w\t\xC2\xA6x|NOTEPAD\t\xC2\xA6p|\xC2\xA6\x64(yyyy) "
        "\xC2\xA6S|.\\w\t\xC2\xA6\x63|notes.txt");
    EXPECT_EQ(
        fake.shell.executed,
        (Requests{
            {true, "Print", "C:\\a.pdf", {}, "C:\\Tools\\Menu\\w", 1},
            {true, "Print", "C:\\Tools\\Menu\\KOV_print1.txt", {}, "C:\\Tools\\Menu\\w", 1}}));
    EXPECT_EQ(printed, "2024 clip\r\n");
    EXPECT_EQ(fake.windows.closed, std::vector<platform::WindowHandle>{7});
    EXPECT_EQ(fake.clipboard.text, "notes");
    fake.files.unwritable.insert("C:\\Tools\\Menu\\KOV_print1.txt");
    ChooseLine("X\t\xC2\xA6p|\xC2\xA6s");
    EXPECT_EQ(fake.shell.executed.back().file, "C:\\Users\\me\\Temp\\KOV_print0.txt");
    fake.clipboard.text.reset();
    ChooseLine("X\t\xC2\xA6p|\xC2\xA6s");
    EXPECT_EQ(fake.shell.executed.size(), 3u);  // an empty clipboard prints nothing
}

TEST_F(Commands, AppendInsertsTheClipboardAsItIsInTheFilesOwnEncoding) {
    const std::string log = "C:\\Tools\\Menu\\log.txt";
    fake.files.files[log] = std::string("\0\xFF", 2);
    fake.clipboard.text = "C:\\new\\t\xC2\xA6\x64(y)";
    fake.clipboard.files = std::vector<std::string>{"C:\\new\\f.txt"};
    ChooseLine(
        "X\t\xC2\xA6\x61.\\log.txt|\xC2\xA6s and \xC2\xA6S "
        "\xC2\xA6\x66\\n\xC2\xA6\x64(yyyy)\\tend");
    ChooseLine("X\t\xC2\xA6\x41.\\log.txt|files: \xC2\xA6\x46\t\xC2\xA6\x61none.txt|x");
    fake.clipboard.text.reset();
    ChooseLine("X\t\xC2\xA6\x61.\\log.txt|[\xC2\xA6s]");
    // The log is an ANSI file, so the broken bar goes in as its one ANSI byte.
    const std::string clip = "C:\\new\\t\xA6\x64(y)";
    EXPECT_EQ(fake.files.files.at(log), std::string("\0\xFF", 2) + clip + " and " + clip +
                                            " \xA6\x66\r\n2024\tend\r\nfiles: "
                                            "C:\\new\\f.txt\r\n[]\r\n");
    EXPECT_EQ(fake.messages.shown.at(0),
              "There was an error when trying to append a string to the file 'none.txt'.");
    // The file's encoding is kept, and what an ANSI file cannot hold is refused.
    const std::string kase = "K\xC3\xA4se", utf16 = std::string("\xFF\xFE") + 'a' + '\0';
    const std::string rows[][3] = {
        // the file, the text, the file after it (unchanged: refused)
        {"", kase, kase + "\r\n"},
        {utf16, "\xC3\xA4", utf16 + std::string("\xE4\0\r\0\n\0", 6)},
        {"K\xE4se", "\xE2\x82\xAC", "K\xE4se"},
    };
    for (const auto& [file, text, after] : rows) {
        fake.files.files["C:\\f.txt"] = file;
        ShellLauncher(fake.platform, strings, numbers).AppendToFile("C:\\f.txt", text);
        EXPECT_EQ(fake.files.files["C:\\f.txt"], after) << file << " + " << text;
    }
    EXPECT_EQ(fake.messages.shown.size(), 2u);
}

TEST_F(Commands, ExpandEnvironmentRelativePathsClipboardAndDate) {
    fake.environment.variables["windir"] = "C:\\windows";
    fake.environment.variables["pad"] = "   C:\\x";
    fake.environment.variables["fmt"] = "yyyy";
    const Rows<> expansions = {
        {"%windir%\\notepad.exe", "C:\\windows\\notepad.exe"},
        {"%pad%", "C:\\x"},  // leading blanks of an expansion go
        {"..\\..\\..\\..\\x.exe", "C:\\..\\..\\x.exe"},
        {"a\\..\\b", "a\\..\\b"},
        {"x \xC2\xA6s y", ""},  // no clipboard text: the whole result goes
        {"<\xC2\xA6\x66>", "<>"},
        {"log\xC2\xA6\x64(%fmt%).txt", "log2024.txt"},
    };
    ExpectRows(expansions, [this](const auto& s) { return expander.sExpandString(s, false); });
    fake.clipboard.text = "a b&c";
    EXPECT_EQ(expander.sExpandString("q=\xC2\xA6s", true), "q=a+b%26c");
    fake.clipboard.files = std::vector<std::string>{"C:\\a.txt", "C:\\b c.txt"};
    EXPECT_EQ(expander.sExpandString("\xC2\xA6\x46", false), "C:\\a.txt C:\\b c.txt");
    settings.StringBefore = settings.StringAfter = "\"";
    settings.StringDelimiter = "\" \"";
    EXPECT_EQ(expander.sExpandString("\xC2\xA6\x66", true), "\"C:\\a.txt\" \"C:\\b c.txt\"");
}

TEST_F(Commands, TheWindowInFrontsFolderAndSelectionAndFoldersOpenedThere) {
    fake.place.dialogFolder = "D:\\Save %here%";
    fake.environment.variables["here"] = "expanded again";
    fake.place.folders = {"C:\\Target", "C:\\Docs\\"};
    // Each row: the window in front's class (none over the desktop), what it shows, the text.
    const auto expand = [&](const std::string& row) {
        const auto parts = SplitText(row, "/");
        fake.place.explorer = platform::ExplorerView{parts[1], {"C:\\a b.txt", "C:\\Sub"}};
        WhereTheUserIs where(fake.place, {parts[0].empty() ? 0u : 1u, "x.exe", parts[0]});
        Expander withWhere{fake.environment, "C:\\Tools\\Menu", fake.clipboard,
                           fake.clock,       settings,          &where};
        return withWhere.sExpandString(parts[2], false);
    };
    ExpectRows<std::string>({{"CabinetWClass/C:\\Docs/cd \xC2\xA6w & \xC2\xA6\x45",
                              "cd C:\\Docs & \"C:\\a b.txt\" \"C:\\Sub\""},
                             {"ExploreWClass/\\\\srv\\d/\xC2\xA6W", "\\\\srv\\d"},
                             {"CabinetWClass/::{26EE0668}/[\xC2\xA6w]", "[]"},
                             {"#32770/C:\\Docs/\xC2\xA6w\\\xC2\xA6\x65", "D:\\Save %here%\\"},
                             {"Notepad/C:\\Docs/[\xC2\xA6w][\xC2\xA6\x65]", "[][]"},
                             {"/C:\\Docs/[\xC2\xA6w][\xC2\xA6\x65]", "[][]"}},
                            expand);
    // A file dialog's address bar: "Address: " and a folder.
    ExpectRows<std::optional<std::string>>(
        {{"Address: C:\\ ", "C:\\"}, {"Address: \\\\", {}}, {"C:\\Docs", {}}}, FolderOfAddressText);
    fake.place.questions = 0;
    expand("CabinetWClass/C:\\Docs/\xC2\xA6w\xC2\xA6\x65\xC2\xA6w");
    expand("CabinetWClass/C:\\Docs/%windir%");
    EXPECT_EQ(fake.place.questions, 1);  // once a run, and only when a placeholder asks

    FolderItemPaths = {"", "C:\\Docs\\", "C:\\Docs\\a.txt"};
    // The window in front's class, @FoldersInPlace, whether it goes, the chosen entry.
    const auto open = [&](const std::string& row) {
        const auto parts = SplitText(row, "/");
        fake.shell.executed.clear();
        fake.place.takenTo.clear();
        settings.FoldersInPlace = parts[1] == "1";
        fake.place.goes = parts[2] == "goes";
        WhereTheUserIs where(fake.place, {1, "x.exe", parts[0]});
        MenuLines = {"Go\tC:\\Target|-x"};
        Choose(std::stoi(parts[3]), &where);
        std::string effect;
        for (const auto& taken : fake.place.takenTo) effect += taken + ";";
        for (const auto& request : fake.shell.executed) effect += "shell " + request.file + ";";
        return effect;
    };
    ExpectRows<std::string>({{"#32770/0/goes/1", "dialog C:\\Target;"},
                             {"#32770/0/goes/2001", "dialog C:\\Docs\\;"},
                             {"#32770/0/goes/2002", "shell C:\\Docs\\a.txt;"},
                             {"#32770/0/stays/1", "dialog C:\\Target;shell C:\\Target;"},
                             {"CabinetWClass/0/goes/1", "shell C:\\Target;"},
                             {"CabinetWClass/1/goes/2001", "explorer C:\\Docs\\;"},
                             {"Notepad/1/goes/1", "shell C:\\Target;"}},
                            open);
}

TEST_F(Commands, ClipboardGetsFileContentsOrSaysWhy) {
    fake.files.files["C:\\Tools\\Menu\\notes.txt"] = "relative";
    fake.files.files["C:\\Tools\\Menunotes2.txt"] = "joined";
    fake.files.files["C:\\Tools\\Menu\\D:\\nope.txt"] = "never";
    ExpectRows<std::string>({{"notes.txt", "relative"},
                             {"notes2.txt", "joined"},
                             {"D:\\nope.txt", "joined"},  // a drive path is not searched further
                             {"", "joined"}},
                            [this](const std::string& name) {
                                writer.ClipboardSetFileContents(name);
                                return fake.clipboard.text.value_or("-");
                            });
    fake.clipboard.refuses = true;
    writer.ClipboardSetText("x");
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.shown[0], "The file 'D:\\nope.txt' was not found!");

    fake.windows.windows = {{1, "Untitled - Notepad"},
                            {2, "NOTEPAD help"},
                            {3, "Calc"},
                            {4, ""},
                            {5, "Notepad desktop", true},
                            {6, "KOV notepad", false, true}};
    ExpectRows<std::vector<platform::WindowHandle>>(
        {{"notepad", {1, 2}}, {" notepad", {1}}, {"   ", {}}, {"", {}}, {"c", {3}}},
        [this](const std::string& part) {
            fake.windows.closed.clear();
            CloseWindows(part, fake.windows);
            return fake.windows.closed;
        });
}

TEST_F(Commands, EntryIconSources) {
    fake.environment.variables["windir"] = "C:\\windows";
    fake.folders.remoteDrives = "NE";
    settings.ShellIcons = true;
    IconTargets targets(settings, expander, fake.folders);
    const CustomIconTable custom{{"&Own", {"C:\\own.ico", ""}}};
    const ImageTable images;
    const auto line = [&](const std::string& text) {
        const auto target = targets.For(targets.TargetOfLine(text));
        const ItemPictures pictures{images, custom, target ? &*target : nullptr};
        const auto icon = MeasureIcon(SplitText(text, "\t")[0], pictures, settings.NoIcons, 96);
        if (icon.kind == IconSource::Kind::File) return std::string("custom");
        if (icon.kind != IconSource::Kind::Shell) return std::string("none");
        return (target->byFileTypeOnly ? "type " : "") + icon.picture;
    };
    const Rows<> lines = {
        {"Win\t%windir%\\notepad.exe|x.txt", "C:\\windows\\notepad.exe"},
        {"Doc\t\t..\\a.txt", "C:\\Tools\\a.txt"},
        {"Here\t.\\t.exe\tcalc.exe", "C:\\Tools\\Menu\\t.exe"},
        {"Web\tWWW.example.com", "type .htm"},
        {"Share\t\\\\server\\s\\a.exe", "type \\\\server\\s\\a.exe"},
        {"Mapped\tn:\\a.exe", "type n:\\a.exe"},
        {"Local\tC:\\a.exe", "C:\\a.exe"},
        {"Print\t\xC2\xA6p|a.txt", "none"},
        {"Clip\tnotepad \xC2\xA6S", "none"},
        {"Files\t\xC2\xA6\x66", "none"},
        {"Device\tC:\\x\\com1.txt", "none"},
        {"\xC2\xA6gHeading\tnotepad.exe", "none"},
        {"Caption only", "none"},
        {"&Own\tnotepad.exe", "custom"},
    };
    ExpectRows(lines, line);
    settings.NoIcons = true;
    EXPECT_FALSE(targets.ForPath("C:\\a.txt"));
    settings.NoIcons = false;
    settings.ShellIcons = false;
    EXPECT_EQ(line("Web\thttp://example.com"), "none");
}

}  // namespace
}  // namespace kov
