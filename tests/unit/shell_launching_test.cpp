#include "commands/shell_launching.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_platform.h"

namespace kov {
namespace {

using platform::ShellRequest;

class ShellLaunching : public ::testing::Test {
  protected:
    fakes::FakePlatform fake;
    UIStrings strings = DefaultUIStrings("KOV");
    NumberFormat numbers{'.'};
    ShellLauncher launcher{fake.platform, strings, numbers};
    const std::string tempHtm = "C:\\Tools\\Menu\\Temp.htm";
};

TEST_F(ShellLaunching, RunCommandFallsBackToTheCommandLineThenToOpenWith) {
    launcher.RunCommand("notepad.exe", "a.txt", "C:\\w", "2");
    EXPECT_EQ(
        fake.shell.executed,
        (std::vector<ShellRequest>{{true, std::nullopt, "notepad.exe", "a.txt", "C:\\w", 2}}));
    EXPECT_TRUE(fake.shell.processes.empty());

    fake.shell.executeResults = {2, 31, 5};
    fake.shell.processIds = {4000, 8};  // a process id below 32 counts as a failure
    launcher.RunCommand("tool.exe", "-x", "", "3");
    launcher.RunCommand("doc.xyz", "", "", "  7 ");
    using P = fakes::FakeShell::Process;
    EXPECT_EQ(fake.shell.processes,
              (std::vector<P>{{"tool.exe", 1},
                              {"doc.xyz", 1},
                              {"rundll32.exe shell32.dll,OpenAs_RunDLL doc.xyz", 7}}));
}

TEST_F(ShellLaunching, RunCommandWithoutProgramStartsNothing) {
    launcher.RunCommand("", "a.txt", "C:\\w", "1");
    EXPECT_TRUE(fake.shell.executed.empty());
    EXPECT_TRUE(fake.shell.processes.empty());
}

TEST_F(ShellLaunching, OpenUrlAsksOnceForTheBrowserThroughATemporaryHtmFile) {
    fake.shell.browser = "  C:\\Browser\\b.exe ";
    launcher.OpenURL("  http://x/a b  ");
    launcher.OpenURL("www.y");
    EXPECT_EQ(fake.shell.lookedUp, std::vector<std::string>{tempHtm});
    EXPECT_EQ(fake.files.deleted, std::vector<std::string>{tempHtm});
    EXPECT_TRUE(fake.files.files.empty());
    EXPECT_EQ(
        fake.shell.executed,
        (std::vector<ShellRequest>{{false, "OPEN", "C:\\Browser\\b.exe", "http://x/a%20b", "", 1},
                                   {false, "OPEN", "C:\\Browser\\b.exe", "www.y", "", 1}}));
}

TEST_F(ShellLaunching, AnExistingTempHtmIsUsedAndKept) {
    fake.files.files[tempHtm] = "<html>";
    fake.shell.browser = "b.exe";
    launcher.OpenURL("http://x");
    EXPECT_EQ(fake.shell.lookedUp, std::vector<std::string>{tempHtm});
    EXPECT_TRUE(fake.files.deleted.empty());
    EXPECT_EQ(fake.files.files.at(tempHtm), "<html>");
}

TEST_F(ShellLaunching, AReadOnlyProgramFolderUsesTheTempFolder) {
    fake.files.unwritable.insert(tempHtm);
    fake.shell.browser = "b.exe";
    launcher.OpenURL("http://x");
    const std::string probe = "C:\\Users\\me\\Temp\\Temp.htm";
    EXPECT_EQ(fake.shell.lookedUp, std::vector<std::string>{probe});
    EXPECT_EQ(fake.files.deleted, std::vector<std::string>{probe});
    ASSERT_EQ(fake.shell.executed.size(), 1u);
}

TEST_F(ShellLaunching, NoBrowserOpensNothing) {
    launcher.OpenURL("http://x");
    launcher.OpenURL("http://y");
    EXPECT_TRUE(fake.shell.executed.empty());
    EXPECT_EQ(fake.shell.lookedUp.size(), 2u);  // nothing cached, so asked again
}

TEST_F(ShellLaunching, PrintingADocumentUsesThePrintVerb) {
    launcher.PrintFile("C:\\a.pdf", "C:\\w");
    EXPECT_EQ(fake.shell.executed,
              (std::vector<ShellRequest>{{true, "Print", "C:\\a.pdf", std::nullopt, "C:\\w", 1}}));
    EXPECT_TRUE(fake.shell.slept.empty());
}

TEST_F(ShellLaunching, PrintingATextTakesTheFirstFreeNumberAndDeletesOnlyThatFile) {
    fake.files.files["C:\\Tools\\Menu\\KOV_print0.txt"] = "0";
    fake.files.files["C:\\Tools\\Menu\\KOV_print1.txt"] = "1";
    fake.clipboard.text = "clip";
    std::string printed;
    fake.shell.onExecute = [&](const ShellRequest& r) { printed = fake.files.files.at(r.file); };
    launcher.PrintFile("x \xC2\xA6s \xC2\xA6S", "");
    const std::string file = "C:\\Tools\\Menu\\KOV_print2.txt";
    EXPECT_EQ(printed, "x clip clip\r\n");
    EXPECT_EQ(fake.shell.executed,
              (std::vector<ShellRequest>{{true, "Print", file, std::nullopt, "", 1}}));
    EXPECT_EQ(fake.shell.slept, std::vector<unsigned>{3000});
    EXPECT_EQ(fake.files.deleted, std::vector<std::string>{file});
    EXPECT_EQ(fake.files.files.size(), 2u);
}

TEST_F(ShellLaunching, PrintingATextInAReadOnlyProgramFolderUsesTheTempFolder) {
    fake.files.unwritable.insert("C:\\Tools\\Menu\\KOV_print0.txt");
    fake.clipboard.text = "clip";
    launcher.PrintFile("\xC2\xA6s", "");
    ASSERT_EQ(fake.shell.executed.size(), 1u);
    EXPECT_EQ(fake.shell.executed[0].file, "C:\\Users\\me\\Temp\\KOV_print0.txt");
}

TEST_F(ShellLaunching, AppendAddsLinesInPlaceAndReportsAMissingFile) {
    fake.files.files["C:\\log.txt"] = std::string("old\0\xFF", 5);
    launcher.AppendToFile("C:\\log.txt", "one");
    launcher.AppendToFile("C:\\log.txt", "two");
    EXPECT_EQ(fake.files.files.at("C:\\log.txt"), std::string("old\0\xFF", 5) + "one\r\ntwo\r\n");
    EXPECT_TRUE(fake.messages.shown.empty());

    launcher.AppendToFile("C:\\none.txt", "x");
    EXPECT_EQ(fake.files.files.count("C:\\none.txt"), 0u);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text,
              "There was an error when trying to append a string to the file 'C:\\none.txt'.");
    EXPECT_EQ(fake.messages.shown[0].title, "KOV");
    EXPECT_EQ(fake.messages.shown[0].flags, 16u);
}

}  // namespace
}  // namespace kov
