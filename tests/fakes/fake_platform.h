// Recording fakes of the small platform interfaces, and one Platform that bundles them.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "odmenu/owner_draw_hook.h"
#include "platform/main_window.h"
#include "platform/platform.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_folders.h"
#include "tests/fakes/fake_menus.h"
#include "tests/fakes/latin1.h"

namespace kov::fakes {

// The next queued answer, or otherwise once the queue is empty.
template <typename T>
T Take(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    const T value = queue.front();
    queue.pop_front();
    return value;
}

class FakeFiles : public platform::Files {
  public:
    bool IsOrdinaryFile(const std::string& path) override { return files.count(path) != 0; }
    std::optional<std::string> sReadWholeFile(const std::string& path,
                                              std::string* whyNot = nullptr) override {
        const auto it = files.find(path);
        if (it != files.end() && !unreadable.count(path)) return it->second;
        if (whyNot != nullptr) *whyNot = "locked";
        return std::nullopt;
    }
    bool WriteNewFile(const std::string& path, std::string_view content) override;
    bool ReplaceFile(const std::string& path, std::string_view content) override;
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool AppendToFile(const std::string& path, std::string_view bytes) override;
    bool DeleteFile(const std::string& path) override { return files.erase(path) != 0; }
    // Paths with a drive letter are local; files and folders the test made exist.
    std::optional<bool> ExistsOnLocalDrive(const std::string& path) override {
        if (path.size() < 3 || path[1] != ':') return std::nullopt;
        return files.count(path) != 0 || folders.count(path) != 0;
    }

    std::map<std::string, std::string, LessNoCase> files;  // by path, letter case ignored
    std::set<std::string, LessNoCase> unwritable, unreadable, folders;
};

class FakeMessageBoxes : public platform::MessageBoxes {
  public:
    int MessageBox(std::string_view text, std::string_view, unsigned) override {
        shown.emplace_back(text);
        return Take(answers, 1);
    }

    std::vector<std::string> shown;  // the texts
    std::deque<int> answers;         // OK (1) once they run out
};

class FakeEnvironment : public platform::Environment {
  public:
    std::optional<std::string> ExpandEnvironmentStrings(const std::string& text) override {
        std::string out = text;
        for (const auto& [name, to] : variables) out = ReplaceAllNoCase(out, '%' + name + '%', to);
        return out;
    }
    std::map<std::string, std::string> variables;
};

class FakeClipboard : public platform::Clipboard {
  public:
    std::optional<std::string> GetText() override { return text; }
    std::optional<std::vector<std::string>> GetFiles() override { return files; }
    bool SetText(std::string_view value) override {
        files.reset();
        text.reset();
        if (!refuses) text = std::string(value.substr(0, value.find('\0')));
        return !refuses;
    }

    std::optional<std::string> text;
    std::optional<std::vector<std::string>> files;
    bool refuses = false;
};

// Records what would have been started; the results come from the test.
class FakeShell : public platform::Shell {
  public:
    std::intptr_t ShellExecute(const platform::ShellRequest& request) override {
        executed.push_back(request);
        if (onExecute) onExecute(request);
        return Take<std::intptr_t>(executeResults, 42);
    }
    std::uint32_t StartProcess(const std::string& commandLine, int show) override {
        processes.push_back(commandLine + " @" + std::to_string(show));
        return static_cast<std::uint32_t>(Take<std::intptr_t>(processIds, 0));
    }
    std::optional<std::string> FindExecutable(const std::string& file) override {
        lookedUp.push_back(file);
        return Take(browsers, browser);
    }
    void Sleep(unsigned) override {}

    std::vector<platform::ShellRequest> executed;
    std::vector<std::string> processes;  // "command line @show"
    std::vector<std::string> lookedUp;
    std::deque<std::intptr_t> executeResults;  // success (42) once they run out
    std::deque<std::intptr_t> processIds;      // nothing started once they run out
    std::optional<std::string> browser;        // once the answers run out
    std::deque<std::optional<std::string>> browsers;
    std::function<void(const platform::ShellRequest&)> onExecute;
};

class FakeTopWindows : public platform::TopWindows {
  public:
    std::vector<platform::TopWindow> Enumerate() override { return windows; }
    bool PostClose(platform::WindowHandle window) override {
        closed.push_back(window);
        return true;
    }
    std::vector<platform::TopWindow> windows;
    std::vector<platform::WindowHandle> closed;
};

class FakeOwnerDrawHook : public OwnerDrawHook {
  public:
    void HookODMenu(const OwnerDrawSources&) override {}
    void UnhookODMenu() override {}
    bool AddImage(const std::string& key, const ImagePair&) override {
        images.push_back(key);
        return true;
    }
    void SetSkinPictures(platform::PicturePtr, platform::PicturePtr) override {}
    void UseDarkMenus() override {}
    ChoiceModifier ModifierOfChoice() const override { return ChoiceModifier::None; }
    bool PopupClosedWithShellMenu() override { return closedWithShellMenu-- > 0; }
    int closedWithShellMenu = 0;      // the popups still to be closed so
    std::vector<std::string> images;  // the keys of the pictures added
};

// Light mode without high contrast unless a test sets otherwise; the dark theme data as given.
class FakeSystemLook : public platform::SystemLook {
  public:
    std::optional<platform::RegistryValue> AppsUseLightTheme() override { return lightTheme; }
    bool HighContrast() override { return highContrast; }
    platform::SystemMenuColors SystemColors() override { return systemColors; }
    platform::DarkMenuTheme DarkMenus() override { return darkMenus; }

