// Turns the menu file into the popup-menu tree and keeps its lines as the item table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menufile/folder_menus.h"
#include "menufile/menu_problems.h"
#include "menufile/menu_settings.h"
#include "menufile/settings_directives.h"
#include "platform/platform.h"

namespace kov {

struct MenuFileContext {
    platform::Platform& platform;
    MenuSettings& settings;
    SettingsContext& settingsContext;
    // Shown when no ordinary file exists at the path.
    std::string_view noMenuFileText;
    // Takes the submenus of "¦q" lines.
    FolderMenus& folderMenus;
    // What is wrong in the file; reading it builds the same menu either way.
    MenuProblems& problems;
    // Every "@ForPrograms" section is built, whatever window is in front: the file is checked.
    bool everySection = false;
};

// Appends the file's entries to RootMenu and applies its "@" lines. Returns the file's lines cut
// at every CR LF (untrimmed; element k is line k + 1), or nullopt when no menu file was found.
// Every line is built: the file's content never stops the parse. Checking the lines costs one
// file-attribute query per local file or folder they name, and nothing else.
std::optional<std::vector<std::string>> ReadMenuFile(const std::string& path,
                                                     platform::MenuHandle RootMenu,
                                                     MenuFileContext& context);

}  // namespace kov
