#include "app/program_menu.h"

namespace kov {

namespace {

// Out of the way of every other range: lines are positive, the commands are -1 to -6.
constexpr CommandId kProgramMenuIdOffset = -100;

}  // namespace

CommandId ProgramMenuItemId(CommandId command) {
    return command + kProgramMenuIdOffset;
}

CommandId CommandFromMenuItemId(CommandId menuItemId) {
    if (menuItemId >= 0) return menuItemId;
    const CommandId command = menuItemId - kProgramMenuIdOffset;
    // No entry carries any other negative identifier: a failing popup reports nothing chosen.
    return command >= CMD_PROBLEMS && command <= CMD_ABOUT ? command : CMD_NOTHING;
}

std::string ProblemsCaption(const UIStrings& strings, std::size_t problemCount) {
    return strings.sPROBLEMS + " (" + std::to_string(problemCount) + ")";
}

void FillProgramMenu(platform::Menus& menus, platform::MenuHandle ProgramMenu,
                     const MenuSettings& settings, const UIStrings& strings,
                     std::size_t problemCount) {
    const auto problems = ProblemsCaption(strings, problemCount);
    const struct {
        CommandId command;
        const std::string& caption;
        bool hidden;
    } entries[] = {
        {CMD_PROBLEMS, problems, problemCount == 0},
        {CMD_SETTINGS, strings.sSETTINGS, settings.NoSettings},
        {CMD_EDIT, strings.sEDITTHEMENU, settings.NoEdit},
        {CMD_ABOUT, strings.sABOUT, settings.NoAbout},
        {CMD_HELP, strings.sHELP, settings.NoHelp},
        {CMD_EXIT, strings.sEXIT, settings.NoExit},
    };
    for (const auto& entry : entries) {
        if (entry.hidden) continue;
        menus.AppendMenu(ProgramMenu, platform::menu_flags::kString,
                         platform::MenuItemValue(ProgramMenuItemId(entry.command)), entry.caption);
    }
}

}  // namespace kov
