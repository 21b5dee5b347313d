#include "app/menu_check.h"

#include <algorithm>

#include "app/default_menu_file.h"
#include "commands/expand_string.h"
#include "menufile/menu_builder.h"

namespace kov {

int CheckMenuFile(platform::Platform& platform, const NumberFormat& numbers,
                  const std::optional<std::string>& menuFileArgument, std::string& output) {
    MenuSettings settings;
    SetDefaults(settings, numbers);
    Expander expander(platform.environment, platform.identity.folder, platform.clipboard,
                      platform.clock, settings);
    // Unlike a start, a named file that is missing is the answer, not a reason to read another.
    const auto path = menuFileArgument ? expander.sExpandString(*menuFileArgument, false)
                                       : DefaultMenuFilePath(platform.identity);
    if (!platform.files.IsOrdinaryFile(path)) {
        output += (path.empty() ? "\"\"" : path) + ": the menu file was not found\r\n";
        return 1;
    }
    CustomIconTable icons;
    SettingsContext settingsContext{numbers, expander, platform.pictures, platform.files, icons};
    std::vector<std::string> folderItemPaths{""};
    FolderMenus folderMenus(platform.menus, platform.folders, folderItemPaths);
    MenuProblems problems;
    MenuFileContext context{platform, settings, settingsContext, "", folderMenus, problems, true};
    const auto root = platform.menus.CreatePopupMenu();
    ReadMenuFile(path, root, context);
    platform.menus.DestroyMenu(root);
    for (const auto& line : ProblemTexts(problems, path + "(", "): ")) output += line + "\r\n";
    constexpr std::size_t kHighestExitCode = 255;
    return static_cast<int>(std::min(problems.Count(), kHighestExitCode));
}

}  // namespace kov
