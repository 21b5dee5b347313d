// Turns the menu file into the popup-menu tree and keeps its lines as the item table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menufile/folder_menus.h"
#include "menufile/generator_menus.h"
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
    // Take the submenus of "¦q" and "¦o" lines.
    FolderMenus& folderMenus;
    GeneratorMenus& generatorMenus;
    // What is wrong in the file; reading it builds the same menu either way.
    MenuProblems& problems;
    // Set when the file is there but cannot be read: the system's reason. Nothing is built then.
    std::optional<std::string> unreadReason = std::nullopt;
    // Every "@ForPrograms" section is built, whatever window is in front: the file is checked.
    bool everySection = false;
};

// Appends the file's entries to RootMenu and applies its "@" lines; an "@Include" line reads
// another file's lines in its place. Returns every line read, in reading order, cut at every line
// end and untrimmed: element k is the line whose items have identifier k + 1, whatever file it
// came from (for a menu without includes, line k + 1 of the file). nullopt when no menu file was
// found or it could not be read (then the context says why). Every line is built: the content
// never stops the parse. Checking the lines costs one file-attribute query per local file or
// folder they name (a program path with blanks at most 16 more), and nothing else.
std::optional<std::vector<std::string>> ReadMenuFile(const std::string& path,
                                                     platform::MenuHandle RootMenu,
                                                     MenuFileContext& context);

// Call when a popup menu is about to open: when it is a "¦o" submenu not filled yet, runs its
// program and builds what it wrote into it as lines of a menu file without "@" lines, appending
// them to MenuLines, so that their items run as the file's own do. A program that failed or wrote
// nothing leaves one grayed entry, noEntries. True when it filled the menu.
bool FillGeneratorMenu(platform::MenuHandle menu, std::vector<std::string>& MenuLines,
                       MenuFileContext& context, std::string_view noEntries);

}  // namespace kov
