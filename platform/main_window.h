// The program's own main window, as the run cycle drives it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/menus.h"
#include "platform/pictures.h"

namespace kov::platform {

// The system's menu font as the owner-drawn menus take it over.
struct SystemMenuFontInfo {
    std::string faceName;
    long weight = 0;
    int italic = 0;
};

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// What the About dialog shows.
struct AboutTexts {
    std::string caption;
    std::string ok;
    std::string lines;  // three lines separated by CR LF
    bool exitProgram = false;
};

// What the problems window shows.
struct ProblemsTexts {
    std::string caption;
    std::string text;  // one problem per line, separated by CR LF
    std::string edit;
    std::string close;
};

// The settings window's captions and tool tips, in the user's language.
struct SettingsTexts {
    std::string information;
    std::string infoText;
    std::string translation;
    std::string save;
    std::string createNew;
};

// The handlers of the settings window and of the system menu's About entry.
class SettingsEvents {
  public:
    virtual ~SettingsEvents() = default;
    // Returns the text for the text box.
    virtual std::string lstTranslationStrings_Click(std::size_t index,
                                                    const std::string& textBoxText) = 0;
    virtual std::string ListToolTip(long itemFromPoint) const = 0;
    virtual void cmdSave_Click(const std::string& textBoxText) = 0;
    virtual void cmdCreateNew_Click() = 0;
    virtual void SystemMenuAbout() = 0;
    virtual const std::vector<std::string>& TranslationEntries() const = 0;
    virtual bool EditingEnabled() const = 0;
};

// The skin pictures the window carries from its design: the default skins of every menu that
// switches skins on without naming skin files.
struct DesignSkins {
    PicturePtr background;
    PicturePtr selected;
};

class MainWindow {
  public:
    virtual ~MainWindow() = default;
    // Asks the window to close; the shutdown handler runs and may keep it open.
    virtual void Close() = 0;
    virtual SystemMenuFontInfo SystemMenuFont() = 0;
    virtual DesignSkins DesignSkinPictures() = 0;
    // Brings the window to the foreground and tracks the menu at the mouse cursor until it closes.
    // Returns the chosen item's identifier, 0 when the menu was dismissed.
    virtual CommandId PopUpAtCursor(MenuHandle menu) = 0;
    // Tracks the menu again where the last one was popped up.
    virtual CommandId PopUpAgain(MenuHandle menu) = 0;

    // The file version of the program's version record.
    virtual ProgramVersion Version() = 0;
    virtual void Hide() = 0;
    // Shows the About dialog modeless (refreshing it when it is open) and returns at once.
    virtual void ShowAbout(const AboutTexts& texts) = 0;
    virtual void CloseAbout() = 0;
    // Shows the menu file's problems and returns at once; the window's Edit button runs onEdit
    // (without onEdit there is no Edit button), and closing it closes the main window, since
    // nothing else of the program is visible.
    virtual void ShowProblems(const ProblemsTexts& texts, std::function<void()> onEdit) = 0;
    // Fills the settings window's controls; the window shows them when it is shown.
    virtual void SetSettingsContent(const SettingsTexts& texts, SettingsEvents& events) = 0;
    // What the settings window's text box holds; empty while the window has not been shown.
    virtual std::string TranslationText() = 0;
    // Appends an About entry (identifier 2) to the system menu and routes it to the events.
    virtual void HookSystemMenu(std::string_view aboutCaption) = 0;
    // Puts back what HookSystemMenu replaced; nothing when it has not run.
    virtual void UnhookSystemMenu() = 0;
};

}  // namespace kov::platform
