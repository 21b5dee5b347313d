// The fixed program submenu: Settings, Edit the menu, About, Help and Exit.
#pragma once

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

// Appends the entries that the settings do not hide, in their fixed order.
void FillProgramMenu(platform::Menus& menus, platform::MenuHandle ProgramMenu,
                     const MenuSettings& settings, const UIStrings& strings);

}  // namespace kov
