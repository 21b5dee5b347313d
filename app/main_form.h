// The main window's run: read the menu file, pop the menu up, hand the choice on, shut down.
// Owns the run's data; everything Windows does for it goes through the platform interfaces.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/translation_editor.h"
#include "commands/execute_command.h"
#include "commands/expand_string.h"
#include "commands/icon_target.h"
#include "core/command_ids.h"
#include "core/locale_number.h"
#include "core/ui_strings.h"
#include "menufile/folder_menus.h"
#include "menufile/generator_menus.h"
#include "menufile/menu_builder.h"
#include "menufile/menu_problems.h"
#include "menufile/menu_settings.h"
#include "odmenu/menu_colors.h"
#include "odmenu/owner_draw_hook.h"
#include "platform/main_window.h"
#include "platform/platform.h"

namespace kov {

class MainForm : public platform::SettingsEvents, public ShellIconSource {
  public:
    MainForm(platform::Platform& platform, OwnerDrawHook& ownerDraw, platform::MainWindow& window,
             NumberFormat numbers);

    // Start-up: everything from reading the menu file to dispatching the chosen command.
    // commandLine is the raw argument text after the program name.
    void FormLoad(const std::string& commandLine);
    // Shutdown; false keeps the window open.
    bool FormUnload();

    // A popup menu of the tree is about to open.
    void InitMenuPopup(platform::MenuHandle menu);

    // The identifier the popup returned, once it has.
    std::optional<CommandId> ChosenCommand() const { return chosen_; }

    const std::string& MenuFile() const { return sMenuFile; }
    const MenuSettings& Settings() const { return settings_; }
    bool bLanguageChanged() const { return editor_.bLanguageChanged; }

    // The settings window and the system menu's About entry.
    std::string lstTranslationStrings_Click(std::size_t index,
                                            const std::string& textBoxText) override;
    std::string ListToolTip(long itemFromPoint) const override;
    void cmdSave_Click(const std::string& textBoxText) override;
    void cmdCreateNew_Click() override;
    void SystemMenuAbout() override;
    const std::vector<std::string>& TranslationEntries() const override {
        return editor_.Entries();
    }
    bool EditingEnabled() const override { return editingEnabled_; }
    const CustomIconTable& CustomIcons() const { return customIcons_; }

    // Menu-file lines and folder entries by their identifiers, folder submenus by their folders.
    std::optional<platform::ShellIconTarget> ShellIconOf(std::int32_t itemId,
                                                         platform::MenuHandle submenu) override;
    std::optional<std::string> ContextMenuTarget(std::int32_t itemId,
                                                 platform::MenuHandle submenu) override;

  private:
    enum class Sample { Declined, Written, NotWritten };
    Sample OfferDefaultMenuFile();
    void LoadLanguageFile();
    // The language file is there but its content was not read, so it must not be replaced.
    bool LanguageFileUnread();
    std::string CouldNotBeRead(const std::string& path) const;
    void AddProgramImages();
    void ExecuteCommand(CommandId id);
    AfterCommand Dispatch(CommandId id);
    void ShowProblems();
    void ShowAbout(bool exitProgram);
    void ShowFileError(const std::string& path);
    // What an item names: its line's first command, its folder entry, its submenu's folder.
    std::optional<IconTargets::CommandTarget> TargetOf(std::int32_t itemId,
                                                       platform::MenuHandle submenu);
    // What reading the menu file, or a submenu a program writes, works with.
    MenuFileContext MenuFileContextOfRun();

    platform::Platform& platform_;
    OwnerDrawHook& ownerDraw_;
    platform::MainWindow& window_;
    NumberFormat numbers_;
    // Read by the expander's clipboard file list, so it comes first.
    MenuSettings settings_;
    WhereTheUserIs where_{platform_.place, platform_.front};
    Expander expander_;

    std::string sMenuFile;
    platform::MenuHandle RootMenu = 0;
    platform::MenuHandle ProgramMenu = 0;
    std::vector<std::string> MenuLines;
    MenuProblems problems_;
    std::optional<MenuFont> menuFont_;
    MenuColors colors_;
    CustomIconTable customIcons_;
    SettingsContext settingsContext_{numbers_, expander_, platform_.pictures, platform_.files,
                                     customIcons_};
    UIStrings strings_;
    TranslationEditor editor_;
    bool editingEnabled_ = true;
    bool languageRead_ = false;
    TextEncoding languageEncoding_ = TextEncoding::Ansi;
    std::optional<CommandId> chosen_;
    ChoiceModifier choiceModifier_ = ChoiceModifier::None;
    // Element n is the path of the folder entry with identifier 2000 + n.
    std::vector<std::string> FolderItemPaths{""};
    FolderMenus folderMenus_{platform_.menus, platform_.folders, FolderItemPaths};
    GeneratorMenus generatorMenus_;
    IconTargets iconTargets_{settings_, expander_, platform_.folders};
};

}  // namespace kov
