#include "commands/clipboard_commands.h"

#include <gtest/gtest.h>

#include "commands/close_windows.h"
#include "commands/expand_string.h"
#include "tests/fakes/fake_platform.h"

namespace kov {
namespace {

class ClipboardCommands : public ::testing::Test {
  protected:
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : fake.messages.shown) texts.push_back(shown.text);
        return texts;
    }

    fakes::FakePlatform fake;
    MenuSettings settings;
    Expander expander{fake.environment, "C:\\Tools\\Menu", fake.clipboard, fake.clock, settings};
    UIStrings strings = DefaultUIStrings("KOV");
    ClipboardWriter writer{fake.platform, strings, expander};
};

TEST_F(ClipboardCommands, SetTextAndItsRefusal) {
    writer.ClipboardSetText("");
    EXPECT_EQ(fake.clipboard.text, "");
    fake.clipboard.refuses = true;
    writer.ClipboardSetText("x");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Error when copying the data into the clipboard!"});
    EXPECT_EQ(fake.messages.shown[0].flags, 16u);
}

TEST_F(ClipboardCommands, FileContentsAreLookedForInTheProgramFolder) {
    fake.files.files["C:\\Tools\\Menu\\notes.txt"] = "relative";
    fake.files.files["C:\\Tools\\Menunotes2.txt"] = "joined";
    fake.files.files["C:\\Data\\x.txt"] = "absolute";
    fake.environment.variables["data"] = "C:\\Data";
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"notes.txt", "relative"}, {"notes2.txt", "joined"}, {"%data%\\x.txt", "absolute"}};
    for (const auto& c : cases) {
        writer.ClipboardSetFileContents(c.name);
        EXPECT_EQ(fake.clipboard.text, c.expected) << c.name;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ClipboardCommands, MissingFilesAreReportedAndLeaveTheClipboard) {
    fake.clipboard.text = "kept";
    fake.files.files["C:\\Tools\\Menu\\D:\\nope.txt"] = "never";
    writer.ClipboardSetFileContents("D:\\nope.txt");  // a drive path is not searched further
    writer.ClipboardSetFileContents("gone.txt");
    writer.ClipboardSetFileContents("");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"The file 'D:\\nope.txt' was not found!",
                                                    "The file 'gone.txt' was not found!"}));
    EXPECT_EQ(fake.clipboard.text, "kept");
}

TEST(CloseWindows, MatchesTitlesIgnoringCaseAndKeepsBlanks) {
    fakes::FakeTopWindows windows;
    windows.windows = {{1, "Untitled - Notepad"},
                       {2, "NOTEPAD help"},
                       {3, "Calc"},
                       {4, ""},
                       {5, "Notepad desktop", true},
                       {6, "KOV notepad", false, true}};
    const struct {
        const char* part;
        std::vector<platform::WindowHandle> closed;
    } cases[] = {
        {"notepad", {1, 2}}, {" notepad", {1}}, {"   ", {}}, {"", {}}, {"xyz", {}}, {"c", {3}},
    };
    for (const auto& c : cases) {
        windows.closed.clear();
        CloseWindows(c.part, windows);
        EXPECT_EQ(windows.closed, c.closed) << c.part;
    }
}

}  // namespace
}  // namespace kov
