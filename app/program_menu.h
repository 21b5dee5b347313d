// The fixed program submenu: Settings, Edit the menu, About, Help and Exit, after the menu
// file's problems when it has any.
#pragma once

#include <cstddef>
#include <string>

#include "core/command_ids.h"
#include "core/ui_strings.h"
#include "menufile/menu_settings.h"
#include "platform/menus.h"

namespace kov {

// Some popup implementations swallow the identifiers -1 and -2, so the entries carry identifiers
// of their own in the menu and are translated back the moment the popup returns; any other
// negative value (a popup that failed) means nothing was chosen.
CommandId ProgramMenuItemId(CommandId command);
CommandId CommandFromMenuItemId(CommandId menuItemId);

// "Problems (N)", in the user's language.
std::string ProblemsCaption(const UIStrings& strings, std::size_t problemCount);

// Appends the entries that the settings do not hide, in their fixed order; the problems of the
// menu file come first, when it has any.
void FillProgramMenu(platform::Menus& menus, platform::MenuHandle ProgramMenu,
                     const MenuSettings& settings, const UIStrings& strings,
                     std::size_t problemCount);

}  // namespace kov
