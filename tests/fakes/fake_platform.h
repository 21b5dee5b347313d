// Recording fakes of the small platform interfaces, and one Platform that bundles them.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/main_window.h"
#include "platform/platform.h"
#include "tests/fakes/fake_clipboard.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_folders.h"
#include "tests/fakes/fake_menus.h"
#include "tests/fakes/fake_owner_draw_hook.h"
#include "tests/fakes/fake_pictures.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_top_windows.h"
#include "tests/fakes/windows_1252.h"

namespace kov::fakes {

class FakeFiles : public platform::Files {
  public:
    bool IsOrdinaryFile(const std::string& path) override;
    std::optional<std::string> sReadWholeFile(const std::string& path) override;
    bool WriteNewFile(const std::string& path, std::string_view content) override;
    bool ReplaceFile(const std::string& path, std::string_view content) override;
    bool FileExists(const std::string& path) override;
    bool AppendToFile(const std::string& path, std::string_view bytes) override;
    bool DeleteFile(const std::string& path) override;

    std::vector<std::string> deleted;
    // Paths compare without regard to case, as on Windows.
    std::map<std::string, std::string, LessNoCase> files;
    std::set<std::string, LessNoCase> hidden;      // present but hidden or system
    std::set<std::string, LessNoCase> unreadable;  // found by the search, but cannot be read
    std::set<std::string, LessNoCase> unwritable;
};

class FakeMessageBoxes : public platform::MessageBoxes {
  public:
    struct Shown {
        std::string text;
        std::string title;
        unsigned flags;
    };
    int MessageBox(std::string_view text, std::string_view title, unsigned flags) override;

    std::vector<Shown> shown;
    std::deque<int> answers;  // taken in order; OK (1) when empty
};

class FakeEnvironment : public platform::Environment {
  public:
    std::optional<std::string> ExpandEnvironmentStrings(const std::string& text) override;
    std::map<std::string, std::string, LessNoCase> variables;
};

class FakeMainWindow : public platform::MainWindow {
  public:
    void SetCaption(std::string_view text) override { caption = text; }
    void Close() override { ++closeRequests; }
    platform::SystemMenuFontInfo SystemMenuFont() override { return systemFont; }
    platform::DesignSkins DesignSkinPictures() override { return designSkins; }
    platform::CommandId PopUpAtCursor(platform::MenuHandle menu) override;
    platform::ProgramVersion Version() override { return {3, 7, 1}; }
    void Hide() override { hidden = true; }
    void ShowAbout(const platform::AboutTexts& texts) override { about = texts; }
    void CloseAbout() override { about.reset(); }
    void SetSettingsContent(const platform::SettingsTexts& texts,
                            platform::SettingsEvents&) override {
        settingsTexts = texts;
    }
    std::string TranslationText() override { return textBoxText; }
    void HookSystemMenu(std::string_view aboutCaption) override {
        systemMenuAbout = aboutCaption;
        systemMenuHooked = true;
    }
    void UnhookSystemMenu() override { systemMenuHooked = false; }

    std::string caption;
    bool hidden = false;
    std::optional<platform::AboutTexts> about;
    platform::SettingsTexts settingsTexts;
    std::string textBoxText;
    std::string systemMenuAbout;
    bool systemMenuHooked = false;
    int closeRequests = 0;
    platform::SystemMenuFontInfo systemFont{"MS Shell Dlg", 400, 0};
    std::vector<platform::MenuHandle> poppedUp;
    platform::CommandId choice = 0;
    platform::DesignSkins designSkins{std::make_shared<FakePicture>(613, 4),
                                      std::make_shared<FakePicture>(28, 20)};
};

struct FakePlatform {
    FakeMenus menus;
    FakeFiles files;
    FakeMessageBoxes messages;
    FakeEnvironment environment;
    FakeOwnerDrawHook ownerDraw;
    FakeFolders folders;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeTopWindows windows;
    FakeClock clock;
    FakePictures pictures;
    FakeTempFolder tempFolder;
    Windows1252 ansi;
    platform::Platform platform{
        menus,    files,      messages, environment, {"C:\\Tools\\Menu", "KOV"},
        folders,  clipboard,  shell,    windows,     clock,
        pictures, tempFolder, ansi};
};

}  // namespace kov::fakes
