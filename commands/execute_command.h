// From the chosen command identifier to the action: program submenu entries, the command fields
// of a menu-file line, folder entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "commands/expand_string.h"
#include "core/command_ids.h"
#include "core/locale_number.h"
#include "core/ui_strings.h"
#include "menufile/menu_settings.h"
#include "platform/platform.h"

namespace kov {

// What the main window does once the command has run.
enum class AfterCommand {
    CloseMainWindow,
    KeepMainWindowOpen,  // Settings: the window is shown as the settings window
    ShowAbout,           // the About dialog closes the window when it is dismissed
    ShowProblems,        // so does the problems window
};

struct CommandContext {
    platform::Platform& platform;
    // The edit entry keeps its "¦m" replacement in MenuEditor.
    MenuSettings& settings;
    const std::vector<std::string>& MenuLines;
    // Element identifier - 2000 is a folder entry's path; element 0 is unused.
    const std::vector<std::string>& FolderItemPaths;
    const std::string& sMenuFile;
    const UIStrings& strings;
    const NumberFormat& numbers;
    Expander& expander;
    // Folders chosen over a file dialog (or Explorer window) open in it; without it, as ever.
    WhereTheUserIs* where = nullptr;
    // The keys held when the item was chosen; the program submenu's entries ignore them.
    ChoiceModifier modifier = ChoiceModifier::None;
};

AfterCommand ExecuteCommand(CommandId id, CommandContext& context);

// The text when it reads as a number that rounds to a show command 0 to 10; otherwise "1".
std::string sCheckWindowState(std::string_view text, const NumberFormat& numbers);

}  // namespace kov