    std::optional<platform::RegistryValue> lightTheme;  // the apps' setting
    bool highContrast = false;
    platform::SystemMenuColors systemColors;
    platform::DarkMenuTheme darkMenus;
};

class FakeMainWindow : public platform::MainWindow {
  public:
    void Close() override { ++closeRequests; }
    platform::SystemMenuFontInfo SystemMenuFont() override { return {"MS Shell Dlg", 400, 0}; }
    platform::DesignSkins DesignSkinPictures() override { return {}; }
    platform::CommandId PopUpAtCursor(platform::MenuHandle menu) override {
        poppedUp.push_back(menu);
        return choice;
    }
    platform::CommandId PopUpAgain(platform::MenuHandle m) override { return PopUpAtCursor(m); }
    platform::ProgramVersion Version() override { return {3, 7, 1}; }
    void Hide() override {}
    void ShowAbout(const platform::AboutTexts& texts) override { about = texts; }
    void CloseAbout() override { about.reset(); }
    void ShowProblems(const platform::ProblemsTexts& texts, std::function<void()> onEdit) override {
        problems = texts;
        editProblems = std::move(onEdit);
    }
    void SetSettingsContent(const platform::SettingsTexts& texts,
                            platform::SettingsEvents&) override {
        settingsTexts = texts;
    }
    std::string TranslationText() override { return textBoxText; }
    void HookSystemMenu(std::string_view aboutCaption) override { systemMenuAbout = aboutCaption; }
    void UnhookSystemMenu() override { systemMenuAbout.reset(); }

    std::optional<platform::AboutTexts> about;
    std::optional<platform::ProblemsTexts> problems;
    std::function<void()> editProblems;
    platform::SettingsTexts settingsTexts;
    std::string textBoxText;
    std::optional<std::string> systemMenuAbout;  // while hooked
    int closeRequests = 0;
    std::vector<platform::MenuHandle> poppedUp;
    platform::CommandId choice = 0;
};

// Answers every run with the output set for its command line, and records the runs.
class FakeRunner : public platform::ProgramRunner {
  public:
    platform::ProgramOutput RunForOutput(const platform::ProgramRun& run) override {
        runs.push_back(run);
        const auto found = outputs.find(run.commandLine);
        return found != outputs.end() ? found->second : platform::ProgramOutput{};
    }

    std::map<std::string, platform::ProgramOutput> outputs;
    std::vector<platform::ProgramRun> runs;
};

// An Explorer window and a file dialog as the test sets them; records where they were taken.
class FakePlaceInFront : public platform::PlaceInFront {
  public:
    std::optional<platform::ExplorerView> ExplorerWindow(platform::WindowHandle) override {
        ++questions;
        return explorer;
    }
    std::optional<std::string> DialogFolder(platform::WindowHandle) override {
        ++questions;
        return dialogFolder;
    }
    bool IsFolder(const std::string& path) override { return folders.count(path) != 0; }
    bool TakeDialogTo(platform::WindowHandle, const std::string& folder) override {
        takenTo.push_back("dialog " + folder);
        return goes;
    }
    bool TakeExplorerTo(platform::WindowHandle, const std::string& folder) override {
        takenTo.push_back("explorer " + folder);
        return goes;
    }

    std::optional<platform::ExplorerView> explorer;
    std::optional<std::string> dialogFolder;
    std::set<std::string, LessNoCase> folders;
    bool goes = true;
    int questions = 0;
    std::vector<std::string> takenTo;
};

// Answers the temporary folder and picture files itself: a fixed folder, and no picture decodes.
struct FakePlatform : platform::TempFolder, platform::Pictures {
    std::string UserTempFolder() override { return "C:\\Users\\me\\Temp"; }
    platform::PicturePtr LoadPicture(const std::string&) override { return nullptr; }

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
    Latin1 ansi;
    FakeSystemLook look;
    FakeRunner runner;
    FakePlaceInFront place;
    platform::Platform platform{
        menus,   files,     messages, environment, {"C:\\Tools\\Menu", "KOV"},
        folders, clipboard, shell,    windows,     clock,
        *this,   *this,     ansi,     look,        runner,
        {},      place};
};

}  // namespace kov::fakes
