#include "commands/execute_command.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_platform.h"

namespace kov {
namespace {

using platform::ShellRequest;

class Dispatch : public ::testing::Test {
  protected:
    // Runs the menu file's line (identifier 1) or the given identifier.
    AfterCommand Choose(CommandId id) {
        CommandContext context{fake.platform, settings, MenuLines, FolderItemPaths,
                               sMenuFile,     strings,  numbers,   expander};
        return ExecuteCommand(id, context);
    }
    AfterCommand ChooseLine(const std::string& line) {
        MenuLines = {line};
        return Choose(1);
    }
    std::vector<std::string> Launched() const {
        std::vector<std::string> files;
        for (const auto& r : fake.shell.executed) files.push_back(r.file);
        return files;
    }

    fakes::FakePlatform fake;
    MenuSettings settings;
    Expander expander{fake.environment, "C:\\Tools\\Menu", fake.clipboard, fake.clock, settings};
    UIStrings strings = DefaultUIStrings("KOV");
    NumberFormat numbers{'.'};
    std::vector<std::string> MenuLines;
    std::vector<std::string> FolderItemPaths{""};
    std::string sMenuFile = "C:\\Tools\\Menu\\KOV.mnu";
};

TEST_F(Dispatch, ProgramMenuIdentifiersAndNothingChosen) {
    EXPECT_EQ(Choose(CMD_SETTINGS), AfterCommand::KeepMainWindowOpen);
    EXPECT_EQ(Choose(CMD_ABOUT), AfterCommand::ShowAbout);
    for (const CommandId id : {CMD_NOTHING, CMD_EXIT, 7, -9}) {
        EXPECT_EQ(Choose(id), AfterCommand::CloseMainWindow) << id;
    }
    EXPECT_TRUE(fake.shell.executed.empty());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(Dispatch, CommandFieldsRunInOrderAndAnUnknownSpecialCommandDoesNotStopThem) {
    fake.environment.variables["windir"] = "C:\\windows";
    EXPECT_EQ(ChooseLine("  \t&Three\tnotepad.exe|a.txt|%windir%|2\t\xC2\xA6z|x\t\tcalc.exe  "),
              AfterCommand::CloseMainWindow);
    EXPECT_EQ(
        fake.shell.executed,
        (std::vector<ShellRequest>{{true, std::nullopt, "notepad.exe", "a.txt", "C:\\windows", 2},
                                   {true, std::nullopt, "calc.exe", "", "", 1}}));
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, "Unknown special command!\r\n'\xC2\xA6z'");
    EXPECT_EQ(fake.messages.shown[0].flags, 16u);
}

TEST_F(Dispatch, LinesWithoutCommandsAndMissingLinesLaunchNothing) {
    ChooseLine("Caption only");
    ChooseLine("Caption\t");
    Choose(5);  // beyond the file
    EXPECT_TRUE(fake.shell.executed.empty());
    EXPECT_TRUE(fake.shell.processes.empty());
}

TEST_F(Dispatch, DelimitersInForceAtTheEndOfTheFileSplitTheLine) {
    settings.ItemDelimiter = "::";
    settings.ParameterDelimiter = "\xC2\xA4";
    ChooseLine(
        "A::prog.exe\xC2\xA4-p\xC2\xA4"
        "C:\\w\xC2\xA4"
        "3\xC2\xA4ignored");
    EXPECT_EQ(fake.shell.executed,
              (std::vector<ShellRequest>{{true, std::nullopt, "prog.exe", "-p", "C:\\w", 3}}));
}

TEST_F(Dispatch, WindowStates) {
    const struct {
        const char* state;
        const char* checked;
    } cases[] = {{"2", "2"},       {"0", "0"},   {"10", "10"},   {"11", "1"},
                 {"-1", "1"},      {"abc", "1"}, {"1e9", "1"},   {"-0", "-0"},
                 {"  3 ", "  3 "}, {"", "1"},    {"9.5", "9.5"}, {"10.6", "1"}};
    for (const auto& c : cases)
        EXPECT_EQ(sCheckWindowState(c.state, numbers), c.checked) << c.state;
    ChooseLine("X\tp.exe|||  3 \tq.exe|||-0\tr.exe|||1e9");
    ASSERT_EQ(fake.shell.executed.size(), 3u);
    EXPECT_EQ(fake.shell.executed[0].show, 3);
    EXPECT_EQ(fake.shell.executed[1].show, 0);
    EXPECT_EQ(fake.shell.executed[2].show, 1);
}

TEST_F(Dispatch, UrlsInAnyLetterCaseGoToTheBrowserWithEncodedClipboardText) {
    fake.shell.browser = "C:\\b.exe";
    fake.clipboard.text = "a b";
    ChooseLine("X\tWWW.example.com/?q=\xC2\xA6s|ignored\tHttps://x\tFTP://y\tmailto:m?s=\xC2\xA6s");
    EXPECT_EQ(
        fake.shell.executed,
        (std::vector<ShellRequest>{{false, "OPEN", "C:\\b.exe", "WWW.example.com/?q=a+b", "", 1},
                                   {false, "OPEN", "C:\\b.exe", "Https://x", "", 1},
                                   {false, "OPEN", "C:\\b.exe", "FTP://y", "", 1},
                                   {true, std::nullopt, "mailto:m?s=a b", "", "", 1}}));
    EXPECT_EQ(fake.shell.lookedUp.size(), 1u);  // the browser is looked up once per run
}

TEST_F(Dispatch, SpecialCommands) {
    fake.clipboard.text = "clip";
    fake.files.files["C:\\Tools\\Menu\\notes.txt"] = "notes";
    fake.windows.windows = {{7, "My Notepad"}, {8, "Other"}};
    ChooseLine(
        "X\t\xC2\xA6P|C:\\a.pdf|.\\w\t\xC2\xA6x|NOTEPAD\t\xC2\xA6"
        "c|notes.txt");
    EXPECT_EQ(fake.shell.executed,
              (std::vector<ShellRequest>{
                  {true, "Print", "C:\\a.pdf", std::nullopt, "C:\\Tools\\Menu\\w", 1}}));
    EXPECT_EQ(fake.windows.closed, std::vector<platform::WindowHandle>{7});
    EXPECT_EQ(fake.clipboard.text, "notes");
    ChooseLine("X\t\xC2\xA6S|[\xC2\xA6s]");
    EXPECT_EQ(fake.clipboard.text, "[notes]");
    ChooseLine("X\t\xC2\xA6|x\t\xC2\xA6");  // a lone broken bar is an unknown special command
    EXPECT_EQ(fake.messages.shown.size(), 2u);
}

TEST_F(Dispatch, PrintingTheClipboardTextPrintsTheText) {
    std::vector<std::string> printed;
    fake.shell.onExecute = [&](const ShellRequest& r) {
        printed.push_back(fake.files.files.at(r.file));
    };
    fake.clipboard.text = "clip";
    ChooseLine("X\t\xC2\xA6p|\xC2\xA6s\t\xC2\xA6p|\xC2\xA6\x64(yyyy) note: \xC2\xA6S|.\\w");
    EXPECT_EQ(printed, (std::vector<std::string>{"clip\r\n", "2024 note: clip\r\n"}));
    EXPECT_EQ(fake.shell.executed.at(1).directory, "C:\\Tools\\Menu\\w");
    fake.clipboard.text.reset();
    ChooseLine("X\t\xC2\xA6p|\xC2\xA6s");
    EXPECT_EQ(fake.shell.executed.size(), 2u);  // an empty clipboard prints nothing
}

TEST_F(Dispatch, AppendReplacesClipboardThenDateThenEscapes) {
    const std::string log = "C:\\Tools\\Menu\\log.txt";
    fake.files.files[log] = "";
    fake.clipboard.text = "clip";
    fake.clipboard.files = std::vector<std::string>{"C:\\f.txt"};
    ChooseLine(
        "X\t\xC2\xA6"
        "a.\\log.txt|\xC2\xA6s and \xC2\xA6S \xC2\xA6"
        "f\\n\xC2\xA6"
        "d(yyyy)\\tend");
    ChooseLine(
        "X\t\xC2\xA6"
        "A.\\log.txt|files: \xC2\xA6"
        "F");
    fake.clipboard.text.reset();
    ChooseLine(
        "X\t\xC2\xA6"
        "a.\\log.txt|[\xC2\xA6s]");
    // The log is an ANSI file, so the broken bar goes in as its one ANSI byte.
    EXPECT_EQ(fake.files.files.at(log),
              "clip and clip \xA6"
              "f\r\n2024\tend\r\nfiles: C:\\f.txt\r\n[]\r\n");
}

TEST_F(Dispatch, EditTheMenu) {
    Choose(CMD_EDIT);
    settings.MenuEditor = "notepad.exe|\xC2\xA6m /x \xC2\xA6m||2";
    Choose(CMD_EDIT);
    EXPECT_EQ(settings.MenuEditor, "notepad.exe|" + sMenuFile + " /x " + sMenuFile + "||2");
    settings.MenuEditor = "ed.exe|\xC2\xA6M";  // found, but only the exact placeholder is replaced
    Choose(CMD_EDIT);
    settings.MenuEditor = "|\xC2\xA6m";  // no program part
    Choose(CMD_EDIT);
    EXPECT_EQ(fake.shell.executed,
              (std::vector<ShellRequest>{
                  {true, std::nullopt, sMenuFile, "", "", 1},
                  {true, std::nullopt, "notepad.exe", sMenuFile + " /x " + sMenuFile, "", 2},
                  {true, std::nullopt, "ed.exe", "\xC2\xA6M", "", 1}}));
}

TEST_F(Dispatch, HelpTakesTheFirstFileOfFourExtensions) {
    Choose(CMD_HELP);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, "No helpfile was found.");
    EXPECT_EQ(fake.messages.shown[0].flags, 64u);
    fake.files.files["C:\\Tools\\Menu\\KOV.lnk"] = "";
    fake.files.files["C:\\Tools\\Menu\\KOV.html"] = "";
    EXPECT_EQ(Choose(CMD_HELP), AfterCommand::CloseMainWindow);
    EXPECT_EQ(fake.shell.executed,
              (std::vector<ShellRequest>{
                  {true, std::nullopt, "C:\\Tools\\Menu\\KOV.html", "", "C:\\Tools\\Menu", 1}}));
}

TEST_F(Dispatch, FolderEntriesRunTheirPathAndNothingBeyondTheTable) {
    FolderItemPaths = {"", "C:\\Docs\\a b.txt"};
    Choose(2001);
    Choose(2002);
    Choose(INT32_MAX);
    EXPECT_EQ(Launched(), std::vector<std::string>{"C:\\Docs\\a b.txt"});
}

}  // namespace
}  // namespace kov
